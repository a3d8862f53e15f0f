#include "views/CDlgLoanSchedule.h"

#include "data/Formatting.h"
#include "platform/CPrompt.h"
#include "records/CHome.h"
#include "records/EquitySeries.h"
#include "res/AppInfo.h"
#include "views/CLoanChart.h"
#include "views/LoanScheduleOutput.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CDlgLoanSchedule::CDlgLoanSchedule(const CHome& home, QWidget* parent, const QDate& today)
    : QDialog(parent), m_home(home), m_today(today), m_loans(LoadHomeLoans(home.GetId())),
      m_loanChoice(new QComboBox(this)), m_extra(new QDoubleSpinBox(this)), m_chart(new CLoanChart(this)),
      m_table(new QTableWidget(0, ColumnCount, this)), m_totals(new QLabel(this))
{
    setObjectName(QStringLiteral("loanScheduleDialog"));
    setWindowTitle(tr("Loan Schedule"));
    m_table->setObjectName(QStringLiteral("scheduleTable"));
    m_table->setAccessibleName(tr("Payments"));
    m_table->setHorizontalHeaderLabels(
        {tr("No."), tr("Date"), tr("Payment"), tr("Interest"), tr("Principal"), tr("Balance")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_totals->setObjectName(QStringLiteral("scheduleTotals"));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeChoiceRow());
    layout->addWidget(m_chart, 2);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_totals);
    layout->addLayout(MakeButtonRow());
    resize(720, 640);
    Recompute();
}

QLayout* CDlgLoanSchedule::MakeChoiceRow()
{
    for (int i = 0; i < m_loans.size(); ++i) {
        m_loanChoice->addItem(LoanName(i));
    }
    m_loanChoice->setObjectName(QStringLiteral("loanChoice"));
    m_extra->setObjectName(QStringLiteral("extraPayment"));
    m_extra->setRange(0.0, 1e7);
    m_extra->setDecimals(2);
    m_extra->setGroupSeparatorShown(true);
    auto* loanLabel = new QLabel(tr("&Loan:"), this);
    loanLabel->setBuddy(m_loanChoice);
    auto* extraLabel = new QLabel(tr("E&xtra monthly payment:"), this);
    extraLabel->setBuddy(m_extra);
    connect(m_loanChoice, &QComboBox::currentIndexChanged, this, &CDlgLoanSchedule::Recompute);
    connect(m_extra, &QDoubleSpinBox::valueChanged, this, &CDlgLoanSchedule::Recompute);
    auto* row = new QHBoxLayout;
    row->addWidget(loanLabel);
    row->addWidget(m_loanChoice, 1);
    row->addWidget(extraLabel);
    row->addWidget(m_extra);
    return row;
}

QLayout* CDlgLoanSchedule::MakeButtonRow()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton = buttons->addButton(tr("&Export CSV..."), QDialogButtonBox::ActionRole);
    QPushButton* printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    printButton->setObjectName(QStringLiteral("printButton"));
    connect(exportButton, &QPushButton::clicked, this, &CDlgLoanSchedule::ExportCsv);
    connect(printButton, &QPushButton::clicked, this, &CDlgLoanSchedule::Print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(buttons);
    return row;
}

QString CDlgLoanSchedule::LoanName(int index) const
{
    const CLoan& loan = m_loans.at(index);
    if (loan.GetLenderName().isEmpty()) {
        return loan.GetDescription();
    }
    return loan.GetDescription() + QStringLiteral(" (") + loan.GetLenderName() + QLatin1Char(')');
}

const CLoanSchedule& CDlgLoanSchedule::Schedule() const
{
    const int chosen = m_loanChoice->currentIndex();
    return chosen >= 0 && chosen < m_schedules.size() ? m_schedules.at(chosen) : m_empty;
}

void CDlgLoanSchedule::Recompute()
{
    const int chosen = m_loanChoice->currentIndex();
    m_schedules.clear();
    m_interestSaved = 0.0;
    for (int i = 0; i < m_loans.size(); ++i) {
        const CLoan& loan = m_loans.at(i);
        const long made = CLoanSchedule::PaymentsMadeBy(loan, m_today);
        m_schedules.append(CLoanSchedule(loan, made, i == chosen ? m_extra->value() : 0.0));
        if (i == chosen) {
            m_interestSaved =
                CLoanSchedule(loan, made).InterestToPay() - m_schedules.constLast().InterestToPay();
        }
    }
    m_chart->SetSeries(EquityOverTime(m_home.GetCurrentValue(), m_schedules, chosen), m_today);
    FillTable();
    ShowTotals();
}

