#include "records/EquitySeries.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "records/CLoan.h"

namespace {
// The span the series covers: the first start date and the last payoff of the loans with rows.
bool SeriesSpan(const QList<CLoanSchedule>& schedules, QDate& first, QDate& last)
{
    for (const CLoanSchedule& schedule : schedules) {
        if (schedule.Rows().isEmpty()) {
            continue;
        }
        if (!first.isValid() || schedule.StartDate() < first) {
            first = schedule.StartDate();
        }
        if (!last.isValid() || schedule.PayoffDate() > last) {
            last = schedule.PayoffDate();
        }
    }
    return first.isValid();
}
} // namespace

QList<EquityPoint> EquityOverTime(double homeValue, const QList<CLoanSchedule>& schedules, int chosen)
{
    QList<EquityPoint> points;
    QDate first;
    QDate last;
    if (!SeriesSpan(schedules, first, last)) {
        return points;
    }
    for (QDate day = first; day <= last; day = day.addMonths(1)) {
        EquityPoint point{day, homeValue, 0.0};
        for (int i = 0; i < schedules.size(); ++i) {
            const double balance = schedules.at(i).BalanceOn(day);
            if (schedules.at(i).AffectsEquity()) {
                point.equity -= balance;
            }
            if (i == chosen) {
                point.loanBalance = balance;
            }
        }
        points.append(point);
    }
    return points;
}

QList<CLoan> LoadHomeLoans(long homeId)
{
    QList<CLoan> loans;
    CADORecordset rs(AppDatabase());
    const QString query =
        QStringLiteral("SELECT LoanId FROM Loans WHERE AssetId=%1 ORDER BY Principal DESC;").arg(homeId);
    if (!rs.Open(query)) {
        return loans;
    }
    for (; !rs.IsEof(); rs.MoveNext()) {
        long id = 0;
        rs.GetFieldValue(QStringLiteral("LoanId"), id);
        CLoan loan;
        loan.SetId(id);
        if (loan.Load()) {
            loans.append(loan);
        }
    }
    return loans;
}
