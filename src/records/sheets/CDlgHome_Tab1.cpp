#include "records/sheets/CDlgHome_Tab1.h"

#include "controls/CLabel.h"
#include "records/CHome.h"
#include "records/sheets/DescriptionCheck.h"
#include "records/sheets/NumberExchange.h"
#include "records/sheets/PageLabels.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

CDlgHome_Tab1::CDlgHome_Tab1(CHome& home, QWidget* parent)
    : CPropertyPage(tr("Details"), parent), m_home(home), m_descriptionEdit(new QLineEdit(this)),
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

    auto* example = ExampleLabel(tr("(e.g: my summer home)"), this, m_descriptionEdit);
    example->setObjectName(QStringLiteral("homeExample"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Description:"), m_descriptionEdit, this), 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1);
    grid->addWidget(example, 1, 1);
    grid->addWidget(BuddyLabel(tr("Curr. &Value:"), m_valueEdit, this), 2, 0);
    grid->addWidget(m_valueEdit, 2, 1);
    grid->addWidget(BuddyLabel(tr("&Address:"), m_addressEdit, this), 3, 0, Qt::AlignTop);
    grid->addWidget(m_addressEdit, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    setTabOrder(m_descriptionEdit, m_valueEdit);
    setTabOrder(m_valueEdit, m_addressEdit);
}

bool CDlgHome_Tab1::DoDataExchange(bool save)
{
    if (!save) {
        m_descriptionEdit->setText(m_home.GetDescription());
        WritePlainNumber(m_valueEdit, m_home.GetCurrentValue());
        m_addressEdit->setPlainText(m_home.GetAddress());
        m_shownAddress = m_addressEdit->toPlainText();
        return true;
    }
    float value = m_home.GetCurrentValue();
    if (!ReadNumber(m_valueEdit, value)) {
        return false;
    }
    m_home.SetCurrentValue(value);
    m_home.SetDescription(m_descriptionEdit->text());
    // An address the field only showed keeps its own line ends.
    if (m_addressEdit->toPlainText() != m_shownAddress) {
        m_home.SetAddress(m_addressEdit->toPlainText());
    }
    return true;
}

bool CDlgHome_Tab1::OnKillActive()
{
    return CPropertyPage::OnKillActive() && CheckDescription(m_home.GetDescription(), m_descriptionEdit,
                                                             tr("Please enter a description for this home."));
}
