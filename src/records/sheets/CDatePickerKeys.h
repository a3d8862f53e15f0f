#pragma once

#include <QObject>

class QDateEdit;

// The date pickers by keyboard: the focus starts on the month, never rests on the weekday (which
// follows from the date and only confuses Up and Down), and Alt+Down or F4 drop the calendar down.
class CDatePickerKeys final : public QObject
{
    Q_OBJECT
public:
    // Watches the picker; owned by it.
    explicit CDatePickerKeys(QDateEdit* picker);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenCalendar();

    QDateEdit* m_picker;
};
