#include "records/CDataRecord.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"

bool CDataRecord::Load()
{
    if (!IsValid()) {
        return false;
    }
    CADORecordset row(AppDatabase());
    if (!row.Open(RowQuery()) || row.IsEof()) {
        return false;
    }
    ReadFields(row);
    row.Close();
    return true;
}

bool CDataRecord::Save()
{
    CADODataBase* database = AppDatabase();
    if (database == nullptr || !database->BeginTrans()) {
        return false;
    }
    const long previousId = m_id;
    if (InsertAndWrite() && database->CommitTrans()) {
        return true;
    }
    database->RollbackTrans();
    // The id's allocation was rolled back with the row, so the record must not keep it.
    m_id = previousId;
    return false;
}

bool CDataRecord::InsertAndWrite()
{
    CADODataBase* database = AppDatabase();
    if (!IsValid()) {
        const long id = GetNextId(TableName());
        // 0 names no record, so an id table that hands it out cannot be used either.
        if (id < 1) {
            return false;
        }
        m_id = id;
        const QString insert =
            QStringLiteral("INSERT INTO [%1] ([%2]) VALUES (%3);").arg(TableName(), KeyColumn()).arg(m_id);
        if (!database->Execute(insert)) {
            return false;
        }
    }
    CADORecordset row(database);
    if (!row.Open(RowQuery()) || row.IsEof()) {
        return false;
    }
    row.Edit();
    const bool written = WriteFields(row) && row.Update();
    row.Close();
    return written;
}

QString CDataRecord::WithId(const QString& statement) const
{
    return QString(statement).replace(QLatin1String("%ld"), QString::number(m_id));
}

bool CDataRecord::ExecuteWithId(const QString& statement) const
{
    CADODataBase* database = AppDatabase();
    return database != nullptr && database->Execute(WithId(statement));
}
