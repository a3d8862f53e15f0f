#include "records/sheets/CDlgHome_Loan.h"

#include "controls/CAutoListCtrl.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "data/ui/ListFillers.h"
#include "platform/CPrompt.h"
#include "records/CLoan.h"
#include "records/sheets/LoanProperties.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDlgHome_Loan::CDlgHome_Loan(long homeId, QWidget* parent)
    : CPropertyPage(tr("Loans"), parent), m_homeId(homeId),
      m_list(new CAutoListCtrl(this, CAutoListCtrl::SingleSelStyle)),
      m_newButton(new QPushButton(tr("&New"), this)), m_editButton(new QPushButton(tr("&Edit"), this)),
      m_removeButton(new QPushButton(tr("&Remove"), this)), m_total(new QLabel(this))
{
    setObjectName(QStringLiteral("homeLoansPage"));
    m_list->setObjectName(QStringLiteral("loanList"));
    m_newButton->setObjectName(QStringLiteral("newLoanButton"));
    m_editButton->setObjectName(QStringLiteral("editLoanButton"));
    m_removeButton->setObjectName(QStringLiteral("removeLoanButton"));
    m_total->setObjectName(QStringLiteral("liabilityTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* intro = new QLabel(tr("You may associate one or more loans with this home."), this);
    intro->setWordWrap(true);
    auto* totalCaption = new QLabel(tr("Total Outstanding Liability:"), this);
    // Screen readers announce the list by its tab and the total by its caption.
    m_list->setAccessibleName(tr("Loans"));
    m_total->setAccessibleName(totalCaption->text());

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_newButton);
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(intro, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0);
    grid->addLayout(buttons, 1, 1);
    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(totalCaption);
    totalRow->addStretch(1);
    totalRow->addWidget(m_total);
    grid->addLayout(totalRow, 2, 0);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    setTabOrder(m_list, m_newButton);
    setTabOrder(m_newButton, m_editButton);
    setTabOrder(m_editButton, m_removeButton);

    connect(m_newButton, &QPushButton::clicked, this, &CDlgHome_Loan::OnNewLoan);
    connect(m_editButton, &QPushButton::clicked, this, &CDlgHome_Loan::OnEditLoan);
    connect(m_removeButton, &QPushButton::clicked, this, &CDlgHome_Loan::OnRemoveLoan);
    connect(m_list, &CAutoListCtrl::itemDoubleClicked, this, &CDlgHome_Loan::OnEditLoan);
    connect(m_list, &CAutoListCtrl::itemActivated, this, &CDlgHome_Loan::OnEditLoan);
    connect(m_list, &CAutoListCtrl::deleteKeyPressed, this, &CDlgHome_Loan::OnRemoveLoan);
}

void CDlgHome_Loan::OnInitDialog()
{
    m_list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list->InsertColumn(0, QStringLiteral("Loan"), LVCFMT_LEFT, 140);
    m_list->InsertColumn(1, QStringLiteral("Amount"), LVCFMT_RIGHT, 60);
    FillLoans();
}

bool CDlgHome_Loan::DoDataExchange(bool)
{
    return true;
}

void CDlgHome_Loan::FillLoans()
{
    if (m_homeId < 0) {
        return;
    }
    m_list->SetRedraw(false);
    m_list->DeleteAllItems();
    float total = 0.0f;
    CADORecordset loans(AppDatabase());
    const QString query =
        QStringLiteral("SELECT LoanId, Description, LenderName, Principal, AssetType FROM Loans "
                       "WHERE AssetId=%1 ORDER BY Principal DESC;")
            .arg(m_homeId);
    if (loans.Open(query)) {
        for (; !loans.IsEof(); loans.MoveNext()) {
            long loanId = 0;
            QString description;
            QString lender;
            float principal = 0.0f;
            int equityFlag = 0;
            loans.GetFieldValue(QStringLiteral("LoanId"), loanId);
            loans.GetFieldValue(QStringLiteral("Description"), description);
            loans.GetFieldValue(QStringLiteral("LenderName"), lender);
            loans.GetFieldValue(QStringLiteral("Principal"), principal);
            if (!lender.isEmpty()) {
                description += QStringLiteral(" (") + lender + QLatin1Char(')');
            }
            const int row = m_list->InsertItem(-1, description);
            m_list->SetItemText(row, 1, FormatMoney(principal));
            m_list->SetItemData(row, loanId);
            loans.GetFieldValue(QStringLiteral("AssetType"), equityFlag);
            if (equityFlag > 0) {
                total += principal;
            }
        }
        loans.Close();
    }
    m_list->SetRedraw(true);

    const bool hasLoans = m_list->GetItemCount() > 0;
    m_editButton->setEnabled(hasLoans);
    m_removeButton->setEnabled(hasLoans);
    m_total->setText(FormatMoney(total));
    if (hasLoans) {
        m_list->SetCurSel(0);
    }
}

void CDlgHome_Loan::OnNewLoan()
{
    if (m_homeId < 0) {
        return;
    }
    CLoan loan;
    loan.SetHomeId(m_homeId);
    if (EditProperties(loan, this)) {
        FillLoans();
    }
}

bool CDlgHome_Loan::SelectedLoan(CLoan& loan, int& index) const
{
    long loanId = 0;
    if (!GetSelectedItemData(*m_list, loanId, index)) {
        return false;
    }
    loan.SetId(loanId);
    return true;
}

void CDlgHome_Loan::OnEditLoan()
{
    CLoan loan;
    int index = -1;
    if (!SelectedLoan(loan, index)) {
        return;
    }
    // The sheet runs whatever Load found: a loan removed meanwhile shows a new loan's fields, and
    // its Save then finds no row to write.
    loan.Load();
    if (EditProperties(loan, this)) {
        FillLoans();
    }
    m_list->SetCurSel(index);
}

void CDlgHome_Loan::OnRemoveLoan()
{
    CLoan loan;
    int index = -1;
    if (!SelectedLoan(loan, index)) {
        return;
    }
    if (ShowMessage(this, LoadResString(IDS_DELETE_LOAN_QUESTION), AppName(), MessageIcon::Exclamation,
                    MessageButtons::YesNo, IDNO) == IDYES) {
        loan.Delete();
        FillLoans();
    }
}
