#include "exchange/CSyncDirectionDlg.h"

#include "controls/CLabel.h"
#include "data/AppPaths.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "res/StringIds.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The option buttons and the labels beside them, by their control ids.
constexpr int kToDeviceOption = 1025;
constexpr int kToDesktopOption = 1026;
constexpr int kToDeviceLabel = 1028;
constexpr int kToDesktopLabel = 1029;

} // namespace

CSyncDirectionDlg::CSyncDirectionDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Sync Direction"));
    auto* prompt = new CLabel(0, tr("Please select how you wish to sync:"), this);
    CLabel::ApplyPlainBoldStyle(*prompt);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    m_toDevice = AddOption(grid, 0, kToDeviceOption, tr("Desktop data replaces device data"));
    m_toDesktop = AddOption(grid, 1, kToDesktopOption, tr("Device data replaces desktop data"));
    m_toDevice->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Sync"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

// The option's text is a label beside the button, in the heading's colour and bold; a click on it
// chooses the option, and the button carries the text for screen readers.
QRadioButton* CSyncDirectionDlg::AddOption(QGridLayout* grid, int row, int controlId, const QString& text)
{
    auto* option = new QRadioButton(this);
    option->setObjectName(QStringLiteral("option%1").arg(controlId));
    option->setAccessibleName(text);
    auto* label = new CLabel(controlId == kToDeviceOption ? kToDeviceLabel : kToDesktopLabel, text, this);
    label->setObjectName(QStringLiteral("label%1").arg(label->GetControlId()));
    CLabel::ApplyHeadingStyle(*label);
    label->setBuddy(option);
    connect(label, &CLabel::clicked, option, [option](int) { option->setChecked(true); });
    grid->addWidget(option, row, 0);
    grid->addWidget(label, row, 1);
    return option;
}

CSyncDirectionDlg::Direction CSyncDirectionDlg::GetDirection() const
{
    return m_toDevice->isChecked() ? DesktopToDevice : DeviceToDesktop;
}

void CSyncDirectionDlg::SetDirection(Direction direction)
{
    (direction == DesktopToDevice ? m_toDevice : m_toDesktop)->setChecked(true);
}

void CSyncDirectionDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_painted) {
        return;
    }
    m_painted = true;
    // After the paint is over: a message box must not open inside it.
    QMetaObject::invokeMethod(this, &CSyncDirectionDlg::GiveAdvice, Qt::QueuedConnection);
}

void CSyncDirectionDlg::GiveAdvice()
{
    ShowMessageOnce(parentWidget(), LoadResString(IDS_SYNC_FIRST_TIME), Settings::IsFirstSync);
}
