// libadofiltr.so: the filter library the sync command loads for one run. It reaches the handheld
// through the same device link as the program and copies whole tables with SQLite.

#include "bridge/AdoFilter.h"
#include "bridge/TableCopy.h"
#include "platform/DeviceLink.h"

#include <QDir>
#include <QFileInfo>

#include <type_traits>

namespace {

enum Result : long
{
    Done = 0,
    BadArguments = -1,
    NoDevice = -2,
    CopyFailed = -3
};

// Runs one transfer between the desktop file and the device file's local path, inside its own
// initialisation of the device link.
template <typename Copy>
long Transfer(const char* desktopPath, const char* tableList, const char* devicePath, Copy copy)
{
    if (!desktopPath || !tableList || !devicePath) {
        return BadArguments;
    }
    const QStringList tables = ParseTableList(QString::fromLocal8Bit(tableList));
    InitDeviceLink();
    QString local;
    const bool found = MapDevicePath(QString::fromLocal8Bit(devicePath), local);
    const bool copied = found && copy(QString::fromLocal8Bit(desktopPath), tables, local);
    ReleaseDeviceLink();
    return !found ? NoDevice : copied ? Done : CopyFailed;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) long DESKTOPTODEVICE(const char* desktopPath, const char* tableList,
                                                            int /*syncFlag: whole tables only*/,
                                                            int overwriteFlag, const char* devicePath)
{
    return Transfer(
        desktopPath, tableList, devicePath,
        [overwriteFlag](const QString& desktop, const QStringList& tables, const QString& device) {
            return QDir().mkpath(QFileInfo(device).absolutePath()) &&
                   CopyTablesToNewDatabase(desktop, tables, device, overwriteFlag != 0);
        });
}

__attribute__((visibility("default"))) long DEVICETODESKTOP(const char* desktopPath, const char* tableList,
                                                            int /*syncFlag: whole tables only*/,
                                                            int /*overwriteFlag: rows are always replaced*/,
                                                            const char* devicePath)
{
    return Transfer(desktopPath, tableList, devicePath,
                    [](const QString& desktop, const QStringList& tables, const QString& device) {
                        return ReplaceTableRows(desktop, tables, device);
                    });
}

} // extern "C"

// The types the program calls them by.
static_assert(std::is_same_v<decltype(&DESKTOPTODEVICE), AdoFilterEntryPoint>);
static_assert(std::is_same_v<decltype(&DEVICETODESKTOP), AdoFilterEntryPoint>);
