#pragma once

#include "records/sheets/CategoryChooser.h"

class CTask;
class QWidget;

// Runs the task's editor: the "Task Properties" sheet (Details and Notes) for a general task, the
// "Shopping List Item" dialog for a shopping item. With OK the task is saved and takes the edited
// values; true then. Cancel, or a save that fails (its message shown), leaves the task as it was
// and returns false. The chooser is what the "C&ategories" and "Stores" buttons open.
bool EditProperties(CTask& task, QWidget* parent, const CategoryChooser& chooser);
