#include "exchange/CFilterLibrary.h"

#include "platform/CRegistryKey.h"

namespace {

// A copy of whole tables: the sync flag is off and existing data is overwritten.
constexpr int kSyncFlag = 0;
constexpr int kOverwriteFlag = 1;

// The folder of the registered file, with its separator; "" when the value names no folder.
QString FolderOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? QString() : path.left(cut + 1);
}

} // namespace

QString CFilterLibrary::KeyPath()
{
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.exe");
}

CFilterLibrary::~CFilterLibrary()
{
    Unload();
}

bool CFilterLibrary::Load()
{
    Unload();
    CRegistryKey key(RegistryRoot::LocalMachine);
    QString registered;
    if (!key.Open(RegistryRoot::LocalMachine, KeyPath()) || !key.GetString(QString(), registered)) {
        return false;
    }
    m_folder = FolderOf(registered);
    if (m_folder.isEmpty()) {
        return false;
    }
    m_library.setFileName(m_folder + FileName());
    if (!m_library.load()) {
        return false;
    }
    m_toDevice = reinterpret_cast<AdoFilterEntryPoint>(m_library.resolve("DESKTOPTODEVICE"));
    m_toDesktop = reinterpret_cast<AdoFilterEntryPoint>(m_library.resolve("DEVICETODESKTOP"));
    // A library without both entry points is not the filter library.
    if (!m_toDevice || !m_toDesktop) {
        Unload();
        return false;
    }
    return true;
}

void CFilterLibrary::Unload()
{
    m_toDevice = nullptr;
    m_toDesktop = nullptr;
    if (m_library.isLoaded()) {
        m_library.unload();
    }
}

QString CFilterLibrary::ManagerPath() const
{
    return m_folder + QStringLiteral("wcesmgr");
}

long CFilterLibrary::DesktopToDevice(const QByteArray& desktopPath, const QByteArray& tableList,
                                     const QByteArray& devicePath)
{
    return m_toDevice ? m_toDevice(desktopPath.constData(), tableList.constData(), kSyncFlag, kOverwriteFlag,
                                   devicePath.constData())
                      : -1;
}

long CFilterLibrary::DeviceToDesktop(const QByteArray& desktopPath, const QByteArray& tableList,
                                     const QByteArray& devicePath)
{
    return m_toDesktop ? m_toDesktop(desktopPath.constData(), tableList.constData(), kSyncFlag,
                                     kOverwriteFlag, devicePath.constData())
                       : -1;
}
