#include "records/Amortization.h"

#include <cmath>

namespace {
// 1/1200 in single precision: percent a year to a fraction a month.
constexpr float kMonthlyRateFactor = 0.00083333335f;
// 1/30 in single precision; lying a little above 1/30 it also counts a payment on the 30th day.
constexpr float kPaymentsPerDay = 0.033333335f;

float MonthlyRate(float yearlyRate)
{
    return yearlyRate * kMonthlyRateFactor;
}
} // namespace

double MonthlyPayment(float principal, float yearlyRate, long termInMonths)
{
    if (termInMonths < 1) {
        return 0.0;
    }
    const double rate = MonthlyRate(yearlyRate);
    if (rate == 0.0) {
        return double(principal) / termInMonths;
    }
    return principal * rate / (1.0 - std::pow(1.0 + rate, -double(termInMonths)));
}

double PrincipalPaid(float principal, float yearlyRate, long termInMonths, long payments)
{
    if (payments < 1) {
        return 0.0;
    }
    // The payment is kept as the single-precision figure it is stored and shown as.
    const double payment = float(MonthlyPayment(principal, yearlyRate, termInMonths));
    const double rate = MonthlyRate(yearlyRate);
    double balance = principal;
    double paid = 0.0;
    for (long i = 0; i < payments; ++i) {
        const double part = payment - rate * balance;
        balance -= part;
        paid += part;
    }
    return paid;
}

long PaymentsMadeAfter(long days)
{
    long payments = days / 30;
    if (days * double(kPaymentsPerDay) > payments) {
        ++payments;
    }
    return payments;
}
