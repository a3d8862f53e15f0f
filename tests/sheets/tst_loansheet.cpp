// The "Loan Properties" sheet: its pages, the checks on leaving Details, and Auto Update with its
// question, refusals and figures, driven through the real sheet and the prompt seam.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CLoan.h"
#include "records/sheets/CDlgLoan_Tab1.h"
#include "records/sheets/LoanProperties.h"
#include "res/StringIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

namespace {

const QString kCaption = "Hearthstead";
// The fixed "now" Auto Update measures against.
const QDateTime kNow(QDate(2024, 6, 15), QTime(12, 0));

struct LoanSheet
{
    QDialog* dialog = nullptr;
    QTabWidget* tabs = nullptr;
    QLineEdit* description = nullptr;
    QLineEdit* principal = nullptr;
    QLineEdit* rate = nullptr;
    QLineEdit* term = nullptr;
    QComboBox* unit = nullptr;
    QDateEdit* start = nullptr;
    QPushButton* autoUpdate = nullptr;

    // The term exactly as it reads on the page.
    QString Term() const { return term->text() + ' ' + unit->currentText(); }
    void Reset(int daysAgo) const
    {
        principal->setText("100000");
        term->setText("360");
        unit->setCurrentIndex(0);
        start->setDate(kNow.date().addDays(-daysAgo));
    }
};

} // namespace

class TestLoanSheet final : public CSessionTest
{
    Q_OBJECT

private slots:
    void pagesShowAndStoreTheLoan()
    {
        CLoan loan;
        loan.SetHomeId(5);
        loan.SetTermInMonths(18);
        loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(QDate(2020, 2, 29), QTime(0, 0))));
        QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
            QCOMPARE(sheet.Term(), "18 Months");
            QCOMPARE(sheet.start->text(), "Sat, Feb 29, 2020");
            // The term takes digits only.
            QTest::keyClicks(sheet.term, "x-1");
            QCOMPARE(sheet.term->text(), "181");

            sheet.description->setText("Car loan");
            sheet.principal->setText("15000.5");
            sheet.rate->setText("3.9");
            sheet.term->setText("2");
            sheet.unit->setCurrentIndex(1);
            sheet.tabs->setCurrentIndex(1);
            Child<QLineEdit>(*sheet.dialog, "lenderName")->setText("Auto Credit");
            Child<QCheckBox>(*sheet.dialog, "affectsEquity")->setChecked(false);
            sheet.tabs->setCurrentIndex(2);
            Child<QPlainTextEdit>(*sheet.dialog, "notesEdit")->setPlainText("Blue hatchback");
            m_prompt->PressOk(*sheet.dialog);
        }));

        const CLoan stored = StoredRecord<CLoan>(loan.GetId());
        QCOMPARE(QStringList({stored.GetDescription(), stored.GetLenderName(), stored.GetNotes()}),
                 QStringList({"Car loan", "Auto Credit", "Blue hatchback"}));
        QCOMPARE(QList<double>({double(stored.GetHomeId()), stored.GetPrincipal(), stored.GetInterestRate(),
                                double(stored.GetTermInMonths()), double(stored.GetEquityFlag())}),
                 QList<double>({5, 15000.5f, 3.9f, 24, 0}));
        QCOMPARE(stored.GetStartDate().ToDateTime(), QDateTime(QDate(2020, 2, 29), QTime(0, 0)));
    }

    void checksKeepDetailsAndCancelStoresNothing()
    {
        const long nextId = StoredNextId("Loans");
        CLoan loan;
        QVERIFY(!RunSheet(loan, [this](const LoanSheet& sheet) {
            sheet.description->clear();
            QVERIFY(m_prompt->RefusedOnOk(*sheet.dialog,
                                          "Please enter a description for this loan (e.g: My Home Loan)."));
            QCOMPARE(sheet.dialog->focusWidget(), sheet.description);

            sheet.description->setText("Never stored");
            const QList<std::pair<QLineEdit*, QString>> numbers = {{sheet.principal, "Principal"},
                                                                   {sheet.rate, "Interest Rate"}};
            for (const auto& [number, field] : numbers) {
                number->setText("1e999");
                m_prompt->ExpectMessage(IDOK)
                    .Text(field + " must be a number, for example 6.5")
                    .Caption(kCaption);
                m_prompt->PressOk(*sheet.dialog);
                QCOMPARE(sheet.dialog->focusWidget(), number);
                number->setText("5");
            }
            m_prompt->PressCancel(*sheet.dialog);
        }));
        QCOMPARE(loan.GetId(), -1L);
        QCOMPARE(loan.GetDescription(), "New Loan");
        QCOMPARE(StoredNextId("Loans"), nextId);
        QCOMPARE(RowCount("Loans"), 0L);
    }

    void autoUpdateFigures()
    {
        CLoan loan;
        loan.SetPrincipal(100000.0f);
        loan.SetStartDate(DateTimeValue::FromDateTime(QDateTime(kNow.date().addDays(-345), QTime(0, 0))));
        QVERIFY(loan.Save());
        QVERIFY(RunSheet(loan, [this](const LoanSheet& sheet) {
            AutoUpdate(sheet);
            QCOMPARE(sheet.principal->text(), "98771.98");
            QCOMPARE(sheet.Term(), "29 Years");
            m_prompt->PressOk(*sheet.dialog);
        }));
        QCOMPARE(qRound(StoredRecord<CLoan>(loan.GetId()).GetPrincipal() * 100.0f), 9877198);
        QCOMPARE(StoredRecord<CLoan>(loan.GetId()).GetTermInMonths(), 348L);

        RunSheet(loan, [this](const LoanSheet& sheet) {
            const QList<QPair<int, QString>> cases = {
                {29, "359 Months"}, {30, "358 Months"}, {60, "357 Months"}, {0, "30 Years"}};
            for (const auto& [days, term] : cases) {
                sheet.Reset(days);
                AutoUpdate(sheet);
                QCOMPARE(sheet.Term(), term);
            }
            // Started earlier today: no payment yet.
            QCOMPARE(sheet.principal->text(), "100000.00");
            sheet.Reset(29);
            AutoUpdate(sheet);
            QCOMPARE(sheet.principal->text(), "99900.45");

            // Past the last payment the loan is paid off, and there is nothing left to estimate.
            sheet.Reset(400 * 30);
            AutoUpdate(sheet);
            QCOMPARE(sheet.principal->text(), "0");
            QCOMPARE(sheet.Term(), "0 Years");
            AutoUpdate(sheet, "Principal must be greater than 0.");
            m_prompt->PressCancel(*sheet.dialog);
        });
    }

    void autoUpdateRefusesInOrder()
    {
        CLoan loan;
        loan.SetStartDate(DateTimeValue::FromDateTime(kNow.addDays(1)));
        loan.SetPrincipal(0.0f);
        loan.SetTermInMonths(0);
        loan.SetInterestRate(0.0f);
        RunSheet(loan, [this](const LoanSheet& sheet) {
            // Answered No, nothing is checked and nothing changes.
            m_prompt->ExpectMessage(IDNO).TextId(IDS_AUTO_UPDATE_QUESTION);
            sheet.autoUpdate->click();

            AutoUpdate(sheet, "Principal must be greater than 0.");
            sheet.principal->setText("100000");
            AutoUpdate(sheet, "Start date must be earlier than today.");
            // At noon, a start date of today is not earlier than now.
            sheet.start->setDate(kNow.date());
            AutoUpdate(sheet, "Start date must be earlier than today.");
            sheet.start->setDate(kNow.date().addDays(-100));
            AutoUpdate(sheet, "Term must be greater than 0.");
            sheet.term->setText("30");
            sheet.unit->setCurrentIndex(1);
            AutoUpdate(sheet, "Interest rate must be greater than 0.");
            QCOMPARE(sheet.principal->text(), "100000");
            QCOMPARE(sheet.Term(), "30 Years");

            // A principal that is not a number is refused before the question.
            sheet.principal->setText("lots");
            m_prompt->ExpectMessage(IDOK).Text("Principal must be a number, for example 6.5");
            sheet.autoUpdate->click();
            m_prompt->PressCancel(*sheet.dialog);
        });
    }

