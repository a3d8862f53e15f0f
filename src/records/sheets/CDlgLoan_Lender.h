#pragma once

#include "controls/CPropertyPage.h"

class CLoan;
class QCheckBox;
class QLineEdit;

// The "Lender" page of the loan sheet: who lent the money, and whether the loan counts against the
// home's equity.
class CDlgLoan_Lender final : public CPropertyPage
{
    Q_OBJECT
public:
    // The page fills its fields from the loan and writes them back into it when left.
    explicit CDlgLoan_Lender(CLoan& loan, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgLoan_Lender)

protected:
    bool DoDataExchange(bool save) override;

private:
    CLoan& m_loan;

    QLineEdit* m_lenderEdit;
    QLineEdit* m_acctNoEdit;
    QLineEdit* m_phoneEdit;
    QCheckBox* m_equityCheck;
};
