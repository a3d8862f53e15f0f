#include "records/sheets/DatePickers.h"

#include "records/sheets/CDatePickerKeys.h"

#include "data/AppPaths.h"
#include "data/DateTimeValue.h"
#include "res/StringIds.h"

#include <QDateEdit>
#include <QLocale>

namespace {
// The picker's frame and calendar button, in pixels.
constexpr int kDateButtonRoom = 48;
} // namespace

void ConfigureDatePicker(QDateEdit* picker)
{
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(LoadResString(IDS_DATE_PICKER_FORMAT));
    new CDatePickerKeys(picker);
    const QString widest = QLocale().toString(QDate(2000, 9, 27), picker->displayFormat());
    picker->setMinimumWidth(picker->fontMetrics().horizontalAdvance(widest) + kDateButtonRoom);
}

void ExchangeDate(QDateEdit* picker, DateTimeValue& value, bool save)
{
    const QDateTime current = value.IsValid() ? value.ToDateTime() : QDateTime::currentDateTime();
    if (!save) {
        picker->setDate(current.date());
        return;
    }
    value = DateTimeValue::FromDateTime(QDateTime(picker->date(), current.time()));
}
