// The insurance inventory report: its sections, order and totals as the document reads, and the
// PDF written through the prompt seam with its page footers.

#include "CTestSession.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "views/CInventoryReport.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QtTest>

#include <memory>

class TestInventoryReport final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sectionsByLocationWithTotalsThenVideos();
    void pdfIsWrittenAndOffered();

private:
    std::unique_ptr<CTestSession> m_session;
    CHome m_home;
};

void TestInventoryReport::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    const QString picture = m_session->Dir().Path() + QStringLiteral("photo.png");
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(picture));
    m_home = CHome();
    m_home.SetDescription(QStringLiteral("Maple House"));
    m_home.SetAddress(QStringLiteral("1 Elm Road\nSpringfield"));
    m_home.SetPicture(picture);
    QVERIFY(m_home.Save());
    long rooms[2] = {0, 0};
    const char* roomNames[2] = {"Kitchen", "Attic"};
    for (int index = 0; index < 2; ++index) {
        CArea area;
        area.SetHomeId(m_home.GetId());
        area.SetDescription(QString::fromLatin1(roomNames[index]));
        QVERIFY(area.Save());
        rooms[index] = area.GetId();
    }
    const struct
    {
        const char* name;
        long area;
        long category;
        float current;
        float replacement;
    } assets[] = {{"Toaster", rooms[0], 1, 20, 30},
                  {"Fridge", rooms[0], 1, 500, 900},
                  {"Trunk", rooms[1], 9, 100, 150},
                  {"Bicycle", 0, 16, 200, 400},
                  {"Casablanca", rooms[0], CAsset::kVideoCategory, 5, 10}};
    for (const auto& row : assets) {
        CAsset asset;
        asset.SetHomeId(m_home.GetId());
        asset.SetDescription(QString::fromLatin1(row.name));
        asset.SetAreaId(row.area);
        asset.SetCategoryId(row.category);
        asset.SetCurrentValue(row.current);
        asset.SetReplacementValue(row.replacement);
        asset.SetMakeModel(row.category == CAsset::kVideoCategory ? QStringLiteral("Romance") : QString());
        if (row.category == CAsset::kVideoCategory) {
            asset.SetReleaseYear(1942);
        }
        asset.SetPicture(picture);
        QVERIFY(asset.Save());
    }
}

void TestInventoryReport::cleanup()
{
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestInventoryReport::sectionsByLocationWithTotalsThenVideos()
{
    CInventoryReport report(m_home);
    QVERIFY(report.Load());
    QTextDocument document;
    report.Build(document);
    const QString text = document.toPlainText();
    // Each piece in this order, the videos only in their own section.
    const QStringList order = {"Maple House", "1 Elm Road",    "Attic",      "Trunk",       "Subtotal",
                               "$100.00",     "$150.00",       "Kitchen",    "Fridge",      "Toaster",
                               "Subtotal",    "$520.00",       "$930.00",    "No location", "Bicycle",
                               "Subtotal",    "$200.00",       "$400.00",    "Total",       "$820.00",
                               "$1,480.00",   "Video Library", "Casablanca", "Romance",     "1942"};
    qsizetype at = 0;
    for (const QString& piece : order) {
        const qsizetype found = text.indexOf(piece, at);
        QVERIFY2(found >= 0, qPrintable(piece + QStringLiteral(" after ") + text.mid(at, 80)));
        at = found + piece.size();
    }
    QCOMPARE(text.count(QStringLiteral("Casablanca")), 1);
}

void TestInventoryReport::pdfIsWrittenAndOffered()
{
    const QString path = m_session->Dir().Path() + QStringLiteral("report.pdf");
    CScriptedPrompt& prompt = m_session->Prompt();
    prompt.ExpectFile(path)
        .DefaultName(QStringLiteral("Maple House Inventory Report"))
        .DefaultExtension(QStringLiteral("pdf"))
        .PromptOverwrite(true);
    prompt.ExpectMessage(IDYES).TextContains(QStringLiteral("has been created"));
    prompt.ExpectShellOpen().Path(path);
    PrintInventoryReport(nullptr, m_home);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Page 1 of 2")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Page 2 of 2")));
    QVERIFY(text.contains(QStringLiteral("$1,480.00")));
}

QTEST_MAIN(TestInventoryReport)
#include "tst_inventoryreport.moc"
