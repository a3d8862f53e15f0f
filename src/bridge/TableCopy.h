#pragma once

#include <QString>
#include <QStringList>

// What the filter library does to SQLite files, apart from reaching the device.

// "Areas..Assets..Homes.." as the names it lists; empty names are skipped.
QStringList ParseTableList(const QString& list);

// Writes a new database at the target holding the source's listed tables: their definitions, their
// indexes and their rows. The file appears whole or not at all, replacing any file there when
// overwrite is set. False, with *error saying why, when a table is missing or a file fails.
bool CopyTablesToNewDatabase(const QString& source, const QStringList& tables, const QString& target,
                             bool overwrite, QString* error = nullptr);

// Replaces every row of the target's listed tables with the source's rows of the same tables, in one
// transaction. False, with the target unchanged and *error saying why, when a table or one of the
// target's columns is missing in the source, or a file fails.
bool ReplaceTableRows(const QString& target, const QStringList& tables, const QString& source,
                      QString* error = nullptr);
