#pragma once

#include <QString>

// The diagnostic text of a failed call, in the form the data layer keeps:
// "<owner> Error\n\tCode = ...\n\tCode meaning = ...\n\tSource = SQLite\n\tDescription = ...\n".
// The code is an SQLite result code; its meaning is SQLite's own text for it.
QString FormatProviderError(const char* owner, int code, const QString& description);
