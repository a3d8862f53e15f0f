#pragma once

#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <utility>

// Runs SQL on an SQLite file directly, beside the program's own session: true when it all ran;
// `first` gets the first column of the first row returned ("" for NULL).
inline bool SqliteExec(const QString& path, const QString& sql, QString* first = nullptr)
{
    struct Result
    {
        QString* first;
        bool got = false;
    } result{first};
    const auto keep = [](void* out, int, char** values, char**) {
        auto* result = static_cast<Result*>(out);
        if (result->first && !std::exchange(result->got, true))
            *result->first = QString::fromUtf8(values[0] ? values[0] : "");
        return 0;
    };
    sqlite3* db = nullptr;
    const bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, sql.toUtf8().constData(), keep, &result, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

// The first column of the first row a query returns; "" when there is none or it fails.
inline QString SqliteText(const QString& path, const QString& sql)
{
    QString first;
    return SqliteExec(path, sql, &first) ? first : QString();
}
