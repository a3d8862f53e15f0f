#include "views/CDlgCategoryName.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CDlgCategoryName::CDlgCategoryName(const QString& name, QWidget* parent)
    : QDialog(parent), m_nameEdit(new QLineEdit(name, this))
{
    setObjectName(QStringLiteral("categoryNameDialog"));
    setWindowTitle(tr("Category"));
    m_nameEdit->setObjectName(QStringLiteral("categoryName"));
    m_nameEdit->setMinimumWidth(240);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* label = new QLabel(tr("&Name:"), this);
    label->setBuddy(m_nameEdit);
    auto* layout = new QFormLayout(this);
    layout->addRow(label, m_nameEdit);
    layout->addRow(buttons);
    m_nameEdit->selectAll();
}

QString CDlgCategoryName::GetName() const
{
    return m_nameEdit->text();
}
