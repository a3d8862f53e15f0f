#include "records/CLoanSchedule.h"

#include "records/Amortization.h"
#include "records/CLoan.h"

#include <algorithm>

namespace {
// The same single-precision monthly rate the level payment is figured with.
constexpr float kMonthlyRateFactor = 0.00083333335f;
} // namespace

CLoanSchedule::CLoanSchedule(const CLoan& loan, long paymentsMade, double extraPayment)
    : m_paymentsMade(std::max(0L, paymentsMade)), m_affectsEquity(loan.AffectsEquity()),
      m_principal(loan.GetPrincipal()), m_start(loan.GetStartDate().ToDate())
{
    const long term = loan.GetTermInMonths();
    if (m_principal <= 0.0 || term < 1 || !m_start.isValid()) {
        return;
    }
    // Kept as the single-precision figures they are stored and shown as, like PrincipalPaid.
    const double payment = float(loan.GetMonthlyPayment());
    const double rate = loan.GetInterestRate() * kMonthlyRateFactor;
    double balance = m_principal;
    double paid = 0.0;
    m_rows.reserve(term);
    for (long number = 1; number <= term; ++number) {
        Row row;
        row.number = number;
        row.date = m_start.addMonths(number - 1);
        row.interest = rate * balance;
        row.principal = payment - row.interest + (number > m_paymentsMade ? extraPayment : 0.0);
        const bool last = number == term || row.principal >= m_principal - paid;
        if (last) {
            row.principal = m_principal - paid;
        }
        row.payment = row.principal + row.interest;
        balance -= row.principal;
        paid += row.principal;
        row.balance = last ? 0.0 : m_principal - paid;
        m_rows.append(row);
        if (last) {
            break;
        }
    }
}

long CLoanSchedule::PaymentsMadeBy(const CLoan& loan, const QDate& day)
{
    const QDate start = loan.GetStartDate().ToDate();
    if (!start.isValid() || day < start) {
        return 0;
    }
    return PaymentsMadeAfter(long(start.daysTo(day)));
}

double CLoanSchedule::SumInterest(long fromNumber, long toNumber) const
{
    double sum = 0.0;
    for (const Row& row : m_rows) {
        if (row.number >= fromNumber && row.number <= toNumber) {
            sum += row.interest;
        }
    }
    return sum;
}

double CLoanSchedule::InterestPaid() const
{
    return SumInterest(1, m_paymentsMade);
}

double CLoanSchedule::InterestToPay() const
{
    return SumInterest(m_paymentsMade + 1, long(m_rows.size()));
}

QDate CLoanSchedule::PayoffDate() const
{
    return m_rows.isEmpty() ? QDate() : m_rows.constLast().date;
}

double CLoanSchedule::BalanceOn(const QDate& day) const
{
    if (m_rows.isEmpty() || day < m_start) {
        return 0.0;
    }
    // Counted as Auto Update counts, so the figure for today is the one it would store.
    const long made = PaymentsMadeAfter(long(m_start.daysTo(day)));
    if (made < 1) {
        return m_principal;
    }
    return made > m_rows.size() ? 0.0 : m_rows.at(made - 1).balance;
}
