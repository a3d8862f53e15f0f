#include "CScriptedPrompt.h"
#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CPropertySheet.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T> T* Child(QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name));
}

QString SavePicture(const QTemporaryDir& dir, const QString& name, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

bool RedAt(QWidget& page, int x, int y)
{
    return page.grab().toImage().pixelColor(x, y) == QColor(Qt::red);
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void notesRoundTrip();
    void previewRectangleFollowsThePictureSize();
    void browseAndView();

private:
    QTemporaryDir m_dir;
};

void TestPages::notesRoundTrip()
{
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* notes = new CDlgNotes;
    notes->SetNotes(QStringLiteral("first line\r\nsecond line"));
    sheet.AddPage(notes);
    QCOMPARE(notes->GetTitle(), QStringLiteral("Notes"));

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        auto* edit = Child<QPlainTextEdit>(*notes, "notesEdit");
        QCOMPARE(edit->toPlainText(), QStringLiteral("first line\nsecond line"));
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    // Untouched notes keep their stored line ends; typed ones are stored by the sheets' tests.
    QCOMPARE(notes->GetNotes(), QStringLiteral("first line\r\nsecond line"));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::previewRectangleFollowsThePictureSize()
{
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CDlgPicture;
    sheet.AddPage(page);
    sheet.show();
    const int W = page->width();
    const int H = page->height();
    QVERIFY(W > 100 && H > 100);

    struct Case
    {
        const char* name;
        int w, h, right, bottom;
    };
    const Case cases[] = {{"wide.png", 2 * W, 40, W - 3, 40},
                          {"tall.bmp", 50, 3 * H, 50, H - 3},
                          {"edge.jpg", 60, H - 30, 60, H - 30},
                          {"over.png", 60, H - 29, 60, H - 3}};
    CScriptedPrompt prompt;
    for (const Case& c : cases) {
        const QString path = SavePicture(m_dir, QLatin1String(c.name), c.w, c.h);
        prompt.ExpectFile(path)
            .Filter(QStringLiteral(
                "Image Files (*.gif;*.jpg;*.jpeg;*.bmp;*.png)|*.gif;*.jpg;*.jpeg;*.bmp;*.png|"))
            .Save(false)
            .Owner(page);
        QTest::mouseClick(Child<QPushButton>(*page, "browseButton"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(*page, "pathEdit")->text(), path);
        const CDlgPicture::PreviewRect r = page->GetPreviewRect();
        QCOMPARE(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)),
                 QRect(QPoint(3, 33), QPoint(c.right, c.bottom)));
    }
    // The last picture (red) is painted into its rectangle and nowhere else.
    QVERIFY(RedAt(*page, 10, 40));
    QVERIFY(RedAt(*page, 55, H - 5));
    QVERIFY(!RedAt(*page, 70, 40));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::browseAndView()
{
    const QString path = SavePicture(m_dir, QStringLiteral("kept.png"), 80, 60);
    const QString text = m_dir.filePath(QStringLiteral("letter.jpg"));
    QFile letter(text);
    QVERIFY(letter.open(QIODevice::WriteOnly) && letter.write("Dear neighbour, this is no picture.") > 0);
    letter.close();
    CPropertySheet sheet(QStringLiteral("Asset Properties"));
    auto* page = new CDlgPicture;
    page->SetPath(path);
    sheet.AddPage(page);
    sheet.show();
    QVERIFY(page->HasPicture());

    CScriptedPrompt prompt;
    prompt.ExpectFile(QString());
    page->Browse();
    QCOMPARE(Child<QLineEdit>(*page, "pathEdit")->text(), path);
    QCOMPARE(page->GetPreviewRect().bottom, 60);
    prompt.ExpectShellOpen().Path(path);
    QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);
    QVERIFY(RedAt(*page, 10, 40));

    // A file without a picture shows nothing but still opens.
    prompt.ExpectFile(text);
    page->Browse();
    QVERIFY(!page->HasPicture());
    QVERIFY(!RedAt(*page, 10, 40));
    prompt.ExpectShellOpen().Path(text);
    page->View();

    Child<QLineEdit>(*page, "pathEdit")->clear();
    prompt.ExpectMessage(IDOK)
        .Text(QStringLiteral("Please select a picture first."))
        .Caption(QStringLiteral("View Picture"))
        .Icon(MessageIcon::Exclamation);
    QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
