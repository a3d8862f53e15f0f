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
    // The page fills its fields from the loan and writes them back into it when left; the term is
    // taken when the sheet closes with OK.
    explicit CDlgLoan_Tab1(CLoan& loan, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgLoan_Tab1)

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
    // The start date with its time of day; a loan without one starts now.
    QDateTime StartDateTime() const;

    CLoan& m_loan;
    std::function<QDateTime()> m_clock;

    QLineEdit* m_descriptionEdit;
    QLineEdit* m_principalEdit;
    QPushButton* m_autoUpdateButton;
    QLineEdit* m_rateEdit;
    QLineEdit* m_termEdit;
    QComboBox* m_termUnit;
    QDateEdit* m_startDateEdit;
};
