// The property sheet: the start page, pages set up when first shown, OK and Cancel. A refused page
// keeping its tab and focus runs through the home, loan and asset sheets.

#include "CScriptedPrompt.h"
#include "controls/CPropertyPage.h"
#include "controls/CPropertySheet.h"

#include <QLineEdit>
#include <QPushButton>
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
        (new QVBoxLayout(this))->addWidget(m_edit);
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
        if (!save)
            m_edit->setText(m_text);
        else if (m_edit->text().isEmpty())
            return false;
        else
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

} // namespace

class TestPropertySheet : public QObject
{
    Q_OBJECT
private slots:
    void startPageOkAndCancel();
};

void TestPropertySheet::startPageOkAndCancel()
{
    QStringList log;
    CPropertySheet sheet(QStringLiteral("Asset Properties"));
    auto* first = new CTextPage(QStringLiteral("First"), log);
    auto* second = new CTextPage(QStringLiteral("Second"), log);
    sheet.AddPage(first);
    sheet.AddPage(second);
    CTextPage never(QStringLiteral("Never"), log); // a page may die before its sheet
    sheet.AddPage(&never);
    sheet.SetActivePage(second);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Asset Properties"));
    QCOMPARE(Tabs(sheet)->tabText(2), QStringLiteral("Never"));
    auto* ok = sheet.findChild<QPushButton*>(QStringLiteral("okButton"));
    QVERIFY(ok->isDefault() && sheet.findChild<QPushButton*>(QStringLiteral("cancelButton")));
    // Tab moves from the page's fields to OK, whatever order the pages came in.
    QCOMPARE(never.Edit()->nextInFocusChain(), ok);

    CScriptedPrompt prompt;
    prompt.ExpectModal([&](QDialog& dialog) {
        QCOMPARE(Tabs(dialog)->currentWidget(), second);
        QVERIFY(!first->IsInitialized());
        second->Edit()->setText(QStringLiteral("typed"));
        sheet.SetActivePage(0);
        sheet.SetActivePage(1);
        first->m_text = QStringLiteral("changed behind the field");
        sheet.SetActivePage(0);
        // Shown again, the page puts its members back into its fields.
        QCOMPARE(first->Edit()->text(), QStringLiteral("changed behind the field"));
        prompt.PressOk(dialog);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Accepted));
    QCOMPARE(log, QStringList({"init Second", "active Second", "leave Second", "init First", "active First",
                               "leave First", "active Second", "leave Second", "active First", "leave First",
                               "ok First", "ok Second"}));
    QCOMPARE(second->m_text, QStringLiteral("typed"));

    log.clear();
    prompt.ExpectModal([&](QDialog& dialog) {
        first->Edit()->setText(QStringLiteral("typed, then cancelled"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(sheet.DoModal(), int(QDialog::Rejected));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    QCOMPARE(first->m_text, QStringLiteral("changed behind the field"));
    QCOMPARE(log, QStringList({"active First"}));
}

QTEST_MAIN(TestPropertySheet)
#include "tst_propertysheet.moc"
