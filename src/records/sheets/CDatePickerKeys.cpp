#include "records/sheets/CDatePickerKeys.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

CDatePickerKeys::CDatePickerKeys(QDateEdit* picker) : QObject(picker), m_picker(picker)
{
    picker->installEventFilter(this);
}

bool CDatePickerKeys::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the picker has chosen its own section for the focus.
        QTimer::singleShot(0, this, [this] { m_picker->setCurrentSection(QDateTimeEdit::MonthSection); });
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool altDown = key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier);
    if (altDown || key->key() == Qt::Key_F4) {
        OpenCalendar();
        return true;
    }
    if (!m_picker->displayFormat().startsWith(QStringLiteral("ddd")))
        return false;
    const int section = m_picker->currentSectionIndex();
    if (section == 0)
        m_picker->setCurrentSection(QDateTimeEdit::MonthSection);
    // Back from the month would land on the weekday: Left stays, Shift+Tab leaves the picker.
    if (section == 1 && key->key() == Qt::Key_Left)
        return true;
    if (section == 1 && key->key() == Qt::Key_Backtab)
        m_picker->setCurrentSectionIndex(0);
    return false;
}

// The picker opens its calendar only for a press on its arrow, at the right end.
void CDatePickerKeys::OpenCalendar()
{
    if (!m_picker->calendarPopup())
        return;
    const QPointF arrow(m_picker->width() - 6, m_picker->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, m_picker->mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_picker, &press);
}
