#pragma once

#include <QString>

// Hands out the next id of a table from TableIds: the stored NextId, which then names the following
// id. -1 when the table has no row there (nothing is written) or the database cannot be read.
long GetNextId(const QString& table);

// The value of one column of the row whose key column equals id, as text; "" when there is no such
// row or the query fails. Table and column names are the program's own, never user text.
QString LookupField(long id, const QString& table, const QString& keyColumn, const QString& column);
