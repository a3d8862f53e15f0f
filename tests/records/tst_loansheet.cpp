// The "Loan Properties" sheet: its pages and fields, the checks on leaving Details, and Auto Update
// with its question, refusals and figures, driven through the real sheet and the prompt seam.

#include "CScriptedPrompt.h"
#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "controls/CPropertySheet.h"
#include "data/AppPaths.h"
#include "records/CDlgLoan_Tab1.h"
#include "records/CLoan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Hearthstead");
// The fixed "now" Auto Update measures against.
const QDateTime kNow(QDate(2024, 6, 15), QTime(12, 0));

// The controls of a running loan sheet.
struct LoanSheet
{
    QDialog* dialog = nullptr;
    QTabWidget* tabs = nullptr;
    CDlgLoan_Tab1* details = nullptr;
    QLineEdit* description = nullptr;
    QLineEdit* principal = nullptr;
    QLineEdit* rate = nullptr;
    QLineEdit* term = nullptr;
    QComboBox* unit = nullptr;
    QDateEdit* start = nullptr;
    QPushButton* autoUpdate = nullptr;

    bool Complete() const
    {
        return tabs && details && description && principal && rate && term && unit && start && autoUpdate;
    }
    // The term exactly as it reads on the page.
    QString Term() const { return term->text() + QLatin1Char(' ') + unit->currentText(); }
    void SetTerm(const QString& number, int unitIndex) const
    {
        term->setText(number);
        unit->setCurrentIndex(unitIndex);
    }
};

LoanSheet Controls(QDialog& dialog)
{
    LoanSheet sheet;
    sheet.dialog = &dialog;
    sheet.tabs = Child<QTabWidget>(dialog, "tabs");
    sheet.details = dialog.findChild<CDlgLoan_Tab1*>();
    sheet.description = Child<QLineEdit>(dialog, "loanDescription");
    sheet.principal = Child<QLineEdit>(dialog, "loanPrincipal");
    sheet.rate = Child<QLineEdit>(dialog, "interestRate");
    sheet.term = Child<QLineEdit>(dialog, "termEdit");
    sheet.unit = Child<QComboBox>(dialog, "termUnit");
    sheet.start = Child<QDateEdit>(dialog, "startDate");
    sheet.autoUpdate = Child<QPushButton>(dialog, "autoUpdateButton");
    if (sheet.details)
        sheet.details->SetClock([] { return kNow; });
    return sheet;
}

CLoan MortgageStarted(const QDateTime& start)
{
    CLoan loan;
    loan.SetDescription(QStringLiteral("Mortgage"));
    loan.SetPrincipal(100000.0f);
    loan.SetStartDate(DateTimeValue::FromDateTime(start));
    return loan;
}

} // namespace

class TestLoanSheet final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pagesShowTheLoan();
    void okStoresEveryPage();
    void termInMonthsOrYears();
    void cancelStoresNothing();
    void descriptionAndNumbersAreChecked();
    void autoUpdateTwelvePaymentsBack();
    void autoUpdateCountsPaymentsByDays();
    void autoUpdateRefusesInOrder();
    void autoUpdatePastTheLastPayment();

private:
    // Runs the loan's sheet with the handler; returns what EditProperties returned.
    bool RunSheet(CLoan& loan, const std::function<void(const LoanSheet&)>& handler);
    void ExpectAutoUpdate(bool proceed);
    // Runs Auto Update from the page's fields as they are; the refusal text or "" for success.
    void AutoUpdate(const LoanSheet& sheet, const QString& refusal = QString());

    std::unique_ptr<CTestDataDir> m_dir;
    std::unique_ptr<CScriptedPrompt> m_prompt;
};

void TestLoanSheet::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
    m_prompt = std::make_unique<CScriptedPrompt>();
}

void TestLoanSheet::cleanup()
{
    const bool verified = m_prompt->Verify();
    const QString problems = m_prompt->Problems();
    m_prompt.reset();
    m_dir.reset();
    QVERIFY2(verified, qPrintable(problems));
}

