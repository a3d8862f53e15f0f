// The "Home Profile" sheet: its page sets, what OK and Cancel store, the description check, and the
// Loans page with its list, total and New / Edit / Remove, driven through the prompt seam.

#include "CScriptedPrompt.h"
#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CPropertySheet.h"
#include "data/Formatting.h"
#include "records/CHome.h"
#include "records/CLoan.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Hearthstead");

QStringList TabTitles(QDialog& dialog)
{
    QStringList titles;
    if (auto* tabs = Child<QTabWidget>(dialog, "tabs")) {
        for (int i = 0; i < tabs->count(); ++i)
            titles += tabs->tabText(i);
    }
    return titles;
}

QString CurrentTab(QDialog& dialog)
{
    auto* tabs = Child<QTabWidget>(dialog, "tabs");
    return tabs ? tabs->tabText(tabs->currentIndex()) : QString();
}

// The rows of the loan list as "text | amount".
QStringList ListRows(const CAutoListCtrl& list)
{
    QStringList rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows += list.GetItemText(row, 0) + QStringLiteral(" | ") + list.GetItemText(row, 1);
    return rows;
}

long AddLoan(long homeId, const QString& description, const QString& lender, float principal,
             short equityFlag)
{
    CLoan loan;
    loan.SetHomeId(homeId);
    loan.SetDescription(description);
    loan.SetLenderName(lender);
    loan.SetPrincipal(principal);
    loan.SetEquityFlag(equityFlag);
    return loan.Save() ? loan.GetId() : -1;
}

} // namespace

class TestHomeSheet final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newHomeHasThreePagesAndCancelStoresNothing();
    void storedHomeHasFourPagesAndMayStartOnLoans();
    void okStoresEveryPage();
    void descriptionAndValueAreChecked();
    void loansListedLargestFirstWithTheEquityTotal();
    void loansAddedEditedAndRemovedAtOnce();

private:
    long StoredHome(const QString& description);
    // Runs the home's sheet with the handler; returns what EditProperties returned.
    bool RunSheet(CHome& home, bool startOnLoans, const std::function<void(QDialog&)>& handler);
    // Scripts the loan sheet a Loans page button opens.
    CScriptedPrompt::Step& ExpectLoanSheet(const std::function<void(QDialog&)>& handler);

    std::unique_ptr<CTestDataDir> m_dir;
    std::unique_ptr<CScriptedPrompt> m_prompt;
};

void TestHomeSheet::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
    m_prompt = std::make_unique<CScriptedPrompt>();
}

void TestHomeSheet::cleanup()
{
    const bool verified = m_prompt->Verify();
    const QString problems = m_prompt->Problems();
    m_prompt.reset();
    m_dir.reset();
    QVERIFY2(verified, qPrintable(problems));
}

long TestHomeSheet::StoredHome(const QString& description)
{
    CHome home;
    home.SetDescription(description);
    return home.Save() ? home.GetId() : -1;
}

bool TestHomeSheet::RunSheet(CHome& home, bool startOnLoans, const std::function<void(QDialog&)>& handler)
{
    m_prompt->ExpectModal(handler).Caption(QStringLiteral("Home Profile"));
    return home.EditProperties(startOnLoans, nullptr);
}

CScriptedPrompt::Step& TestHomeSheet::ExpectLoanSheet(const std::function<void(QDialog&)>& handler)
{
    return m_prompt->ExpectModal(handler).Caption(QStringLiteral("Loan Properties"));
}

void TestHomeSheet::newHomeHasThreePagesAndCancelStoresNothing()
{
    const long nextId = StoredNextId(QStringLiteral("Homes"));
    CHome home;
    QVERIFY(!RunSheet(home, true, [this](QDialog& dialog) {
        QCOMPARE(TabTitles(dialog), QStringList({QStringLiteral("Details"), QStringLiteral("Picture"),
                                                 QStringLiteral("Notes")}));
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Details"));
        Child<QLineEdit>(dialog, "homeDescription")->setText(QStringLiteral("Never stored"));
        m_prompt->PressCancel(dialog);
    }));
    QCOMPARE(home.GetId(), -1L);
    QVERIFY(home.GetDescription().isEmpty());
    QCOMPARE(RowCount(QStringLiteral("Homes")), 0L);
    QCOMPARE(StoredNextId(QStringLiteral("Homes")), nextId);
}

