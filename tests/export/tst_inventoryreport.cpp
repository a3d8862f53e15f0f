// The insurance inventory report: its sections, order and totals as the document reads, then the
// PDF written through the prompt seam with its page footers.

#include "CSessionTest.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "views/CInventoryReport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

class TestInventoryReport final : public CSessionTest
{
    Q_OBJECT

private slots:
    void sectionsTotalsAndPdf()
    {
        const QString picture = m_session->Dir().Path() + "photo.png";
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(picture));
        CHome home;
        home.SetDescription("Maple House");
        home.SetAddress("1 Elm Road\nSpringfield");
        home.SetPicture(picture);
        QVERIFY(home.Save());
        CArea rooms[2];
        for (int index = 0; index < 2; ++index) {
            rooms[index].SetHomeId(home.GetId());
            rooms[index].SetDescription(index ? "Attic" : "Kitchen");
            QVERIFY(rooms[index].Save());
        }
        const struct
        {
            const char* name;
            long area, category;
            float current, replacement;
        } assets[] = {{"Toaster", rooms[0].GetId(), 1, 20, 30},
                      {"Fridge", rooms[0].GetId(), 1, 500, 900},
                      {"Trunk", rooms[1].GetId(), 9, 100, 150},
                      {"Bicycle", 0, 16, 200, 400},
                      {"Casablanca", rooms[0].GetId(), CAsset::kVideoCategory, 5, 10}};
        for (const auto& row : assets) {
            CAsset asset;
            asset.SetHomeId(home.GetId());
            asset.SetDescription(row.name);
            asset.SetAreaId(row.area);
            asset.SetCategoryId(row.category);
            asset.SetCurrentValue(row.current);
            asset.SetReplacementValue(row.replacement);
            asset.SetMakeModel(row.category == CAsset::kVideoCategory ? "Romance" : "");
            asset.SetPicture(picture);
            QVERIFY(asset.Save());
        }

        CInventoryReport report(home);
        QVERIFY(report.Load());
        QTextDocument document;
        report.Build(document);
        const QString text = document.toPlainText();
        // Each piece in this order; the video only in its own section, outside the totals.
        const QStringList order = {"Maple House", "1 Elm Road",    "Attic",      "Trunk",       "Subtotal",
                                   "$100.00",     "$150.00",       "Kitchen",    "Fridge",      "Toaster",
                                   "Subtotal",    "$520.00",       "$930.00",    "No location", "Bicycle",
                                   "Subtotal",    "$200.00",       "$400.00",    "Total",       "$820.00",
                                   "$1,480.00",   "Video Library", "Casablanca", "Romance",     "2000"};
        qsizetype at = 0;
        for (const QString& piece : order) {
            at = text.indexOf(piece, at);
            QVERIFY2(at >= 0, qPrintable(piece));
        }
        QCOMPARE(text.count("Casablanca"), 1);

        const QString path = m_session->Dir().Path() + "report.pdf";
        m_prompt->ExpectFile(path).DefaultName("Maple House Inventory Report").DefaultExtension("pdf");
        m_prompt->ExpectMessage(IDYES).TextContains("has been created");
        m_prompt->ExpectShellOpen().Path(path);
        PrintInventoryReport(nullptr, home);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess process;
        process.start(pdftotext, {path, "-"});
        QVERIFY(process.waitForFinished());
        const QString pdf = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(pdf.contains("Page 1 of 2") && pdf.contains("Page 2 of 2") && pdf.contains("$1,480.00"),
                 qPrintable(pdf));
    }
};

QTEST_MAIN(TestInventoryReport)
#include "tst_inventoryreport.moc"