bool TestLoanSheet::RunSheet(CLoan& loan, const std::function<void(const LoanSheet&)>& handler)
{
    m_prompt
        ->ExpectModal([this, handler](QDialog& dialog) {
            const LoanSheet sheet = Controls(dialog);
            if (!sheet.Complete()) {
                m_prompt->AddProblem(QStringLiteral("the loan sheet lacks a control"));
                return;
            }
            handler(sheet);
        })
        .Caption(QStringLiteral("Loan Properties"));
    return loan.EditProperties(nullptr);
}

void TestLoanSheet::AutoUpdate(const LoanSheet& sheet, const QString& refusal)
{
    m_prompt->ExpectMessage(IDYES)
        .TextId(57348)
        .Caption(kCaption)
        .Icon(MessageIcon::Question)
        .Buttons(MessageButtons::YesNo);
    if (refusal.isEmpty())
        m_prompt->ExpectMessage(IDOK).TextId(57349).Caption(kCaption).Icon(MessageIcon::Information);
    else
        m_prompt->ExpectMessage(IDOK).Text(refusal).Caption(kCaption).Icon(MessageIcon::Exclamation);
    sheet.autoUpdate->click();
    QCOMPARE(m_prompt->Remaining(), 0);
}

void TestLoanSheet::pagesShowTheLoan()
{
    CLoan loan = MortgageStarted(QDateTime(QDate(2020, 2, 29), QTime(0, 0)));
    loan.SetInterestRate(4.5f);
    loan.SetLenderName(QStringLiteral("First Bank"));
    loan.SetNotes(QStringLiteral("Fixed for ten years"));
    RunSheet(loan, [this](const LoanSheet& sheet) {
        QCOMPARE(sheet.tabs->count(), 3);
        QCOMPARE(sheet.tabs->tabText(0), QStringLiteral("Details"));
        QCOMPARE(sheet.tabs->tabText(1), QStringLiteral("Lender"));
        QCOMPARE(sheet.tabs->tabText(2), QStringLiteral("Notes"));
        QCOMPARE(sheet.tabs->currentIndex(), 0);
        QCOMPARE(sheet.description->text(), QStringLiteral("Mortgage"));
        QCOMPARE(sheet.principal->text(), QStringLiteral("100000.00"));
        QCOMPARE(sheet.rate->text(), QStringLiteral("4.50"));
        QCOMPARE(sheet.Term(), QStringLiteral("30 Years"));
        QCOMPARE(sheet.unit->itemText(0), QStringLiteral("Months"));
        QCOMPARE(sheet.unit->itemText(1), QStringLiteral("Years"));
        QCOMPARE(sheet.start->displayFormat(), QStringLiteral("ddd, MMM d, yyyy"));
        QVERIFY(sheet.start->calendarPopup());
        QCOMPARE(sheet.start->date(), QDate(2020, 2, 29));
        QCOMPARE(sheet.start->text(), QStringLiteral("Sat, Feb 29, 2020"));

        sheet.tabs->setCurrentIndex(1);
        QCOMPARE(Child<QLineEdit>(*sheet.dialog, "lenderName")->text(), QStringLiteral("First Bank"));
        QVERIFY(Child<QCheckBox>(*sheet.dialog, "affectsEquity")->isChecked());
        QWidget* note = Child<QWidget>(*sheet.dialog, "equityNote");
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->palette().color(QPalette::WindowText), QColor(55, 96, 157));
        sheet.tabs->setCurrentIndex(2);
        QCOMPARE(Child<QPlainTextEdit>(*sheet.dialog, "notesEdit")->toPlainText(),
                 QStringLiteral("Fixed for ten years"));
        m_prompt->PressCancel(*sheet.dialog);
    });
}

