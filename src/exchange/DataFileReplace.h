#pragma once

#include <QString>

class CADODataBase;

// Puts a copy of the source file in the place of the data file (GetDatabasePath) without ever leaving
// the program without its data: the session is closed, the current file kept as a safety copy for
// the occasion (see CSafetyCopy), the source copied over the data file whole or not at all, and the
// session opened again with GetConnectionString. When the replaced file does not open, the safety
// copy is put back and opened instead. The source should have passed CheckDataFile first.
//
// True when the session is open on the source's data. False otherwise, with *error saying what
// failed; the data file then holds the data it had, and the session is open on it when it can be.
bool ReplaceDataFile(CADODataBase& database, const QString& source, const QString& occasion,
                     QString* error = nullptr);
