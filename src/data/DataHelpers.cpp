#include "data/DataHelpers.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

namespace {

// The text as an SQL string literal's contents: every quote doubled.
QString SqlLiteralText(QString text)
{
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace

// The read and the update are two statements on the one connection, which only the user-interface
// thread uses; a record's save runs both inside its own transaction.
long GetNextId(const QString& table)
{
    long result = -1;
    const QString name = SqlLiteralText(table);
    CADORecordset ids(AppDatabase());
    if (!ids.Open(QStringLiteral("SELECT NextId FROM TableIds WHERE TableName='") + name +
                  QStringLiteral("';")))
        return -1;
    ids.GetFieldValue(QStringLiteral("NextId"), result);
    AppDatabase()->Execute(QStringLiteral("UPDATE TableIds SET NextId=%1 WHERE TableName='").arg(result + 1) +
                           name + QStringLiteral("';"));
    ids.Close();
    return result;
}

QString LookupField(long id, const QString& table, const QString& keyColumn, const QString& column)
{
    CADORecordset row(AppDatabase());
    QString value;
    if (row.Open(QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4;").arg(column, table, keyColumn).arg(id)) &&
        !row.IsEof())
        row.GetFieldValue(0, value);
    return value;
}
