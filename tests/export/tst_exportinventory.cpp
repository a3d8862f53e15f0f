// The inventory written out. As CSV through its dialog and the prompt seam: the file's bytes for a
// home holding every kind of row and for an empty one, the category choices, a file that cannot be
// made, the open-now answers. As the insurance report: its sections, order and totals as the
// document reads, then the PDF with its page footers.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "views/CDlgExportInventory.h"
#include "views/CInventoryReport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// An asset line of the rows FillHome stores: a video keeps no vendor, serial or phone.
QByteArray Asset(const char* category, const char* name, const char* location, const char* warranty,
                 bool video = false)
{
    const QStringList fields{category,
                             name,
                             "$800.00",
                             "$1,234.50",
                             "3/4/01",
                             video ? "Classic" : "Frost 9",
                             video ? "" : "Cold & Co",
                             location,
                             "$1,500.25",
                             warranty,
                             video ? "" : "SN1",
                             video ? "" : "555-0100"};
    return '"' + fields.join("\",\"").toUtf8() + "\"\r\n";
}

const QByteArray kTitle =
    "\"Home Inventory Report for Maple House\"\r\n\r\n\"Category\",\"Asset\",\"Current "
    "Value\",\"Purchase Price\",\"Purchase Date\",\"Make/Model\",\"Dealer/Store\","
    "\"Location\",\"Replacement Value\",\"Warranty Expires\",\"Serial #\",\"Phone #\"\r\n";

QByteArray Closing()
{
    return "\r\n\"Created by Hearthstead on " +
           QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toUtf8() + '"';
}

// A kitchen, a general asset and a video in it, one without category or location, one of a deleted
// category; another home's asset stays out.
void FillHome(long homeId)
{
    CArea kitchen;
    kitchen.SetHomeId(homeId);
    kitchen.SetDescription("Kitchen");
    QVERIFY(kitchen.Save());
    const struct
    {
        const char* name;
        long category, area;
        int warrantyYear;
    } rows[] = {{"Fridge", 1, kitchen.GetId(), 1999},
                {"Casablanca", CAsset::kVideoCategory, kitchen.GetId(), 1942},
                {"Lamp \"Tiffany\"", 0, 0, 2000},
                {"Zürich clock, 1880", 999, kitchen.GetId(), 2005},
                {"Toaster", 1, 0, 2000},
                {"Elsewhere", 1, 0, 2000}};
    for (const auto& row : rows) {
        CAsset asset;
        asset.SetHomeId(QByteArray(row.name) == "Elsewhere" ? homeId + 1 : homeId);
        asset.SetDescription(QString::fromUtf8(row.name));
        asset.SetCategoryId(row.category);
        asset.SetAreaId(row.area);
        asset.SetPurchaseDate(DateTimeValue::FromDate(QDate(2001, 3, 4)));
        asset.SetPurchasePrice(1234.5f);
        asset.SetCurrentValue(800.0f);
        asset.SetReplacementValue(1500.25f);
        asset.SetMakeModel(row.category == CAsset::kVideoCategory ? "Classic" : "Frost 9");
        asset.SetVendor("Cold & Co");
        asset.SetPhone1("555-0100");
        asset.SetSerialNumber("SN1");
        asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate(row.warrantyYear, 12, 31)));
        QVERIFY(asset.Save());
    }
}

} // namespace

class TestExportInventory final : public CSessionTest
{
    Q_OBJECT

private slots:
    // Missing categories first, fields as stored, no warranty for year 2000, a video's own fields empty.
    void fileBytes()
    {
        FillHome(m_homeId);
        CDlgExportInventory dialog(m_homeId, "Maple House");
        QCOMPARE(Export(dialog), kTitle + Asset("", "Lamp \"Tiffany\"", "", "") +
                                     Asset("", "Zürich clock, 1880", "Kitchen", "12/31/05") +
                                     Asset("Appliances", "Fridge", "Kitchen", "12/31/99") +
                                     Asset("Appliances", "Toaster", "", "") +
                                     Asset("Video Library", "Casablanca", "", "", true) + Closing());
    }

    void categoryChoices_data()
    {
        QTest::addColumn<bool>("selectNone");
        QTest::addColumn<QString>("toggled");
        QTest::addColumn<int>("assetLines");
        QTest::newRow("none keeps the uncategorised") << true << QString() << 2;
        QTest::newRow("one category") << true << "Video Library" << 3;
        QTest::newRow("all but one") << false << "Appliances" << 3;
    }

    void categoryChoices()
    {
        QFETCH(bool, selectNone);
        QFETCH(QString, toggled);
        QFETCH(int, assetLines);
        FillHome(m_homeId);
        CDlgExportInventory dialog(m_homeId, "Maple House");
        CAutoListCtrl& list = *dialog.GetList();
        QCOMPARE(list.GetItemCount(), 20);
        if (selectNone)
            dialog.OnSelectNone();
        for (int row = 0; row < list.GetItemCount(); ++row) {
            if (list.GetItemText(row, 0) == toggled)
                list.SetCheck(row, selectNone);
        }
        QCOMPARE(Export(dialog).count("\r\n"), 3 + assetLines + 1);
    }

    void fileThatCannotBeMadeKeepsTheDialog()
    {
        CDlgExportInventory dialog(m_homeId, "Maple House");
        m_prompt->ExpectFile(m_session->Dir().Path() + "no such folder/x.csv");
        m_prompt->ExpectMessage(IDOK)
            .Text("I'm afraid there was an error creating that file. Please make sure the file is not in use "
                  "and "
                  "try again.")
            .Icon(MessageIcon::Exclamation);
        m_prompt->ExpectFile(QString()); // a cancelled chooser changes nothing either
        dialog.OnExport();
        dialog.OnExport();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // The file of an empty home.
        QCOMPARE(Export(dialog, IDYES), kTitle + Closing());
    }

    void sectionsTotalsAndPdf()
    {
        const QString picture = m_session->Dir().Path() + "photo.png";
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(picture));
        CHome home = StoredRecord<CHome>(m_homeId);
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

private:
    void SetUp() override { m_homeId = StoredHome("Maple House"); }
    // Exports into the file through the dialog, answering the open-now question (Yes opens it).
    QByteArray Export(CDlgExportInventory& dialog, int openAnswer = IDNO)
    {
        const QString path = m_session->Dir().Path() + "inventory.csv";
        m_prompt->ExpectFile(path)
            .Save(true)
            .DefaultName("Maple House Inventory")
            .DefaultExtension("csv")
            .Filter("CSV Files (*.csv)|*.csv|")
            .PromptOverwrite(true);
        m_prompt->ExpectMessage(openAnswer)
            .Text('"' + path + "\" has been created.\n\nWould you like to open it now?")
            .Icon(MessageIcon::Question)
            .Buttons(MessageButtons::YesNo);
        if (openAnswer == IDYES)
            m_prompt->ExpectShellOpen().Path(path);
        dialog.OnExport();
        const QByteArray bytes = ReadBytes(path);
        const QString problems = m_session->Finish();
        return dialog.result() == QDialog::Accepted && problems.isEmpty() ? bytes : problems.toUtf8();
    }

    long m_homeId = -1;
};

QTEST_MAIN(TestExportInventory)
#include "tst_exportinventory.moc"
