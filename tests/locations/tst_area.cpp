// The location record: its row in Areas, the rooms view's summary text, and the delete that keeps
// the location's assets with no location.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "data/Formatting.h"
#include "records/CArea.h"

#include <QtTest>

#include <memory>

class TestArea final : public CSessionTest
{
    Q_OBJECT

private slots:
    void fieldsRoundTripWithDefaults();
    void summaryText_data();
    void summaryText();
    void deleteKeepsTheAssetsWithNoLocation();
};

void TestArea::fieldsRoundTripWithDefaults()
{
    CArea fresh;
    QVERIFY(!fresh.Load());
    QVERIFY(!fresh.Delete());
    for (const QString& text : HostileTexts()) {
        CArea area;
        area.SetHomeId(7);
        area.SetDescription(text);
        area.SetNotes(text);
        area.SetLength(150);
        area.SetHeight(96);
        area.SetColor(0, 0x9D5F37);
        area.SetLabel(1, text);
        QVERIFY(area.Save());
        CArea read;
        read.SetId(area.GetId());
        QVERIFY(read.Load());
        QCOMPARE(read.GetHomeId(), 7L);
        QCOMPARE(read.GetDescription(), text);
        QCOMPARE(read.GetNotes(), text);
        QCOMPARE(QList<long>({read.GetLength(), read.GetWidth(), read.GetHeight()}),
                 QList<long>({150, 0, 96}));
        QCOMPARE(QList<long>({read.GetColor(0), read.GetColor(1), read.GetColor(2)}),
                 QList<long>({0x9D5F37, CArea::kWhite, CArea::kWhite}));
        QCOMPARE(QStringList({read.GetLabel(0), read.GetLabel(1), read.GetLabel(2)}),
                 QStringList({QStringLiteral("Walls"), text, QStringLiteral("Panels")}));
    }
}

void TestArea::summaryText_data()
{
    QTest::addColumn<QString>("dimensions"); // length, width and height in inches
    QTest::addColumn<QString>("expected");
    const auto area = [](float squareFeet) -> QString {
        return QStringLiteral("\r\nArea: ") + FormatNumber(squareFeet, true, false) +
               QStringLiteral(" sq. ft.\r\n");
    };
    QTest::newRow("no length: notes only") << QStringLiteral("0 120 96") << QString();
    QTest::newRow("no width: notes only") << QStringLiteral("150 0 0") << QString();
    QTest::newRow("feet and inches, no height")
        << QStringLiteral("150 120 0") << QString(QStringLiteral("Dimensions: 12'6\" x 10'") + area(125.0f));
    QTest::newRow("height under a foot")
        << QStringLiteral("144 12 11")
        << QString(QStringLiteral("Dimensions: 12' x 1' x 11\"") + area(12.0f));
    QTest::newRow("inches only") << QStringLiteral("7 10 0")
                                 << QString(QStringLiteral("Dimensions: 7\" x 10\"") +
                                            area(70 * 0.0069444445f));
}

void TestArea::summaryText()
{
    QFETCH(QString, dimensions);
    const QStringList inches = dimensions.split(QLatin1Char(' '));
    QFETCH(QString, expected);
    CArea area;
    area.SetLength(inches[0].toLong());
    area.SetWidth(inches[1].toLong());
    area.SetHeight(inches[2].toLong());
    area.SetNotes(QStringLiteral("North light"));
    QCOMPARE(area.GetSummaryText(), expected + QStringLiteral("North light"));
}

void TestArea::deleteKeepsTheAssetsWithNoLocation()
{
    QList<long> ids;
    for (int i = 0; i < 2; ++i) {
        CArea area;
        area.SetHomeId(1);
        QVERIFY(area.Save());
        ids += area.GetId();
    }
    QVERIFY(AppDatabase()->Execute(
        QStringLiteral(
            "INSERT INTO Assets (AssetId, HomeId, AreaId) VALUES (1, 1, %1), (2, 1, %1), (3, 1, %2);")
            .arg(ids[0])
            .arg(ids[1])));
    CArea area;
    area.SetId(ids[0]);
    QVERIFY(area.Delete());
    QCOMPARE(RowCount(QStringLiteral("Areas")), 1L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AreaId=0")), 2L);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE AreaId=%1").arg(ids[1])), 1L);
}

QTEST_GUILESS_MAIN(TestArea)
#include "tst_area.moc"
