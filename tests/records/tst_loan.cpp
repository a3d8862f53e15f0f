// The loan record: its amortization figures and its row in Loans (texts of any content: tests/reliability).
// How payments are counted from the start date runs through the loan sheet's Auto Update.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CLoan.h"

#include <QtTest>

class TestLoan final : public CSessionTest
{
    Q_OBJECT

private slots:
    void amortizationFigures();
    void storedOnceAndReadBack();
    void failedSaveStoresNothing();
};

void TestLoan::amortizationFigures()
{
    CLoan loan;
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
    CLoan loan;
    loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(QDate(2021, 3, 9), QTime(8, 30))));
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    // A term longer than the 16-bit column holds keeps its low 16 bits.
    loan.SetTermInMonths(65536 + 360);
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    QCOMPARE(StoredNextId(QStringLiteral("Loans")), nextId + 1);

    CLoan read = StoredRecord<CLoan>(nextId);
    QCOMPARE(read.GetStartDate().ToDateTime(), QDateTime(QDate(2021, 3, 9), QTime(8, 30)));
    QCOMPARE(read.GetTermInMonths(), 360L);

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
