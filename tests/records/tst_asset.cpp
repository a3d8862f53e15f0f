// The asset record's summary, as the inventory shows it, and the warranties that remind: the window
// from 60 days ahead to 30 days ago, in the asset, in the count of a home's assets and in the
// summary. Its row's round trip runs through the sheet's tests.

#include "CTestDataDir.h"
#include "data/Formatting.h"
#include "records/CAsset.h"
#include "records/WarrantyReminder.h"

#include <QtTest>

class TestAsset final : public QObject
{
    Q_OBJECT

private slots:
    void summaryText_data()
    {
        const QString money = FormatMoney(20.0f);
        QTest::addColumn<long>("category");
        QTest::addColumn<QString>("makeModel");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<float>("price");
        QTest::addColumn<QString>("expected");
        QTest::newRow("video title") << 19L << "Drama" << 0.0f << "" << 0.0f
                                     << "Year: 2000; Genre: Drama\r\nN";
        QTest::newRow("video without genre")
            << 19L << "" << 5.0f << "Shop" << 1.0f << "Year: 2000; Genre: N/A\r\nN";
        QTest::newRow("nothing known") << 0L << "" << 0.0f << "" << 0.0f << "N";
        QTest::newRow("vendor, no price: no break")
            << 0L << "" << 0.0f << "Shop" << 0.0f << "Purchased at Shop N";
        QTest::newRow("price only") << 0L << "" << 0.0f << "" << 20.0f << "Purchased for " + money + "\r\nN";
        QTest::newRow("everything") << 3L << "Acme X1" << 20.0f << "Shop" << 20.0f
                                    << "Acme X1\r\nCurrent value: " + money + "\r\nPurchased at Shop for " +
                                           money + "\r\nN";
    }

    void summaryText()
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
        asset.SetNotes("N");
        QCOMPARE(asset.GetSummaryText(), expected);

        // A warranty after 2000 adds its line, expired or not; one in 2000 is none.
        asset.SetCategoryId(0);
        asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate(2001, 2, 3)));
        QVERIFY(asset.GetSummaryText().contains("Warranty expired on "));
        asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate::currentDate().addYears(2)));
        QVERIFY(asset.GetSummaryText().contains("Warranty expires on "));
    }

    void warrantyWindowEdges_data()
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

    void warrantyWindowEdges()
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
        QCOMPARE(asset.GetSummaryText().contains('('), !summary.isEmpty());
        QVERIFY(asset.GetSummaryText().contains(summary));
    }
};

QTEST_GUILESS_MAIN(TestAsset)
#include "tst_asset.moc"
