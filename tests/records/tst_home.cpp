// The home record: its row in Homes and the delete that takes everything tied to the home.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "records/CHome.h"

#include <QtTest>

#include <memory>

class TestHome final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textsRoundTripAndMissingRowsDoNotLoad();
    void deleteTakesTheHomesRowsAndLeavesTasks();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestHome::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestHome::cleanup()
{
    m_dir.reset();
}

void TestHome::textsRoundTripAndMissingRowsDoNotLoad()
{
    for (const QString& text : HostileTexts()) {
        CHome home;
        home.SetDescription(text);
        home.SetAddress(text);
        home.SetPicture(text);
        home.SetNotes(text);
        home.SetCurrentValue(1234567.25f);
        QVERIFY(home.Save());
        CHome read;
        read.SetId(home.GetId());
        QVERIFY(read.Load());
        QCOMPARE(read.GetDescription(), text);
        QCOMPARE(read.GetAddress(), text);
        QCOMPARE(read.GetPicture(), text);
        QCOMPARE(read.GetNotes(), text);
        QCOMPARE(read.GetCurrentValue(), 1234567.25f);
    }
    QCOMPARE(RowCount(QStringLiteral("Homes")), long(HostileTexts().size()));

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
