#pragma once

#include <QString>

// The link to the handheld. A handheld is a storage volume (a phone's or memory card's storage
// mounted by the desktop, or any folder a person chooses) whose root holds the folder
// ".hearthstead-device" with the handheld's registry, HKEY_CURRENT_USER.reg, in our hive format.
//
// The link is initialised once for the program's run and released at exit; nested initialisations
// count. Every device operation (CDeviceRegistryKey, CDeviceFile, DeleteDeviceFile) fails while the
// link is not initialised, and finds the device afresh, since it may be plugged in at any time.

// Never waits and never fails: a device that is not there is simply not found later.
void InitDeviceLink();
void ReleaseDeviceLink();
bool IsDeviceLinkUp();

// The folder at the device's root that marks it and holds its registry.
QString DeviceMarkerName();
// The connected device's folder: HEARTHSTEAD_DEVICE when set, otherwise the first mounted volume
// under /run/media/$USER or /media/$USER that holds the marker folder; "" when none is connected.
QString FindDeviceFolder();
// The handheld registry's hive file inside a device folder.
QString DeviceHivePath(const QString& deviceFolder);

// Maps a handheld path ("\My Documents\Hearthstead\HOMEDATA.CDB") inside the device folder:
// backslashes separate folders and each part matches an existing entry without regard to case, as
// the handheld's file system does. False for a path that would leave the device folder ("..", a
// Linux path, a link pointing out) or is empty.
bool MapDevicePath(const QString& deviceFolder, const QString& devicePath, QString& localPath);
// The same on the connected device; false without a link or a device.
bool MapDevicePath(const QString& devicePath, QString& localPath);

// Deletes a file on the device; false when the link, the device, the path or the file fails.
bool DeleteDeviceFile(const QString& devicePath);
