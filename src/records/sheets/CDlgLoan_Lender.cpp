#include "records/sheets/CDlgLoan_Lender.h"

#include "controls/CLabel.h"
#include "records/CLoan.h"
#include "records/sheets/PageLabels.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CDlgLoan_Lender::CDlgLoan_Lender(CLoan& loan, QWidget* parent)
    : CPropertyPage(tr("Lender"), parent), m_loan(loan), m_lenderEdit(new QLineEdit(this)),
      m_acctNoEdit(new QLineEdit(this)), m_phoneEdit(new QLineEdit(this)),
      m_equityCheck(new QCheckBox(tr("This loan affects my home &equity"), this))
{
    setObjectName(QStringLiteral("loanLenderPage"));
    m_lenderEdit->setObjectName(QStringLiteral("lenderName"));
    m_acctNoEdit->setObjectName(QStringLiteral("lenderAcctNo"));
    m_phoneEdit->setObjectName(QStringLiteral("lenderPhone"));
    m_equityCheck->setObjectName(QStringLiteral("affectsEquity"));

    auto* note = ExampleLabel(tr("Note: Uncheck the above option if this loan is not related to your "
                                 "home. For example, credit cards, auto loans, student loans etc., do "
                                 "not affect your home equity."),
                              this, m_equityCheck);
    note->setObjectName(QStringLiteral("equityNote"));
    note->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Lender/Bank:"), m_lenderEdit, this), 0, 0);
    grid->addWidget(m_lenderEdit, 0, 1);
    grid->addWidget(BuddyLabel(tr("&Account #:"), m_acctNoEdit, this), 1, 0);
    grid->addWidget(m_acctNoEdit, 1, 1);
    grid->addWidget(BuddyLabel(tr("&Phone #:"), m_phoneEdit, this), 2, 0);
    grid->addWidget(m_phoneEdit, 2, 1);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(m_equityCheck, 4, 0, 1, 2);
    grid->addWidget(note, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    setTabOrder(m_lenderEdit, m_acctNoEdit);
    setTabOrder(m_acctNoEdit, m_phoneEdit);
    setTabOrder(m_phoneEdit, m_equityCheck);
}

bool CDlgLoan_Lender::DoDataExchange(bool save)
{
    if (save) {
        m_loan.SetLenderName(m_lenderEdit->text());
        m_loan.SetLenderAcctNo(m_acctNoEdit->text());
        m_loan.SetLenderPhone(m_phoneEdit->text());
        m_loan.SetEquityFlag(m_equityCheck->isChecked() ? 1 : 0);
    } else {
        m_lenderEdit->setText(m_loan.GetLenderName());
        m_acctNoEdit->setText(m_loan.GetLenderAcctNo());
        m_phoneEdit->setText(m_loan.GetLenderPhone());
        m_equityCheck->setChecked(m_loan.GetEquityFlag() != 0);
    }
    return true;
}
