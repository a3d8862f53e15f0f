#include "app/CRegistryKey.h"

#include "app/WindowPlacement.h"
#include "platform/CRegistryHive.h"

#include <QWidget>

namespace {

QString Joined(const QString& path, const QString& name)
{
    return path.isEmpty() ? name : path + QLatin1Char('\\') + name;
}

} // namespace

CRegistryKey::CRegistryKey(RegistryRoot root) : m_handle(Handle{root, QString()}) {}

bool CRegistryKey::Open(RegistryRoot root, const QString& path)
{
    CRegistryHive hive(root);
    hive.Load();
    if (!CRegistryHive::IsValidKeyPath(path) || !hive.HasKey(path))
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
    CRegistryHive hive(root);
    hive.Load();
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
    if (!Read(name, value) || value.type != RegistryValue::String)
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
    if (!Read(name, stored) || stored.type != RegistryValue::Dword)
        return false;
    value = stored.dword;
    return true;
}

bool CRegistryKey::SavePlacement(const QString& name, const QWidget& window)
{
    return Write(name, RegistryValue::FromBytes(WindowPlacement::Take(window)));
}

bool CRegistryKey::LoadPlacement(const QString& name, QWidget& window) const
{
    RegistryValue value;
    return Read(name, value) && value.type == RegistryValue::Binary &&
           WindowPlacement::Apply(value.bytes, window);
}

bool CRegistryKey::Read(const QString& name, RegistryValue& value) const
{
    if (!m_handle)
        return false;
    CRegistryHive hive(m_handle->root);
    hive.Load();
    return hive.GetValue(m_handle->path, name, value);
}

bool CRegistryKey::Write(const QString& name, const RegistryValue& value)
{
    if (!m_handle)
        return false;
    CRegistryHive hive(m_handle->root);
    hive.Load();
    return hive.SetValue(m_handle->path, name, value) && hive.Save();
}