void CDlgLoanSchedule::FillTable()
{
    const CLoanSchedule& schedule = Schedule();
    const QLocale locale;
    const QColor doneColour = palette().color(QPalette::Disabled, QPalette::Text);
    m_table->setRowCount(int(schedule.Rows().size()));
    for (int r = 0; r < schedule.Rows().size(); ++r) {
        const CLoanSchedule::Row& row = schedule.Rows().at(r);
        const QStringList texts{
            locale.toString(qlonglong(row.number)), locale.toString(row.date, QLocale::ShortFormat),
            FormatMoney(float(row.payment)),        FormatMoney(float(row.interest)),
            FormatMoney(float(row.principal)),      FormatMoney(float(row.balance))};
        const bool done = row.number <= schedule.PaymentsMade();
        const bool next = row.number == schedule.PaymentsMade() + 1;
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts.at(c));
            item->setTextAlignment(c < PaymentColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignRight | Qt::AlignVCenter);
            if (done) {
                item->setForeground(doneColour);
                item->setToolTip(tr("Paid"));
            } else if (next) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setToolTip(tr("Next payment"));
            }
            m_table->setItem(r, c, item);
        }
    }
    const int nextRow = int(schedule.PaymentsMade());
    if (nextRow < m_table->rowCount()) {
        m_table->setCurrentCell(nextRow, 0);
        m_table->scrollToItem(m_table->item(nextRow, 0), QAbstractItemView::PositionAtCenter);
    }
}

// Only a shown table knows its height, so the next payment is centred once more here.
void CDlgLoanSchedule::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QTableWidgetItem* next = m_table->currentItem()) {
        m_table->scrollToItem(next, QAbstractItemView::PositionAtCenter);
    }
}

void CDlgLoanSchedule::ShowTotals()
{
    const CLoanSchedule& schedule = Schedule();
    QString text =
        tr("Interest paid so far: %1    Interest still to pay: %2    Payoff date: %3")
            .arg(FormatMoney(float(schedule.InterestPaid())), FormatMoney(float(schedule.InterestToPay())),
                 QLocale().toString(schedule.PayoffDate(), QLocale::LongFormat));
    if (m_interestSaved > 0.005) {
        text += QLatin1Char('\n') + tr("Interest saved: %1").arg(FormatMoney(float(m_interestSaved)));
    }
    m_totals->setText(text);
}

bool CDlgLoanSchedule::ExportCsv()
{
    const int chosen = m_loanChoice->currentIndex();
    if (chosen < 0) {
        return false;
    }
    FileRequest request;
    request.owner = this;
    request.save = true;
    request.title = tr("Export Loan Schedule");
    request.filter = tr("CSV Files (*.csv)|*.csv|");
    request.defaultName = m_loans.at(chosen).GetDescription() + tr(" Schedule");
    request.defaultExtension = QStringLiteral("csv");
    request.promptOverwrite = true;
    const QString path = Prompt().ChooseFile(request);
    if (path.isEmpty()) {
        return false;
    }
    if (!WriteScheduleCsv(path, LoanName(chosen), Schedule())) {
        ShowMessage(
            this,
            tr("I'm afraid there was an error creating that file. Please make sure the file is not in "
               "use and try again."),
            AppName(), MessageIcon::Exclamation);
        return false;
    }
    const QString question = QLatin1Char('"') + path + QLatin1Char('"') +
                             tr(" has been created.\n\nWould you like to open it now?");
    if (ShowMessage(this, question, AppName(), MessageIcon::Question, MessageButtons::YesNo) == IDYES) {
        Prompt().ShellOpen(path);
    }
    return true;
}

bool CDlgLoanSchedule::Print()
{
    const int chosen = m_loanChoice->currentIndex();
    if (chosen < 0) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Loan Schedule"));
    QPrintDialog dialog(&printer, this);
    if (Prompt().RunModal(dialog) != QDialog::Accepted) {
        return false;
    }
    return PrintSchedule(printer, *m_chart, LoanName(chosen), Schedule());
}
