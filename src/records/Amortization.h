#pragma once

// The arithmetic of a level-payment loan, in the single-precision steps the loan's figures have
// always been computed in, so a schedule shown anywhere in the program agrees to the cent with
// what Auto Update sets.

// The level monthly payment that repays the principal over the term at the yearly rate (percent);
// 0 for a term under one month.
double MonthlyPayment(float principal, float yearlyRate, long termInMonths);
// The principal repaid by the first `payments` payments of that schedule (0 below one payment).
double PrincipalPaid(float principal, float yearlyRate, long termInMonths, long payments);
// The payments made by a loan that started `days` whole days ago, one falling due at the start of
// each 30-day period.
long PaymentsMadeAfter(long days);