void TestHomeSheet::storedHomeHasFourPagesAndMayStartOnLoans()
{
    CHome home;
    home.SetId(StoredHome(QStringLiteral("Cottage")));
    QVERIFY(home.Load());
    const QStringList fourPages = {QStringLiteral("Details"), QStringLiteral("Loans"),
                                   QStringLiteral("Picture"), QStringLiteral("Notes")};
    QVERIFY(!RunSheet(home, false, [&](QDialog& dialog) {
        QCOMPARE(TabTitles(dialog), fourPages);
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Details"));
        m_prompt->PressCancel(dialog);
    }));
    QVERIFY(!RunSheet(home, true, [&](QDialog& dialog) {
        QCOMPARE(TabTitles(dialog), fourPages);
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Loans"));
        QVERIFY(Child<CAutoListCtrl>(dialog, "loanList")->isVisible());
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(0);
        Child<QLineEdit>(dialog, "homeDescription")->setText(QStringLiteral("Renamed"));
        m_prompt->PressCancel(dialog);
    }));
    QVERIFY(home.Load());
    QCOMPARE(home.GetDescription(), QStringLiteral("Cottage"));
}

void TestHomeSheet::okStoresEveryPage()
{
    const long nextId = StoredNextId(QStringLiteral("Homes"));
    CHome home;
    QVERIFY(RunSheet(home, false, [this](QDialog& dialog) {
        auto* description = Child<QLineEdit>(dialog, "homeDescription");
        auto* value = Child<QLineEdit>(dialog, "homeValue");
        auto* address = Child<QPlainTextEdit>(dialog, "homeAddress");
        QVERIFY(description && value && address);
        QCOMPARE(value->text(), QStringLiteral("0"));
        auto* example = Child<QLabel>(dialog, "homeExample");
        QCOMPARE(example->text(), QStringLiteral("(e.g: my summer home)"));
        QCOMPARE(example->palette().color(QPalette::WindowText), QColor(55, 96, 157));
        // Each caption's letter leads to its field.
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("&Description:"))
                QCOMPARE(label->buddy(), description);
            if (label->text() == QStringLiteral("Curr. &Value:"))
                QCOMPARE(label->buddy(), value);
            if (label->text() == QStringLiteral("&Address:"))
                QCOMPARE(label->buddy(), address);
        }
        QCOMPARE(description->nextInFocusChain(), value);

        description->setText(QStringLiteral("my summer home"));
        value->setText(QStringLiteral("250000.5"));
        address->setPlainText(QStringLiteral("1 Lake Road\nPine Bay"));
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(1);
        Child<QLineEdit>(dialog, "pathEdit")->setText(QStringLiteral("/pictures/lake.jpg"));
        Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
        Child<QPlainTextEdit>(dialog, "notesEdit")->setPlainText(QStringLiteral("Roof redone 2019"));
        m_prompt->PressOk(dialog);
    }));
    QCOMPARE(home.GetId(), nextId);
    CHome stored;
    stored.SetId(nextId);
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetDescription(), QStringLiteral("my summer home"));
    QCOMPARE(stored.GetCurrentValue(), 250000.5f);
    QCOMPARE(stored.GetAddress(), QStringLiteral("1 Lake Road\nPine Bay"));
    QCOMPARE(stored.GetPicture(), QStringLiteral("/pictures/lake.jpg"));
    QCOMPARE(stored.GetNotes(), QStringLiteral("Roof redone 2019"));

    // Shown and saved again untouched, the value and an address with Windows line ends keep exactly.
    stored.SetAddress(QStringLiteral("2 Hill Street\r\nHarbor Town"));
    QVERIFY(stored.Save());
    QVERIFY(RunSheet(stored, false, [this](QDialog& dialog) {
        QCOMPARE(Child<QLineEdit>(dialog, "homeValue")->text(), QStringLiteral("250000.50"));
        m_prompt->PressOk(dialog);
    }));
    QVERIFY(home.Load());
    QCOMPARE(home.GetAddress(), QStringLiteral("2 Hill Street\r\nHarbor Town"));
    QCOMPARE(home.GetCurrentValue(), 250000.5f);
    QCOMPARE(StoredNextId(QStringLiteral("Homes")), nextId + 1);
}

