#pragma once

#include <QString>

// Whether a file can stand in for the program's data file: an SQLite database, undamaged, holding the
// seven tables (Homes, Areas, Assets, Categories, Loans, Tasks, TableIds) with every column the program
// reads or writes. The file is only read. Returns "" when it can, otherwise one sentence saying what
// is wrong with it, for the user ("It has no Loans table.").
QString CheckDataFile(const QString& path);
