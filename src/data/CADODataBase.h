#pragma once

#include <QString>
#include <QtGlobal>

struct sqlite3;

// The one session with the data file. Operations never throw: a failure returns false and leaves a
// formatted error text and code behind (for diagnosis only; nothing shows them to the user).
class CADODataBase final
{
public:
    CADODataBase();
    ~CADODataBase();
    Q_DISABLE_COPY_MOVE(CADODataBase)

    // Opens the file named by "Data Source='...'" in the connection string; an empty string
    // reuses the last one. Never creates a file.
    bool Open(const QString& connectionString = QString());
    bool IsOpen() const;
    // Statements that return no rows: INSERT, DELETE, UPDATE.
    bool Execute(const QString& statement);
    void Close();

    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();

    QString GetConnectionString() const { return m_connectionString; }
    QString GetLastError() const { return m_lastError; }
    quint32 GetLastErrorCode() const { return m_lastErrorCode; }

    // For CADORecordset, which shares the session's connection.
    sqlite3* Handle() const { return m_db; }

private:
    bool PrepareSession();
    void ReportSessionError(int code, const QString& description);

    sqlite3* m_db = nullptr;
    QString m_connectionString;
    QString m_lastError;
    quint32 m_lastErrorCode = 0;
};

// The application's one session, as the shared helpers and records reach it.
CADODataBase* AppDatabase();
void SetAppDatabase(CADODataBase* database);