void TestHomeSheet::descriptionAndValueAreChecked()
{
    CHome home;
    QVERIFY(RunSheet(home, false, [this](QDialog& dialog) {
        auto* description = Child<QLineEdit>(dialog, "homeDescription");
        auto* value = Child<QLineEdit>(dialog, "homeValue");
        auto* tabs = Child<QTabWidget>(dialog, "tabs");
        m_prompt->ExpectMessage(IDOK)
            .Text(QStringLiteral("Please enter a description for this home."))
            .Caption(kCaption)
            .Icon(MessageIcon::Information);
        m_prompt->PressOk(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Details"));
        QCOMPARE(dialog.focusWidget(), description);

        m_prompt->ExpectMessage(IDOK).Text(QStringLiteral("Please enter a description for this home."));
        tabs->setCurrentIndex(2);
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Details"));

        description->setText(QStringLiteral("Town house"));
        value->setText(QStringLiteral("a lot"));
        m_prompt->ExpectMessage(IDOK)
            .Text(QStringLiteral("Please enter a number."))
            .Caption(kCaption)
            .Icon(MessageIcon::Information);
        tabs->setCurrentIndex(2);
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Details"));
        QCOMPARE(dialog.focusWidget(), value);

        value->setText(QStringLiteral("199999"));
        tabs->setCurrentIndex(2);
        QCOMPARE(CurrentTab(dialog), QStringLiteral("Notes"));
        m_prompt->PressOk(dialog);
    }));
    QCOMPARE(home.GetDescription(), QStringLiteral("Town house"));
    QCOMPARE(home.GetCurrentValue(), 199999.0f);
}

void TestHomeSheet::loansListedLargestFirstWithTheEquityTotal()
{
    const long homeId = StoredHome(QStringLiteral("Cottage"));
    const long otherId = StoredHome(QStringLiteral("Flat"));
    QVERIFY(AddLoan(homeId, QStringLiteral("Car loan"), QString(), 5000.0f, 0) > 0);
    QVERIFY(AddLoan(homeId, QStringLiteral("Mortgage"), QStringLiteral("First Bank"), 100000.0f, 1) > 0);
    QVERIFY(AddLoan(homeId, QStringLiteral("Mortgage"), QString(), 20000.25f, 1) > 0);
    QVERIFY(AddLoan(otherId, QStringLiteral("Elsewhere"), QString(), 999999.0f, 1) > 0);

    CHome home;
    home.SetId(homeId);
    QVERIFY(home.Load());
    RunSheet(home, true, [this](QDialog& dialog) {
        auto* list = Child<CAutoListCtrl>(dialog, "loanList");
        QVERIFY(list);
        QCOMPARE(list->GetColumnCount(), 2);
        QCOMPARE(list->GetColumnText(0), QStringLiteral("Loan"));
        QCOMPARE(list->GetColumnText(1), QStringLiteral("Amount"));
        QCOMPARE(list->GetHeaderWidth(0), 140);
        QCOMPARE(list->GetHeaderWidth(1), 60);
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                 int(Qt::AlignRight));
        QCOMPARE(list->GetExtendedStyle() & LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        QCOMPARE(ListRows(*list),
                 QStringList({QStringLiteral("Mortgage (First Bank) | ") + FormatMoney(100000.0f),
                              QStringLiteral("Mortgage | ") + FormatMoney(20000.25f),
                              QStringLiteral("Car loan | ") + FormatMoney(5000.0f)}));
        QCOMPARE(list->GetCurSel(), 0);
        // The car loan does not count against the home.
        QCOMPARE(Child<QLabel>(dialog, "liabilityTotal")->text(), FormatMoney(120000.25f));
        QVERIFY(Child<QPushButton>(dialog, "editLoanButton")->isEnabled());
        QVERIFY(Child<QPushButton>(dialog, "removeLoanButton")->isEnabled());
        m_prompt->PressCancel(dialog);
    });

    CHome empty;
    empty.SetId(StoredHome(QStringLiteral("Empty lot")));
    RunSheet(empty, true, [this](QDialog& dialog) {
        QCOMPARE(Child<CAutoListCtrl>(dialog, "loanList")->GetItemCount(), 0);
        QCOMPARE(Child<QLabel>(dialog, "liabilityTotal")->text(), FormatMoney(0.0f));
        QVERIFY(Child<QPushButton>(dialog, "newLoanButton")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "editLoanButton")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "removeLoanButton")->isEnabled());
        m_prompt->PressCancel(dialog);
    });
}

