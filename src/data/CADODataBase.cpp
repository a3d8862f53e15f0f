#include "data/CADODataBase.h"

#include "data/ProviderError.h"

#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

namespace {

CADODataBase* appDatabase = nullptr;

// The tables the program reads and writes; a file without any one of them is not its database.
const char* const requiredTables[] = {"Areas", "Assets", "Categories", "Homes", "Loans", "TableIds", "Tasks"};

// The file named by "Data Source=" in a connection string, with or without quotes around it.
QString DataSourceOf(const QString& connectionString)
{
    const QString key = QStringLiteral("Data Source=");
    const qsizetype at = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    qsizetype start = at + key.size();
    if (start < connectionString.size() &&
        (connectionString.at(start) == QLatin1Char('\'') || connectionString.at(start) == QLatin1Char('"'))) {
        const QChar quote = connectionString.at(start++);
        qsizetype end = connectionString.indexOf(QString(quote) + QLatin1Char(';'), start);
        if (end < 0)
            end = connectionString.lastIndexOf(quote);
        return end < start ? QString() : connectionString.mid(start, end - start);
    }
    const qsizetype end = connectionString.indexOf(QLatin1Char(';'), start);
    return connectionString.mid(start, end < 0 ? -1 : end - start).trimmed();
}

} // namespace

CADODataBase* AppDatabase()
{
    return appDatabase;
}

void SetAppDatabase(CADODataBase* database)
{
    appDatabase = database;
}

CADODataBase::CADODataBase() = default;

CADODataBase::~CADODataBase()
{
    Close();
}

bool CADODataBase::Open(const QString& connectionString)
{
    Close();
    if (!connectionString.isEmpty())
        m_connectionString = connectionString;
    const QString source = DataSourceOf(m_connectionString);
    if (source.isEmpty()) {
        ReportSessionError(SQLITE_CANTOPEN, QStringLiteral("The connection string names no Data Source."));
        return false;
    }
    // An absolute path is never taken for an SQLite URI. The file is never created here.
    const QByteArray path = QFileInfo(source).absoluteFilePath().toUtf8();
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        ReportSessionError(rc, db ? QString::fromUtf8(sqlite3_errmsg(db))
                                  : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    if (!PrepareSession()) {
        Close();
        return false;
    }
    return true;
}

// Checks that the file is the program's writable database and keeps it in rollback-journal mode,
// so that between writes the file alone holds the whole database and can be copied byte for byte.
bool CADODataBase::PrepareSession()
{
    sqlite3_busy_timeout(m_db, 5000);
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        ReportSessionError(SQLITE_READONLY, QStringLiteral("The data file cannot be written."));
        return false;
    }
    if (!Execute(QStringLiteral("PRAGMA journal_mode=DELETE;")))
        return false;

    QSet<QString> tables;
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "SELECT name FROM sqlite_master WHERE type='table';", -1, &statement,
                                nullptr);
    while (rc == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        tables.insert(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))).toLower());
    const int finalized = sqlite3_finalize(statement);
    if (rc != SQLITE_OK || finalized != SQLITE_OK) {
        ReportSessionError(rc != SQLITE_OK ? rc : finalized, QString::fromUtf8(sqlite3_errmsg(m_db)));
        return false;
    }
    for (const char* table : requiredTables) {
        if (!tables.contains(QString::fromLatin1(table).toLower())) {
            ReportSessionError(SQLITE_ERROR, QStringLiteral("no such table: ") + QLatin1String(table));
            return false;
        }
    }
    return true;
}

bool CADODataBase::IsOpen() const
{
    return m_db != nullptr;
}

bool CADODataBase::Execute(const QString& statement)
{
    if (!m_db) {
        ReportSessionError(SQLITE_MISUSE, QStringLiteral("The session is not open."));
        return false;
    }
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, statement.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        ReportSessionError(rc, QString::fromUtf8(message ? message : sqlite3_errmsg(m_db)));
        sqlite3_free(message);
        return false;
    }
    return true;
}

void CADODataBase::Close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

// Immediate: the write lock is taken at the start, so a record's save never stalls half-way.
bool CADODataBase::BeginTrans()
{
    return Execute(QStringLiteral("BEGIN IMMEDIATE;"));
}

bool CADODataBase::CommitTrans()
{
    return Execute(QStringLiteral("COMMIT;"));
}

bool CADODataBase::RollbackTrans()
{
    return Execute(QStringLiteral("ROLLBACK;"));
}

void CADODataBase::ReportSessionError(int code, const QString& description)
{
    m_lastError = QStringLiteral("Connection String = ") + m_connectionString + QLatin1Char('\n') +
                  FormatProviderError("CADODataBase", code, description);
    m_lastErrorCode = static_cast<quint32>(code);
}
