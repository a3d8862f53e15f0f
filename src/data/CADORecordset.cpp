#include "data/CADORecordset.h"

#include "data/CADODataBase.h"
#include "data/CStaticCursor.h"
#include "data/ProviderError.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace {

struct StatementFinalizer
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

QString WithoutLeadingSpace(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    return text.mid(start);
}

QByteArray QuotedName(QByteArray name)
{
    return '"' + name.replace('"', "\"\"") + '"';
}

// The database and table every column of the statement comes from; false when the columns come
// from several tables or include an expression.
bool SingleSourceTable(sqlite3_stmt* statement, QByteArray& database, QByteArray& table)
{
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c) {
        const char* columnTable = sqlite3_column_table_name(statement, c);
        const char* columnDatabase = sqlite3_column_database_name(statement, c);
        if (!columnTable || !columnDatabase)
            return false;
        if (c == 0) {
            database = columnDatabase;
            table = columnTable;
        } else if (database != columnDatabase || table != columnTable) {
            return false;
        }
    }
    return count > 0;
}

// A grouped row stands for many table rows, so it is never written back.
bool IsGrouped(const QString& statement)
{
    static const QRegularExpression groupBy(QStringLiteral("\\bGROUP\\s+BY\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return statement.contains(groupBy);
}

// The same SELECT with the row id of its one table in front, so that an edited row can be written
// back to exactly that row. Null when the statement reads more than one table (the row id is then
// ambiguous), a table without row ids, or rows that are not table rows (DISTINCT, compounds).
Statement WithRowId(sqlite3* db, const QByteArray& select, const QByteArray& database,
                    const QByteArray& table)
{
    const QByteArray sql = select.left(7) + "rowid, " + select.mid(7);
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return Statement(prepared);
    Statement statement(prepared);
    const char* rowIdTable = sqlite3_column_table_name(prepared, 0);
    const char* rowIdDatabase = sqlite3_column_database_name(prepared, 0);
    if (!rowIdTable || !rowIdDatabase || table != rowIdTable || database != rowIdDatabase)
        return Statement();
    return statement;
}

} // namespace

class CADORecordset::Private
{
public:
    explicit Private(CADODataBase* database) : m_database(database) {}

    sqlite3* Handle() const { return m_database ? m_database->Handle() : nullptr; }
    void Report(int code, const QString& description);
    void ReportEngineError(int code) { Report(code, QString::fromUtf8(sqlite3_errmsg(Handle()))); }
    Statement Prepare(const QByteArray& sql);
    int Locate(int column);
    int Locate(const QString& name);
    bool Put(const QString& name, const CStaticCursor::Stored& value);
    bool WriteBack();

    CADODataBase* m_database;
    CStaticCursor m_cursor;
    QString m_statement;
    QString m_lastError;
    quint32 m_lastErrorCode = 0;
    EditStatus m_editStatus = editNone;
    bool m_open = false;
    bool m_writable = false;
    std::vector<int> m_changed;
};

void CADORecordset::Private::Report(int code, const QString& description)
{
    m_lastError = QStringLiteral("Query = ") + m_statement + QLatin1Char('\n') +
                  FormatProviderError("CADORecordset", code, description);
    m_lastErrorCode = static_cast<quint32>(code);
}

Statement CADORecordset::Private::Prepare(const QByteArray& sql)
{
    sqlite3_stmt* prepared = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(Handle(), sql.constData(), static_cast<int>(sql.size()), &prepared, &tail);
    Statement statement(prepared);
    if (rc != SQLITE_OK) {
        ReportEngineError(rc);
        return Statement();
    }
    // A second statement after the first is never run.
    if (!QByteArray(tail).trimmed().isEmpty()) {
        Report(SQLITE_ERROR, QStringLiteral("Only one statement can be opened at a time."));
        return Statement();
    }
    return statement;
}

int CADORecordset::Private::Locate(int column)
{
    if (!m_open) {
        Report(SQLITE_MISUSE, QStringLiteral("The recordset is not open."));
        return -1;
    }
    if (column < 0 || column >= m_cursor.ColumnCount()) {
        Report(SQLITE_RANGE, QStringLiteral("There is no field at position %1.").arg(column));
        return -1;
    }
    if (m_cursor.IsEof()) {
        Report(SQLITE_DONE, QStringLiteral("There is no current row: the cursor stands after the last row."));
        return -1;
    }
    return column;
}

int CADORecordset::Private::Locate(const QString& name)
{
    const int column = m_cursor.FindColumn(name);
    if (m_open && column < 0) {
        Report(SQLITE_RANGE, QStringLiteral("There is no field named \"%1\".").arg(name));
        return -1;
    }
    return Locate(column);
}

bool CADORecordset::Private::Put(const QString& name, const CStaticCursor::Stored& value)
{
    if (m_editStatus == editNone)
        return false;
    const int column = Locate(name);
    if (column < 0)
        return false;
    m_cursor.SetValue(column, value);
    if (std::find(m_changed.begin(), m_changed.end(), column) == m_changed.end())
        m_changed.push_back(column);
    return true;
}

// Writes the changed fields of the current row to that row of its table, with bound values only.
bool CADORecordset::Private::WriteBack()
{
    std::vector<int> changed;
    changed.swap(m_changed);
    if (changed.empty())
        return true;
    if (!m_writable) {
        Report(SQLITE_ERROR,
               QStringLiteral("The rows of a join or of computed columns cannot be written back."));
        return false;
    }
    if (m_cursor.IsEof() || !Handle()) {
        Locate(0);
        return false;
    }
    const CStaticCursor::Column& first = m_cursor.ColumnAt(changed.front());
    QByteArray sql = "UPDATE " + QuotedName(first.database) + '.' + QuotedName(first.table) + " SET ";
    for (size_t i = 0; i < changed.size(); ++i)
        sql += (i ? ", " : "") + QuotedName(m_cursor.ColumnAt(changed[i]).origin) + "=?";
    sql += " WHERE rowid=?;";

    Statement update = Prepare(sql);
    if (!update)
        return false;
    for (size_t i = 0; i < changed.size(); ++i) {
        const int parameter = static_cast<int>(i) + 1;
        const CStaticCursor::Stored value = m_cursor.ValueToStore(changed[i]);
        const int size = static_cast<int>(value.text.size());
        if (value.storage == SQLITE_INTEGER)
            sqlite3_bind_int64(update.get(), parameter, value.integer);
        else if (value.storage == SQLITE_FLOAT)
            sqlite3_bind_double(update.get(), parameter, value.real);
        else if (value.storage != SQLITE_TEXT)
            sqlite3_bind_null(update.get(), parameter);
        else if (m_cursor.ColumnAt(changed[i]).keepsTextAsIs)
            sqlite3_bind_text(update.get(), parameter, value.text.constData(), size, SQLITE_STATIC);
        else // bytes are stored as they are, where text would be turned into a number ("007" into 7)
            sqlite3_bind_blob(update.get(), parameter, value.text.constData(), size, SQLITE_STATIC);
    }
    sqlite3_bind_int64(update.get(), static_cast<int>(changed.size()) + 1, m_cursor.RowId());
    const int rc = sqlite3_step(update.get());
    if (rc != SQLITE_DONE) {
        ReportEngineError(rc);
        return false;
    }
    if (sqlite3_changes(Handle()) == 0) {
        Report(SQLITE_NOTFOUND, QStringLiteral("The row is no longer in its table."));
        return false;
    }
    return true;
}

CADORecordset::CADORecordset(CADODataBase* database) : d(std::make_unique<Private>(database)) {}

CADORecordset::~CADORecordset()
{
    Close();
}

bool CADORecordset::Open(const QString& statement)
{
    Close();
    if (!statement.isEmpty())
        d->m_statement = statement;
    d->m_statement = WithoutLeadingSpace(d->m_statement);
    if (d->m_statement.left(7).compare(QLatin1String("select "), Qt::CaseInsensitive) != 0)
        return false;
    sqlite3* db = d->Handle();
    if (!db) {
        d->Report(SQLITE_MISUSE, QStringLiteral("The session is not open."));
        return false;
    }
    const QByteArray sql = d->m_statement.toUtf8();
    Statement select = d->Prepare(sql);
    if (!select)
        return false;
    QByteArray database;
    QByteArray table;
    if (!IsGrouped(d->m_statement) && SingleSourceTable(select.get(), database, table)) {
        if (Statement withRowId = WithRowId(db, sql, database, table)) {
            select = std::move(withRowId);
            d->m_writable = true;
        }
    }
    const int rc = d->m_cursor.Load(select.get(), d->m_writable);
    if (rc != SQLITE_DONE) {
        d->ReportEngineError(rc);
        d->m_writable = false;
        return false;
    }
    d->m_open = true;
    return true;
}

bool CADORecordset::IsOpen() const
{
    return d->m_open;
}

bool CADORecordset::IsEof() const
{
    return !d->m_open || d->m_cursor.IsEof();
}

// Only Update writes a row and ends editing: the changes of a row left without Update are dropped
// with it, and editing goes on on the next row.
void CADORecordset::MoveNext()
{
    d->m_changed.clear();
    d->m_cursor.MoveNext();
}

void CADORecordset::Close()
{
    d->m_cursor.Clear();
    d->m_changed.clear();
    d->m_editStatus = editNone;
    d->m_open = false;
    d->m_writable = false;
}

void CADORecordset::Edit()
{
    d->m_editStatus = editInProgress;
}

bool CADORecordset::SetFieldValue(const QString& name, const QString& value)
{
    if (value.isEmpty())
        return d->Put(name, CStaticCursor::Stored::Null());
    return d->Put(name, CStaticCursor::Stored::Text(value.toUtf8()));
}

bool CADORecordset::SetFieldValue(const QString& name, short value)
{
    return d->Put(name, CStaticCursor::Stored::Integer(value));
}

bool CADORecordset::SetFieldValue(const QString& name, long value)
{
    return d->Put(name, CStaticCursor::Stored::Integer(static_cast<qint32>(value)));
}

bool CADORecordset::SetFieldValue(const QString& name, double value)
{
    return d->Put(name, CStaticCursor::Stored::Real(value));
}

bool CADORecordset::SetFieldValue(const QString& name, const DateTimeValue& value)
{
    return d->Put(name, CStaticCursor::Stored::Real(value.m_dt));
}

bool CADORecordset::Update()
{
    if (d->m_editStatus == editNone)
        return true;
    const bool written = d->WriteBack();
    d->m_editStatus = editNone;
    return written;
}

bool CADORecordset::GetFieldValue(const QString& name, long& value)
{
    const int column = d->Locate(name);
    return column >= 0 && d->m_cursor.Value(column).ToLong(value);
}

bool CADORecordset::GetFieldValue(const QString& name, int& value)
{
    const int column = d->Locate(name);
    return column >= 0 && d->m_cursor.Value(column).ToShort(value);
}

bool CADORecordset::GetFieldValue(const QString& name, float& value)
{
    const int column = d->Locate(name);
    if (column < 0)
        return false;
    double wide = 0.0;
    const bool converted = d->m_cursor.Value(column).ToDouble(wide);
    value = static_cast<float>(wide);
    return converted;
}

bool CADORecordset::GetFieldValue(const QString& name, double& value)
{
    const int column = d->Locate(name);
    return column >= 0 && d->m_cursor.Value(column).ToDouble(value);
}

bool CADORecordset::GetFieldValue(const QString& name, QString& value)
{
    const int column = d->Locate(name);
    return column >= 0 && d->m_cursor.Value(column).ToText(value);
}

bool CADORecordset::GetFieldValue(const QString& name, DateTimeValue& value)
{
    const int column = d->Locate(name);
    return column >= 0 && d->m_cursor.Value(column).ToDate(value);
}

bool CADORecordset::GetFieldValue(int index, long& value)
{
    const int column = d->Locate(index);
    return column >= 0 && d->m_cursor.Value(column).ToLong(value);
}

bool CADORecordset::GetFieldValue(int index, QString& value)
{
    const int column = d->Locate(index);
    return column >= 0 && d->m_cursor.Value(column).ToText(value);
}

QString CADORecordset::GetLastError() const
{
    return d->m_lastError;
}

quint32 CADORecordset::GetLastErrorCode() const
{
    return d->m_lastErrorCode;
}

QString CADORecordset::GetQuery() const
{
    return d->m_statement;
}
