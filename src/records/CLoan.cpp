#include "records/CLoan.h"
#include "res/StringIds.h"

#include "data/AppPaths.h"
#include "data/CADORecordset.h"
#include "records/Amortization.h"

#include <QDate>

CLoan::CLoan() : m_startDate(DateTimeValue::FromDate(QDate(QDate::currentDate().year() - 1, 12, 31)))
{
    m_description = QStringLiteral("New Loan");
}

bool CLoan::Delete()
{
    if (!IsValid()) {
        return false;
    }
    return ExecuteWithId(QStringLiteral("DELETE FROM Loans WHERE LoanId=%ld;"));
}

double CLoan::GetMonthlyPayment() const
{
    return MonthlyPayment(m_principal, m_interestRate, m_termInMonths);
}

double CLoan::GetPrincipalPaid(long payments) const
{
    return PrincipalPaid(m_principal, m_interestRate, m_termInMonths, payments);
}

void CLoan::ApplyPayments(long payments)
{
    if (payments >= m_termInMonths) {
        m_principal = 0.0f;
        m_termInMonths = 0;
        return;
    }
    m_principal = float(m_principal - GetPrincipalPaid(payments));
    m_termInMonths -= payments;
}

QString CLoan::TableName() const
{
    return QStringLiteral("Loans");
}

QString CLoan::KeyColumn() const
{
    return QStringLiteral("LoanId");
}

QString CLoan::RowQuery() const
{
    return WithId(LoadResString(IDS_LOAN_ROW_QUERY));
}

void CLoan::ReadFields(CADORecordset& row)
{
    int equityFlag = m_equityFlag;
    int term = int(m_termInMonths);
    row.GetFieldValue(QStringLiteral("Description"), m_description);
    row.GetFieldValue(QStringLiteral("AssetId"), m_homeId);
    row.GetFieldValue(QStringLiteral("AssetType"), equityFlag);
    row.GetFieldValue(QStringLiteral("Principal"), m_principal);
    row.GetFieldValue(QStringLiteral("InterestRate"), m_interestRate);
    row.GetFieldValue(QStringLiteral("TermInMonths"), term);
    row.GetFieldValue(QStringLiteral("StartDate"), m_startDate);
    row.GetFieldValue(QStringLiteral("LenderName"), m_lenderName);
    row.GetFieldValue(QStringLiteral("LenderAcctNo"), m_lenderAcctNo);
    row.GetFieldValue(QStringLiteral("LenderPhone"), m_lenderPhone);
    row.GetFieldValue(QStringLiteral("Notes"), m_notes);
    m_equityFlag = short(equityFlag);
    m_termInMonths = term;
}

bool CLoan::WriteFields(CADORecordset& row) const
{
    return row.SetFieldValue(QStringLiteral("Description"), m_description) &&
           row.SetFieldValue(QStringLiteral("AssetId"), m_homeId) &&
           row.SetFieldValue(QStringLiteral("AssetType"), m_equityFlag) &&
           row.SetFieldValue(QStringLiteral("Principal"), double(m_principal)) &&
           row.SetFieldValue(QStringLiteral("InterestRate"), double(m_interestRate)) &&
           // The 16-bit column takes the low 16 bits of the term, as every 16-bit field does.
           row.SetFieldValue(QStringLiteral("TermInMonths"), static_cast<short>(m_termInMonths)) &&
           row.SetFieldValue(QStringLiteral("StartDate"), m_startDate) &&
           row.SetFieldValue(QStringLiteral("LenderName"), m_lenderName) &&
           row.SetFieldValue(QStringLiteral("LenderAcctNo"), m_lenderAcctNo) &&
           row.SetFieldValue(QStringLiteral("LenderPhone"), m_lenderPhone) &&
           row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}
