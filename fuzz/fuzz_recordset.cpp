// Stored values of any type and content, read through every getter of the recordset: no crash and
// no undefined behaviour, whatever another program left in a column.

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Columns with the declared types the program's tables use.
const char* const kCreate = "CREATE TABLE T (A LONG, B SHORT, C DOUBLE, D TEXT, E DATETIME, F MEMO);";
constexpr int kColumns = 6;

// A copy of the delivered database with the table T added; the process ends when it cannot be made.
CADODataBase& Session()
{
    static QTemporaryDir dir;
    static CADODataBase session;
    if (!session.IsOpen()) {
        const QString path = dir.path() + QStringLiteral("/HOMEDATA.DAT");
        QFile::copy(QStringLiteral(HS_PRISTINE_DB), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!session.Open(QStringLiteral("Data Source='") + path + QStringLiteral("';"))) {
            std::fprintf(stderr, "fuzz_recordset: %s\n", qPrintable(session.GetLastError()));
            std::abort();
        }
        sqlite3_exec(session.Handle(), kCreate, nullptr, nullptr, nullptr);
        // A throwaway copy: no sync on every commit, so the runs go at the speed of the code.
        sqlite3_exec(session.Handle(), "PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
    }
    return session;
}

// Takes up to `count` bytes from the input.
QByteArray Take(const uint8_t*& data, size_t& size, size_t count)
{
    count = count < size ? count : size;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(count));
    data += count;
    size -= count;
    return bytes;
}

// One value of the type the next byte picks, from the bytes after it.
void BindValue(sqlite3_stmt* insert, int parameter, const uint8_t*& data, size_t& size)
{
    const int kind = size ? data[0] % 5 : 0;
    Take(data, size, 1);
    const QByteArray bytes = Take(data, size, size ? data[0] % 24 : 0);
    qint64 integer = 0;
    std::memcpy(&integer, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), 8)));
    double real = 0;
    std::memcpy(&real, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), 8)));
    switch (kind) {
    case 0:
        sqlite3_bind_null(insert, parameter);
        break;
    case 1:
        sqlite3_bind_int64(insert, parameter, integer);
        break;
    case 2:
        sqlite3_bind_double(insert, parameter, real);
        break;
    case 3:
        sqlite3_bind_text(insert, parameter, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_blob(insert, parameter, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
}

void ReadEveryWay(CADORecordset& rows, const QString& name)
{
    long asLong;
    int asShort;
    float asFloat;
    double asDouble;
    QString asText;
    DateTimeValue asDate;
    rows.GetFieldValue(name, asLong);
    rows.GetFieldValue(name, asShort);
    rows.GetFieldValue(name, asFloat);
    rows.GetFieldValue(name, asDouble);
    rows.GetFieldValue(name, asText);
    rows.GetFieldValue(name, asDate);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CADODataBase& session = Session();
    sqlite3* db = session.Handle();
    sqlite3_exec(db, "DELETE FROM T;", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO T VALUES (?,?,?,?,?,?);", -1, &insert, nullptr);
    for (int row = 0; row < 3 && size > 0; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            BindValue(insert, column, data, size);
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);

    CADORecordset rows(&session);
    if (!rows.Open(QStringLiteral("SELECT * FROM T;"))) {
        __builtin_trap();
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
            ReadEveryWay(rows, QString::fromLatin1(name));
        }
    }
    return 0;
}
