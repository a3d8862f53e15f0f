#pragma once

#include <QString>

// Where the causes of failures the user sees only as a short message are written down, for the
// user or whoever supports them: $XDG_STATE_HOME/hearthstead/hearthstead.log (~/.local/state when
// the variable is unset).
QString ErrorLogPath();

// Writes the text, dated, to stderr and appends it to the log. The log stays small: once it would
// pass 256 KB it becomes hearthstead.log.1 (replacing the one before) and a new log starts.
void LogError(const QString& text);
