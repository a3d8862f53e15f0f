#include "records/sheets/LoanProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CPropertySheet.h"
#include "records/CLoan.h"
#include "records/sheets/CDlgLoan_Lender.h"
#include "records/sheets/CDlgLoan_Tab1.h"
#include "records/sheets/SaveRecord.h"

#include <QCoreApplication>

bool EditProperties(CLoan& loan, QWidget* parent)
{
    // The pages edit a copy, so Cancel leaves the caller's loan untouched.
    CLoan edited = loan;
    CPropertySheet sheet(QCoreApplication::translate("LoanProperties", "Loan Properties"), parent);
    CDlgLoan_Tab1 details(edited);
    CDlgLoan_Lender lender(edited);
    CDlgNotes notes;
    notes.SetNotes(edited.GetNotes());
    sheet.AddPage(&details);
    sheet.AddPage(&lender);
    sheet.AddPage(&notes);
    SaveOnOk(sheet, edited, QCoreApplication::translate("LoanProperties", "The loan could not be saved."),
             [&] { edited.SetNotes(notes.GetNotes()); });
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    loan = edited;
    return true;
}
