#include "exchange/DataFileReplace.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "exchange/CSafetyCopy.h"
#include "exchange/FileCopy.h"

#include <QFileInfo>

namespace {

void SetError(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
}

// A journal left beside the closed data file belongs to that file; copied data under it would be
// "rolled back" into garbage on the next open.
bool HasLeftoverJournal(const QString& dataFile)
{
    return QFileInfo::exists(dataFile + QStringLiteral("-journal")) ||
           QFileInfo::exists(dataFile + QStringLiteral("-wal"));
}

bool CopyOver(const QString& source, const QString& dataFile, CSafetyCopy& safety, QString* error)
{
    if (HasLeftoverJournal(dataFile)) {
        SetError(error, QStringLiteral("the data file has an unfinished write beside it"));
        return false;
    }
    if (!safety.Make()) {
        SetError(error, QStringLiteral("no safety copy could be made: ") + safety.GetLastError());
        return false;
    }
    return CopyFileAtomically(source, dataFile, error);
}

} // namespace

bool ReplaceDataFile(CADODataBase& database, const QString& source, const QString& occasion, QString* error)
{
    const QString dataFile = GetDatabasePath();
    database.Close();
    CSafetyCopy safety(dataFile, occasion);
    const bool replaced = CopyOver(source, dataFile, safety, error);
    if (database.Open(GetConnectionString())) {
        safety.RemoveOldest();
        return replaced;
    }
    if (!replaced) {
        SetError(error, QStringLiteral("the data file does not open: ") + database.GetLastError());
        return false;
    }
    SetError(error, QStringLiteral("the new data file does not open: ") + database.GetLastError());
    if (safety.PutBack()) {
        database.Open(GetConnectionString());
    }
    return false;
}
