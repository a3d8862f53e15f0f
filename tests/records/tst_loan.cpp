// The loan record: its defaults, its amortization figures, and its row in Loans.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "records/CLoan.h"

#include <QtTest>

#include <memory>

class TestLoan final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newLoanDefaults();
    void amortizationFigures();
    void paymentsCountedFromTheStartDate();
    void saveAllocatesOnceAndLoadReadsBack();
    void hostileTextsRoundTrip();
    void failedSaveStoresNothing();
    void deleteRemovesOnlyThatLoan();
    void withoutASessionNothingHappens();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestLoan::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestLoan::cleanup()
{
    m_dir.reset();
}

void TestLoan::newLoanDefaults()
{
    const CLoan loan;
    QCOMPARE(loan.GetId(), -1L);
    QVERIFY(!loan.IsValid());
    QCOMPARE(loan.GetDescription(), QStringLiteral("New Loan"));
    QVERIFY(loan.GetNotes().isEmpty());
    QCOMPARE(loan.GetHomeId(), 0L);
    QCOMPARE(loan.GetEquityFlag(), short(1));
    QVERIFY(loan.AffectsEquity());
    QCOMPARE(loan.GetPrincipal(), 0.0f);
    QCOMPARE(loan.GetInterestRate(), 6.0f);
    QCOMPARE(loan.GetTermInMonths(), 360L);
    QCOMPARE(loan.GetStartDate().ToDateTime(),
             QDateTime(QDate(QDate::currentDate().year() - 1, 12, 31), QTime(0, 0)));
    QVERIFY(loan.GetLenderName().isEmpty() && loan.GetLenderAcctNo().isEmpty() &&
            loan.GetLenderPhone().isEmpty());
}

void TestLoan::amortizationFigures()
{
    CLoan loan;
    loan.SetPrincipal(100000.0f);
    QCOMPARE(qRound(loan.GetMonthlyPayment() * 100), 59955);
    QCOMPARE(loan.GetPrincipalPaid(0), 0.0);
    QCOMPARE(loan.GetPrincipalPaid(-3), 0.0);
    QCOMPARE(qRound(float(100000.0 - loan.GetPrincipalPaid(12)) * 100.0f), 9877198);
    // The whole schedule repays the whole principal.
    QVERIFY(qAbs(loan.GetPrincipalPaid(360) - 100000.0) < 1.0);

    // Without interest the payment is an equal share; without a term there is none.
    loan.SetInterestRate(0.0f);
    loan.SetTermInMonths(100);
    QCOMPARE(loan.GetMonthlyPayment(), 1000.0);
    loan.SetTermInMonths(0);
    QCOMPARE(loan.GetMonthlyPayment(), 0.0);
}

void TestLoan::paymentsCountedFromTheStartDate()
{
    QCOMPARE(CLoan::PaymentsMadeAfter(0), 0L);
    QCOMPARE(CLoan::PaymentsMadeAfter(1), 1L);
    QCOMPARE(CLoan::PaymentsMadeAfter(29), 1L);
    QCOMPARE(CLoan::PaymentsMadeAfter(30), 2L);
    QCOMPARE(CLoan::PaymentsMadeAfter(59), 2L);
    QCOMPARE(CLoan::PaymentsMadeAfter(60), 3L);
    QCOMPARE(CLoan::PaymentsMadeAfter(330), 12L);
    QCOMPARE(CLoan::PaymentsMadeAfter(359), 12L);
    QCOMPARE(CLoan::PaymentsMadeAfter(3000), 101L);
}

void TestLoan::saveAllocatesOnceAndLoadReadsBack()
{
    const long nextId = StoredNextId(QStringLiteral("Loans"));
    QVERIFY(nextId > 0);
    CLoan loan;
    loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(QDate(2021, 3, 9), QTime(8, 30))));
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    // Saved again, the loan keeps its row.
    loan.SetTermInMonths(40000);
    QVERIFY(loan.Save());
    QCOMPARE(loan.GetId(), nextId);
    QCOMPARE(StoredNextId(QStringLiteral("Loans")), nextId + 1);
    QCOMPARE(RowCount(QStringLiteral("Loans")), 1L);

    CLoan read;
    read.SetId(nextId);
    QVERIFY(read.Load());
    QCOMPARE(read.GetStartDate().ToDateTime(), QDateTime(QDate(2021, 3, 9), QTime(8, 30)));
    // A term longer than the 16-bit column holds is kept at the longest it can hold.
    QCOMPARE(read.GetTermInMonths(), 32767L);

    CLoan missing;
    missing.SetId(nextId + 1);
    QVERIFY(!missing.Load());
    QCOMPARE(missing.GetDescription(), QStringLiteral("New Loan"));
    CLoan unsaved;
    QVERIFY(!unsaved.Load());
}

void TestLoan::hostileTextsRoundTrip()
{
    for (const QString& text : HostileTexts()) {
        CLoan loan;
        loan.SetDescription(text);
        loan.SetNotes(text);
        loan.SetLenderName(text);
        loan.SetLenderAcctNo(text);
        loan.SetLenderPhone(text);
        QVERIFY(loan.Save());
        CLoan read;
        read.SetId(loan.GetId());
        QVERIFY(read.Load());
        QCOMPARE(read.GetDescription(), text);
        QCOMPARE(read.GetNotes(), text);
        QCOMPARE(read.GetLenderName(), text);
        QCOMPARE(read.GetLenderAcctNo(), text);
        QCOMPARE(read.GetLenderPhone(), text);
    }
    QCOMPARE(RowCount(QStringLiteral("Loans")), long(HostileTexts().size()));
    // The text that reads as a statement stayed a text.
    QCOMPARE(RowCount(QStringLiteral("Homes")), 0L);
}

void TestLoan::failedSaveStoresNothing()
{
    // No id to hand out: the loan stays new and nothing is written.
    QVERIFY(AppDatabase()->Execute(QStringLiteral("DELETE FROM TableIds WHERE TableName='Loans';")));
    CLoan loan;
    QVERIFY(!loan.Save());
    QCOMPARE(loan.GetId(), -1L);
    QCOMPARE(RowCount(QStringLiteral("Loans")), 0L);

    // A stored loan whose row has gone is not brought back.
    CLoan gone;
    gone.SetId(77);
    QVERIFY(!gone.Save());
    QCOMPARE(gone.GetId(), 77L);
    QCOMPARE(RowCount(QStringLiteral("Loans")), 0L);
}

void TestLoan::deleteRemovesOnlyThatLoan()
{
    CLoan first;
    CLoan second;
    QVERIFY(first.Save());
    QVERIFY(second.Save());
    QVERIFY(first.Delete());
    QCOMPARE(RowCount(QStringLiteral("Loans")), 1L);
    QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE LoanId=%1").arg(second.GetId())), 1L);
    CLoan unsaved;
    QVERIFY(!unsaved.Delete());
}

void TestLoan::withoutASessionNothingHappens()
{
    CADODataBase* session = AppDatabase();
    SetAppDatabase(nullptr);
    CLoan loan;
    const bool saved = loan.Save();
    loan.SetId(3);
    const bool loaded = loan.Load();
    const bool deleted = loan.Delete();
    SetAppDatabase(session);
    QVERIFY(!saved && !loaded && !deleted);
    QCOMPARE(loan.GetDescription(), QStringLiteral("New Loan"));
}

QTEST_GUILESS_MAIN(TestLoan)
#include "tst_loan.moc"
