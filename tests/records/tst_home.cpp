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
    void loadNeedsAStoredRow();
    void hostileTextsRoundTrip();
    void deleteTakesTheHomesRowsAndLeavesTasks();

private:
    // A stored home with one location, one asset and one loan.
    long AddHomeWithRows(const QString& description);

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

long TestHome::AddHomeWithRows(const QString& description)
{
    CHome home;
    home.SetDescription(description);
    if (!home.Save())
        return -1;
    const QString id = QString::number(home.GetId());
    CADODataBase* db = AppDatabase();
    const long key = home.GetId() * 10;
    const bool added =
        db->Execute(
            QStringLiteral("INSERT INTO Areas (AreaId, HomeId, Description) VALUES (%1, %2, 'Kitchen');")
                .arg(key)
                .arg(id)) &&
        db->Execute(
            QStringLiteral("INSERT INTO Assets (AssetId, HomeId, Description) VALUES (%1, %2, 'Sofa');")
                .arg(key)
                .arg(id)) &&
        db->Execute(
            QStringLiteral("INSERT INTO Loans (LoanId, AssetId, Description) VALUES (%1, %2, 'Mortgage');")
                .arg(key)
                .arg(id));
    return added ? home.GetId() : -1;
}

void TestHome::loadNeedsAStoredRow()
{
    CHome missing;
    missing.SetId(StoredNextId(QStringLiteral("Homes")));
    missing.SetDescription(QStringLiteral("kept"));
    QVERIFY(!missing.Load());
    QCOMPARE(missing.GetDescription(), QStringLiteral("kept"));
    CHome unsaved;
    QCOMPARE(unsaved.GetId(), -1L);
    QCOMPARE(unsaved.GetCurrentValue(), 0.0f);
    QVERIFY(!unsaved.Load());
}

void TestHome::hostileTextsRoundTrip()
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
}

void TestHome::deleteTakesTheHomesRowsAndLeavesTasks()
{
    const long doomed = AddHomeWithRows(QStringLiteral("Old flat"));
    const long kept = AddHomeWithRows(QStringLiteral("Cottage"));
    QVERIFY(doomed > 0 && kept > 0);
    QVERIFY(AppDatabase()->Execute(QStringLiteral(
        "INSERT INTO Tasks (TaskId, TaskType, Status, Description) VALUES (900, 1, 0, 'Paint');")));
    const long tasks = RowCount(QStringLiteral("Tasks"));

    CHome home;
    home.SetId(doomed);
    QVERIFY(home.Delete());
    const QString ofDoomed = QStringLiteral("WHERE HomeId=%1").arg(doomed);
    QCOMPARE(RowCount(QStringLiteral("Homes"), ofDoomed), 0L);
    QCOMPARE(RowCount(QStringLiteral("Areas"), ofDoomed), 0L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), ofDoomed), 0L);
    QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE AssetId=%1").arg(doomed)), 0L);
    QCOMPARE(RowCount(QStringLiteral("Tasks")), tasks);

    const QString ofKept = QStringLiteral("WHERE HomeId=%1").arg(kept);
    QCOMPARE(RowCount(QStringLiteral("Homes"), ofKept), 1L);
    QCOMPARE(RowCount(QStringLiteral("Areas"), ofKept), 1L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), ofKept), 1L);
    QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE AssetId=%1").arg(kept)), 1L);

    CHome unsaved;
    QVERIFY(!unsaved.Delete());
    QCOMPARE(RowCount(QStringLiteral("Homes")), 1L);
}

QTEST_GUILESS_MAIN(TestHome)
#include "tst_home.moc"
