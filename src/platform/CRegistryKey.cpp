#include "platform/CRegistryKey.h"

#include "platform/CRegistryHive.h"
#include "platform/RegistryHives.h"

namespace {

CRegistryKey* g_appSettings = nullptr;

QString Joined(const QString& path, const QString& name)
{
    return path.isEmpty() ? name : path + QLatin1Char('\\') + name;
}

} // namespace

CRegistryKey::CRegistryKey(RegistryRoot root) : m_handle(Handle{root, QString()}) {}

bool CRegistryKey::Open(RegistryRoot root, const QString& path)
{
    if (!CRegistryHive::IsValidKeyPath(path) || !LoadedHive(root).HasKey(path))
        return false;
    m_handle = Handle{root, path};
    return true;
}

bool CRegistryKey::OpenByName(RegistryRoot root, const QString& path)
{
    if (!Open(root, path))
        return false;
    m_path = path;
    return true;
}

bool CRegistryKey::OpenSubKey(const QString& name)
{
    return m_handle && !name.isEmpty() && Open(m_handle->root, Joined(m_handle->path, name));
}

bool CRegistryKey::Create(RegistryRoot root, const QString& path)
{
    CRegistryHive& hive = LoadedHive(root);
    // An unparsable hive reads as empty, so the key is written anew after the old file is kept aside.
    if (!hive.HasKey(path) && !(hive.CreateKey(path) && hive.Save()))
        return false;
    m_handle = Handle{root, path};
    return true;
}

bool CRegistryKey::Close()
{
    if (!m_handle)
        return false;
    m_handle.reset();
    return true;
}

bool CRegistryKey::SetString(const QString& name, const QString& text)
{
    return Write(name, RegistryValue::FromString(text));
}

bool CRegistryKey::GetString(const QString& name, QString& text) const
{
    RegistryValue value;
    if (!Read(name, RegistryValue::String, value))
        return false;
    text = value.text;
    return true;
}

bool CRegistryKey::SetDword(const QString& name, quint32 value)
{
    return Write(name, RegistryValue::FromDword(value));
}

bool CRegistryKey::GetDword(const QString& name, quint32& value) const
{
    RegistryValue stored;
    if (!Read(name, RegistryValue::Dword, stored))
        return false;
    value = stored.dword;
    return true;
}

bool CRegistryKey::SetBinary(const QString& name, const QByteArray& bytes)
{
    return Write(name, RegistryValue::FromBytes(bytes));
}

bool CRegistryKey::GetBinary(const QString& name, QByteArray& bytes) const
{
    RegistryValue value;
    if (!Read(name, RegistryValue::Binary, value))
        return false;
    bytes = value.bytes;
    return true;
}

bool CRegistryKey::Read(const QString& name, quint32 type, RegistryValue& value) const
{
    return m_handle && LoadedHive(m_handle->root).GetValue(m_handle->path, name, value) &&
           value.type == type && !value.malformed;
}

bool CRegistryKey::Write(const QString& name, const RegistryValue& value)
{
    if (!m_handle)
        return false;
    CRegistryHive& hive = LoadedHive(m_handle->root);
    // Every start-up writes the same version, program path and home again; a value that is already
    // stored costs no rewrite of the file.
    RegistryValue stored;
    if (hive.GetValue(m_handle->path, name, stored) && stored == value)
        return true;
    return hive.SetValue(m_handle->path, name, value) && hive.Save();
}

CRegistryKey* AppSettings()
{
    return g_appSettings;
}

void SetAppSettings(CRegistryKey* settings)
{
    g_appSettings = settings;
}
