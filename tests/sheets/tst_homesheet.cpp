// The "Home Profile" sheet: its page sets, what OK and Cancel store, the description check, and the
// Loans page with its list, total and New / Edit / Remove, driven through the prompt seam.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "data/Formatting.h"
#include "records/CLoan.h"
#include "records/sheets/HomeProperties.h"
#include "res/StringIds.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

namespace {

const QString kCaption = "Hearthstead";

QStringList TabTitles(QDialog& dialog)
{
    QStringList titles;
    auto* tabs = Child<QTabWidget>(dialog, "tabs");
    for (int i = 0; i < tabs->count(); ++i)
        titles += tabs->tabText(i);
    return titles;
}

QString CurrentTab(QDialog& dialog)
{
    auto* tabs = Child<QTabWidget>(dialog, "tabs");
    return tabs->tabText(tabs->currentIndex());
}

// The rows of the loan list as "text | amount".
QStringList ListRows(QDialog& dialog)
{
    auto* list = Child<CAutoListCtrl>(dialog, "loanList");
    QStringList rows = ListTexts(*list);
    for (int row = 0; row < rows.size(); ++row)
        rows[row] += " | " + list->GetItemText(row, 1);
    return rows;
}

QString Total(QDialog& dialog)
{
    return Child<QLabel>(dialog, "liabilityTotal")->text();
}

void AddLoan(long homeId, const QString& description, const QString& lender, float principal, short equity)
{
    CLoan loan;
    loan.SetHomeId(homeId);
    loan.SetDescription(description);
    loan.SetLenderName(lender);
    loan.SetPrincipal(principal);
    loan.SetEquityFlag(equity);
    QVERIFY(loan.Save());
}

} // namespace

class TestHomeSheet final : public CSessionTest
{
    Q_OBJECT

private slots:
    // A new home has no Loans page; its description and value keep the user on Details, and Cancel
    // stores nothing.
    void pageSetsChecksAndCancel()
    {
        const long nextId = StoredNextId("Homes");
        CHome home;
        QVERIFY(!RunSheet(home, true, [this](QDialog& dialog) {
            QCOMPARE(TabTitles(dialog), QStringList({"Details", "Picture", "Notes"}));
            QCOMPARE(CurrentTab(dialog), "Details");
            auto* description = Child<QLineEdit>(dialog, "homeDescription");
            auto* value = Child<QLineEdit>(dialog, "homeValue");
            auto* tabs = Child<QTabWidget>(dialog, "tabs");
            QVERIFY(m_prompt->RefusedOnOk(dialog, "Please enter a description for this home."));
            QCOMPARE(dialog.focusWidget(), description);

            description->setText("Never stored");
            value->setText("a lot");
            m_prompt->ExpectMessage(IDOK)
                .Text("Curr. Value must be a number, for example 6.5")
                .Caption(kCaption);
            tabs->setCurrentIndex(2);
            QCOMPARE(CurrentTab(dialog), "Details");
            QCOMPARE(dialog.focusWidget(), value);
            value->setText("199999");
            tabs->setCurrentIndex(2);
            QCOMPARE(CurrentTab(dialog), "Notes");
            m_prompt->PressCancel(dialog);
        }));
        QVERIFY(home.GetDescription().isEmpty());
        QCOMPARE(RowCount("Homes"), 0L);
        QCOMPARE(StoredNextId("Homes"), nextId);

        CHome cottage = StoredRecord<CHome>(StoredHome("Cottage"));
        QVERIFY(!RunSheet(cottage, true, [this](QDialog& dialog) {
            QCOMPARE(TabTitles(dialog), QStringList({"Details", "Loans", "Picture", "Notes"}));
            QCOMPARE(CurrentTab(dialog), "Loans");
            Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(0);
            Child<QLineEdit>(dialog, "homeDescription")->setText("Renamed");
            m_prompt->PressCancel(dialog);
        }));
        QCOMPARE(cottage.GetDescription(), "Cottage");
    }

