#pragma once

#include <QString>

class QIODevice;

// Copies whole files so that the target is either the old file or the complete new one, never a part:
// the bytes go to a temporary file beside the target, are synced to the disk, and the temporary file
// is then renamed over the target in one step. On any failure the temporary file is removed, the
// target is left exactly as it was, false is returned and *error (when given) says what failed.

// Reads the source from its current position to its end.
bool CopyFileAtomically(QIODevice& source, const QString& target, QString* error = nullptr);
bool CopyFileAtomically(const QString& source, const QString& target, QString* error = nullptr);

// True when both paths name the same existing file (links and "." resolved).
bool IsSameFile(const QString& first, const QString& second);
