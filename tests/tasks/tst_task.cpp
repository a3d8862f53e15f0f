// The task record: its row in Tasks, the list text and the coupon mark.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "records/CTask.h"

#include <QtTest>

#include <memory>

class TestTask final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<CTestDataDir>();
        QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
    }
    void cleanup() { m_dir.reset(); }
    void shoppingItemRoundTrips();
    void couponReadsBackAsOne();
    void displayText_data();
    void displayText();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestTask::shoppingItemRoundTrips()
{
    CTask fresh;
    QVERIFY(!fresh.Load());
    QVERIFY(!fresh.Delete());
    QVERIFY(!fresh.SetStatus(CTask::Active));
    for (const QString& text : HostileTexts()) {
        CTask item;
        item.SetType(CTask::kShoppingType);
        item.SetDescription(text);
        item.SetQuantity(1.5f);
        item.SetUnit(text);
        item.SetStore(text);
        item.SetAisle(text);
        item.SetPrice(3.25f);
        item.SetUsesCoupon(true);
        QVERIFY(item.Save());
        CTask read;
        read.SetId(item.GetId());
        QVERIFY(read.Load());
        QVERIFY(read.IsShoppingItem());
        QCOMPARE(QStringList({read.GetDescription(), read.GetUnit(), read.GetStore(), read.GetAisle()}),
                 QStringList({text, text, text, text}));
        QCOMPARE(read.GetQuantity(), 1.5f);
        QCOMPARE(read.GetPrice(), 3.25f);
        QVERIFY(read.UsesCoupon());
        QCOMPARE(read.GetStatus(), int(CTask::NotPicked));
        QVERIFY(read.Delete());
        QVERIFY(!read.Load());
    }
}

void TestTask::couponReadsBackAsOne()
{
    QVERIFY(AppDatabase()->Execute(QStringLiteral(
        "INSERT INTO Tasks (TaskId, TaskType, Status, Custom2) VALUES (1, 2, 0, 5), (2, 1, 0, 5);")));
    CTask item;
    item.SetId(1);
    QVERIFY(item.Load());
    QCOMPARE(item.GetCategoryId(), 1L);
    // A general task's Custom2 is its category and stays as stored.
    CTask task;
    task.SetId(2);
    QVERIFY(task.Load());
    QCOMPARE(task.GetCategoryId(), 5L);
}

void TestTask::displayText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("quantity");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("aisle");
    QTest::addColumn<QString>("expected");
    QTest::newRow("general task: the description") << 1 << 2.0f << "gal"
                                                   << "Corner Market"
                                                   << "5"
                                                   << "Milk";
    QTest::newRow("every part") << 2 << 2.0f << "gal"
                                << "Corner Market"
                                << "5"
                                << "Buy 2 gal Milk @ Corner Market (#5)";
    QTest::newRow("nothing but the description") << 2 << 0.0f << ""
                                                 << ""
                                                 << ""
                                                 << "Buy Milk";
    QTest::newRow("whole quantity") << 2 << 1.5f << ""
                                    << ""
                                    << ""
                                    << "Buy 1 Milk";
    QTest::newRow("user's number format") << 2 << 1200.0f << ""
                                          << ""
                                          << ""
                                          << "Buy 1,200 Milk";
    QTest::newRow("unit without quantity") << 2 << 0.0f << "gal"
                                           << ""
                                           << ""
                                           << "Buy gal Milk";
    QTest::newRow("aisle without store") << 2 << 0.0f << ""
                                         << ""
                                         << "B4"
                                         << "Buy Milk (#B4)";
}

void TestTask::displayText()
{
    QFETCH(int, type);
    QFETCH(float, quantity);
    QFETCH(QString, unit);
    QFETCH(QString, store);
    QFETCH(QString, aisle);
    CTask task;
    task.SetType(type);
    task.SetDescription(QStringLiteral("Milk"));
    task.SetQuantity(quantity);
    task.SetUnit(unit);
    task.SetStore(store);
    task.SetAisle(aisle);
    QTEST(task.GetDisplayText(), "expected");
}

QTEST_GUILESS_MAIN(TestTask)
#include "tst_task.moc"