    void okStoresEveryPage()
    {
        const long nextId = StoredNextId("Homes");
        CHome home;
        QVERIFY(RunSheet(home, false, [this](QDialog& dialog) {
            Child<QLineEdit>(dialog, "homeDescription")->setText("my summer home");
            Child<QLineEdit>(dialog, "homeValue")->setText("250000.5");
            Child<QPlainTextEdit>(dialog, "homeAddress")->setPlainText("1 Lake Road\nPine Bay");
            Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(1);
            Child<QLineEdit>(dialog, "pathEdit")->setText("/pictures/lake.jpg");
            Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
            Child<QPlainTextEdit>(dialog, "notesEdit")->setPlainText("Roof redone 2019");
            m_prompt->PressOk(dialog);
        }));
        QCOMPARE(home.GetId(), nextId);
        CHome stored = StoredRecord<CHome>(nextId);
        QCOMPARE(QStringList(
                     {stored.GetDescription(), stored.GetAddress(), stored.GetPicture(), stored.GetNotes()}),
                 QStringList(
                     {"my summer home", "1 Lake Road\nPine Bay", "/pictures/lake.jpg", "Roof redone 2019"}));
        QCOMPARE(stored.GetCurrentValue(), 250000.5f);

        // Shown on Details and saved again untouched, the value and an address with Windows line ends
        // keep exactly.
        stored.SetAddress("2 Hill Street\r\nHarbor Town");
        QVERIFY(stored.Save());
        QVERIFY(RunSheet(stored, false, [this](QDialog& dialog) {
            QCOMPARE(CurrentTab(dialog), "Details");
            QCOMPARE(Child<QLineEdit>(dialog, "homeValue")->text(), "250000.5");
            m_prompt->PressOk(dialog);
        }));
        QVERIFY(home.Load());
        QCOMPARE(home.GetAddress(), "2 Hill Street\r\nHarbor Town");
        QCOMPARE(home.GetCurrentValue(), 250000.5f);
        QCOMPARE(StoredNextId("Homes"), nextId + 1);
    }

