#pragma once

#include "platform/RegistryRoot.h"
#include "platform/RegistryValue.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// The keys and values of one root key, kept in a hive file in the text form of a registry export:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Bright Water\Hearthstead]
//   "CurrentVersion"="1.3"
//   "LastHomeId"=dword:00000003
//   "WindowPlacement"=hex:00,00,00,00,...
//
// Key and value names compare without regard to case and keep the case they were written with.
// A file that cannot be parsed reads as empty; before anything is written over it, it is copied
// aside as "<file>.corrupt-<time>". Saving replaces the file atomically.
class CRegistryHive final
{
public:
    explicit CRegistryHive(RegistryRoot root);
    CRegistryHive(RegistryRoot root, const QString& filePath);

    // Reads the file. A missing file is an empty hive (true); an unreadable or unparsable one reads
    // as empty and returns false.
    bool Load();
    // Writes every key to the file through a temporary file and a rename.
    bool Save();

    // The hive as export text, and back; Parse leaves the hive empty and returns false on bad text.
    QByteArray Serialize() const;
    bool Parse(const QByteArray& bytes);

    // "" is the root key itself, which always exists; a key also exists when one below it does.
    bool HasKey(const QString& path) const;
    bool CreateKey(const QString& path);
    bool GetValue(const QString& path, const QString& name, RegistryValue& value) const;
    // Creates the key when it is missing. False for a path or name the file cannot carry.
    bool SetValue(const QString& path, const QString& name, const RegistryValue& value);

    QString FilePath() const { return m_filePath; }
    // True after Load found a file it could not parse and before Save has kept it aside.
    bool IsCorrupt() const { return m_state == State::Corrupt; }
    QString GetLastError() const { return m_lastError; }

    static bool IsValidKeyPath(const QString& path);

private:
    enum class State
    {
        Empty,
        Loaded,
        Corrupt,
        Unreadable
    };
    struct Key
    {
        QString path;
        QMap<QString, std::pair<QString, RegistryValue>> values; // case-folded name → (name, value)
    };

    bool ParseLines(const QStringList& lines);
    bool KeepCorruptCopy();
    bool Fail(const QString& error);

    RegistryRoot m_root;
    QString m_filePath;
    QMap<QString, Key> m_keys; // case-folded path → key
    State m_state = State::Empty;
    QString m_lastError;
};
