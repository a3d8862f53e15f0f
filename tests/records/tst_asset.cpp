// The asset record's summary, as the inventory shows it, and the warranties that remind: the window
// from 60 days ahead to 30 days ago, in the asset, in the count of a home's assets and in the
// summary. Its row's round trip runs through the sheet's tests.

#include "CTestDataDir.h"
#include "data/Formatting.h"
#include "records/CAsset.h"
#include "records/WarrantyReminder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestAsset final : public QObject
{
    Q_OBJECT

private slots:
    void summaryText_data();
    void summaryText();
    void warrantyWindowEdges_data();
    void warrantyWindowEdges();
};

void TestAsset::summaryText_data()
{
    const QString money = FormatMoney(20.0f);
    QTest::addColumn<long>("category");
    QTest::addColumn<QString>("makeModel");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<float>("price");
    QTest::addColumn<QString>("expected");
    QTest::newRow("video title") << 19L << u"Drama"_s << 0.0f << u""_s << 0.0f
                                 << u"Year: 2000; Genre: Drama\r\nN"_s;
    QTest::newRow("video without genre")
        << 19L << u""_s << 5.0f << u"Shop"_s << 1.0f << u"Year: 2000; Genre: N/A\r\nN"_s;
    QTest::newRow("nothing known") << 0L << u""_s << 0.0f << u""_s << 0.0f << u"N"_s;
    QTest::newRow("vendor, no price: no break")
        << 0L << u""_s << 0.0f << u"Shop"_s << 0.0f << u"Purchased at Shop N"_s;
    QTest::newRow("price only") << 0L << u""_s << 0.0f << u""_s << 20.0f
                                << u"Purchased for "_s + money + u"\r\nN"_s;
    QTest::newRow("everything") << 3L << u"Acme X1"_s << 20.0f << u"Shop"_s << 20.0f
                                << u"Acme X1\r\nCurrent value: "_s + money + u"\r\nPurchased at Shop for "_s +
                                       money + u"\r\nN"_s;
}

void TestAsset::summaryText()
{
    QFETCH(long, category);
    QFETCH(QString, makeModel);
    QFETCH(float, value);
    QFETCH(QString, vendor);
    QFETCH(float, price);
    QFETCH(QString, expected);
    CAsset asset;
    asset.SetCategoryId(category);
    asset.SetMakeModel(makeModel);
    asset.SetCurrentValue(value);
    asset.SetVendor(vendor);
    asset.SetPurchasePrice(price);
    asset.SetNotes(QStringLiteral("N"));
    QCOMPARE(asset.GetSummaryText(), expected);

    // A warranty after 2000 adds its line, expired or not; one in 2000 is none.
    asset.SetCategoryId(0);
    asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate(2001, 2, 3)));
    QVERIFY(asset.GetSummaryText().contains(QStringLiteral("Warranty expired on ")));
    asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate::currentDate().addYears(2)));
    QVERIFY(asset.GetSummaryText().contains(QStringLiteral("Warranty expires on ")));
}

void TestAsset::warrantyWindowEdges_data()
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

void TestAsset::warrantyWindowEdges()
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

QTEST_GUILESS_MAIN(TestAsset)
#include "tst_asset.moc"
