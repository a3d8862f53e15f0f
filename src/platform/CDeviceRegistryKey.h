#pragma once

#include "platform/CRegistryHive.h"

#include <QString>

#include <optional>

// A key of the handheld's registry (HKEY_CURRENT_USER on the device), opened for reading through
// the device link. The hive is read once when the key opens; a key of a device that is not
// connected, or that the hive does not hold, does not open.
class CDeviceRegistryKey final
{
public:
    CDeviceRegistryKey() = default;
    Q_DISABLE_COPY_MOVE(CDeviceRegistryKey)

    bool Open(const QString& path);
    // Fails unless the key is open and the value exists as a well-formed string.
    bool QueryString(const QString& name, QString& text) const;
    // False when no key was open.
    bool Close();
    bool IsOpen() const { return m_hive.has_value(); }

private:
    std::optional<CRegistryHive> m_hive;
    QString m_path;
};
