#pragma once

#include <QString>

#include <functional>

class CDataRecord;
class CPropertySheet;
class QWidget;

// Saves a record a sheet has just edited; when the save fails the failure text is shown (an
// exclamation box titled with the program's name) and false returned, the stored row untouched.
bool SaveRecord(CDataRecord& record, QWidget* parent, const QString& failureText);

// Makes the sheet's OK save the record while the sheet is still open: `collect` first moves into the
// record what the pages do not exchange with it themselves; a failed save shows failureText over
// the sheet and keeps it open with everything typed, to try again or cancel.
//
//     SaveOnOk(sheet, edited, tr("The home could not be saved."), [&] { edited.SetNotes(notes.GetNotes());
//     }); if (sheet.DoModal() == QDialog::Accepted) home = edited;
void SaveOnOk(CPropertySheet& sheet, CDataRecord& record, const QString& failureText,
              std::function<void()> collect = {});
