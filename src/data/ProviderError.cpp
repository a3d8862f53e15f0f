#include "data/ProviderError.h"

#include <sqlite3.h>

QString FormatProviderError(const char* owner, int code, const QString& description)
{
    return QString::fromLatin1(owner) + QStringLiteral(" Error\n\tCode = ") +
           QStringLiteral("%1").arg(static_cast<quint32>(code), 8, 16, QLatin1Char('0')) +
           QStringLiteral("\n\tCode meaning = ") + QString::fromUtf8(sqlite3_errstr(code)) +
           QStringLiteral("\n\tSource = SQLite\n\tDescription = ") + description + QLatin1Char('\n');
}
