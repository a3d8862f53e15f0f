// The inventory export through its dialog and the prompt seam: the file's bytes for a home holding
// every kind of row and for an empty home, which categories' assets are written, a file that cannot
// be made keeping the dialog open, and the open-now answers.

#include "CTestSession.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "views/CDlgExportInventory.h"

#include <QFile>
#include <QLocale>
#include <QtTest>

#include <memory>

namespace {

DateTimeValue Day(int year, int month, int day)
{
    return DateTimeValue::FromDate(QDate(year, month, day));
}

long SaveHome(const QString& name)
{
    CHome home;
    home.SetDescription(name);
    return home.Save() ? home.GetId() : -1;
}

struct AssetRow
{
    const char* description;
    long categoryId;
    bool inKitchen;
    DateTimeValue warranty;
};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QByteArray Closing()
{
    const QString date =
        QLocale(QLocale::English, QLocale::UnitedStates).toString(QDate::currentDate(), QLocale::LongFormat);
    return "\r\n\"Created by Hearthstead on " + date.toUtf8() + '"';
}

const QByteArray kHeader = "\"Category\",\"Asset\",\"Current Value\",\"Purchase Price\",\"Purchase Date\","
                           "\"Make/Model\",\"Dealer/Store\",\"Location\",\"Replacement Value\","
                           "\"Warranty Expires\",\"Serial #\",\"Phone #\"\r\n";

} // namespace

class TestExportInventory final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileHoldsEveryKindOfRowByteForByte();
    void emptyHomeGivesTitleHeaderAndClosing();
    void categoryChoices_data();
    void categoryChoices();
    void fileThatCannotBeMadeKeepsTheDialogThenOpens();

private:
    void FillHome();
    // Runs "Export Data" into the file and answers the open-now question (Yes opens the file).
    bool Export(CDlgExportInventory& dialog, const QString& path, int openAnswer);

    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
    long m_homeId = -1;
};

void TestExportInventory::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
    m_homeId = SaveHome(QStringLiteral("Maple House"));
}

