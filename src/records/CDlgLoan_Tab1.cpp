#include "records/CDlgLoan_Tab1.h"

#include "data/AppPaths.h"
#include "data/Formatting.h"
#include "platform/CPrompt.h"
#include "records/CLoan.h"
#include "records/NumberExchange.h"
#include "records/PageLabels.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
const QString kCaption = QStringLiteral("Hearthstead");
// Enough digits for any term the 16-bit term column can hold.
constexpr int kTermDigits = 5;
// The date picker's frame and calendar button, in pixels.
constexpr int kDateButtonRoom = 48;

} // namespace

CDlgLoan_Tab1::CDlgLoan_Tab1(QWidget* parent)
    : CPropertyPage(QStringLiteral("Details"), parent), m_clock(&QDateTime::currentDateTime),
      m_descriptionEdit(new QLineEdit(this)), m_principalEdit(new QLineEdit(this)),
      m_autoUpdateButton(new QPushButton(QStringLiteral("&Auto Update"), this)),
      m_rateEdit(new QLineEdit(this)), m_termEdit(new QLineEdit(this)), m_termUnit(new QComboBox(this)),
      m_startDateEdit(new QDateEdit(this))
{
    setObjectName(QStringLiteral("loanDetailsPage"));
    m_descriptionEdit->setObjectName(QStringLiteral("loanDescription"));
    m_principalEdit->setObjectName(QStringLiteral("loanPrincipal"));
    m_autoUpdateButton->setObjectName(QStringLiteral("autoUpdateButton"));
    m_rateEdit->setObjectName(QStringLiteral("interestRate"));
    m_termEdit->setObjectName(QStringLiteral("termEdit"));
    m_termUnit->setObjectName(QStringLiteral("termUnit"));
    m_startDateEdit->setObjectName(QStringLiteral("startDate"));

    m_termEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_termEdit));
    m_termEdit->setMaxLength(kTermDigits);
    m_termUnit->addItems({QStringLiteral("Months"), QStringLiteral("Years")});
    m_startDateEdit->setCalendarPopup(true);
    m_startDateEdit->setDisplayFormat(LoadResString(32818));
    // Room for the longest date of the format beside the calendar button.
    const QString widestDate = QLocale().toString(QDate(2000, 9, 27), m_startDateEdit->displayFormat());
    m_startDateEdit->setMinimumWidth(fontMetrics().horizontalAdvance(widestDate) + kDateButtonRoom);
    m_principalEdit->setAlignment(Qt::AlignRight);
    m_rateEdit->setAlignment(Qt::AlignRight);
    m_termEdit->setAlignment(Qt::AlignRight);
    m_principalEdit->setMaximumWidth(140);
    m_rateEdit->setMaximumWidth(80);
    m_termEdit->setMaximumWidth(80);

    auto* principalRow = new QHBoxLayout;
    principalRow->addWidget(m_principalEdit);
    principalRow->addWidget(m_autoUpdateButton);
    principalRow->addStretch(1);
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(m_rateEdit);
    rateRow->addWidget(new QLabel(QStringLiteral("% per year"), this));
    rateRow->addStretch(1);
    auto* termRow = new QHBoxLayout;
    termRow->addWidget(m_termEdit);
    termRow->addWidget(m_termUnit);
    termRow->addStretch(1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_startDateEdit);
    dateRow->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(QStringLiteral("&Description:"), m_descriptionEdit, this), 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Principal:"), m_principalEdit, this), 1, 0);
    grid->addLayout(principalRow, 1, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Interest &Rate:"), m_rateEdit, this), 2, 0);
    grid->addLayout(rateRow, 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Term:"), m_termEdit, this), 3, 0);
    grid->addLayout(termRow, 3, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Start Date:"), m_startDateEdit, this), 4, 0);
    grid->addLayout(dateRow, 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    setTabOrder(m_descriptionEdit, m_principalEdit);
    setTabOrder(m_principalEdit, m_autoUpdateButton);
    setTabOrder(m_autoUpdateButton, m_rateEdit);
    setTabOrder(m_rateEdit, m_termEdit);
    setTabOrder(m_termEdit, m_termUnit);
    setTabOrder(m_termUnit, m_startDateEdit);

    connect(m_autoUpdateButton, &QPushButton::clicked, this, &CDlgLoan_Tab1::OnAutoUpdate);
}

void CDlgLoan_Tab1::LoadFrom(const CLoan& loan)
{
    m_description = loan.GetDescription();
    m_principal = loan.GetPrincipal();
    m_interestRate = loan.GetInterestRate();
    m_termInMonths = loan.GetTermInMonths();
    if (loan.GetStartDate().IsValid()) {
        m_startDate = loan.GetStartDate().ToDateTime();
    }
}

void CDlgLoan_Tab1::StoreTo(CLoan& loan) const
{
    loan.SetDescription(m_description);
    loan.SetPrincipal(m_principal);
    loan.SetInterestRate(m_interestRate);
    loan.SetTermInMonths(m_termInMonths);
    loan.SetStartDate(DateTimeValue::FromDateTime(m_startDate));
}

void CDlgLoan_Tab1::SetClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

void CDlgLoan_Tab1::OnInitDialog()
{
    SetTermText(m_termInMonths, m_termEdit, m_termUnit);
}

bool CDlgLoan_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionEdit->setText(m_description);
        WriteNumber(m_principalEdit, m_principal);
        WriteNumber(m_rateEdit, m_interestRate);
        m_startDateEdit->setDate(m_startDate.date());
        return true;
    }
    if (!ReadNumber(m_principalEdit, m_principal) || !ReadNumber(m_rateEdit, m_interestRate)) {
        return false;
    }
    m_description = m_descriptionEdit->text();
    // The picker shows the day only; the time of day stays as it was.
    m_startDate = QDateTime(m_startDateEdit->date(), m_startDate.time());
    return true;
}

bool CDlgLoan_Tab1::OnKillActive()
{
    if (!CPropertyPage::OnKillActive()) {
        return false;
    }
    if (m_description.isEmpty()) {
        ShowMessage(this, QStringLiteral("Please enter a description for this loan (e.g: My Home Loan)."),
                    kCaption, MessageIcon::Information);
        m_descriptionEdit->setFocus();
        return false;
    }
    return true;
}

void CDlgLoan_Tab1::OnOK()
{
    m_termInMonths = GetTermMonths(m_termEdit, m_termUnit);
}

void CDlgLoan_Tab1::OnAutoUpdate()
{
    if (ShowMessage(this, LoadResString(57348), kCaption, MessageIcon::Question, MessageButtons::YesNo) !=
        IDYES) {
        return;
    }
    if (!UpdateData(true)) {
        return;
    }
    m_termInMonths = GetTermMonths(m_termEdit, m_termUnit);
    const QDateTime now = m_clock();
    const QString refusal = AutoUpdateRefusal(now);
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal, kCaption, MessageIcon::Exclamation);
        return;
    }
    // Whole days on the calendar and the clock, so a change to or from summer time moves nothing.
    long days = long(m_startDate.date().daysTo(now.date()));
    if (now.time() < m_startDate.time()) {
        --days;
    }
    ApplyPayments(CLoan::PaymentsMadeAfter(days));
    ShowMessage(this, LoadResString(57349), kCaption, MessageIcon::Information);
}

QString CDlgLoan_Tab1::AutoUpdateRefusal(const QDateTime& now) const
{
    if (!(m_principal > 0.0f)) {
        return QStringLiteral("Principal must be greater than 0.");
    }
    if (!(m_startDate < now)) {
        return QStringLiteral("Start date must be earlier than today.");
    }
    if (m_termInMonths < 1) {
        return QStringLiteral("Term must be greater than 0.");
    }
    if (!(m_interestRate > 0.0f)) {
        return QStringLiteral("Interest rate must be greater than 0.");
    }
    return QString();
}

void CDlgLoan_Tab1::ApplyPayments(long payments)
{
    if (payments >= m_termInMonths) {
        // Every payment of the schedule has been made: the loan is paid off.
        m_principal = 0.0f;
        m_termInMonths = 0;
    } else {
        CLoan schedule;
        schedule.SetPrincipal(m_principal);
        schedule.SetInterestRate(m_interestRate);
        schedule.SetTermInMonths(m_termInMonths);
        m_principal = float(m_principal - schedule.GetPrincipalPaid(payments));
        m_termInMonths -= payments;
    }
    WriteNumber(m_principalEdit, m_principal);
    SetTermText(m_termInMonths, m_termEdit, m_termUnit);
}
