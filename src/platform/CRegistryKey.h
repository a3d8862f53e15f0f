#pragma once

#include "platform/RegistryRoot.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

struct RegistryValue;

// A key of the registry, read and written through the loaded hive of its root (LoadedHive). The
// handle starts as the root key given at construction, holds the key after an open or create, and is
// empty after Close. Every write that changes a value saves the hive's file at once. Each operation
// returns true on success.
class CRegistryKey final
{
public:
    explicit CRegistryKey(RegistryRoot root = RegistryRoot::CurrentUser);

    // Opens an existing key below the root (and keeps the handle).
    bool Open(RegistryRoot root, const QString& path);
    // The same, also remembering the path (GetPath).
    bool OpenByName(RegistryRoot root, const QString& path);
    // Opens the named key below the open key, replacing the handle.
    bool OpenSubKey(const QString& name);
    // Creates the key (or opens it when it exists).
    bool Create(RegistryRoot root, const QString& path);
    // False when no key was open.
    bool Close();

    bool IsOpen() const { return m_handle.has_value(); }
    // The path remembered by OpenByName.
    QString GetPath() const { return m_path; }

    // A read fails, leaving the out value alone, unless the value exists, holds the type asked for
    // and is well formed; a write replaces the value and its type.
    bool SetString(const QString& name, const QString& text);
    bool GetString(const QString& name, QString& text) const;
    bool SetDword(const QString& name, quint32 value);
    bool GetDword(const QString& name, quint32& value) const;
    bool SetBinary(const QString& name, const QByteArray& bytes);
    bool GetBinary(const QString& name, QByteArray& bytes) const;

private:
    struct Handle
    {
        RegistryRoot root;
        QString path;
    };

    bool Read(const QString& name, quint32 type, RegistryValue& value) const;
    bool Write(const QString& name, const RegistryValue& value);

    std::optional<Handle> m_handle;
    QString m_path;
};

// The program's settings key, HKEY_CURRENT_USER\Software\Bright Water\Hearthstead, as the running
// application opened it; nullptr when none is set. The application sets it for its run; tests set
// their own.
CRegistryKey* AppSettings();
void SetAppSettings(CRegistryKey* settings);
