// The "Loan Schedule" dialog: the chosen loan's payments with those made drawn as done, the
// extra-payment question, the CSV file and the printed schedule.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "records/CHome.h"
#include "records/CLoan.h"
#include "records/EquitySeries.h"
#include "views/CDlgLoanSchedule.h"
#include "views/CLoanChart.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>

class TestLoanScheduleDialog final : public CSessionTest
{
    Q_OBJECT

private slots:
    void tableShowsTheChosenLoan()
    {
        auto* table = Child<QTableWidget>(*m_dialog, "scheduleTable");
        auto* choice = Child<QComboBox>(*m_dialog, "loanChoice");
        QCOMPARE(choice->count(), 2);
        QCOMPARE(choice->currentText(), "Mortgage \"A\"");
        QCOMPARE(table->rowCount(), 360);
        // 385 days after the start: 13 payments made, the 14th is next.
        QCOMPARE(table->item(12, 0)->toolTip(), "Paid");
        QCOMPARE(table->item(13, 0)->toolTip(), "Next payment");
        const QList<EquityPoint>& points = m_dialog->findChild<CLoanChart*>()->Points();
        QCOMPARE(points.size(), 360);
        QCOMPARE(points.first().equity, 350000.0 - points.first().loanBalance);

        choice->setCurrentIndex(1);
        QCOMPARE(m_dialog->Schedule().Principal(), 15000.0);
        QCOMPARE(m_dialog->findChild<CLoanChart*>()->Points().first().equity, 350000.0 - 200000.0);
    }

    void extraPaymentRecomputes()
    {
        auto* totals = Child<QLabel>(*m_dialog, "scheduleTotals");
        QVERIFY(!totals->text().contains("Interest saved"));
        Child<QDoubleSpinBox>(*m_dialog, "extraPayment")->setValue(500.0);
        QVERIFY(m_dialog->InterestSaved() > 50000.0);
        QVERIFY(totals->text().contains("Interest saved"));
        QCOMPARE(LoadHomeLoans(m_home.GetId()).first().GetPrincipal(), 200000.0f);
    }

    void exportsAndPrints()
    {
        const QString csv = m_session->Dir().Path() + "schedule.csv";
        m_prompt->ExpectFile(csv);
        m_prompt->ExpectMessage(IDNO);
        QVERIFY(m_dialog->ExportCsv());
        const QList<QByteArray> lines = ReadBytes(csv).split('\n');
        QCOMPARE(lines.size(), 360 + 5);
        QCOMPARE(lines.at(0), QByteArray("\"Loan Schedule for Mortgage \"\"A\"\"\"\r"));
        QCOMPARE(lines.at(2),
                 QByteArray("\"No.\",\"Date\",\"Payment\",\"Interest\",\"Principal\",\"Balance\"\r"));
        QVERIFY(lines.last().startsWith("\"Created by Hearthstead on "));

        const QString pdf = m_session->Dir().Path() + "schedule.pdf";
        m_prompt->ExpectModal([&](QDialog& dialog) {
            auto& print = static_cast<QPrintDialog&>(dialog);
            print.printer()->setOutputFormat(QPrinter::PdfFormat);
            print.printer()->setOutputFileName(pdf);
            // The print dialog's own OK would take its settings from a printer list the test has not.
            print.done(QDialog::Accepted);
        });
        QVERIFY(m_dialog->Print());
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
    }

private:
    void SetUp() override
    {
        m_home = CHome();
        m_home.SetDescription("Maple House");
        m_home.SetCurrentValue(350000.0f);
        QVERIFY(m_home.Save());
        for (const QString& name : {QString("Mortgage \"A\""), QString("Car")}) {
            CLoan loan;
            loan.SetHomeId(m_home.GetId());
            loan.SetDescription(name);
            loan.SetPrincipal(name == "Car" ? 15000.0f : 200000.0f);
            loan.SetEquityFlag(name == "Car" ? 0 : 1);
            loan.SetStartDate(DateTimeValue::FromDate(QDate(2020, 1, 1)));
            QVERIFY(loan.Save());
        }
        m_dialog = std::make_unique<CDlgLoanSchedule>(m_home, nullptr, QDate(2021, 1, 20));
    }

    void TearDown() override { m_dialog.reset(); }

    CHome m_home;
    std::unique_ptr<CDlgLoanSchedule> m_dialog;
};

QTEST_MAIN(TestLoanScheduleDialog)
#include "tst_loanscheduledialog.moc"