void TestLoanSheet::okStoresEveryPage()
{
    CLoan loan;
    loan.SetHomeId(5);
    QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
        QCOMPARE(sheet.description->text(), QStringLiteral("New Loan"));
        QCOMPARE(sheet.principal->text(), QStringLiteral("0"));
        QCOMPARE(sheet.rate->text(), QStringLiteral("6.00"));
        sheet.description->setText(QStringLiteral("Car loan"));
        sheet.principal->setText(QStringLiteral("15000.5"));
        sheet.rate->setText(QStringLiteral("3.9"));
        sheet.start->setDate(QDate(2023, 4, 1));
        sheet.tabs->setCurrentIndex(1);
        Child<QLineEdit>(*sheet.dialog, "lenderName")->setText(QStringLiteral("Auto Credit"));
        Child<QLineEdit>(*sheet.dialog, "lenderAcctNo")->setText(QStringLiteral("AC-77"));
        Child<QLineEdit>(*sheet.dialog, "lenderPhone")->setText(QStringLiteral("555 0100"));
        Child<QCheckBox>(*sheet.dialog, "affectsEquity")->setChecked(false);
        sheet.tabs->setCurrentIndex(2);
        Child<QPlainTextEdit>(*sheet.dialog, "notesEdit")->setPlainText(QStringLiteral("Blue hatchback"));
        m_prompt->PressOk(*sheet.dialog);
    }));
    QVERIFY(loan.IsValid());

    CLoan stored;
    stored.SetId(loan.GetId());
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetDescription(), QStringLiteral("Car loan"));
    QCOMPARE(stored.GetHomeId(), 5L);
    QCOMPARE(stored.GetPrincipal(), 15000.5f);
    QCOMPARE(stored.GetInterestRate(), 3.9f);
    QCOMPARE(stored.GetTermInMonths(), 360L);
    QCOMPARE(stored.GetStartDate().ToDateTime(), QDateTime(QDate(2023, 4, 1), QTime(0, 0)));
    QCOMPARE(stored.GetLenderName(), QStringLiteral("Auto Credit"));
    QCOMPARE(stored.GetLenderAcctNo(), QStringLiteral("AC-77"));
    QCOMPARE(stored.GetLenderPhone(), QStringLiteral("555 0100"));
    QCOMPARE(stored.GetEquityFlag(), short(0));
    QCOMPARE(stored.GetNotes(), QStringLiteral("Blue hatchback"));
}

void TestLoanSheet::termInMonthsOrYears()
{
    CLoan loan;
    loan.SetTermInMonths(18);
    QVERIFY(loan.Save());
    QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
        QCOMPARE(sheet.Term(), QStringLiteral("18 Months"));
        // The term takes digits only.
        QTest::keyClicks(sheet.term, QStringLiteral("x-1"));
        QCOMPARE(sheet.term->text(), QStringLiteral("181"));
        sheet.SetTerm(QStringLiteral("2"), 1);
        m_prompt->PressOk(*sheet.dialog);
    }));
    CLoan stored;
    stored.SetId(loan.GetId());
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetTermInMonths(), 24L);
}

void TestLoanSheet::cancelStoresNothing()
{
    const long nextId = StoredNextId(QStringLiteral("Loans"));
    CLoan fresh;
    QVERIFY(!RunSheet(fresh, [this](const LoanSheet& sheet) {
        sheet.description->setText(QStringLiteral("Never stored"));
        m_prompt->PressCancel(*sheet.dialog);
    }));
    QCOMPARE(fresh.GetId(), -1L);
    QCOMPARE(fresh.GetDescription(), QStringLiteral("New Loan"));
    QCOMPARE(StoredNextId(QStringLiteral("Loans")), nextId);
    QCOMPARE(RowCount(QStringLiteral("Loans")), 0L);

    // Auto Update's new figures live in the page only: Cancel keeps the stored loan as it was.
    CLoan loan = MortgageStarted(QDateTime(kNow.date().addDays(-345), QTime(0, 0)));
    QVERIFY(loan.Save());
    QVERIFY(!RunSheet(loan, [this](const LoanSheet& sheet) {
        AutoUpdate(sheet);
        QCOMPARE(sheet.principal->text(), QStringLiteral("98771.98"));
        m_prompt->PressCancel(*sheet.dialog);
    }));
    CLoan stored;
    stored.SetId(loan.GetId());
    QVERIFY(stored.Load());
    QCOMPARE(stored.GetPrincipal(), 100000.0f);
    QCOMPARE(stored.GetTermInMonths(), 360L);
}

