#include "data/DateTimeValue.h"

#include <cmath>

namespace {

constexpr qint64 msecsPerDay = 24 * 60 * 60 * 1000;

} // namespace

// The whole part counts days from day zero; the fraction is the time of that day, also for dates
// before day zero (-1.25 is 29 December 1899, 06:00).
DateTimeValue DateTimeValue::FromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return DateTimeValue(0.0, invalid);
    const double days = static_cast<double>(DateTimeValue::DayZero().daysTo(dateTime.date()));
    const double fraction =
        static_cast<double>(dateTime.time().msecsSinceStartOfDay()) / static_cast<double>(msecsPerDay);
    return DateTimeValue(days < 0 ? days - fraction : days + fraction);
}

DateTimeValue DateTimeValue::FromDate(const QDate& date)
{
    return FromDateTime(QDateTime(date, QTime(0, 0)));
}

DateTimeValue DateTimeValue::Now()
{
    return FromDateTime(QDateTime::currentDateTime());
}

QDateTime DateTimeValue::ToDateTime() const
{
    if (m_status != valid || !std::isfinite(m_dt) || std::fabs(m_dt) > 3.0e6)
        return QDateTime();
    const double whole = std::trunc(m_dt);
    QDate date = DateTimeValue::DayZero().addDays(static_cast<qint64>(whole));
    qint64 msecs = std::llround(std::fabs(m_dt - whole) * static_cast<double>(msecsPerDay));
    // Round to the second, as the day count carries no finer time reliably.
    msecs = (msecs + 500) / 1000 * 1000;
    if (msecs >= msecsPerDay) {
        msecs -= msecsPerDay;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs)));
}

QDate DateTimeValue::ToDate() const
{
    return ToDateTime().date();
}
