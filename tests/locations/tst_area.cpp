// The location record: its row in Areas, the rooms view's summary text, and the delete that keeps
// the location's assets with no location.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "data/Formatting.h"
#include "records/CArea.h"

#include <QtTest>

#include <memory>

class TestArea final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fieldsRoundTripWithDefaults();
    void summaryText_data();
    void summaryText();
    void deleteKeepsTheAssetsWithNoLocation();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestArea::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestArea::cleanup()
{
    m_dir.reset();
}

void TestArea::fieldsRoundTripWithDefaults()
{
    CArea fresh;
    QCOMPARE(fresh.GetId(), -1L);
    QCOMPARE(fresh.GetLabel(0), QStringLiteral("Walls"));
    QCOMPARE(fresh.GetLabel(1), QStringLiteral("Curtains"));
    QCOMPARE(fresh.GetLabel(2), QStringLiteral("Panels"));
    QCOMPARE(fresh.GetColor(2), CArea::kWhite);
    QVERIFY(!fresh.Load());
    QVERIFY(!fresh.Delete());

    const long nextId = StoredNextId(QStringLiteral("Areas"));
    for (const QString& text : HostileTexts()) {
        CArea area;
        area.SetHomeId(7);
        area.SetDescription(text);
        area.SetNotes(text);
        area.SetLength(150);
        area.SetWidth(120);
        area.SetHeight(96);
        area.SetColor(0, 0x9D5F37);
        area.SetColor(2, 0);
        area.SetLabel(1, text);
        QVERIFY(area.Save());
        CArea read;
        read.SetId(area.GetId());
        QVERIFY(read.Load());
        QCOMPARE(read.GetHomeId(), 7L);
        QCOMPARE(read.GetDescription(), text);
        QCOMPARE(read.GetNotes(), text);
        QCOMPARE(read.GetLength(), 150L);
        QCOMPARE(read.GetWidth(), 120L);
        QCOMPARE(read.GetHeight(), 96L);
        QCOMPARE(read.GetColor(0), 0x9D5F37L);
        QCOMPARE(read.GetColor(1), CArea::kWhite);
        QCOMPARE(read.GetColor(2), 0L);
        QCOMPARE(read.GetLabel(0), QStringLiteral("Walls"));
        QCOMPARE(read.GetLabel(1), text);
    }
    QCOMPARE(StoredNextId(QStringLiteral("Areas")), nextId + HostileTexts().size());
}

void TestArea::summaryText_data()
{
    QTest::addColumn<long>("length");
    QTest::addColumn<long>("width");
    QTest::addColumn<long>("height");
    QTest::addColumn<QString>("expected");

    const QString notes = QStringLiteral("North light");
    QTest::newRow("no length: notes only") << 0L << 120L << 96L << notes;
    QTest::newRow("no width: notes only") << 150L << 0L << 0L << notes;
    QTest::newRow("feet and inches, no height")
        << 150L << 120L << 0L
        << QStringLiteral("Dimensions: 12'6\" x 10'\r\nArea: ") + FormatNumber(125.0f, true, false) +
               QStringLiteral(" sq. ft.\r\n") + notes;
    QTest::newRow("height under a foot")
        << 144L << 12L << 11L
        << QStringLiteral("Dimensions: 12' x 1' x 11\"\r\nArea: ") + FormatNumber(12.0f, true, false) +
               QStringLiteral(" sq. ft.\r\n") + notes;
    QTest::newRow("inches only, fractional area")
        << 7L << 10L << 0L
        << QStringLiteral("Dimensions: 7\" x 10\"\r\nArea: ") +
               FormatNumber(70 * 0.0069444445f, true, false) + QStringLiteral(" sq. ft.\r\n") + notes;
}

void TestArea::summaryText()
{
    QFETCH(long, length);
    QFETCH(long, width);
    QFETCH(long, height);
    QFETCH(QString, expected);
    CArea area;
    area.SetLength(length);
    area.SetWidth(width);
    area.SetHeight(height);
    area.SetNotes(QStringLiteral("North light"));
    QCOMPARE(area.GetSummaryText(), expected);
}

void TestArea::deleteKeepsTheAssetsWithNoLocation()
{
    QList<long> ids;
    for (const QString& description : {QStringLiteral("Den"), QStringLiteral("Attic")}) {
        CArea area;
        area.SetHomeId(1);
        area.SetDescription(description);
        QVERIFY(area.Save());
        ids += area.GetId();
    }
    QVERIFY(AppDatabase()->Execute(
        QStringLiteral(
            "INSERT INTO Assets (AssetId, HomeId, AreaId, Description) VALUES (1, 1, %1, 'Sofa');"
            "INSERT INTO Assets (AssetId, HomeId, AreaId, Description) VALUES (2, 1, %1, 'Lamp');"
            "INSERT INTO Assets (AssetId, HomeId, AreaId, Description) VALUES (3, 1, %2, 'Trunk');")
            .arg(ids[0])
            .arg(ids[1])));

    CArea den;
    den.SetId(ids[0]);
    QVERIFY(den.Delete());
    QCOMPARE(RowCount(QStringLiteral("Areas")), 1L);
    QCOMPARE(RowCount(QStringLiteral("Assets")), 3L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AreaId=0")), 2L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AreaId=%1").arg(ids[1])), 1L);
}

QTEST_GUILESS_MAIN(TestArea)
#include "tst_area.moc"
