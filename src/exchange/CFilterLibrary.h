#pragma once

#include "bridge/AdoFilter.h"

#include <QByteArray>
#include <QLibrary>
#include <QString>

// The table-copying filter library (libadofiltr.so) for one run of the sync. Its folder is named by
// the default value of the machine's key App Paths\CEAppMgr.exe: the path of a file in that folder,
// cut after its last separator. The same folder holds the sync manager, wcesmgr. Unloaded by Unload
// or the destructor.
class CFilterLibrary final
{
public:
    static QString KeyPath();
    static QString FileName() { return QStringLiteral("libadofiltr.so"); }

    CFilterLibrary() = default;
    ~CFilterLibrary();
    Q_DISABLE_COPY_MOVE(CFilterLibrary)

    // False, with nothing loaded, when the key, the library or one of its two entry points is
    // missing.
    bool Load();
    void Unload();
    bool IsLoaded() const { return m_toDevice != nullptr; }

    // The sync manager beside the library.
    QString ManagerPath() const;
    // The entry points with their five arguments; -1 when the library is not loaded.
    long DesktopToDevice(const QByteArray& desktopPath, const QByteArray& tableList,
                         const QByteArray& devicePath);
    long DeviceToDesktop(const QByteArray& desktopPath, const QByteArray& tableList,
                         const QByteArray& devicePath);

private:
    QString m_folder;
    QLibrary m_library;
    AdoFilterEntryPoint m_toDevice = nullptr;
    AdoFilterEntryPoint m_toDesktop = nullptr;
};
