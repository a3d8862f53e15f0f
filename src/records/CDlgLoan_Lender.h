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
    explicit CDlgLoan_Lender(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgLoan_Lender)

    void LoadFrom(const CLoan& loan);
    // Copies lender, account number, phone and the equity flag into the loan.
    void StoreTo(CLoan& loan) const;

protected:
    bool DoDataExchange(bool save) override;

private:
    QString m_lenderName;
    QString m_lenderAcctNo;
    QString m_lenderPhone;
    short m_equityFlag = 1;

    QLineEdit* m_lenderEdit;
    QLineEdit* m_acctNoEdit;
    QLineEdit* m_phoneEdit;
    QCheckBox* m_equityCheck;
};
