#include "records/sheets/AreaProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CPropertySheet.h"
#include "records/CArea.h"
#include "records/sheets/CDlgArea_Colors.h"
#include "records/sheets/CDlgArea_Tab1.h"
#include "records/sheets/SaveRecord.h"

#include <QCoreApplication>

bool EditProperties(CArea& area, QWidget* parent)
{
    // The pages edit a copy, so Cancel leaves the caller's location untouched.
    CArea edited = area;
    CPropertySheet sheet(QCoreApplication::translate("AreaProperties", "Location Properties"), parent);
    CDlgArea_Tab1 details(edited);
    CDlgArea_Colors colors(edited);
    CDlgNotes notes;
    notes.SetNotes(edited.GetNotes());
    sheet.AddPage(&details);
    sheet.AddPage(&colors);
    sheet.AddPage(&notes);
    SaveOnOk(sheet, edited, QCoreApplication::translate("AreaProperties", "The location could not be saved."),
             [&] { edited.SetNotes(notes.GetNotes()); });
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    area = edited;
    return true;
}
