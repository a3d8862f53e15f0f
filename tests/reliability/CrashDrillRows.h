#pragma once

#include "records/CHome.h"

#include <QString>

// What the crash drill's saver writes and its test checks: every field of a row comes from one
// counter, so a row written in part shows as a row whose fields disagree.
namespace CrashDrillRows {

inline const QString kSettingsKey = QStringLiteral("Software\\Bright Water\\Crash Drill");

// Long enough that a row spans pages and a settings file many blocks.
inline QString Payload(long n)
{
    return QStringLiteral("%1;").arg(n).repeated(2000);
}

inline void Fill(CHome& home, long n)
{
    home.SetDescription(QString::number(n));
    home.SetAddress(Payload(n));
    home.SetNotes(QString::number(n));
    home.SetCurrentValue(float(n % 100000));
}

// The counter a home's fields agree on, or -1 when they do not.
inline long CounterOf(const CHome& home)
{
    const long n = home.GetDescription().toLong();
    const bool whole = home.GetNotes() == QString::number(n) && home.GetAddress() == Payload(n) &&
                       home.GetCurrentValue() == float(n % 100000);
    return whole ? n : -1;
}

} // namespace CrashDrillRows
