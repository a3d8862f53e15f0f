#pragma once

#include "data/DateTimeValue.h"
#include "records/CDataRecord.h"

// A debt held against a home (table Loans). Its AssetId column holds the id of the home, and its
// AssetType column says whether the loan counts against the home's equity.
class CLoan final : public CDataRecord
{
public:
    // A new loan: "New Loan", counted against equity, 6 % a year over 360 months, starting on
    // 31 December of last year.
    CLoan();

    long GetHomeId() const { return m_homeId; }
    void SetHomeId(long homeId) { m_homeId = homeId; }
    // 1: the loan affects the home equity; 0: it does not.
    short GetEquityFlag() const { return m_equityFlag; }
    void SetEquityFlag(short flag) { m_equityFlag = flag; }
    bool AffectsEquity() const { return m_equityFlag > 0; }
    float GetPrincipal() const { return m_principal; }
    void SetPrincipal(float principal) { m_principal = principal; }
    // Yearly rate in percent.
    float GetInterestRate() const { return m_interestRate; }
    void SetInterestRate(float rate) { m_interestRate = rate; }
    long GetTermInMonths() const { return m_termInMonths; }
    void SetTermInMonths(long months) { m_termInMonths = months; }
    const DateTimeValue& GetStartDate() const { return m_startDate; }
    void SetStartDate(const DateTimeValue& date) { m_startDate = date; }
    const QString& GetLenderName() const { return m_lenderName; }
    void SetLenderName(const QString& name) { m_lenderName = name; }
    const QString& GetLenderAcctNo() const { return m_lenderAcctNo; }
    void SetLenderAcctNo(const QString& number) { m_lenderAcctNo = number; }
    const QString& GetLenderPhone() const { return m_lenderPhone; }
    void SetLenderPhone(const QString& phone) { m_lenderPhone = phone; }

    bool Delete() override;

    // The level monthly payment that repays the principal over the term at the rate.
    double GetMonthlyPayment() const;
    // The principal repaid by the first `payments` payments of that schedule (0 below one payment).
    double GetPrincipalPaid(long payments) const;
    // Takes `payments` made payments off the schedule: the principal left and the months left. Once
    // every payment of the term is made the loan is paid off (principal and term 0).
    void ApplyPayments(long payments);

protected:
    QString TableName() const override;
    QString KeyColumn() const override;
    QString RowQuery() const override;
    void ReadFields(CADORecordset& row) override;
    bool WriteFields(CADORecordset& row) const override;

private:
    long m_homeId = 0;
    short m_equityFlag = 1;
    float m_principal = 0.0f;
    float m_interestRate = 6.0f;
    long m_termInMonths = 360;
    DateTimeValue m_startDate;
    QString m_lenderName;
    QString m_lenderAcctNo;
    QString m_lenderPhone;
};