private:
    // Runs the loan's sheet with the handler; returns what EditProperties returned.
    bool RunSheet(CLoan& loan, const std::function<void(const LoanSheet&)>& handler)
    {
        m_prompt
            ->ExpectModal([handler](QDialog& dialog) {
                LoanSheet sheet{&dialog,
                                Child<QTabWidget>(dialog, "tabs"),
                                Child<QLineEdit>(dialog, "loanDescription"),
                                Child<QLineEdit>(dialog, "loanPrincipal"),
                                Child<QLineEdit>(dialog, "interestRate"),
                                Child<QLineEdit>(dialog, "termEdit"),
                                Child<QComboBox>(dialog, "termUnit"),
                                Child<QDateEdit>(dialog, "startDate"),
                                Child<QPushButton>(dialog, "autoUpdateButton")};
                auto* details = dialog.findChild<CDlgLoan_Tab1*>();
                QVERIFY(details);
                details->SetClock([] { return kNow; });
                handler(sheet);
            })
            .Caption("Loan Properties");
        return EditProperties(loan, nullptr);
    }

    // Runs Auto Update from the page's fields as they are; the refusal text or "" for success.
    void AutoUpdate(const LoanSheet& sheet, const QString& refusal = QString())
    {
        m_prompt->ExpectMessage(IDYES)
            .TextId(IDS_AUTO_UPDATE_QUESTION)
            .Caption(kCaption)
            .Icon(MessageIcon::Question)
            .Buttons(MessageButtons::YesNo);
        if (refusal.isEmpty())
            m_prompt->ExpectMessage(IDOK)
                .TextId(IDS_AUTO_UPDATE_DONE)
                .Caption(kCaption)
                .Icon(MessageIcon::Information);
        else
            m_prompt->ExpectMessage(IDOK).Text(refusal).Caption(kCaption).Icon(MessageIcon::Exclamation);
        sheet.autoUpdate->click();
        QCOMPARE(m_prompt->Remaining(), 0);
    }
};

QTEST_MAIN(TestLoanSheet)
#include "tst_loansheet.moc"
