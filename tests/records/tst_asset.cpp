// The asset record's summary, as the inventory shows it. Its row's round trip runs through the sheet's
// tests.

#include "data/Formatting.h"
#include "records/CAsset.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestAsset final : public QObject
{
    Q_OBJECT

private slots:
    void summaryText_data();
    void summaryText();
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

QTEST_GUILESS_MAIN(TestAsset)
#include "tst_asset.moc"
