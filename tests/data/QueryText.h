#pragma once

#include "data/CADORecordset.h"

#include <QDebug>

// The first field of the first row of a query on the program's session, as text; why it could not
// be read goes to the test's output.
inline QString QueryText(const QString& sql)
{
    CADORecordset rows(AppDatabase());
    QString value;
    if (!rows.Open(sql) || !rows.GetFieldValue(0, value)) {
        qWarning().noquote() << rows.GetLastError();
    }
    return value;
}
