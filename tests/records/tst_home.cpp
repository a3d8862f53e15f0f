// The home record: its row in Homes and the delete that takes everything tied to the home.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CHome.h"

#include <QtTest>

class TestHome final : public CSessionTest
{
    Q_OBJECT

private slots:
    void missingRowsDoNotLoad();
    void deleteTakesTheHomesRowsAndLeavesTasks();
};

void TestHome::missingRowsDoNotLoad()
{
    CHome missing;
    missing.SetId(StoredNextId(QStringLiteral("Homes")));
    missing.SetDescription(QStringLiteral("kept"));
    QVERIFY(!missing.Load());
    QCOMPARE(missing.GetDescription(), QStringLiteral("kept"));
    CHome unsaved;
    QVERIFY(!unsaved.Load());
    QVERIFY(!unsaved.Delete());
}

void TestHome::deleteTakesTheHomesRowsAndLeavesTasks()
{
    QList<long> ids;
    for (const QString& description : {QStringLiteral("Old flat"), QStringLiteral("Cottage")}) {
        CHome home;
        home.SetDescription(description);
        QVERIFY(home.Save());
        const long id = home.GetId();
        QVERIFY(AppDatabase()->Execute(
            QStringLiteral("INSERT INTO Areas (AreaId, HomeId, Description) VALUES (%1, %2, 'Kitchen');"
                           "INSERT INTO Assets (AssetId, HomeId, Description) VALUES (%1, %2, 'Sofa');"
                           "INSERT INTO Loans (LoanId, AssetId, Description) VALUES (%1, %2, 'Loan');")
                .arg(id * 10)
                .arg(id)));
        ids += id;
    }
    QVERIFY(AppDatabase()->Execute(QStringLiteral(
        "INSERT INTO Tasks (TaskId, TaskType, Status, Description) VALUES (900, 1, 0, 'Paint');")));
    const long tasks = RowCount(QStringLiteral("Tasks"));

    CHome home;
    home.SetId(ids[0]);
    QVERIFY(home.Delete());
    for (int i = 0; i < 2; ++i) {
        const long expected = i == 0 ? 0 : 1;
        const QString ofHome = QStringLiteral("WHERE HomeId=%1").arg(ids[i]);
        QCOMPARE(RowCount(QStringLiteral("Homes"), ofHome), expected);
        QCOMPARE(RowCount(QStringLiteral("Areas"), ofHome), expected);
        QCOMPARE(RowCount(QStringLiteral("Assets"), ofHome), expected);
        QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE AssetId=%1").arg(ids[i])), expected);
    }
    QCOMPARE(RowCount(QStringLiteral("Tasks")), tasks);
}

QTEST_GUILESS_MAIN(TestHome)
#include "tst_home.moc"
