// The task record: its row in Tasks, the list text and the coupon mark.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CTask.h"

#include <QtTest>

#include <memory>

class TestTask final : public CSessionTest
{
    Q_OBJECT

private slots:
    void shoppingItemRoundTrips();
    void couponReadsBackAsOne();
    void displayText_data();
    void displayText();
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
    CTask item = StoredRecord<CTask>(1);
    QCOMPARE(item.GetCategoryId(), 1L);
    // A general task's Custom2 is its category and stays as stored.
    CTask task = StoredRecord<CTask>(2);
    QCOMPARE(task.GetCategoryId(), 5L);
}

void TestTask::displayText_data()
{
    // The type, then quantity, unit, store and aisle, separated by "|".
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("general task: the description") << "1|2|gal|Corner Market|5" << QStringLiteral("Milk");
    QTest::newRow("every part") << "2|2|gal|Corner Market|5"
                                << QStringLiteral("Buy 2 gal Milk @ Corner Market (#5)");
    QTest::newRow("nothing but the description") << "2|0|||" << QStringLiteral("Buy Milk");
    QTest::newRow("whole quantity") << "2|1.5|||" << QStringLiteral("Buy 1 Milk");
    QTest::newRow("user's number format") << "2|1200|||" << QStringLiteral("Buy 1,200 Milk");
    QTest::newRow("unit without quantity") << "2|0|gal||" << QStringLiteral("Buy gal Milk");
    QTest::newRow("aisle without store") << "2|0|||B4" << QStringLiteral("Buy Milk (#B4)");
}

void TestTask::displayText()
{
    QFETCH(QString, fields);
    const QStringList field = fields.split(QLatin1Char('|'));
    CTask task;
    task.SetType(field[0].toInt());
    task.SetDescription(QStringLiteral("Milk"));
    task.SetQuantity(field[1].toFloat());
    task.SetUnit(field[2]);
    task.SetStore(field[3]);
    task.SetAisle(field[4]);
    QTEST(task.GetDisplayText(), "expected");
}

QTEST_GUILESS_MAIN(TestTask)
#include "tst_task.moc"
