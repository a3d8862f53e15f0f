#include "views/ViewContextMenu.h"

#include <QMenu>
#include <QWidget>

void ShowViewContextMenu(QPoint globalPos, QWidget* window, bool hasSelection, std::function<void()> onNew,
                         std::function<void()> onDelete, std::function<void()> onProperties)
{
    if (globalPos == QPoint(-1, -1))
        globalPos = window->mapToGlobal(QPoint(5, 5));
    auto* menu = new QMenu(window->window());
    menu->setObjectName(QStringLiteral("viewContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* newAction = menu->addAction(QObject::tr("&New"));
    QAction* deleteAction = menu->addAction(QObject::tr("&Delete"));
    menu->addSeparator();
    QAction* propertiesAction = menu->addAction(QObject::tr("&Properties"));
    menu->setDefaultAction(propertiesAction);
    deleteAction->setEnabled(hasSelection);
    propertiesAction->setEnabled(hasSelection);
    QObject::connect(newAction, &QAction::triggered, menu, std::move(onNew));
    QObject::connect(deleteAction, &QAction::triggered, menu, std::move(onDelete));
    QObject::connect(propertiesAction, &QAction::triggered, menu, std::move(onProperties));
    menu->popup(globalPos);
}
