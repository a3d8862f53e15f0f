#pragma once

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"

#include <QDebug>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

// The first column of the first row of a query as a number; -1 when it cannot be read.
inline long QueryNumber(const QString& sql)
{
    CADORecordset rows(AppDatabase());
    long value = -1;
    if (!rows.Open(sql) || rows.IsEof() || !rows.GetFieldValue(0, value))
        return -1;
    return value;
}

// The first field of the first row of a query as text; why it could not be read goes to the test's
// output.
inline QString QueryText(const QString& sql)
{
    CADORecordset rows(AppDatabase());
    QString value;
    if (!rows.Open(sql) || !rows.GetFieldValue(0, value))
        qWarning().noquote() << rows.GetLastError();
    return value;
}

inline long RowCount(const QString& table, const QString& condition = QString())
{
    return QueryNumber(QStringLiteral("SELECT COUNT(*) FROM %1 %2;").arg(table, condition));
}

inline long StoredNextId(const QString& table)
{
    return QueryNumber(QStringLiteral("SELECT NextId FROM TableIds WHERE TableName='%1';").arg(table));
}

// A file's bytes ("" when it cannot be read), and writing them (false when that fails).
inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

template <typename T> T* Child(QObject& parent, const char* name)
{
    return parent.findChild<T*>(QString::fromLatin1(name));
}

// The record of that id as stored; one that does not load says "(not stored)" in its description.
template <class Record> Record StoredRecord(long id)
{
    Record record;
    record.SetId(id);
    if (!record.Load())
        record.SetDescription(QStringLiteral("(not stored)"));
    return record;
}

// Texts no field may mangle on its way to the database and back.
inline QStringList HostileTexts()
{
    return {QStringLiteral("'; DROP TABLE Homes; --"), QStringLiteral("first line\r\nsecond line"),
            QStringLiteral("Zürich – ½ € 住宅 🏠 %ld %s %n")};
}
