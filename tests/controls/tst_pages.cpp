#include "CScriptedPrompt.h"
#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CPropertySheet.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFilter =
    QStringLiteral("Image Files (*.gif;*.jpg;*.jpeg;*.bmp;*.png)|*.gif;*.jpg;*.jpeg;*.bmp;*.png|");

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
    void browseCancelledChangesNothing();
    void typedPathWaitsForBrowse();
    void fileWithoutPictureShowsNothingButOpens();
    void viewWithoutPathAsksForOne();

private:
    QTemporaryDir m_dir;
};

void TestPages::notesRoundTrip()
{
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* notes = new CDlgNotes;
    notes->SetNotes(QStringLiteral("first line\r\nsecond line"));
    sheet.AddPage(notes);
    QCOMPARE(sheet.GetPage(0)->GetTitle(), QStringLiteral("Notes"));

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        auto* edit = Child<QPlainTextEdit>(*notes, "notesEdit");
        auto* label = Child<QLabel>(*notes, "notesLabel");
        QCOMPARE(label->text(), QStringLiteral("Additional Details and &Notes:"));
        QCOMPARE(label->buddy(), edit);
        QVERIFY(label->font().bold());
        QCOMPARE(edit->toPlainText(), QStringLiteral("first line\nsecond line"));
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    // Untouched notes keep their stored line ends.
    QCOMPARE(notes->GetNotes(), QStringLiteral("first line\r\nsecond line"));

    prompt.ExpectModal([&](QDialog& dialog) {
        auto* edit = Child<QPlainTextEdit>(*notes, "notesEdit");
        edit->setFocus();
        edit->moveCursor(QTextCursor::End);
        QTest::keyClicks(edit, QStringLiteral("!"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("third"));
        QVERIFY(dialog.isVisible());
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    QCOMPARE(notes->GetNotes(), QStringLiteral("first line\nsecond line!\nthird"));

    prompt.ExpectModal([&](QDialog& dialog) {
        Child<QPlainTextEdit>(*notes, "notesEdit")->setPlainText(QStringLiteral("thrown away"));
        prompt.PressCancel(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
    QCOMPARE(notes->GetNotes(), QStringLiteral("first line\nsecond line!\nthird"));

    QFont font(QStringLiteral("Serif"));
    font.setBold(true);
    font.setPointSize(17);
    notes->SetLabelFont(font);
    QCOMPARE(Child<QLabel>(*notes, "notesLabel")->font().pointSize(), 17);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::previewRectangleFollowsThePictureSize()
{
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CDlgPicture;
    sheet.AddPage(page);
    sheet.show();
    QVERIFY(!page->HasPicture());
    const int W = page->width();
    const int H = page->height();
    QVERIFY(W > 100 && H > 100);

    CScriptedPrompt prompt;
    struct Case
    {
        const char* name;
        int w, h, right, bottom;
    };
    const Case cases[] = {
        {"wide.png", 2 * W, 40, W - 3, 40},  {"tall.bmp", 50, 3 * H, 50, H - 3},
        {"small.jpg", 60, 45, 60, 45},       {"edge.png", 60, H - 30, 60, H - 30},
        {"over.png", 60, H - 29, 60, H - 3},
    };
    for (const Case& c : cases) {
        const QString path = SavePicture(m_dir, QLatin1String(c.name), c.w, c.h);
        prompt.ExpectFile(path).Filter(kFilter).Save(false).Owner(page);
        QTest::mouseClick(Child<QPushButton>(*page, "browseButton"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(*page, "pathEdit")->text(), path);
        QVERIFY2(page->HasPicture(), c.name);
        const CDlgPicture::PreviewRect r = page->GetPreviewRect();
        QCOMPARE(r.left, 3);
        QCOMPARE(r.top, 33);
        QCOMPARE(r.right, c.right);
        QCOMPARE(r.bottom, c.bottom);
    }
    // The last picture (red) is painted into its rectangle and nowhere else.
    QVERIFY(RedAt(*page, 10, 40));
    QVERIFY(RedAt(*page, 55, H - 5));
    QVERIFY(!RedAt(*page, 70, 40));
    QVERIFY(!RedAt(*page, 1, 40));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::browseCancelledChangesNothing()
{
    const QString path = SavePicture(m_dir, QStringLiteral("kept.png"), 80, 60);
    CPropertySheet sheet(QStringLiteral("Asset Properties"));
    auto* page = new CDlgPicture;
    page->SetPath(path);
    sheet.AddPage(page);
    sheet.show();
    QVERIFY(page->HasPicture());
    QCOMPARE(page->GetPreviewRect().right, 80);

    CScriptedPrompt prompt;
    prompt.ExpectFile(QString());
    page->Browse();
    QCOMPARE(Child<QLineEdit>(*page, "pathEdit")->text(), path);
    QVERIFY(page->HasPicture());
    QCOMPARE(page->GetPreviewRect().bottom, 60);

    prompt.ExpectShellOpen().Path(path);
    QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::typedPathWaitsForBrowse()
{
    const QString shown = SavePicture(m_dir, QStringLiteral("shown.png"), 70, 50);
    const QString typed = SavePicture(m_dir, QStringLiteral("typed.png"), 90, 20);
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CDlgPicture;
    page->SetPath(shown);
    sheet.AddPage(page);

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        auto* edit = Child<QLineEdit>(*page, "pathEdit");
        QCOMPARE(edit->text(), shown);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(page->GetPreviewRect().right, 70);
        QCOMPARE(page->GetPreviewRect().bottom, 50);
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    QCOMPARE(page->GetPath(), typed);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

void TestPages::fileWithoutPictureShowsNothingButOpens()
{
    const QString picture = SavePicture(m_dir, QStringLiteral("before.png"), 70, 50);
    const QString text = m_dir.filePath(QStringLiteral("letter.jpg"));
    {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Dear neighbour, this is no picture.");
    }
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CDlgPicture;
    page->SetPath(picture);
    sheet.AddPage(page);
    sheet.show();
    QVERIFY(RedAt(*page, 10, 40));

    CScriptedPrompt prompt;
    prompt.ExpectFile(text);
    page->Browse();
    QVERIFY(!page->HasPicture());
    QVERIFY(!RedAt(*page, 10, 40));

    prompt.ExpectShellOpen().Path(text);
    page->View();
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));

    CPropertySheet other(QStringLiteral("Home Profile"));
    auto* fresh = new CDlgPicture;
    fresh->SetPath(text);
    other.AddPage(fresh);
    other.show();
    QVERIFY(!fresh->HasPicture());
}

void TestPages::viewWithoutPathAsksForOne()
{
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CDlgPicture;
    sheet.AddPage(page);
    QCOMPARE(page->GetTitle(), QStringLiteral("Picture"));
    sheet.show();

    CScriptedPrompt prompt;
    prompt.ExpectMessage(IDOK)
        .Text(QStringLiteral("Please select a picture first."))
        .Caption(QStringLiteral("View Picture"))
        .Icon(MessageIcon::Exclamation);
    QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
