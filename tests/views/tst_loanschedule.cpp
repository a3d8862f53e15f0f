// The loan schedule and the equity series, whose figures agree with the loan's own arithmetic, and
// the "Loan Schedule" dialog: the chosen loan's payments with those made drawn as done, the
// extra-payment question, the CSV file and the printed schedule.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CHome.h"
#include "records/CLoan.h"
#include "records/CLoanSchedule.h"
#include "records/EquitySeries.h"
#include "views/CDlgLoanSchedule.h"
#include "views/CLoanChart.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>

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

class TestLoanSchedule final : public CSessionTest
{
    Q_OBJECT

private slots:
    void tableShowsTheChosenLoan()
    {
        auto* table = Child<QTableWidget>(*m_dialog, "scheduleTable");
        auto* choice = Child<QComboBox>(*m_dialog, "loanChoice");
        QCOMPARE(choice->count(), 2);
        QCOMPARE(choice->currentText(), "Mortgage \"A\"");
        QCOMPARE(table->rowCount(), 360);
        // 385 days after the start: 13 payments made, the 14th is next.
        QCOMPARE(table->item(12, 0)->toolTip(), "Paid");
        QCOMPARE(table->item(13, 0)->toolTip(), "Next payment");
        const QList<EquityPoint>& points = m_dialog->findChild<CLoanChart*>()->Points();
        QCOMPARE(points.size(), 360);
        QCOMPARE(points.first().equity, 350000.0 - points.first().loanBalance);

        choice->setCurrentIndex(1);
        QCOMPARE(m_dialog->Schedule().Principal(), 15000.0);
        QCOMPARE(m_dialog->findChild<CLoanChart*>()->Points().first().equity, 350000.0 - 200000.0);
    }

    void extraPaymentRecomputes()
    {
        auto* totals = Child<QLabel>(*m_dialog, "scheduleTotals");
        QVERIFY(!totals->text().contains("Interest saved"));
        Child<QDoubleSpinBox>(*m_dialog, "extraPayment")->setValue(500.0);
        QVERIFY(m_dialog->InterestSaved() > 50000.0);
        QVERIFY(totals->text().contains("Interest saved"));
        QCOMPARE(LoadHomeLoans(m_home.GetId()).first().GetPrincipal(), 200000.0f);
    }

    void exportsAndPrints()
    {
        const QString csv = m_session->Dir().Path() + "schedule.csv";
        m_prompt->ExpectFile(csv);
        m_prompt->ExpectMessage(IDNO);
        QVERIFY(m_dialog->ExportCsv());
        const QList<QByteArray> lines = ReadBytes(csv).split('\n');
        QCOMPARE(lines.size(), 360 + 5);
        QCOMPARE(lines.at(0), QByteArray("\"Loan Schedule for Mortgage \"\"A\"\"\"\r"));
        QCOMPARE(lines.at(2),
                 QByteArray("\"No.\",\"Date\",\"Payment\",\"Interest\",\"Principal\",\"Balance\"\r"));
        QVERIFY(lines.last().startsWith("\"Created by Hearthstead on "));

        const QString pdf = m_session->Dir().Path() + "schedule.pdf";
        m_prompt->ExpectModal([&](QDialog& dialog) {
            auto& print = static_cast<QPrintDialog&>(dialog);
            print.printer()->setOutputFormat(QPrinter::PdfFormat);
            print.printer()->setOutputFileName(pdf);
            // The print dialog's own OK would take its settings from a printer list the test has not.
            print.done(QDialog::Accepted);
        });
        QVERIFY(m_dialog->Print());
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
    }

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

private:
    void SetUp() override
    {
        m_home = CHome();
        m_home.SetDescription("Maple House");
        m_home.SetCurrentValue(350000.0f);
        QVERIFY(m_home.Save());
        for (const QString& name : {QString("Mortgage \"A\""), QString("Car")}) {
            CLoan loan;
            loan.SetHomeId(m_home.GetId());
            loan.SetDescription(name);
            loan.SetPrincipal(name == "Car" ? 15000.0f : 200000.0f);
            loan.SetEquityFlag(name == "Car" ? 0 : 1);
            loan.SetStartDate(DateTimeValue::FromDate(QDate(2020, 1, 1)));
            QVERIFY(loan.Save());
        }
        m_dialog = std::make_unique<CDlgLoanSchedule>(m_home, nullptr, QDate(2021, 1, 20));
    }

    void TearDown() override { m_dialog.reset(); }

    CHome m_home;
    std::unique_ptr<CDlgLoanSchedule> m_dialog;
};

QTEST_MAIN(TestLoanSchedule)
#include "tst_loanschedule.moc"
