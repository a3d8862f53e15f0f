// The home record (its row in Homes and the delete that takes everything tied to the home) and its
// loans: their amortization figures and their row in Loans (texts of any content: tests/reliability).
// How payments are counted from the start date runs through the loan sheet's Auto Update.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CHome.h"
#include "records/CLoan.h"

class TestHome final : public CSessionTest
{
    Q_OBJECT

private slots:
    void missingRowsDoNotLoad()
    {
        CHome missing;
        missing.SetId(StoredNextId("Homes"));
        missing.SetDescription("kept");
        QVERIFY(!missing.Load());
        QCOMPARE(missing.GetDescription(), "kept");
        CHome unsaved;
        QVERIFY(!unsaved.Load());
        QVERIFY(!unsaved.Delete());
    }

    void deleteTakesTheHomesRowsAndLeavesTasks()
    {
        QList<long> ids;
        for (const char* description : {"Old flat", "Cottage"}) {
            CHome home;
            home.SetDescription(description);
            QVERIFY(home.Save());
            const long id = home.GetId();
            QVERIFY(AppDatabase()->Execute(
                QString("INSERT INTO Areas (AreaId, HomeId, Description) VALUES (%1, %2, 'Kitchen');"
                        "INSERT INTO Assets (AssetId, HomeId, Description) VALUES (%1, %2, 'Sofa');"
                        "INSERT INTO Loans (LoanId, AssetId, Description) VALUES (%1, %2, 'Loan');")
                    .arg(id * 10)
                    .arg(id)));
            ids += id;
        }
        QVERIFY(AppDatabase()->Execute(
            "INSERT INTO Tasks (TaskId, TaskType, Status, Description) VALUES (900, 1, 0, 'Paint');"));
        const long tasks = RowCount("Tasks");

        CHome home;
        home.SetId(ids[0]);
        QVERIFY(home.Delete());
        for (int i = 0; i < 2; ++i) {
            const long expected = i == 0 ? 0 : 1;
            const QString ofHome = QString("WHERE HomeId=%1").arg(ids[i]);
            QCOMPARE(RowCount("Homes", ofHome), expected);
            QCOMPARE(RowCount("Areas", ofHome), expected);
            QCOMPARE(RowCount("Assets", ofHome), expected);
            QCOMPARE(RowCount("Loans", QString("WHERE AssetId=%1").arg(ids[i])), expected);
        }
        QCOMPARE(RowCount("Tasks"), tasks);
    }

    void amortizationFigures()
    {
        CLoan loan;
        loan.SetPrincipal(100000.0f);
        QCOMPARE(qRound(loan.GetMonthlyPayment() * 100), 59955);
        QVERIFY(qAbs(loan.GetPrincipalPaid(360) - 100000.0) < 1.0);

        loan.SetInterestRate(0.0f);
        loan.SetTermInMonths(100);
        QCOMPARE(loan.GetMonthlyPayment(), 1000.0);
        loan.SetTermInMonths(0);
        QCOMPARE(loan.GetMonthlyPayment(), 0.0);
    }

    void loanStoredOnceAndReadBack()
    {
        const long nextId = StoredNextId("Loans");
        CLoan loan;
        loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(QDate(2021, 3, 9), QTime(8, 30))));
        QVERIFY(loan.Save());
        QCOMPARE(loan.GetId(), nextId);
        // A term longer than the 16-bit column holds keeps its low 16 bits.
        loan.SetTermInMonths(65536 + 360);
        QVERIFY(loan.Save());
        QCOMPARE(loan.GetId(), nextId);
        QCOMPARE(StoredNextId("Loans"), nextId + 1);

        CLoan read = StoredRecord<CLoan>(nextId);
        QCOMPARE(read.GetStartDate().ToDateTime(), QDateTime(QDate(2021, 3, 9), QTime(8, 30)));
        QCOMPARE(read.GetTermInMonths(), 360L);

        CLoan other;
        QVERIFY(other.Save());
        QVERIFY(loan.Delete());
        QCOMPARE(RowCount("Loans"), 1L);
        QVERIFY(!read.Load());
    }

    void failedLoanSaveStoresNothing()
    {
        // No id to hand out: the loan stays new and nothing is written.
        QVERIFY(AppDatabase()->Execute("DELETE FROM TableIds WHERE TableName='Loans';"));
        CLoan loan;
        QVERIFY(!loan.Save());
        QCOMPARE(loan.GetId(), -1L);

        // A stored loan whose row has gone is not brought back.
        CLoan gone;
        gone.SetId(77);
        QVERIFY(!gone.Save());
        QCOMPARE(RowCount("Loans"), 0L);
    }
};

QTEST_GUILESS_MAIN(TestHome)
#include "tst_home.moc"
