#pragma once

#include "controls/CPropertyPage.h"

class CLoan;

class CAutoListCtrl;
class QLabel;
class QPushButton;

// The "Loans" page of the home sheet: the loans held against the home, largest first, with New,
// Edit and Remove, and the total of those that count against the home's equity. Each loan is saved
// by its own sheet at once, whatever becomes of the home's sheet.
class CDlgHome_Loan final : public CPropertyPage
{
    Q_OBJECT
public:
    // The loans of the stored home with that id.
    explicit CDlgHome_Loan(long homeId, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgHome_Loan)

    long GetHomeId() const { return m_homeId; }

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    void FillLoans();
    void OnNewLoan();
    // The selected row's loan (id only) and its index; false when no loan is selected.
    bool SelectedLoan(CLoan& loan, int& index) const;
    void OnEditLoan();
    void OnRemoveLoan();

    long m_homeId;

    CAutoListCtrl* m_list;
    QPushButton* m_newButton;
    QPushButton* m_editButton;
    QPushButton* m_removeButton;
    QLabel* m_total;
};
