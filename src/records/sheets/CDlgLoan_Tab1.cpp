#include "records/sheets/CDlgLoan_Tab1.h"

#include "data/AppPaths.h"
#include "data/ui/TermText.h"
#include "platform/CPrompt.h"
#include "records/Amortization.h"
#include "records/CLoan.h"
#include "records/sheets/CDatePickerKeys.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

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
// Enough digits for any term the 16-bit term column can hold.
constexpr int kTermDigits = 5;
// The date picker's frame and calendar button, in pixels.
constexpr int kDateButtonRoom = 48;

} // namespace

CDlgLoan_Tab1::CDlgLoan_Tab1(CLoan& loan, QWidget* parent)
    : CPropertyPage(tr("Details"), parent), m_loan(loan), m_clock(&QDateTime::currentDateTime),
      m_descriptionEdit(new QLineEdit(this)), m_principalEdit(new QLineEdit(this)),
      m_autoUpdateButton(new QPushButton(tr("&Auto Update"), this)), m_rateEdit(new QLineEdit(this)),
      m_termEdit(new QLineEdit(this)), m_termUnit(new QComboBox(this)), m_startDateEdit(new QDateEdit(this))
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
    m_startDateEdit->setDisplayFormat(LoadResString(IDS_DATE_PICKER_FORMAT));
    new CDatePickerKeys(m_startDateEdit);
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
    auto* perYear = new QLabel(tr("% per year"), this);
    rateRow->addWidget(perYear);
    m_rateEdit->setAccessibleDescription(perYear->text());
    m_termUnit->setAccessibleName(tr("Term unit"));
    rateRow->addStretch(1);
    auto* termRow = new QHBoxLayout;
    termRow->addWidget(m_termEdit);
    termRow->addWidget(m_termUnit);
    termRow->addStretch(1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_startDateEdit);
    dateRow->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Description:"), m_descriptionEdit, this), 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1);
    grid->addWidget(BuddyLabel(tr("&Principal:"), m_principalEdit, this), 1, 0);
    grid->addLayout(principalRow, 1, 1);
    grid->addWidget(BuddyLabel(tr("Interest &Rate:"), m_rateEdit, this), 2, 0);
    grid->addLayout(rateRow, 2, 1);
    grid->addWidget(BuddyLabel(tr("&Term:"), m_termEdit, this), 3, 0);
    grid->addLayout(termRow, 3, 1);
    grid->addWidget(BuddyLabel(tr("&Start Date:"), m_startDateEdit, this), 4, 0);
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

void CDlgLoan_Tab1::SetClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

void CDlgLoan_Tab1::OnInitDialog()
{
    SetTermText(int(m_loan.GetTermInMonths()), m_termEdit, m_termUnit);
}

QDateTime CDlgLoan_Tab1::StartDateTime() const
{
    const DateTimeValue& start = m_loan.GetStartDate();
    return start.IsValid() ? start.ToDateTime() : QDateTime::currentDateTime();
}

bool CDlgLoan_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionEdit->setText(m_loan.GetDescription());
        WriteNumber(m_principalEdit, m_loan.GetPrincipal());
        WritePlainNumber(m_rateEdit, m_loan.GetInterestRate());
        m_startDateEdit->setDate(StartDateTime().date());
        return true;
    }
    float principal = m_loan.GetPrincipal();
    float rate = m_loan.GetInterestRate();
    if (!ReadNumber(m_principalEdit, principal) || !ReadNumber(m_rateEdit, rate)) {
        return false;
    }
    m_loan.SetPrincipal(principal);
    m_loan.SetInterestRate(rate);
    m_loan.SetDescription(m_descriptionEdit->text());
    // The picker shows the day only; the time of day stays as it was.
    m_loan.SetStartDate(
        DateTimeValue::FromDateTime(QDateTime(m_startDateEdit->date(), StartDateTime().time())));
    return true;
}

bool CDlgLoan_Tab1::OnKillActive()
{
    return CPropertyPage::OnKillActive() &&
           CheckDescription(m_loan.GetDescription(), m_descriptionEdit,
                            tr("Please enter a description for this loan (e.g: My Home Loan)."));
}

void CDlgLoan_Tab1::OnOK()
{
    m_loan.SetTermInMonths(GetTermMonths(m_termEdit, m_termUnit));
}

void CDlgLoan_Tab1::OnAutoUpdate()
{
    // The fields are checked first: no question is worth answering for figures that cannot be read.
    if (!UpdateData(true)) {
        return;
    }
    if (ShowMessage(this, LoadResString(IDS_AUTO_UPDATE_QUESTION), AppName(), MessageIcon::Question,
                    MessageButtons::YesNo) != IDYES) {
        return;
    }
    m_loan.SetTermInMonths(GetTermMonths(m_termEdit, m_termUnit));
    const QDateTime now = m_clock();
    const QString refusal = AutoUpdateRefusal(now);
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal, AppName(), MessageIcon::Exclamation);
        return;
    }
    // Whole days on the calendar and the clock, so a change to or from summer time moves nothing.
    const QDateTime start = StartDateTime();
    long days = long(start.date().daysTo(now.date()));
    if (now.time() < start.time()) {
        --days;
    }
    m_loan.ApplyPayments(PaymentsMadeAfter(days));
    WriteNumber(m_principalEdit, m_loan.GetPrincipal());
    SetTermText(int(m_loan.GetTermInMonths()), m_termEdit, m_termUnit);
    ShowMessage(this, LoadResString(IDS_AUTO_UPDATE_DONE), AppName(), MessageIcon::Information);
}

QString CDlgLoan_Tab1::AutoUpdateRefusal(const QDateTime& now) const
{
    if (!(m_loan.GetPrincipal() > 0.0f)) {
        return tr("Principal must be greater than 0.");
    }
    if (!(StartDateTime() < now)) {
        return tr("Start date must be earlier than today.");
    }
    if (m_loan.GetTermInMonths() < 1) {
        return tr("Term must be greater than 0.");
    }
    if (!(m_loan.GetInterestRate() > 0.0f)) {
        return tr("Interest rate must be greater than 0.");
    }
    return QString();
}
