#pragma once

#include <QString>

#include <functional>

class QWidget;

// How a page lets the user pick a category of a type (1 asset, 2 task, 3 store): it is handed the
// preselected id and the caption meant for the dialog, and gives back the id chosen. The views
// provide the "Categories" dialog; the pages only know this shape.
using CategoryChooser = std::function<long(QWidget* parent, int type, long id, const QString& caption)>;
