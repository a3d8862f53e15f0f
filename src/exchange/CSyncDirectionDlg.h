#pragma once

#include <QDialog>

class QRadioButton;

// "Sync Direction": which side's data replaces the other's. The desktop's is chosen when it opens.
// After its first paint it gives the first-sync advice once per person ("IsFirstSync").
class CSyncDirectionDlg final : public QDialog
{
    Q_OBJECT
public:
    enum Direction
    {
        DesktopToDevice = 1,
        DeviceToDesktop = 2
    };

    explicit CSyncDirectionDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CSyncDirectionDlg)

    Direction GetDirection() const;
    void SetDirection(Direction direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRadioButton* AddOption(class QGridLayout* grid, int row, int controlId, const QString& text);
    void GiveAdvice();

    QRadioButton* m_toDevice;
    QRadioButton* m_toDesktop;
    bool m_painted = false;
};
