#pragma once

#include "platform/RegistryRoot.h"

#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;
struct RegistryValue;

// A key of the registry, read and written through the hive file of its root. The handle starts as
// the root key given at construction, holds the key after an open or create, and is empty after
// Close. Every write is saved to the hive file at once. Each operation returns true on success.
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

    bool SetString(const QString& name, const QString& text);
    // Fails unless the value exists and holds a string.
    bool GetString(const QString& name, QString& text) const;
    bool SetDword(const QString& name, quint32 value);
    // Fails unless the value exists and holds a DWORD.
    bool GetDword(const QString& name, quint32& value) const;

    // The window's placement as the 40-byte binary layout: flags, show command, minimised and
    // maximised positions, then the normal rectangle (left, top, right, bottom), little-endian.
    bool SavePlacement(const QString& name, const QWidget& window);
    // Fails unless the value is binary and no longer than 44 bytes; applies the normal rectangle and
    // the maximised state to the window.
    bool LoadPlacement(const QString& name, QWidget& window) const;

private:
    struct Handle
    {
        RegistryRoot root;
        QString path;
    };

    bool Read(const QString& name, RegistryValue& value) const;
    bool Write(const QString& name, const RegistryValue& value);

    std::optional<Handle> m_handle;
    QString m_path;
};
