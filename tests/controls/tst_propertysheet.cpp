// The property sheet (the start page, pages set up when first shown, OK and Cancel) and its shared
// pages: notes, and the picture with its preview, chooser and viewer. The label: its heading size,
// links that underline on hover, clicks and background.

#include "CScriptedPrompt.h"
#include "RecordTestSupport.h"
#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CLabel.h"
#include "controls/CPropertyPage.h"
#include "controls/CPropertySheet.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A page with one text field; it writes what the sheet asks of it to a log.
class CTextPage final : public CPropertyPage
{
public:
    CTextPage(const QString& title, QStringList& log)
        : CPropertyPage(title), m_edit(new QLineEdit(this)), m_log(log)
    {
        (new QVBoxLayout(this))->addWidget(m_edit);
    }

    QLineEdit* const m_edit;
    QString m_text = "filled";

    void OnSetActive() override
    {
        m_log += "active " + GetTitle();
        CPropertyPage::OnSetActive();
    }
    bool OnKillActive() override
    {
        // The page being left is still the one in view while it checks its fields.
        m_log += (isVisible() ? "leave " : "leave unseen ") + GetTitle();
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { m_log += "ok " + GetTitle(); }

protected:
    void OnInitDialog() override { m_log += "init " + GetTitle(); }
    bool DoDataExchange(bool save) override
    {
        if (save)
            m_text = m_edit->text();
        else
            m_edit->setText(m_text);
        return true;
    }

private:
    QStringList& m_log;
};

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

void Hover(QWidget& widget, bool enter)
{
    const QPointF at = widget.mapToGlobal(QPointF(2, 2));
    QEnterEvent entering(QPointF(2, 2), at, at);
    QEvent leaving(QEvent::Leave);
    QApplication::sendEvent(&widget, enter ? static_cast<QEvent*>(&entering) : &leaving);
}

} // namespace

class TestPropertySheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void startPageOkAndCancel()
    {
        QStringList log;
        CPropertySheet sheet("Asset Properties");
        auto* first = new CTextPage("First", log);
        auto* second = new CTextPage("Second", log);
        sheet.AddPage(first);
        sheet.AddPage(second);
        CTextPage never("Never", log); // a page may die before its sheet
        sheet.AddPage(&never);
        sheet.SetActivePage(second);
        auto* ok = Child<QPushButton>(sheet, "okButton");
        QVERIFY(ok->isDefault());
        // Tab moves from the page's fields to OK, whatever order the pages came in.
        QCOMPARE(never.m_edit->nextInFocusChain(), ok);

        CScriptedPrompt prompt;
        prompt.ExpectModal([&](QDialog& dialog) {
            QCOMPARE(sheet.GetActiveIndex(), 1);
            second->m_edit->setText("typed");
            sheet.SetActivePage(0);
            sheet.SetActivePage(1);
            first->m_text = "changed behind the field";
            sheet.SetActivePage(0);
            // Shown again, the page puts its members back into its fields.
            QCOMPARE(first->m_edit->text(), "changed behind the field");
            prompt.PressOk(dialog);
        });
        QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
        QCOMPARE(log, QStringList({"init Second", "active Second", "leave Second", "init First",
                                   "active First", "leave First", "active Second", "leave Second",
                                   "active First", "leave First", "ok First", "ok Second"}));
        QCOMPARE(second->m_text, "typed");

        log.clear();
        prompt.ExpectModal([&](QDialog& dialog) {
            first->m_edit->setText("typed, then cancelled");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
        QCOMPARE(first->m_text, "changed behind the field");
        QCOMPARE(log, QStringList({"active First"}));
    }

    void notesRoundTrip()
    {
        CPropertySheet sheet("Home Profile");
        auto* notes = new CDlgNotes;
        notes->SetNotes("first line\r\nsecond line");
        sheet.AddPage(notes);
        QCOMPARE(notes->GetTitle(), "Notes");

        CScriptedPrompt prompt;
        prompt.ExpectModal([&](QDialog& dialog) {
            QCOMPARE(Child<QPlainTextEdit>(*notes, "notesEdit")->toPlainText(), "first line\nsecond line");
            prompt.PressOk(dialog);
        });
        QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
        // Untouched notes keep their stored line ends; typed ones are stored by the sheets' tests.
        QCOMPARE(notes->GetNotes(), "first line\r\nsecond line");
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    }

    // The preview keeps to the page: a picture too wide or too tall is cut 3 pixels from its edge.
    void pictureBrowsedPreviewedAndViewed()
    {
        const QString kept = SavePicture(m_dir, "kept.png", 80, 60);
        CPropertySheet sheet("Home Profile");
        auto* page = new CDlgPicture;
        page->SetPath(kept);
        sheet.AddPage(page);
        sheet.show();
        QVERIFY(page->HasPicture());
        const int W = page->width();
        const int H = page->height();
        QVERIFY(W > 100 && H > 100);

        CScriptedPrompt prompt;
        prompt.ExpectFile(QString());
        page->Browse();
        QCOMPARE(Child<QLineEdit>(*page, "pathEdit")->text(), kept);
        QCOMPARE(page->GetPreviewRect().bottom, 60);
        prompt.ExpectShellOpen().Path(kept);
        QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);

        struct Case
        {
            const char* name;
            int w, h, right, bottom;
        };
        const Case cases[] = {{"wide.png", 2 * W, 40, W - 3, 40},
                              {"tall.bmp", 50, 3 * H, 50, H - 3},
                              {"edge.jpg", 60, H - 30, 60, H - 30},
                              {"over.png", 60, H - 29, 60, H - 3}};
        for (const Case& c : cases) {
            const QString path = SavePicture(m_dir, c.name, c.w, c.h);
            prompt.ExpectFile(path)
                .Filter("Image Files (*.gif;*.jpg;*.jpeg;*.bmp;*.png)|*.gif;*.jpg;*.jpeg;*.bmp;*.png|")
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

        // A file without a picture shows nothing but still opens.
        const QString text = m_dir.filePath("letter.jpg");
        QVERIFY(WriteBytes(text, "Dear neighbour, this is no picture."));
        prompt.ExpectFile(text);
        page->Browse();
        QVERIFY(!page->HasPicture());
        QVERIFY(!RedAt(*page, 10, 40));
        prompt.ExpectShellOpen().Path(text);
        page->View();

        Child<QLineEdit>(*page, "pathEdit")->clear();
        prompt.ExpectMessage(IDOK)
            .Text("Please select a picture first.")
            .Caption("View Picture")
            .Icon(MessageIcon::Exclamation);
        QTest::mouseClick(Child<QPushButton>(*page, "viewButton"), Qt::LeftButton);
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    }

    void headingSizedToTextOnTwoLines()
    {
        CLabel heading(7, "Short\r\nA much longer second line");
        CLabel::ApplyHeadingStyle(heading);
        QCOMPARE(heading.palette().color(QPalette::WindowText), QColor(55, 96, 157));
        QVERIFY(heading.font().bold());
        heading.SizeToText();
        const QFontMetrics metrics(heading.font());
        QCOMPARE(heading.contentsRect().width(), metrics.horizontalAdvance("A much longer second line"));
        QCOMPARE(heading.contentsRect().height(), 2 * (metrics.height() + metrics.leading()));
    }

    void hoverUnderlinesOnlyLinks()
    {
        CLabel plain(1, "Plain");
        Hover(plain, true);
        QVERIFY(!plain.font().underline());

        // The leave takes the underline away even from a label styled as a link.
        CLabel link(2, "Link");
        CLabel::ApplyLinkStyle(link);
        link.SetLink(true);
        Hover(link, true);
        QVERIFY(link.font().underline());
        Hover(link, false);
        QVERIFY(!link.font().underline());
    }

    void clickAndBackground()
    {
        CLabel label(1012, "Home Inventory");
        label.resize(120, 30);
        QSignalSpy clicked(&label, &CLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 1012);
        QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);

        label.SetBkColor(QColor(0, 200, 0));
        QCOMPARE(label.grab().toImage().pixelColor(118, 28), QColor(0, 200, 0));
    }

    void backgroundFollowsItsWindowUntilSet()
    {
        QWidget window;
        window.resize(200, 60);
        auto* label = new CLabel(1, "Please select a home...", &window);
        CLabel::ApplyHeadingStyle(*label);
        label->resize(180, 30);
        // The window's background is set after the label took its looks, as the main frame does.
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, QColor(234, 239, 244));
        window.setPalette(colours);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(label->GetBkColor(), QColor(234, 239, 244));
        QCOMPARE(label->grab().toImage().pixelColor(178, 28), QColor(234, 239, 244));

        label->SetBkColor(Qt::white);
        colours.setColor(QPalette::Window, Qt::black);
        window.setPalette(colours);
        QCOMPARE(label->grab().toImage().pixelColor(178, 28), QColor(Qt::white));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPropertySheet)
#include "tst_propertysheet.moc"
