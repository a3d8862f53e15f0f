// The asset record: its defaults, its row in Assets, and the summary the inventory shows for it.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "data/Formatting.h"
#include "records/CAsset.h"

#include <QtTest>

#include <memory>

class TestAsset final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void defaults();
    void everyFieldStoredAndReadBack();
    void summaryText_data();
    void summaryText();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestAsset::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestAsset::cleanup()
{
    m_dir.reset();
}

void TestAsset::defaults()
{
    CAsset asset;
    QCOMPARE(asset.GetId(), -1L);
    QCOMPARE(asset.GetDescription(), QStringLiteral("New Asset"));
    QCOMPARE(asset.GetCategoryId(), 0L);
    QVERIFY(!asset.HasWarranty());
    QCOMPARE(asset.GetWarrantyExpiration().ToDateTime(), QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    QCOMPARE(asset.GetPurchaseDate().ToDate(), QDate::currentDate());
}

void TestAsset::everyFieldStoredAndReadBack()
{
    const long nextId = StoredNextId(QStringLiteral("Assets"));
    const QStringList texts = HostileTexts();
    CAsset asset;
    asset.SetHomeId(5);
    asset.SetAreaId(6);
    asset.SetCategoryId(7);
    asset.SetDescription(texts[0]);
    asset.SetNotes(texts[1]);
    asset.SetPurchasePrice(12.5f);
    asset.SetPurchaseDate(DateTimeValue::FromDateTime(QDateTime(QDate(2019, 4, 2), QTime(9, 15))));
    asset.SetCurrentValue(10.25f);
    asset.SetReplacementValue(30.75f);
    asset.SetVendor(texts[2]);
    asset.SetPhone1(QStringLiteral("555-0101"));
    asset.SetPhone2(QStringLiteral("555-0102"));
    asset.SetMakeModel(texts[0]);
    asset.SetSerialNumber(QStringLiteral("SN-1"));
    asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate(2031, 7, 1)));
    asset.SetPicture(QStringLiteral("/pictures/chair.jpg"));
    QVERIFY(asset.Save());
    QCOMPARE(asset.GetId(), nextId);

    CAsset read;
    read.SetId(nextId);
    QVERIFY(read.Load());
    QCOMPARE(read.GetHomeId(), 5L);
    QCOMPARE(read.GetAreaId(), 6L);
    QCOMPARE(read.GetCategoryId(), 7L);
    QCOMPARE(read.GetDescription(), texts[0]);
    QCOMPARE(read.GetNotes(), texts[1]);
    QCOMPARE(read.GetPurchasePrice(), 12.5f);
    QCOMPARE(read.GetPurchaseDate().ToDateTime(), QDateTime(QDate(2019, 4, 2), QTime(9, 15)));
    QCOMPARE(read.GetCurrentValue(), 10.25f);
    QCOMPARE(read.GetReplacementValue(), 30.75f);
    QCOMPARE(read.GetVendor(), texts[2]);
    QCOMPARE(read.GetPhone1(), QStringLiteral("555-0101"));
    QCOMPARE(read.GetPhone2(), QStringLiteral("555-0102"));
    QCOMPARE(read.GetMakeModel(), texts[0]);
    QCOMPARE(read.GetSerialNumber(), QStringLiteral("SN-1"));
    QCOMPARE(read.GetWarrantyExpiration().ToDate(), QDate(2031, 7, 1));
    QCOMPARE(read.GetPicture(), QStringLiteral("/pictures/chair.jpg"));

    QVERIFY(read.Delete());
    QVERIFY(!asset.Load());
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AssetId=%1").arg(nextId)), 0L);
}

void TestAsset::summaryText_data()
{
    const QString money = FormatMoney(20.0f);
    QTest::addColumn<long>("category");
    QTest::addColumn<QString>("makeModel");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<float>("price");
    QTest::addColumn<QString>("expected");
    QTest::newRow("video title") << 19L << "Drama" << 0.0f << "" << 0.0f << "Year: 2000; Genre: Drama\r\nN";
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