    // The store refuses the row (as a locked or read-only file would): the sheet stays open with the
    // typed text, and OK stores it once the store takes it again.
    void failedSaveKeepsTheSheetAndWhatWasTyped()
    {
        QVERIFY(AppDatabase()->Execute(
            "CREATE TRIGGER Refuse BEFORE INSERT ON Homes BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
        const long nextId = StoredNextId("Homes");
        CHome home;
        QVERIFY(RunSheet(home, false, [this, nextId](QDialog& dialog) {
            Child<QLineEdit>(dialog, "homeDescription")->setText("Mill House");
            Child<QTabWidget>(dialog, "tabs")->setCurrentIndex(2);
            Child<QPlainTextEdit>(dialog, "notesEdit")->setPlainText("Typed once");
            m_prompt->ExpectMessage(IDOK)
                .Text("The home could not be saved.")
                .Caption(kCaption)
                .Icon(MessageIcon::Exclamation)
                .Owner(&dialog);
            m_prompt->PressOk(dialog);
            QVERIFY(dialog.isVisible());
            QCOMPARE(Child<QLineEdit>(dialog, "homeDescription")->text(), "Mill House");
            QCOMPARE(StoredNextId("Homes"), nextId);

            QVERIFY(AppDatabase()->Execute("DROP TRIGGER Refuse;"));
            m_prompt->PressOk(dialog);
        }));
        CHome stored = StoredRecord<CHome>(home.GetId());
        QCOMPARE(stored.GetDescription(), "Mill House");
        QCOMPARE(stored.GetNotes(), "Typed once");
    }

    void loansListedLargestFirstWithTheEquityTotal()
    {
        const long otherId = StoredHome("Flat");
        CHome home = StoredRecord<CHome>(StoredHome("Cottage"));
        AddLoan(home.GetId(), "Car loan", QString(), 5000.0f, 0);
        AddLoan(home.GetId(), "Mortgage", "First Bank", 100000.0f, 1);
        AddLoan(home.GetId(), "Mortgage", QString(), 20000.25f, 1);
        AddLoan(otherId, "Elsewhere", QString(), 999999.0f, 1);
        RunSheet(home, true, [this](QDialog& dialog) {
            QCOMPARE(ListRows(dialog), QStringList({"Mortgage (First Bank) | " + FormatMoney(100000.0f),
                                                    "Mortgage | " + FormatMoney(20000.25f),
                                                    "Car loan | " + FormatMoney(5000.0f)}));
            // The car loan does not count against the home.
            QCOMPARE(Total(dialog), FormatMoney(120000.25f));
            m_prompt->PressCancel(dialog);
        });
    }

    void loansAddedEditedAndRemovedAtOnce()
    {
        CHome home = StoredRecord<CHome>(StoredHome("Cottage"));
        AddLoan(home.GetId(), "Car loan", QString(), 5000.0f, 0);
        QVERIFY(!RunSheet(home, true, [this](QDialog& dialog) {
            auto* list = Child<CAutoListCtrl>(dialog, "loanList");
            ExpectLoanSheet([this](QDialog& loanSheet) {
                Child<QLineEdit>(loanSheet, "loanDescription")->setText("Mortgage");
                Child<QLineEdit>(loanSheet, "loanPrincipal")->setText("100000");
                m_prompt->PressOk(loanSheet);
            });
            m_prompt->PressButton(dialog, "&New");
            QCOMPARE(ListRows(dialog), QStringList({"Mortgage | " + FormatMoney(100000.0f),
                                                    "Car loan | " + FormatMoney(5000.0f)}));
            QCOMPARE(Total(dialog), FormatMoney(100000.0f));

            list->SetCurSel(1);
            ExpectLoanSheet([this](QDialog& loanSheet) {
                QCOMPARE(Child<QLineEdit>(loanSheet, "loanDescription")->text(), "Car loan");
                Child<QTabWidget>(loanSheet, "tabs")->setCurrentIndex(1);
                Child<QLineEdit>(loanSheet, "lenderName")->setText("Auto Credit");
                m_prompt->PressOk(loanSheet);
            });
            m_prompt->PressButton(dialog, "&Edit");
            QCOMPARE(list->GetItemText(1, 0), "Car loan (Auto Credit)");
            QCOMPARE(list->GetCurSel(), 1);

            // Remove asks first; No keeps the loan.
            m_prompt->ExpectMessage(IDNO)
                .TextId(IDS_DELETE_LOAN_QUESTION)
                .Caption(kCaption)
                .Icon(MessageIcon::Exclamation)
                .Buttons(MessageButtons::YesNo);
            m_prompt->PressButton(dialog, "&Remove");
            QCOMPARE(list->GetItemCount(), 2);
            for (int loan = 0; loan < 2; ++loan) {
                m_prompt->ExpectMessage(IDYES).TextId(IDS_DELETE_LOAN_QUESTION);
                m_prompt->PressButton(dialog, "&Remove");
            }
            QCOMPARE(Total(dialog), FormatMoney(0.0f));
            QVERIFY(!Child<QPushButton>(dialog, "editLoanButton")->isEnabled());
            QVERIFY(!Child<QPushButton>(dialog, "removeLoanButton")->isEnabled());
            m_prompt->PressCancel(dialog);
        }));
        // The loan sheets saved at once; cancelling the home's sheet does not bring them back.
        QCOMPARE(RowCount("Loans", QString("WHERE AssetId=%1").arg(home.GetId())), 0L);
    }

private:
    bool RunSheet(CHome& home, bool startOnLoans, const std::function<void(QDialog&)>& handler)
    {
        m_prompt->ExpectModal(handler).Caption("Home Profile");
        return EditProperties(home, nullptr, startOnLoans);
    }

    void ExpectLoanSheet(const std::function<void(QDialog&)>& handler)
    {
        m_prompt->ExpectModal(handler).Caption("Loan Properties");
    }
};

QTEST_MAIN(TestHomeSheet)
#include "tst_homesheet.moc"
