#include "records/sheets/HomeProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CPropertySheet.h"
#include "records/CHome.h"
#include "records/sheets/CDlgHome_Loan.h"
#include "records/sheets/CDlgHome_Tab1.h"
#include "records/sheets/SaveRecord.h"

#include <QCoreApplication>

#include <memory>

bool EditProperties(CHome& home, QWidget* parent, bool startOnLoans)
{
    // The pages edit a copy, so Cancel leaves the caller's home untouched.
    CHome edited = home;
    CPropertySheet sheet(QCoreApplication::translate("HomeProperties", "Home Profile"), parent);
    CDlgHome_Tab1 details(edited);
    std::unique_ptr<CDlgHome_Loan> loans;
    CDlgPicture picture;
    CDlgNotes notes;
    picture.SetPath(edited.GetPicture());
    notes.SetNotes(edited.GetNotes());

    sheet.AddPage(&details);
    if (edited.IsValid()) {
        loans = std::make_unique<CDlgHome_Loan>(edited.GetId());
        sheet.AddPage(loans.get());
        if (startOnLoans) {
            sheet.SetActivePage(loans.get());
        }
    }
    sheet.AddPage(&picture);
    sheet.AddPage(&notes);
    SaveOnOk(sheet, edited, QCoreApplication::translate("HomeProperties", "The home could not be saved."),
             [&] {
                 edited.SetPicture(picture.GetPath());
                 edited.SetNotes(notes.GetNotes());
             });
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    home = edited;
    return true;
}