void TestHomeSheet::loansAddedEditedAndRemovedAtOnce()
{
    const long homeId = StoredHome(QStringLiteral("Cottage"));
    QVERIFY(AddLoan(homeId, QStringLiteral("Car loan"), QString(), 5000.0f, 0) > 0);
    CHome home;
    home.SetId(homeId);
    QVERIFY(home.Load());
    QVERIFY(!RunSheet(home, true, [&](QDialog& dialog) {
        auto* list = Child<CAutoListCtrl>(dialog, "loanList");
        auto* total = Child<QLabel>(dialog, "liabilityTotal");
        QWidget* page = dialog.findChild<QWidget*>(QStringLiteral("homeLoansPage"));

        // New: a loan of this home, shown as soon as its own sheet is closed with OK.
        ExpectLoanSheet([this](QDialog& loanSheet) {
            Child<QLineEdit>(loanSheet, "loanDescription")->setText(QStringLiteral("Mortgage"));
            Child<QLineEdit>(loanSheet, "loanPrincipal")->setText(QStringLiteral("100000"));
            m_prompt->PressOk(loanSheet);
        }).Owner(page);
        m_prompt->PressButton(dialog, QStringLiteral("&New"));
        QCOMPARE(ListRows(*list), QStringList({QStringLiteral("Mortgage | ") + FormatMoney(100000.0f),
                                               QStringLiteral("Car loan | ") + FormatMoney(5000.0f)}));
        QCOMPARE(total->text(), FormatMoney(100000.0f));

        // A cancelled new loan changes nothing.
        ExpectLoanSheet([this](QDialog& loanSheet) { m_prompt->PressCancel(loanSheet); });
        m_prompt->PressButton(dialog, QStringLiteral("&New"));
        QCOMPARE(list->GetItemCount(), 2);

        // Edit the selected loan; the selection stays on its row.
        list->SetCurSel(1);
        ExpectLoanSheet([this](QDialog& loanSheet) {
            QCOMPARE(Child<QLineEdit>(loanSheet, "loanDescription")->text(), QStringLiteral("Car loan"));
            Child<QTabWidget>(loanSheet, "tabs")->setCurrentIndex(1);
            Child<QLineEdit>(loanSheet, "lenderName")->setText(QStringLiteral("Auto Credit"));
            m_prompt->PressOk(loanSheet);
        });
        m_prompt->PressButton(dialog, QStringLiteral("&Edit"));
        QCOMPARE(list->GetItemText(1, 0), QStringLiteral("Car loan (Auto Credit)"));
        QCOMPARE(list->GetCurSel(), 1);

        // Remove asks first; No keeps the loan.
        m_prompt->ExpectMessage(IDNO)
            .TextId(32830)
            .Caption(kCaption)
            .Icon(MessageIcon::Exclamation)
            .Buttons(MessageButtons::YesNo);
        m_prompt->PressButton(dialog, QStringLiteral("&Remove"));
        QCOMPARE(list->GetItemCount(), 2);
        m_prompt->ExpectMessage(IDYES).TextId(32830);
        m_prompt->PressButton(dialog, QStringLiteral("&Remove"));
        QCOMPARE(ListRows(*list), QStringList({QStringLiteral("Mortgage | ") + FormatMoney(100000.0f)}));
        QCOMPARE(list->GetCurSel(), 0);

        m_prompt->ExpectMessage(IDYES).TextId(32830);
        m_prompt->PressButton(dialog, QStringLiteral("&Remove"));
        QCOMPARE(list->GetItemCount(), 0);
        QCOMPARE(total->text(), FormatMoney(0.0f));
        QVERIFY(!Child<QPushButton>(dialog, "editLoanButton")->isEnabled());

        ExpectLoanSheet([this](QDialog& loanSheet) {
            Child<QLineEdit>(loanSheet, "loanDescription")->setText(QStringLiteral("HELOC"));
            m_prompt->PressOk(loanSheet);
        });
        m_prompt->PressButton(dialog, QStringLiteral("&New"));
        m_prompt->PressCancel(dialog);
    }));
    // Loans were saved by their own sheets and stay though the home's sheet was cancelled.
    QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE AssetId=%1").arg(homeId)), 1L);
    QCOMPARE(RowCount(QStringLiteral("Loans"), QStringLiteral("WHERE Description='HELOC'")), 1L);
}

QTEST_MAIN(TestHomeSheet)
#include "tst_homesheet.moc"