void TestExportInventory::cleanup()
{
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestExportInventory::FillHome()
{
    CArea kitchen;
    kitchen.SetHomeId(m_homeId);
    kitchen.SetDescription(QStringLiteral("Kitchen"));
    QVERIFY(kitchen.Save());
    const AssetRow rows[] = {{"Fridge", 1, true, Day(1999, 12, 31)},
                             {"Casablanca", CAsset::kVideoCategory, true, Day(1942, 1, 1)},
                             {"Lamp \"Tiffany\"", 0, false, Day(2000, 1, 1)},
                             {"Zürich clock, 1880", 999, true, Day(2005, 6, 7)},
                             {"Toaster", 1, false, Day(2000, 1, 1)}};
    for (const AssetRow& row : rows) {
        CAsset asset;
        asset.SetHomeId(m_homeId);
        asset.SetDescription(QString::fromUtf8(row.description));
        asset.SetCategoryId(row.categoryId);
        asset.SetAreaId(row.inKitchen ? kitchen.GetId() : 0);
        asset.SetPurchaseDate(Day(2001, 3, 4));
        asset.SetPurchasePrice(1234.5f);
        asset.SetCurrentValue(800.0f);
        asset.SetReplacementValue(1500.25f);
        asset.SetMakeModel(row.categoryId == CAsset::kVideoCategory ? QStringLiteral("Classic")
                                                                    : QStringLiteral("Frost 9"));
        asset.SetVendor(QStringLiteral("Cold & Co"));
        asset.SetPhone1(QStringLiteral("555-0100"));
        asset.SetSerialNumber(QStringLiteral("SN1"));
        asset.SetWarrantyExpiration(row.warranty);
        QVERIFY(asset.Save());
    }
    // Another home's asset stays out of this home's file.
    CAsset other;
    other.SetHomeId(SaveHome(QStringLiteral("Cabin")));
    QVERIFY(other.Save());
}

bool TestExportInventory::Export(CDlgExportInventory& dialog, const QString& path, int openAnswer)
{
    m_prompt->ExpectFile(path)
        .Save(true)
        .Owner(&dialog)
        .DefaultName(QStringLiteral("Maple House Inventory"))
        .DefaultExtension(QStringLiteral("csv"))
        .Filter(QStringLiteral("CSV Files (*.csv)|*.csv|"))
        .PromptOverwrite(true);
    m_prompt->ExpectMessage(openAnswer)
        .Text(u'"' + path + QStringLiteral("\" has been created.\n\nWould you like to open it now?"))
        .Icon(MessageIcon::Question)
        .Buttons(MessageButtons::YesNo);
    if (openAnswer == IDYES) {
        m_prompt->ExpectShellOpen().Path(path);
    }
    dialog.OnExport();
    return dialog.result() == QDialog::Accepted;
}

void TestExportInventory::fileHoldsEveryKindOfRowByteForByte()
{
    FillHome();
    const QString path = m_session->Dir().Path() + QStringLiteral("inventory.csv");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    CDlgExportInventory dialog(m_homeId, QStringLiteral("Maple House"));
    QVERIFY(Export(dialog, path, IDNO));
    const QByteArray expected =
        "\"Home Inventory Report for Maple House\"\r\n\r\n" + kHeader +
        "\"\",\"Lamp \"Tiffany\"\",\"$800.00\",\"$1,234.50\",\"3/4/01\",\"Frost 9\",\"Cold & Co\",\"\","
        "\"$1,500.25\",\"\",\"SN1\",\"555-0100\"\r\n"
        "\"\",\"Z\xC3\xBCrich clock, 1880\",\"$800.00\",\"$1,234.50\",\"3/4/01\",\"Frost 9\",\"Cold & Co\","
        "\"Kitchen\",\"$1,500.25\",\"6/7/05\",\"SN1\",\"555-0100\"\r\n"
        "\"Appliances\",\"Fridge\",\"$800.00\",\"$1,234.50\",\"3/4/01\",\"Frost 9\",\"Cold & "
        "Co\",\"Kitchen\","
        "\"$1,500.25\",\"12/31/99\",\"SN1\",\"555-0100\"\r\n"
        "\"Appliances\",\"Toaster\",\"$800.00\",\"$1,234.50\",\"3/4/01\",\"Frost 9\",\"Cold & Co\",\"\","
        "\"$1,500.25\",\"\",\"SN1\",\"555-0100\"\r\n"
        "\"Video Library\",\"Casablanca\",\"$800.00\",\"$1,234.50\",\"3/4/01\",\"Classic\",\"\",\"\","
        "\"$1,500.25\",\"\",\"\",\"\"\r\n" +
        Closing();
    QCOMPARE(FileBytes(path), expected);
}

void TestExportInventory::emptyHomeGivesTitleHeaderAndClosing()
{
    const QString path = m_session->Dir().Path() + QStringLiteral("empty.csv");
    CDlgExportInventory dialog(m_homeId, QStringLiteral("Maple House"));
    QVERIFY(Export(dialog, path, IDNO));
    QCOMPARE(FileBytes(path), "\"Home Inventory Report for Maple House\"\r\n\r\n" + kHeader + Closing());
}

void TestExportInventory::categoryChoices_data()
{
    QTest::addColumn<bool>("selectNone");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<int>("assetLines");
    QTest::newRow("all at start") << false << QStringList() << 5;
    QTest::newRow("none keeps the uncategorised") << true << QStringList() << 2;
    QTest::newRow("one category") << true << QStringList{QStringLiteral("Video Library")} << 3;
    QTest::newRow("all but one") << false << QStringList{QStringLiteral("Appliances")} << 3;
}

void TestExportInventory::categoryChoices()
{
    QFETCH(bool, selectNone);
    QFETCH(QStringList, checked);
    QFETCH(int, assetLines);
    FillHome();
    CDlgExportInventory dialog(m_homeId, QStringLiteral("Maple House"));
    CAutoListCtrl& list = *dialog.GetList();
    QCOMPARE(list.GetItemCount(), 20);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("Appliances"));
    if (selectNone) {
        dialog.OnSelectNone();
    }
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (checked.contains(list.GetItemText(row, 0))) {
            list.SetCheck(row, selectNone);
        }
    }
    const QString path = m_session->Dir().Path() + QStringLiteral("chosen.csv");
    QVERIFY(Export(dialog, path, IDNO));
    QCOMPARE(FileBytes(path).count("\r\n"), 3 + assetLines + 1);
}

void TestExportInventory::fileThatCannotBeMadeKeepsTheDialogThenOpens()
{
    CDlgExportInventory dialog(m_homeId, QStringLiteral("Maple House"));
    m_prompt->ExpectFile(m_session->Dir().Path() + QStringLiteral("no such folder/x.csv"));
    m_prompt->ExpectMessage(IDOK)
        .Text(QStringLiteral("I'm afraid there was an error creating that file. Please make sure the file is "
                             "not in use and try again."))
        .Icon(MessageIcon::Exclamation);
    dialog.OnExport();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Cancelling the file chooser leaves the dialog as it was.
    m_prompt->ExpectFile(QString());
    dialog.OnExport();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const QString path = m_session->Dir().Path() + QStringLiteral("open me.csv");
    QVERIFY(Export(dialog, path, IDYES));
}

QTEST_MAIN(TestExportInventory)
#include "tst_exportinventory.moc"
