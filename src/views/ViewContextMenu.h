#pragma once

#include <QPoint>

#include <functional>

class QWidget;

// The views' shared context menu: "&New", "&Delete", "&Properties" (the default). A position of
// (-1, -1), as the menu key gives, places it just inside the window's top-left corner. The menu
// pops up without blocking; each choice runs its function.
void ShowViewContextMenu(QPoint globalPos, QWidget* window, bool hasSelection, std::function<void()> onNew,
                         std::function<void()> onDelete, std::function<void()> onProperties);
