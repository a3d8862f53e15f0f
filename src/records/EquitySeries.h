#pragma once

#include "records/CLoanSchedule.h"

#include <QDate>
#include <QList>

// One month of a home's equity over time, beside the balance of the loan being looked at.
struct EquityPoint
{
    QDate date;
    double equity = 0.0;
    double loanBalance = 0.0;
};

// The home's value minus what its equity loans owe, month by month from the earliest start date to
// the last payoff, with the balance of schedules[chosen] on each month (0 when chosen is out of
// range). Loans that do not affect equity count only as the chosen loan. No schedules: no points.
QList<EquityPoint> EquityOverTime(double homeValue, const QList<CLoanSchedule>& schedules, int chosen);

// The loans of a home in the order its Loans page lists them (largest principal first).
QList<CLoan> LoadHomeLoans(long homeId);
