#include "records/sheets/TaskProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CPropertySheet.h"
#include "platform/CPrompt.h"
#include "records/CTask.h"
#include "records/sheets/CDlgShoppingItem.h"
#include "records/sheets/CDlgTaskItem.h"
#include "records/sheets/SaveRecord.h"

#include <QCoreApplication>

namespace {

QString SaveFailure()
{
    return QCoreApplication::translate("TaskProperties", "The task could not be saved.");
}

bool EditGeneralTask(CTask& task, QWidget* parent, const CategoryChooser& chooser)
{
    CPropertySheet sheet(QCoreApplication::translate("TaskProperties", "Task Properties"), parent);
    CDlgTaskItem details(task, chooser);
    CDlgNotes notes;
    notes.SetNotes(task.GetNotes());
    sheet.AddPage(&details);
    sheet.AddPage(&notes);
    // Saved while the sheet is still open, so a failed save keeps what was typed.
    SaveOnOk(sheet, task, SaveFailure(), [&] { task.SetNotes(notes.GetNotes()); });
    return sheet.DoModal() == QDialog::Accepted;
}

bool EditShoppingItem(CTask& item, QWidget* parent, const CategoryChooser& chooser)
{
    CDlgShoppingItem dialog(item, chooser, parent);
    return Prompt().RunModal(dialog) == QDialog::Accepted && SaveRecord(item, parent, SaveFailure());
}

} // namespace

bool EditProperties(CTask& task, QWidget* parent, const CategoryChooser& chooser)
{
    // The editors work on a copy, so Cancel leaves the caller's task untouched.
    CTask edited = task;
    const bool accepted = edited.IsShoppingItem() ? EditShoppingItem(edited, parent, chooser)
                                                  : EditGeneralTask(edited, parent, chooser);
    if (!accepted) {
        return false;
    }
    task = edited;
    return true;
}
