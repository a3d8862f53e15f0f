#include "platform/CDeviceRegistryKey.h"

#include "platform/DeviceLink.h"

#include <QFileInfo>

bool CDeviceRegistryKey::Open(const QString& path)
{
    Close();
    if (!IsDeviceLinkUp()) {
        return false;
    }
    const QString folder = FindDeviceFolder();
    if (folder.isEmpty() || !QFileInfo(DeviceHivePath(folder)).isFile()) {
        return false;
    }
    CRegistryHive hive(RegistryRoot::CurrentUser, DeviceHivePath(folder));
    if (!hive.Load() || path.isEmpty() || !hive.HasKey(path)) {
        return false;
    }
    m_hive.emplace(std::move(hive));
    m_path = path;
    return true;
}

bool CDeviceRegistryKey::QueryString(const QString& name, QString& text) const
{
    RegistryValue value;
    if (!m_hive || !m_hive->GetValue(m_path, name, value) || value.type != RegistryValue::String ||
        value.malformed) {
        return false;
    }
    text = value.text;
    return true;
}

bool CDeviceRegistryKey::Close()
{
    if (!m_hive) {
        return false;
    }
    m_hive.reset();
    m_path.clear();
    return true;
}
