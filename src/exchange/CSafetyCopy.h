#pragma once

#include <QString>
#include <QStringList>

// A copy of the data file kept beside it before something replaces the file (a restore, a sync from
// the device), so a replacement the user regrets can be undone by restoring the copy. The copy is
// named after the data file, the occasion and the time, e.g. "HOMEDATA.before-restore-20261206-
// 143005-120.DAT", so the names sort by age; only the newest kKeep of each occasion are kept.
//
//     CSafetyCopy safety(GetDatabasePath(), QStringLiteral("restore"));
//     if (!safety.Make()) ...refuse to replace, safety.GetLastError() says why...
//     ...replace the data file; when the new file is unusable: safety.PutBack()...
//     safety.RemoveOldest();
class CSafetyCopy final
{
public:
    static constexpr int kKeep = 5;

    CSafetyCopy(const QString& dataFile, const QString& occasion);

    // Copies the data file (which must not be open for writing) to a new safety copy. False, with
    // nothing made, when the copy fails.
    bool Make();
    // Removes this occasion's oldest copies beyond kKeep. Called once the replacement is over, so the
    // old copy a user restores from is never removed while it is still to be read.
    void RemoveOldest();
    // Puts the copy made by Make back over the data file, whole or not at all.
    bool PutBack();

    // The copy Make made, "" before.
    QString GetPath() const { return m_path; }
    QString GetLastError() const { return m_lastError; }
    // This occasion's copies beside the data file, oldest first.
    QStringList Existing() const;

private:
    QString NewPath() const;

    QString m_dataFile;
    QString m_occasion;
    QString m_path;
    QString m_lastError;
};
