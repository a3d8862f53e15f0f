#include "CScriptedPrompt.h"
#include "controls/CPropertyPage.h"
#include "controls/CPropertySheet.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A page with one text field that cannot be left empty; it writes what the sheet asks of it to a log.
class CTextPage final : public CPropertyPage
{
public:
    CTextPage(const QString& title, QStringList& log)
        : CPropertyPage(title), m_log(log), m_edit(new QLineEdit(this))
    {
        m_edit->setObjectName(title + QStringLiteral("Edit"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_edit);
    }

    QString m_text = QStringLiteral("filled");
    QLineEdit* Edit() const { return m_edit; }

    void OnSetActive() override
    {
        m_log += QStringLiteral("active ") + GetTitle();
        CPropertyPage::OnSetActive();
    }
    bool OnKillActive() override
    {
        // The page being left is still the one in view while it checks its fields.
        m_log += (isVisible() ? QStringLiteral("leave ") : QStringLiteral("leave unseen ")) + GetTitle();
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { m_log += QStringLiteral("ok ") + GetTitle(); }

protected:
    void OnInitDialog() override { m_log += QStringLiteral("init ") + GetTitle(); }
    bool DoDataExchange(bool save) override
    {
        if (!save) {
            m_edit->setText(m_text);
            return true;
        }
        if (m_edit->text().isEmpty())
            return false;
        m_text = m_edit->text();
        return true;
    }

private:
    QStringList& m_log;
    QLineEdit* m_edit;
};

QTabWidget* Tabs(QDialog& sheet)
{
    return sheet.findChild<QTabWidget*>(QStringLiteral("tabs"));
}

bool FocusIsIn(QDialog& sheet, QWidget* page)
{
    return sheet.focusWidget() != nullptr && page->isAncestorOf(sheet.focusWidget());
}

} // namespace

class TestPropertySheet : public QObject
{
    Q_OBJECT
private slots:
    void showsCaptionPagesAndButtons();
    void startsOnTheChosenPage();
    void refusedPageKeepsTabAndFocus();
    void okAsksEveryShownPageInOrder();
    void cancelTakesNothing();
    void pagesMayDieBeforeOrWithTheSheet();
};

void TestPropertySheet::showsCaptionPagesAndButtons()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    sheet.AddPage(new CTextPage(QStringLiteral("Details"), log));
    sheet.AddPage(new CTextPage(QStringLiteral("Picture"), log));
    sheet.AddPage(new CTextPage(QStringLiteral("Notes"), log));

    QCOMPARE(sheet.windowTitle(), QStringLiteral("Home Profile"));
    QCOMPARE(sheet.GetPageCount(), 3);
    QTabWidget* tabs = Tabs(sheet);
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Details"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Notes"));
    QCOMPARE(sheet.GetPage(1)->GetTitle(), QStringLiteral("Picture"));
    auto* ok = sheet.findChild<QPushButton*>(QStringLiteral("okButton"));
    QVERIFY(ok && sheet.findChild<QPushButton*>(QStringLiteral("cancelButton")));
    QVERIFY(ok->isDefault());
    QVERIFY(log.isEmpty());

    // Tab moves from the page's fields to OK, whatever order the pages came in.
    QCOMPARE(sheet.findChild<QLineEdit*>(QStringLiteral("NotesEdit"))->nextInFocusChain(), ok);
}

void TestPropertySheet::startsOnTheChosenPage()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* details = new CTextPage(QStringLiteral("Details"), log);
    auto* loans = new CTextPage(QStringLiteral("Loans"), log);
    sheet.AddPage(details);
    sheet.AddPage(loans);
    sheet.AddPage(new CTextPage(QStringLiteral("Notes"), log));
    sheet.SetActivePage(loans);

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        QCOMPARE(sheet.GetActivePage(), loans);
        QCOMPARE(Tabs(dialog)->currentWidget(), loans);
        QCOMPARE(loans->Edit()->text(), QStringLiteral("filled"));
        QVERIFY(!details->IsInitialized());
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    QCOMPARE(log, QStringList({QStringLiteral("init Loans"), QStringLiteral("active Loans"),
                               QStringLiteral("leave Loans"), QStringLiteral("ok Loans")}));
}

