#include "controls/CLinkAccessible.h"

#include "controls/CLabel.h"

namespace {

QAccessibleInterface* LinkFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<CLabel*>(object);
    return label && label->IsLink() ? new CLinkAccessible(label) : nullptr;
}

} // namespace

CLinkAccessible::CLinkAccessible(CLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

QString CLinkAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return Label()->accessibleName().isEmpty() ? Label()->text() : Label()->accessibleName();
    return QAccessibleWidget::text(kind);
}

QStringList CLinkAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void CLinkAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        Label()->Activate();
    else
        QAccessibleWidget::doAction(actionName);
}

void CLinkAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&LinkFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CLabel* CLinkAccessible::Label() const
{
    return static_cast<CLabel*>(widget());
}
