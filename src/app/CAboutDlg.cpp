#include "app/CAboutDlg.h"

#include "app/AppVersion.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* StyledLabel(const QString& text, const QString& objectName, const QColor& colour, bool bold,
                    bool underline, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setBold(bold);
    font.setUnderline(underline);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* LinkLabel(const QString& text, const QString& objectName, QWidget* parent)
{
    return StyledLabel(text, objectName, QColor(0, 0, 128), false, true, parent);
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Hearthstead"));

    auto* product = StyledLabel(ProductLine(), QStringLiteral("productLabel"), Qt::black, true, false, this);

    auto* contact = new QGroupBox(QStringLiteral("Contact Us"), this);
    contact->setObjectName(QStringLiteral("contactGroup"));
    auto* lines = new QFormLayout(contact);
    lines->addRow(QStringLiteral("Web:"), LinkLabel(QStringLiteral("https://www.example.com/hearthstead"),
                                                    QStringLiteral("webLink"), contact));
    lines->addRow(QStringLiteral("Support:"),
                  LinkLabel(QStringLiteral("support@example.com"), QStringLiteral("supportLink"), contact));
    lines->addRow(QStringLiteral("Sales:"),
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