void TestPropertySheet::refusedPageKeepsTabAndFocus()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Loan Properties"));
    auto* details = new CTextPage(QStringLiteral("Details"), log);
    auto* lender = new CTextPage(QStringLiteral("Lender"), log);
    sheet.AddPage(details);
    sheet.AddPage(lender);

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        QTabWidget* tabs = Tabs(dialog);
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
        details->Edit()->clear();

        ok->setFocus();
        tabs->setCurrentIndex(1);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->currentWidget(), details);
        QVERIFY(FocusIsIn(dialog, details));
        QVERIFY(!lender->IsInitialized());

        // The same through the mouse on the tab bar.
        ok->setFocus();
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(FocusIsIn(dialog, details));

        ok->setFocus();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(FocusIsIn(dialog, details));

        details->Edit()->setText(QStringLiteral("Mortgage"));
        tabs->setCurrentIndex(1);
        QCOMPARE(tabs->currentWidget(), lender);
        QCOMPARE(details->m_text, QStringLiteral("Mortgage"));
        prompt.PressCancel(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    QCOMPARE(log.count(QStringLiteral("leave Details")), 4);
    QCOMPARE(log.count(QStringLiteral("init Lender")), 1);
}

void TestPropertySheet::okAsksEveryShownPageInOrder()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Asset Properties"));
    auto* first = new CTextPage(QStringLiteral("First"), log);
    auto* second = new CTextPage(QStringLiteral("Second"), log);
    sheet.AddPage(first);
    sheet.AddPage(second);
    sheet.AddPage(new CTextPage(QStringLiteral("Never"), log));

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        sheet.SetActivePage(1);
        second->Edit()->setText(QStringLiteral("typed"));
        first->m_text = QStringLiteral("changed behind the field");
        sheet.SetActivePage(0);
        // Shown again, the page puts its members back into its fields.
        QCOMPARE(first->Edit()->text(), QStringLiteral("changed behind the field"));
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    const QStringList expected = {QStringLiteral("init First"),    QStringLiteral("active First"),
                                  QStringLiteral("leave First"),   QStringLiteral("init Second"),
                                  QStringLiteral("active Second"), QStringLiteral("leave Second"),
                                  QStringLiteral("active First"),  QStringLiteral("leave First"),
                                  QStringLiteral("ok First"),      QStringLiteral("ok Second")};
    QCOMPARE(log, expected);
    QCOMPARE(second->m_text, QStringLiteral("typed"));
}

void TestPropertySheet::cancelTakesNothing()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Home Profile"));
    auto* page = new CTextPage(QStringLiteral("Details"), log);
    sheet.AddPage(page);

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        page->Edit()->setText(QStringLiteral("typed, then cancelled"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    QCOMPARE(page->m_text, QStringLiteral("filled"));
    QCOMPARE(log, QStringList({QStringLiteral("init Details"), QStringLiteral("active Details")}));
}

void TestPropertySheet::pagesMayDieBeforeOrWithTheSheet()
{
    QStringList log;
    {
        CPropertySheet sheet(QStringLiteral("Home Profile"));
        CTextPage local(QStringLiteral("Local"), log);
        sheet.AddPage(&local);
        sheet.AddPage(new CTextPage(QStringLiteral("Owned"), log));
        CScriptedPrompt prompt;
        prompt.ExpectModal([&](QDialog& dialog) { prompt.PressOk(dialog); });
        QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
        log.clear();
    }
    {
        CPropertySheet sheet(QStringLiteral("Home Profile"));
        sheet.AddPage(new CTextPage(QStringLiteral("First"), log));
        sheet.AddPage(new CTextPage(QStringLiteral("Second"), log));
        sheet.show();
    }
    QVERIFY(!log.contains(QStringLiteral("leave Local")));
    QVERIFY(!log.contains(QStringLiteral("leave First")));
    QVERIFY(!log.contains(QStringLiteral("active Owned")));
    QVERIFY(!log.contains(QStringLiteral("active Second")));
}

QTEST_MAIN(TestPropertySheet)
#include "tst_propertysheet.moc"
