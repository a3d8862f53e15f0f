#pragma once

#include <QString>

// The program's name, as every message box's title shows it.
inline QString AppName()
{
    return QStringLiteral("Hearthstead");
}

// The version this build writes as CurrentVersion and greets the user with once.
inline QString AppVersion()
{
    return QStringLiteral("1.3");
}

// The line the About box shows and `hearthstead --version` prints.
inline QString ProductLine()
{
    return QStringLiteral("Hearthstead v1.3 (Desktop Edition)");
}
