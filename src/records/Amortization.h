#pragma once

// The arithmetic of a level-payment loan, in single-precision steps: the handheld edition computes
// the same figures that way, so both editions agree to the cent on what Auto Update sets.

// The level monthly payment that repays the principal over the term at the yearly rate (percent);
// 0 for a term under one month.
double MonthlyPayment(float principal, float yearlyRate, long termInMonths);
// The principal repaid by the first `payments` payments of that schedule (0 below one payment).
double PrincipalPaid(float principal, float yearlyRate, long termInMonths, long payments);
// The payments made by a loan that started `days` whole days ago, one falling due at the start of
// each 30-day period.
long PaymentsMadeAfter(long days);
