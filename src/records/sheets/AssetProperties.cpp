#include "records/sheets/AssetProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CPropertySheet.h"
#include "records/CAsset.h"
#include "records/sheets/CDlgAsset_Other.h"
#include "records/sheets/CDlgAsset_Purchase.h"
#include "records/sheets/CDlgAsset_Tab1.h"
#include "records/sheets/CDlgAsset_Video.h"
#include "records/sheets/SaveRecord.h"

#include <QCoreApplication>

bool EditProperties(CAsset& asset, QWidget* parent, const CategoryChooser& chooser)
{
    // The pages edit a copy, so Cancel leaves the caller's asset untouched.
    CAsset edited = asset;
    if (!edited.IsValid() && edited.IsVideoTitle()) {
        edited.SetDescription(QStringLiteral("New Video"));
        edited.SetMakeModel(QStringLiteral("General"));
    }
    CPropertySheet sheet(QCoreApplication::translate("AssetProperties", "Asset Properties"), parent);
    CDlgAsset_Tab1 details(edited, chooser);
    CDlgAsset_Purchase purchase(edited);
    CDlgAsset_Other other(edited);
    CDlgPicture picture;
    CDlgAsset_Video title(edited);
    CDlgNotes notes;
    picture.SetPath(edited.GetPicture());
    notes.SetNotes(edited.GetNotes());

    sheet.AddPage(&details);
    if (edited.IsVideoTitle()) {
        sheet.AddPage(&title);
    } else {
        sheet.AddPage(&purchase);
        sheet.AddPage(&other);
        sheet.AddPage(&picture);
    }
    sheet.AddPage(&notes);
    SaveOnOk(sheet, edited, QCoreApplication::translate("AssetProperties", "The asset could not be saved."),
             [&] {
                 if (!edited.IsVideoTitle()) {
                     edited.SetPicture(picture.GetPath());
                 }
                 edited.SetNotes(notes.GetNotes());
             });
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    asset = edited;
    return true;
}
