#include "records/CDlgHome_Tab1.h"

#include "controls/CLabel.h"
#include "platform/CPrompt.h"
#include "records/CHome.h"
#include "records/NumberExchange.h"
#include "records/PageLabels.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

CDlgHome_Tab1::CDlgHome_Tab1(QWidget* parent)
    : CPropertyPage(QStringLiteral("Details"), parent), m_descriptionEdit(new QLineEdit(this)),
      m_valueEdit(new QLineEdit(this)), m_addressEdit(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("homeDetailsPage"));
    m_descriptionEdit->setObjectName(QStringLiteral("homeDescription"));
    m_valueEdit->setObjectName(QStringLiteral("homeValue"));
    m_addressEdit->setObjectName(QStringLiteral("homeAddress"));
    m_valueEdit->setAlignment(Qt::AlignRight);
    m_valueEdit->setMaximumWidth(140);
    // Enter makes a new line in the address; Tab moves on to the next control.
    m_addressEdit->setTabChangesFocus(true);

    auto* example = ExampleLabel(QStringLiteral("(e.g: my summer home)"), this);
    example->setObjectName(QStringLiteral("homeExample"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(QStringLiteral("&Description:"), m_descriptionEdit, this), 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1);
    grid->addWidget(example, 1, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Curr. &Value:"), m_valueEdit, this), 2, 0);
    grid->addWidget(m_valueEdit, 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Address:"), m_addressEdit, this), 3, 0, Qt::AlignTop);
    grid->addWidget(m_addressEdit, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    setTabOrder(m_descriptionEdit, m_valueEdit);
    setTabOrder(m_valueEdit, m_addressEdit);
}

void CDlgHome_Tab1::LoadFrom(const CHome& home)
{
    m_description = home.GetDescription();
    m_address = home.GetAddress();
    m_currentValue = home.GetCurrentValue();
}

void CDlgHome_Tab1::StoreTo(CHome& home) const
{
    home.SetDescription(m_description);
    home.SetAddress(m_address);
    home.SetCurrentValue(m_currentValue);
}

bool CDlgHome_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionEdit->setText(m_description);
        WriteNumber(m_valueEdit, m_currentValue);
        m_addressEdit->setPlainText(m_address);
        m_shownAddress = m_addressEdit->toPlainText();
        return true;
    }
    if (!ReadNumber(m_valueEdit, m_currentValue)) {
        return false;
    }
    m_description = m_descriptionEdit->text();
    // An address the field only showed keeps its own line ends.
    if (m_addressEdit->toPlainText() != m_shownAddress) {
        m_address = m_addressEdit->toPlainText();
    }
    return true;
}

bool CDlgHome_Tab1::OnKillActive()
{
    if (!CPropertyPage::OnKillActive()) {
        return false;
    }
    if (m_description.isEmpty()) {
        ShowMessage(this, QStringLiteral("Please enter a description for this home."),
                    QStringLiteral("Hearthstead"), MessageIcon::Information);
        m_descriptionEdit->setFocus();
        return false;
    }
    return true;
}
