// Warranties that remind: the window from 60 days ahead to 30 days ago, in the asset itself, in
// the count of a home's assets and in the asset's summary.

#include "CTestDataDir.h"
#include "records/CAsset.h"
#include "records/WarrantyReminder.h"

#include <QtTest>

class TestWarrantyReminder final : public QObject
{
    Q_OBJECT

private slots:
    void windowEdges_data();
    void windowEdges();
};

void TestWarrantyReminder::windowEdges_data()
{
    QTest::addColumn<QDate>("ends");
    QTest::addColumn<long>("category");
    QTest::addColumn<int>("daysLeft"); // -99: outside the window
    QTest::addColumn<QString>("summary");
    const QDate today = QDate::currentDate();
    QTest::newRow("60 days ahead") << today.addDays(60) << 4L << 60 << "(ends in 60 days)";
    QTest::newRow("61 days ahead") << today.addDays(61) << 4L << -99 << "";
    QTest::newRow("today") << today << 4L << 0 << "(ends in 0 days)";
    QTest::newRow("tomorrow") << today.addDays(1) << 4L << 1 << "(ends in 1 day)";
    QTest::newRow("30 days ago") << today.addDays(-30) << 4L << -30 << "(ended 30 days ago)";
    QTest::newRow("31 days ago") << today.addDays(-31) << 4L << -99 << "";
    QTest::newRow("year 2000: none") << QDate(2000, 1, 1) << 4L << -99 << "";
    QTest::newRow("video title") << today.addDays(10) << CAsset::kVideoCategory << -99 << "";
}

void TestWarrantyReminder::windowEdges()
{
    QFETCH(QDate, ends);
    QFETCH(long, category);
    QFETCH(int, daysLeft);
    QFETCH(QString, summary);
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    QVERIFY(dir.Database().IsOpen());
    CAsset asset;
    asset.SetHomeId(3);
    asset.SetCategoryId(category);
    asset.SetWarrantyExpiration(DateTimeValue::FromDateTime(QDateTime(ends, QTime(15, 30))));
    QVERIFY(asset.Save());

    const std::optional<long> days = WarrantyDaysLeft(asset, QDate::currentDate());
    QCOMPARE(days.value_or(-99), long(daysLeft));
    QCOMPARE(CountWarrantiesEndingSoon(3, QDate::currentDate()), daysLeft == -99 ? 0L : 1L);
    QCOMPARE(asset.GetSummaryText().contains(QLatin1Char('(')), !summary.isEmpty());
    QVERIFY(asset.GetSummaryText().contains(summary));
}

QTEST_GUILESS_MAIN(TestWarrantyReminder)
#include "tst_warrantyreminder.moc"
