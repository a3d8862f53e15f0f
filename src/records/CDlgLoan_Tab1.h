#pragma once

#include "controls/CPropertyPage.h"

#include <QDateTime>

#include <functional>

class CLoan;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// The "Details" page of the loan sheet: description, principal, rate, term and start date, and the
// Auto Update that re-estimates principal and term from the payments made since the start date.
class CDlgLoan_Tab1 final : public CPropertyPage
{
    Q_OBJECT
public:
    explicit CDlgLoan_Tab1(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgLoan_Tab1)

    void LoadFrom(const CLoan& loan);
    // Copies the page's fields into the loan (its id, home, lender and notes are left alone).
    void StoreTo(CLoan& loan) const;

    // The clock Auto Update measures the loan's age against; the system's local time by default.
    void SetClock(std::function<QDateTime()> clock);

    bool OnKillActive() override;
    void OnOK() override;

protected:
    void OnInitDialog() override;
    bool DoDataExchange(bool save) override;

private:
    void OnAutoUpdate();
    // The first reason Auto Update cannot run on the page's values, "" when it can.
    QString AutoUpdateRefusal(const QDateTime& now) const;
    void ApplyPayments(long payments);

    QString m_description;
    float m_principal = 0.0f;
    float m_interestRate = 0.0f;
    long m_termInMonths = 0;
    QDateTime m_startDate = QDateTime::currentDateTime();
    std::function<QDateTime()> m_clock;

    QLineEdit* m_descriptionEdit;
    QLineEdit* m_principalEdit;
    QPushButton* m_autoUpdateButton;
    QLineEdit* m_rateEdit;
    QLineEdit* m_termEdit;
    QComboBox* m_termUnit;
    QDateEdit* m_startDateEdit;
};
