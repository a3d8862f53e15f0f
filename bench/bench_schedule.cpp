// The loan schedule of a 30-year loan and the equity series of a home with 5 loans, each to be
// built in well under 50 ms.

#include "records/CLoan.h"
#include "records/CLoanSchedule.h"
#include "records/EquitySeries.h"

#include <benchmark/benchmark.h>

namespace {

CLoan ThirtyYearLoan(float principal, const QDate& start)
{
    CLoan loan;
    loan.SetPrincipal(principal);
    loan.SetInterestRate(6.5f);
    loan.SetTermInMonths(360);
    loan.SetStartDate(DateTimeValue::FromDate(start));
    return loan;
}

void BM_ThirtyYearSchedule(benchmark::State& state)
{
    const CLoan loan = ThirtyYearLoan(250000.0f, QDate(2015, 6, 1));
    for (auto _ : state) {
        const CLoanSchedule schedule(loan, 120, 150.0);
        benchmark::DoNotOptimize(schedule.InterestToPay());
    }
}
BENCHMARK(BM_ThirtyYearSchedule)->Unit(benchmark::kMicrosecond);

void BM_EquityOfFiveLoans(benchmark::State& state)
{
    QList<CLoan> loans;
    for (int i = 0; i < 5; ++i) {
        loans.append(ThirtyYearLoan(40000.0f * float(i + 1), QDate(2000 + 3 * i, 1 + i, 1)));
    }
    const QDate today(2026, 12, 6);
    for (auto _ : state) {
        QList<CLoanSchedule> schedules;
        for (const CLoan& loan : loans) {
            schedules.append(CLoanSchedule(loan, CLoanSchedule::PaymentsMadeBy(loan, today)));
        }
        benchmark::DoNotOptimize(EquityOverTime(600000.0, schedules, 2).size());
    }
}
BENCHMARK(BM_EquityOfFiveLoans)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