void TestLoanSheet::descriptionAndNumbersAreChecked()
{
    CLoan loan;
    QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
        sheet.description->clear();
        m_prompt->ExpectMessage(IDOK)
            .Text(QStringLiteral("Please enter a description for this loan (e.g: My Home Loan)."))
            .Caption(kCaption)
            .Icon(MessageIcon::Information);
        m_prompt->PressOk(*sheet.dialog);
        QVERIFY(sheet.dialog->isVisible());
        QCOMPARE(sheet.tabs->currentIndex(), 0);

        // Leaving for another page is refused the same way.
        m_prompt->ExpectMessage(IDOK).Text(
            QStringLiteral("Please enter a description for this loan (e.g: My Home Loan)."));
        sheet.tabs->setCurrentIndex(1);
        QCOMPARE(sheet.tabs->currentIndex(), 0);
        QCOMPARE(sheet.dialog->focusWidget(), sheet.description);

        sheet.description->setText(QStringLiteral("My Home Loan"));
        for (const QString& notANumber : {QStringLiteral("12abc"), QString(), QStringLiteral("1e999")}) {
            sheet.principal->setText(notANumber);
            m_prompt->ExpectMessage(IDOK)
                .Text(QStringLiteral("Please enter a number."))
                .Caption(kCaption)
                .Icon(MessageIcon::Information);
            m_prompt->PressOk(*sheet.dialog);
            QVERIFY(sheet.dialog->isVisible());
            QCOMPARE(sheet.dialog->focusWidget(), sheet.principal);
        }
        sheet.principal->setText(QStringLiteral(" 2500 "));
        sheet.rate->setText(QStringLiteral("six"));
        m_prompt->ExpectMessage(IDOK).Text(QStringLiteral("Please enter a number."));
        m_prompt->PressOk(*sheet.dialog);
        QCOMPARE(sheet.dialog->focusWidget(), sheet.rate);
        sheet.rate->setText(QStringLiteral("5"));
        m_prompt->PressOk(*sheet.dialog);
    }));
    QCOMPARE(loan.GetDescription(), QStringLiteral("My Home Loan"));
    QCOMPARE(loan.GetPrincipal(), 2500.0f);
    QCOMPARE(loan.GetInterestRate(), 5.0f);
}

void TestLoanSheet::autoUpdateTwelvePaymentsBack()
{
    for (const int days : {330, 345, 359}) {
        CLoan loan = MortgageStarted(QDateTime(kNow.date().addDays(-days), QTime(0, 0)));
        QVERIFY(loan.Save());
        QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
            AutoUpdate(sheet);
            QCOMPARE(sheet.principal->text(), QStringLiteral("98771.98"));
            QCOMPARE(sheet.Term(), QStringLiteral("29 Years"));
            m_prompt->PressOk(*sheet.dialog);
        }));
        CLoan stored;
        stored.SetId(loan.GetId());
        QVERIFY(stored.Load());
        QCOMPARE(qRound(stored.GetPrincipal() * 100.0f), 9877198);
        QCOMPARE(stored.GetTermInMonths(), 348L);
    }
}

