#pragma once

#include <QDateTime>

// The program's date and time: days counted from 30 December 1899 00:00, the fraction being the
// time of day, with a status telling whether it holds a date at all.
struct DateTimeValue
{
    enum Status
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    double m_dt = 0.0;
    Status m_status = valid;

    DateTimeValue() = default;
    explicit DateTimeValue(double days, Status status = valid) : m_dt(days), m_status(status) {}

    // Day 0: 30 December 1899.
    static QDate DayZero() { return QDate(1899, 12, 30); }

    static DateTimeValue FromDateTime(const QDateTime& dateTime);
    static DateTimeValue FromDate(const QDate& date);
    static DateTimeValue Now();
    QDateTime ToDateTime() const;
    QDate ToDate() const;
    bool IsValid() const { return m_status == valid; }
};
