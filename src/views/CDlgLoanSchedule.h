#pragma once

#include "records/CLoan.h"
#include "records/CLoanSchedule.h"

#include <QDate>
#include <QDialog>
#include <QList>

class CHome;
class CLoanChart;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;

// "Loan Schedule": for one of the current home's loans, its payments month by month with those
// already made drawn as done, the home's equity over time, and what an extra monthly payment would
// save. The stored loans are only read.
class CDlgLoanSchedule final : public QDialog
{
    Q_OBJECT
public:
    enum Column
    {
        NumberColumn,
        DateColumn,
        PaymentColumn,
        InterestColumn,
        PrincipalColumn,
        BalanceColumn,
        ColumnCount
    };

    // The home outlives the dialog; today decides which payments are made.
    explicit CDlgLoanSchedule(const CHome& home, QWidget* parent = nullptr,
                              const QDate& today = QDate::currentDate());
    Q_DISABLE_COPY_MOVE(CDlgLoanSchedule)

    // The schedule shown: the chosen loan's, with the extra payment.
    const CLoanSchedule& Schedule() const;
    QString LoanName(int index) const;
    int LoanCount() const { return int(m_loans.size()); }
    // Interest the extra payment saves against the level schedule.
    double InterestSaved() const { return m_interestSaved; }

    // Asks for a file and writes the table there as CSV; false when cancelled or not written.
    bool ExportCsv();
    // Runs the print dialog and prints the chart and the table; false when cancelled.
    bool Print();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLayout* MakeChoiceRow();
    QLayout* MakeButtonRow();
    void Recompute();
    void FillTable();
    void ShowTotals();

    const CHome& m_home;
    QDate m_today;
    QList<CLoan> m_loans;
    QList<CLoanSchedule> m_schedules;
    CLoanSchedule m_empty;
    double m_interestSaved = 0.0;
    QComboBox* m_loanChoice;
    QDoubleSpinBox* m_extra;
    CLoanChart* m_chart;
    QTableWidget* m_table;
    QLabel* m_totals;
};
