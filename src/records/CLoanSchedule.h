#pragma once

#include <QDate>
#include <QList>

class CLoan;

// A loan's payments month by month from its start date, figured with the loan's own single-precision
// arithmetic so that the balance after the payments already made is what Auto Update would store.
// An extra monthly payment, when given, is added from the first payment not yet made and shortens
// the schedule; the stored loan is never changed.
class CLoanSchedule final
{
public:
    struct Row
    {
        long number = 0;
        QDate date;
        double payment = 0.0;
        double interest = 0.0;
        double principal = 0.0;
        double balance = 0.0;
    };

    CLoanSchedule() = default;
    // The schedule of the loan with `paymentsMade` payments behind it (negative counts as none).
    // A loan with no principal, no term or no start date has no rows.
    CLoanSchedule(const CLoan& loan, long paymentsMade, double extraPayment = 0.0);

    // The payments made by the given day, counted as Auto Update counts them (0 before the start).
    static long PaymentsMadeBy(const CLoan& loan, const QDate& day);

    const QList<Row>& Rows() const { return m_rows; }
    long PaymentsMade() const { return m_paymentsMade; }
    bool AffectsEquity() const { return m_affectsEquity; }
    double Principal() const { return m_principal; }
    QDate StartDate() const { return m_start; }
    // Interest of the payments made, and of those still to come.
    double InterestPaid() const;
    double InterestToPay() const;
    // The date of the last payment; null without rows.
    QDate PayoffDate() const;
    // What is owed on the day after the payments made by then: 0 before the loan started and after
    // it is paid off.
    double BalanceOn(const QDate& day) const;

private:
    double SumInterest(long fromNumber, long toNumber) const;

    QList<Row> m_rows;
    long m_paymentsMade = 0;
    bool m_affectsEquity = false;
    double m_principal = 0.0;
    QDate m_start;
};
