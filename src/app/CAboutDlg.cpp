#include "app/CAboutDlg.h"

#include "controls/CLabel.h"
#include "res/AppInfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

CLabel* LinkLabel(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new CLabel(parent);
    label->setObjectName(objectName);
    label->setText(text);
    CLabel::ApplyLinkStyle(*label);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Hearthstead"));

    auto* product = new CLabel(this);
    product->setObjectName(QStringLiteral("productLabel"));
    product->setText(ProductLine());
    CLabel::ApplyPlainBoldStyle(*product);

    auto* contact = new QGroupBox(tr("Contact Us"), this);
    contact->setObjectName(QStringLiteral("contactGroup"));
    auto* lines = new QFormLayout(contact);
    lines->addRow(tr("Web:"), LinkLabel(QStringLiteral("https://www.example.com/hearthstead"),
                                        QStringLiteral("webLink"), contact));
    lines->addRow(tr("Support:"),
                  LinkLabel(QStringLiteral("support@example.com"), QStringLiteral("supportLink"), contact));
    lines->addRow(tr("Sales:"),
                  LinkLabel(QStringLiteral("sales@example.com"), QStringLiteral("salesLink"), contact));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(contact);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
