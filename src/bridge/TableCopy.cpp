#include "bridge/TableCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <sqlite3.h>

#include <cstdio>

namespace {

// One connection, closed when it goes; every step reports its failure in m_error.
class Connection final
{
public:
    Connection(const QString& path, int flags)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK) {
            Fail(QStringLiteral("cannot open ") + path);
        } else {
            sqlite3_busy_timeout(m_db, 2000);
        }
    }
    ~Connection() { sqlite3_close(m_db); }
    Q_DISABLE_COPY_MOVE(Connection)

    bool Ok() const { return m_error.isEmpty(); }
    QString Error() const { return m_error; }

    // Runs one statement with its text parameters bound in order; rows go to the out list, one
    // column's text each.
    bool Run(const QString& sql, const QStringList& parameters = {}, QStringList* rows = nullptr)
    {
        if (!Ok()) {
            return false;
        }
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
            return Fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
        }
        for (int i = 0; i < parameters.size(); ++i) {
            sqlite3_bind_text(statement, i + 1, parameters[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
        }
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            if (rows) {
                *rows += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            }
        }
        sqlite3_finalize(statement);
        return rc == SQLITE_DONE || Fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    bool Attach(const QString& path, const QString& schema)
    {
        const QString uri =
            QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro");
        return Run(QStringLiteral("ATTACH DATABASE ?1 AS ") + schema + QLatin1Char(';'), {uri});
    }

    bool Fail(const QString& error)
    {
        if (m_error.isEmpty()) {
            m_error = error;
        }
        return false;
    }

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};

bool IsTableName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

bool CheckNames(const QStringList& tables, QString* error)
{
    for (const QString& table : tables) {
        if (!IsTableName(table)) {
            if (error) {
                *error = QStringLiteral("not a table name: ") + table;
            }
            return false;
        }
    }
    return !tables.isEmpty();
}

QStringList Definitions(Connection& db, const QString& schema, const QString& type, const QString& table)
{
    QStringList sql;
    db.Run(QStringLiteral("SELECT sql FROM ") + schema +
               QStringLiteral(
                   ".sqlite_master WHERE type = ?1 AND tbl_name = ?2 COLLATE NOCASE AND sql NOT NULL;"),
           {type, table}, &sql);
    return sql;
}

bool CopyTable(Connection& db, const QString& table)
{
    const QStringList definition = Definitions(db, QStringLiteral("src"), QStringLiteral("table"), table);
    if (definition.isEmpty()) {
        return db.Fail(QStringLiteral("the source has no ") + table + QStringLiteral(" table"));
    }
    for (const QString& sql :
         definition + Definitions(db, QStringLiteral("src"), QStringLiteral("index"), table)) {
        db.Run(sql);
    }
    return db.Run(QStringLiteral("INSERT INTO main.\"%1\" SELECT * FROM src.\"%1\";").arg(table));
}

bool ReplaceRows(Connection& db, const QString& table)
{
    if (Definitions(db, QStringLiteral("dev"), QStringLiteral("table"), table).isEmpty()) {
        return db.Fail(QStringLiteral("the source has no ") + table + QStringLiteral(" table"));
    }
    QStringList columns;
    db.Run(QStringLiteral("SELECT name FROM pragma_table_info(?1, 'main');"), {table}, &columns);
    QStringList quoted;
    for (const QString& column : columns) {
        quoted += QLatin1Char('"') + QString(column).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                  QLatin1Char('"');
    }
    const QString list = quoted.join(QLatin1Char(','));
    return db.Run(QStringLiteral("DELETE FROM main.\"%1\";").arg(table)) &&
           db.Run(QStringLiteral("INSERT INTO main.\"%1\" (%2) SELECT %2 FROM dev.\"%1\";").arg(table, list));
}

} // namespace

QStringList ParseTableList(const QString& list)
{
    return list.split(QStringLiteral(".."), Qt::SkipEmptyParts);
}

bool CopyTablesToNewDatabase(const QString& source, const QStringList& tables, const QString& target,
                             bool overwrite, QString* error)
{
    if (!CheckNames(tables, error)) {
        return false;
    }
    if (!overwrite && QFileInfo::exists(target)) {
        if (error) {
            *error = QStringLiteral("a file is already there: ") + target;
        }
        return false;
    }
    const QString temporary = target + QStringLiteral(".partial");
    QFile::remove(temporary);
    bool done = false;
    {
        Connection db(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        done = db.Attach(source, QStringLiteral("src")) && db.Run(QStringLiteral("BEGIN;"));
        for (const QString& table : tables) {
            done = done && CopyTable(db, table);
        }
        done = done && db.Run(QStringLiteral("COMMIT;")) && db.Run(QStringLiteral("DETACH DATABASE src;"));
        if (!done && error) {
            *error = db.Error();
        }
    }
    // The rename replaces the old file in one step.
    if (done &&
        std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        done = false;
        if (error) {
            *error = QStringLiteral("cannot write ") + target;
        }
    }
    QFile::remove(temporary);
    return done;
}

bool ReplaceTableRows(const QString& target, const QStringList& tables, const QString& source, QString* error)
{
    if (!CheckNames(tables, error)) {
        return false;
    }
    if (!QFileInfo(source).isFile()) {
        if (error) {
            *error = QStringLiteral("no database at ") + source;
        }
        return false;
    }
    Connection db(target, SQLITE_OPEN_READWRITE);
    bool done = db.Attach(source, QStringLiteral("dev")) && db.Run(QStringLiteral("BEGIN IMMEDIATE;"));
    for (const QString& table : tables) {
        done = done && ReplaceRows(db, table);
    }
    done = done && db.Run(QStringLiteral("COMMIT;"));
    // A failed step leaves the transaction open; closing the connection rolls it back.
    if (!done && error) {
        *error = db.Error();
    }
    return done;
}
