#include "platform/DeviceLink.h"

#include <QDir>
#include <QFileInfo>

namespace {

int g_linkCount = 0;

QString MountedDevice(const QString& mediaFolder)
{
    const QDir media(mediaFolder);
    for (const QString& volume : media.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = media.filePath(volume);
        if (QFileInfo(folder + QLatin1Char('/') + DeviceMarkerName()).isDir()) {
            return folder;
        }
    }
    return {};
}

// The entry of a folder whose name matches without regard to case; the name itself when none does.
QString MatchEntry(const QString& folder, const QString& name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

bool IsInside(const QString& root, const QString& path)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

bool IsPlainPart(const QString& part)
{
    return part != QLatin1String(".") && part != QLatin1String("..") && !part.contains(QLatin1Char('/')) &&
           !part.contains(QChar(0));
}

} // namespace

void InitDeviceLink()
{
    ++g_linkCount;
}

void ReleaseDeviceLink()
{
    if (g_linkCount > 0) {
        --g_linkCount;
    }
}

bool IsDeviceLinkUp()
{
    return g_linkCount > 0;
}

QString DeviceMarkerName()
{
    return QStringLiteral(".hearthstead-device");
}

QString FindDeviceFolder()
{
    const QString named = qEnvironmentVariable("HEARTHSTEAD_DEVICE");
    if (!named.isEmpty()) {
        return QFileInfo(named + QLatin1Char('/') + DeviceMarkerName()).isDir() ? named : QString();
    }
    const QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        return {};
    }
    for (const QString& media : {QStringLiteral("/run/media/"), QStringLiteral("/media/")}) {
        const QString found = MountedDevice(media + user);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

QString DeviceHivePath(const QString& deviceFolder)
{
    return deviceFolder + QLatin1Char('/') + DeviceMarkerName() + QStringLiteral("/HKEY_CURRENT_USER.reg");
}

bool MapDevicePath(const QString& deviceFolder, const QString& devicePath, QString& localPath)
{
    const QString root = QFileInfo(deviceFolder).canonicalFilePath();
    const QStringList parts = devicePath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (root.isEmpty() || parts.isEmpty()) {
        return false;
    }
    QString path = root;
    for (const QString& part : parts) {
        if (!IsPlainPart(part)) {
            return false;
        }
        path += QLatin1Char('/') + MatchEntry(path, part);
        // A link may point anywhere: what exists must resolve inside the device.
        const QFileInfo info(path);
        if ((info.exists() || info.isSymLink()) && !IsInside(root, info.canonicalFilePath())) {
            return false;
        }
    }
    localPath = path;
    return true;
}

bool MapDevicePath(const QString& devicePath, QString& localPath)
{
    if (!IsDeviceLinkUp()) {
        return false;
    }
    const QString folder = FindDeviceFolder();
    return !folder.isEmpty() && MapDevicePath(folder, devicePath, localPath);
}

bool DeleteDeviceFile(const QString& devicePath)
{
    QString local;
    return MapDevicePath(devicePath, local) && QFileInfo(local).isFile() && QFile::remove(local);
}
