#include "records/sheets/LoanProperties.h"

#include "controls/CDlgNotes.h"
#include "controls/CPropertySheet.h"
#include "platform/CPrompt.h"
#include "records/CLoan.h"
#include "records/sheets/CDlgLoan_Lender.h"
#include "records/sheets/CDlgLoan_Tab1.h"
#include "res/AppInfo.h"

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
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    edited.SetNotes(notes.GetNotes());
    // Kept on purpose: a loan the sheet could not store is said so, rather than lost in silence.
    if (!edited.Save()) {
        ShowMessage(parent, QCoreApplication::translate("LoanProperties", "The loan could not be saved."),
                    AppName(), MessageIcon::Exclamation);
        return false;
    }
    loan = edited;
    return true;
}
