#include "records/CHome.h"

#include "controls/CDlgNotes.h"
#include "controls/CDlgPicture.h"
#include "controls/CPropertySheet.h"
#include "data/AppPaths.h"
#include "data/CADORecordset.h"
#include "platform/CPrompt.h"
#include "records/CDlgHome_Loan.h"
#include "records/CDlgHome_Tab1.h"

#include <QStringList>

#include <memory>

bool CHome::Delete()
{
    if (!IsValid()) {
        return false;
    }
    const QStringList statements = {
        QStringLiteral("DELETE FROM Homes WHERE HomeId=%ld;"),
        QStringLiteral("DELETE FROM Assets WHERE HomeId=%ld;"),
        QStringLiteral("DELETE FROM Areas WHERE HomeId=%ld;"),
        QStringLiteral("DELETE FROM Loans WHERE AssetId=%ld;"),
    };
    bool allRan = true;
    for (const QString& statement : statements) {
        allRan = ExecuteWithId(statement) && allRan;
    }
    return allRan;
}

bool CHome::EditProperties(QWidget* parent)
{
    return EditProperties(false, parent);
}

bool CHome::EditProperties(bool startOnLoans, QWidget* parent)
{
    CPropertySheet sheet(QStringLiteral("Home Profile"), parent);
    CDlgHome_Tab1 details;
    std::unique_ptr<CDlgHome_Loan> loans;
    CDlgPicture picture;
    CDlgNotes notes;
    details.LoadFrom(*this);
    picture.SetPath(m_picture);
    notes.SetNotes(m_notes);

    sheet.AddPage(&details);
    // A home gets its Loans page once it is stored, since loans hang on its id.
    if (IsValid()) {
        loans = std::make_unique<CDlgHome_Loan>();
        loans->SetHomeId(m_id);
        sheet.AddPage(loans.get());
        if (startOnLoans) {
            sheet.SetActivePage(loans.get());
        }
    }
    sheet.AddPage(&picture);
    sheet.AddPage(&notes);
    if (sheet.DoModal() != QDialog::Accepted) {
        return false;
    }
    details.StoreTo(*this);
    m_picture = picture.GetPath();
    m_notes = notes.GetNotes();
    if (!Save()) {
        ShowMessage(parent, QStringLiteral("The home could not be saved."), QStringLiteral("Hearthstead"),
                    MessageIcon::Exclamation);
        return false;
    }
    return true;
}

QString CHome::TableName() const
{
    return QStringLiteral("Homes");
}

QString CHome::KeyColumn() const
{
    return QStringLiteral("HomeId");
}

QString CHome::RowQuery() const
{
    return WithId(LoadResString(32795));
}

void CHome::ReadFields(CADORecordset& row)
{
    row.GetFieldValue(QStringLiteral("Description"), m_description);
    row.GetFieldValue(QStringLiteral("Address"), m_address);
    row.GetFieldValue(QStringLiteral("CurrentValue"), m_currentValue);
    row.GetFieldValue(QStringLiteral("Picture2"), m_picture);
    row.GetFieldValue(QStringLiteral("Notes"), m_notes);
}

bool CHome::WriteFields(CADORecordset& row) const
{
    return row.SetFieldValue(QStringLiteral("Description"), m_description) &&
           row.SetFieldValue(QStringLiteral("Address"), m_address) &&
           row.SetFieldValue(QStringLiteral("CurrentValue"), double(m_currentValue)) &&
           row.SetFieldValue(QStringLiteral("Picture2"), m_picture) &&
           row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}
