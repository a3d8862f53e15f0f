#include "records/CHome.h"
#include "res/StringIds.h"

#include "data/AppPaths.h"
#include "data/CADORecordset.h"

#include <QStringList>

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
    return WithId(LoadResString(IDS_HOME_ROW_QUERY));
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
