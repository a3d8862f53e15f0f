// The loan record: its defaults, its amortization figures, and its row in Loans. How payments are
// counted from the start date runs through the loan sheet's Auto Update.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CLoan.h"

#include <QtTest>

class TestLoan final : public CSessionTest
{
    Q_OBJECT

private slots:
    void defaultsAndAmortizationFigures();
    void storedOnceAndReadBack();
    void failedSaveStoresNothing();
};

void TestLoan::defaultsAndAmortizationFigures()
{
    CLoan loan;
    QVERIFY(loan.AffectsEquity());
    QCOMPARE(loan.GetTermInMonths(), 360L);
    QCOMPARE(loan.GetStartDate().ToDateTime(),
             QDateTime(QDate(QDate::currentDate().year() - 1, 12, 31), QTime(0, 0)));

    loan.SetPrincipal(100000.0f);
    QCOMPARE(qRound(loan.GetMonthlyPayment() * 100), 59955);
    QCOMPARE(loan.GetPrincipalPaid(0), 0.0);
    QCOMPARE(loan.GetPrincipalPaid(-3), 0.0);
    QCOMPARE(qRound(float(100000.0 - loan.GetPrincipalPaid(12)) * 100.0f), 9877198);
    QVERIFY(qAbs(loan.GetPrincipalPaid(360) - 100000.0) < 1.0);

    loan.SetInterestRate(0.0f);
    loan.SetTermInMonths(100);
    QCOMPARE(loan.GetMonthlyPayment(), 1000.0);
    loan.SetTermInMonths(0);
    QCOMPARE(loan.GetMonthlyPayment(), 0.0);
}

void TestLoan::storedOnceAndReadBack()
{
    const long nextId = StoredNextId(QStringLiteral("Loans"));
    const QStringList texts = HostileTexts();
    CLoan loan;
    loan.SetDescription(texts[0]);
    loan.SetNotes(texts[1]);
    loan.SetLenderName(texts[2]);
    loan.SetLenderAcctNo(texts[0]);
    loan.SetLenderPhone(texts[1]);
    loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(QDate(2021, 3, 9), QTime(8, 30))));
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    // A term longer than the 16-bit column holds keeps its low 16 bits.
    loan.SetTermInMonths(65536 + 360);
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    QCOMPARE(StoredNextId(QStringLiteral("Loans")), nextId + 1);

    CLoan read;
    read.SetId(nextId);
    QVERIFY(read.Load());
    QCOMPARE(read.GetStartDate().ToDateTime(), QDateTime(QDate(2021, 3, 9), QTime(8, 30)));
    QCOMPARE(read.GetTermInMonths(), 360L);
    QCOMPARE(read.GetDescription(), texts[0]);
    QCOMPARE(read.GetNotes(), texts[1]);
    QCOMPARE(read.GetLenderName(), texts[2]);
    QCOMPARE(read.GetLenderAcctNo(), texts[0]);
    QCOMPARE(read.GetLenderPhone(), texts[1]);

    CLoan other;
    QVERIFY(other.Save());
    QVERIFY(loan.Delete());
    QCOMPARE(RowCount(QStringLiteral("Loans")), 1L);
    QVERIFY(!read.Load());
}

void TestLoan::failedSaveStoresNothing()
{
    // No id to hand out: the loan stays new and nothing is written.
    QVERIFY(AppDatabase()->Execute(QStringLiteral("DELETE FROM TableIds WHERE TableName='Loans';")));
    CLoan loan;
    QVERIFY(!loan.Save());
    QCOMPARE(loan.GetId(), -1L);

    // A stored loan whose row has gone is not brought back.
    CLoan gone;
    gone.SetId(77);
    QVERIFY(!gone.Save());
    QCOMPARE(RowCount(QStringLiteral("Loans")), 0L);
}

QTEST_GUILESS_MAIN(TestLoan)
#include "tst_loan.moc"
