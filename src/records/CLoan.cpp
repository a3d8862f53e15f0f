#include "records/CLoan.h"

#include "controls/CDlgNotes.h"
#include "controls/CPropertySheet.h"
#include "data/AppPaths.h"
#include "data/CADORecordset.h"
#include "platform/CPrompt.h"
#include "records/CDlgLoan_Lender.h"
#include "records/CDlgLoan_Tab1.h"

#include <QDate>

#include <cmath>
#include <limits>

namespace {
// 1/1200 as the single-precision constant the schedule has always used.
constexpr float kMonthlyRateFactor = 0.00083333335f;
// 1/30 in single precision; lying a little above 1/30 it also counts a payment on the 30th day.
constexpr float kPaymentsPerDay = 0.033333335f;
} // namespace

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

bool CLoan::EditProperties(QWidget* parent)
{
    CPropertySheet sheet(QStringLiteral("Loan Properties"), parent);
    CDlgLoan_Tab1 details;
    CDlgLoan_Lender lender;
    CDlgNotes notes;
    details.LoadFrom(*this);
    lender.LoadFrom(*this);
    notes.SetNotes(m_notes);
    sheet.AddPage(&details);
    sheet.AddPage(&lender);
    sheet.AddPage(&notes);
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    details.StoreTo(*this);
    lender.StoreTo(*this);
    m_notes = notes.GetNotes();
    if (!Save()) {
        ShowMessage(parent, QStringLiteral("The loan could not be saved."), QStringLiteral("Hearthstead"),
                    MessageIcon::Exclamation);
        return false;
    }
    return true;
}

double CLoan::GetMonthlyPayment() const
{
    if (m_termInMonths < 1) {
        return 0.0;
    }
    const double rate = MonthlyRate();
    const double principal = m_principal;
    if (rate == 0.0) {
        return principal / m_termInMonths;
    }
    return principal * rate / (1.0 - std::pow(1.0 + rate, -double(m_termInMonths)));
}

double CLoan::GetPrincipalPaid(long payments) const
{
    if (payments < 1) {
        return 0.0;
    }
    const double payment = float(GetMonthlyPayment());
    const double rate = MonthlyRate();
    double balance = m_principal;
    double paid = 0.0;
    for (long i = 0; i < payments; ++i) {
        const double part = payment - rate * balance;
        balance -= part;
        paid += part;
    }
    return paid;
}

long CLoan::PaymentsMadeAfter(long days)
{
    long payments = days / 30;
    if (days * double(kPaymentsPerDay) > payments) {
        ++payments;
    }
    return payments;
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
    return WithId(LoadResString(32828));
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
           row.SetFieldValue(QStringLiteral("TermInMonths"), StoredTerm()) &&
           row.SetFieldValue(QStringLiteral("StartDate"), m_startDate) &&
           row.SetFieldValue(QStringLiteral("LenderName"), m_lenderName) &&
           row.SetFieldValue(QStringLiteral("LenderAcctNo"), m_lenderAcctNo) &&
           row.SetFieldValue(QStringLiteral("LenderPhone"), m_lenderPhone) &&
           row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}

short CLoan::StoredTerm() const
{
    return short(qBound(long(std::numeric_limits<short>::min()), m_termInMonths,
                        long(std::numeric_limits<short>::max())));
}

float CLoan::MonthlyRate() const
{
    return m_interestRate * kMonthlyRateFactor;
}