void TestLoanSheet::autoUpdateCountsPaymentsByDays()
{
    CLoan loan = MortgageStarted(QDateTime(kNow.date(), QTime(0, 0)));
    RunSheet(loan, [this](const LoanSheet& sheet) {
        struct Case
        {
            int days;
            QString term;
        };
        // d = 29 is one payment, d = 30 two, d = 60 three.
        for (const Case& c : {Case{29, QStringLiteral("359 Months")}, Case{30, QStringLiteral("358 Months")},
                              Case{60, QStringLiteral("357 Months")}}) {
            sheet.principal->setText(QStringLiteral("100000"));
            sheet.SetTerm(QStringLiteral("360"), 0);
            sheet.start->setDate(kNow.date().addDays(-c.days));
            AutoUpdate(sheet);
            QCOMPARE(sheet.Term(), c.term);
        }
        // One payment of 599.55 repays 99.55 of the principal at first.
        sheet.principal->setText(QStringLiteral("100000"));
        sheet.SetTerm(QStringLiteral("360"), 0);
        sheet.start->setDate(kNow.date().addDays(-29));
        AutoUpdate(sheet);
        QCOMPARE(sheet.principal->text(), QStringLiteral("99900.45"));

        // Started earlier today: no payment yet, and the result is still reported.
        sheet.principal->setText(QStringLiteral("100000"));
        sheet.SetTerm(QStringLiteral("360"), 0);
        sheet.start->setDate(kNow.date());
        AutoUpdate(sheet);
        QCOMPARE(sheet.principal->text(), QStringLiteral("100000.00"));
        QCOMPARE(sheet.Term(), QStringLiteral("30 Years"));
        m_prompt->PressCancel(*sheet.dialog);
    });
}

void TestLoanSheet::autoUpdateRefusesInOrder()
{
    // Starting at noon, a start date of today is not earlier than now.
    CLoan loan = MortgageStarted(QDateTime(kNow.date().addDays(1), QTime(12, 0)));
    loan.SetPrincipal(0.0f);
    loan.SetTermInMonths(0);
    loan.SetInterestRate(0.0f);
    RunSheet(loan, [this](const LoanSheet& sheet) {
        // Answered No, nothing is checked and nothing changes.
        m_prompt->ExpectMessage(IDNO).TextId(57348);
        sheet.autoUpdate->click();

        AutoUpdate(sheet, QStringLiteral("Principal must be greater than 0."));
        sheet.principal->setText(QStringLiteral("-5"));
        AutoUpdate(sheet, QStringLiteral("Principal must be greater than 0."));
        sheet.principal->setText(QStringLiteral("100000"));
        AutoUpdate(sheet, QStringLiteral("Start date must be earlier than today."));
        sheet.start->setDate(kNow.date());
        AutoUpdate(sheet, QStringLiteral("Start date must be earlier than today."));
        sheet.start->setDate(kNow.date().addDays(-100));
        AutoUpdate(sheet, QStringLiteral("Term must be greater than 0."));
        sheet.SetTerm(QStringLiteral("30"), 1);
        AutoUpdate(sheet, QStringLiteral("Interest rate must be greater than 0."));
        QCOMPARE(sheet.principal->text(), QStringLiteral("100000"));
        QCOMPARE(sheet.Term(), QStringLiteral("30 Years"));

        // A principal that is not a number is refused before any check.
        sheet.principal->setText(QStringLiteral("lots"));
        m_prompt->ExpectMessage(IDYES).TextId(57348);
        m_prompt->ExpectMessage(IDOK).Text(QStringLiteral("Please enter a number."));
        sheet.autoUpdate->click();
        m_prompt->PressCancel(*sheet.dialog);
    });
}

void TestLoanSheet::autoUpdatePastTheLastPayment()
{
    CLoan loan = MortgageStarted(QDateTime(kNow.date().addDays(-400 * 30), QTime(0, 0)));
    RunSheet(loan, [this](const LoanSheet& sheet) {
        AutoUpdate(sheet);
        QCOMPARE(sheet.principal->text(), QStringLiteral("0"));
        QCOMPARE(sheet.Term(), QStringLiteral("0 Years"));
        // Paid off: there is nothing left to estimate.
        AutoUpdate(sheet, QStringLiteral("Principal must be greater than 0."));
        m_prompt->PressCancel(*sheet.dialog);
    });
}

QTEST_MAIN(TestLoanSheet)
#include "tst_loansheet.moc"
