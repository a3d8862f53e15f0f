// The loan schedule and the equity series: figures that agree with the loan's own arithmetic.

#include "records/CLoan.h"
#include "records/CLoanSchedule.h"
#include "records/EquitySeries.h"

#include <QtTest>

namespace {
CLoan MakeLoan(float principal, float rate, long term, const QDate& start, short equity = 1)
{
    CLoan loan;
    loan.SetPrincipal(principal);
    loan.SetInterestRate(rate);
    loan.SetTermInMonths(term);
    loan.SetStartDate(DateTimeValue::FromDate(start));
    loan.SetEquityFlag(equity);
    return loan;
}
} // namespace

class TestLoanSchedule final : public QObject
{
    Q_OBJECT

private slots:
    void balancesFollowTheLoanArithmetic_data()
    {
        QTest::addColumn<float>("principal");
        QTest::addColumn<float>("rate");
        QTest::addColumn<long>("term");
        QTest::addColumn<long>("made");
        QTest::newRow("30 years, 12 made") << 100000.0f << 6.0f << 360L << 12L;
        QTest::newRow("15 years, none made") << 250000.0f << 3.25f << 180L << 0L;
        QTest::newRow("car loan, 59 of 60") << 18500.5f << 7.9f << 60L << 59L;
    }

    void balancesFollowTheLoanArithmetic()
    {
        QFETCH(float, principal);
        QFETCH(float, rate);
        QFETCH(long, term);
        QFETCH(long, made);
        const CLoan loan = MakeLoan(principal, rate, term, QDate(2010, 1, 31));
        const CLoanSchedule schedule(loan, made);
        QCOMPARE(schedule.Rows().size(), qsizetype(term));
        for (long k = 1; k < term; ++k) {
            const CLoanSchedule::Row& row = schedule.Rows().at(k - 1);
            QCOMPARE(row.balance, double(principal) - loan.GetPrincipalPaid(k));
            QCOMPARE(row.date, QDate(2010, 1, 31).addMonths(k - 1));
        }
        QCOMPARE(schedule.Rows().constLast().balance, 0.0);
        QCOMPARE(schedule.PayoffDate(), QDate(2010, 1, 31).addMonths(term - 1));
        QVERIFY(qAbs(schedule.Rows().at(term / 2).payment - loan.GetMonthlyPayment()) < 0.01);

        // Auto Update's figure for the payments made by a day is the balance shown on that day.
        const QDate day = QDate(2010, 1, 31).addDays(30 * made);
        CLoan updated = loan;
        updated.ApplyPayments(CLoanSchedule::PaymentsMadeBy(loan, day));
        QCOMPARE(float(schedule.BalanceOn(day)), updated.GetPrincipal());
    }

    void extraPaymentShortensTheRest()
    {
        const CLoan loan = MakeLoan(100000.0f, 6.0f, 360, QDate(2020, 1, 1));
        const CLoanSchedule level(loan, 12);
        const CLoanSchedule extra(loan, 12, 200.0);
        // The payments made stay as they were; from the next one on, 200 more goes to principal.
        QCOMPARE(extra.Rows().at(11).balance, level.Rows().at(11).balance);
        QCOMPARE(extra.InterestPaid(), level.InterestPaid());
        QCOMPARE(extra.Rows().at(12).principal, level.Rows().at(12).principal + 200.0);
        QCOMPARE(extra.Rows().size(), 205);
        QVERIFY(level.InterestToPay() - extra.InterestToPay() > 40000.0);
        QCOMPARE(extra.Rows().constLast().balance, 0.0);
    }

    void equityCountsOnlyEquityLoans()
    {
        const CLoan mortgage = MakeLoan(120000.0f, 5.0f, 24, QDate(2020, 1, 15));
        const CLoan car = MakeLoan(9000.0f, 4.0f, 36, QDate(2020, 7, 15), 0);
        const QList<CLoanSchedule> schedules{CLoanSchedule(mortgage, 0), CLoanSchedule(car, 0)};
        const QList<EquityPoint> points = EquityOverTime(300000.0, schedules, 1);
        QCOMPARE(points.size(), 36 + 6);
        QCOMPARE(points.last().date, QDate(2023, 6, 15));
        for (const EquityPoint& point : points) {
            QCOMPARE(point.equity, 300000.0 - schedules.at(0).BalanceOn(point.date));
            QCOMPARE(point.loanBalance, schedules.at(1).BalanceOn(point.date));
        }
        // Before the car loan started it owed nothing; once both are paid off the home is all equity.
        QCOMPARE(points.at(3).loanBalance, 0.0);
        QCOMPARE(points.at(6).loanBalance, 9000.0);
        QCOMPARE(points.last().equity, 300000.0);
        QVERIFY(EquityOverTime(1.0, {}, 0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLoanSchedule)
#include "tst_loanschedule.moc"
