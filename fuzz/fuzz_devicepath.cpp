// The mapping of handheld paths on any text: no crash, and a path it accepts never leaves the device
// folder, neither by its own text nor through a link on the device that points out of it.

#include "platform/DeviceLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// A device with the program's folders, a file, a link that stays inside and links that point out,
// beside a folder outside the device that the links lead to.
struct Device
{
    Device()
    {
        const QString base = m_base.path();
        QDir(base).mkpath(QStringLiteral("outside/secret"));
        QDir(base).mkpath(QStringLiteral("device/My Documents/Hearthstead"));
        root = QFileInfo(base + QStringLiteral("/device")).canonicalFilePath();
        QFile data(root + QStringLiteral("/My Documents/Hearthstead/HOMEDATA.CDB"));
        data.open(QIODevice::WriteOnly);
        QFile::link(root + QStringLiteral("/My Documents"), root + QStringLiteral("/Docs"));
        QFile::link(base + QStringLiteral("/outside"), root + QStringLiteral("/Out"));
        QFile::link(QStringLiteral(".."), root + QStringLiteral("/My Documents/Up"));
        QFile::link(root + QStringLiteral("/nowhere"), root + QStringLiteral("/Dangling"));
    }

    QTemporaryDir m_base;
    QString root;
};

// The deepest part of the path that exists, resolved through its links.
QString ExistingAncestor(QString path)
{
    while (!QFileInfo::exists(path) && path.contains(QLatin1Char('/'))) {
        path.truncate(path.lastIndexOf(QLatin1Char('/')));
    }
    return QFileInfo(path).canonicalFilePath();
}

bool IsInside(const QString& root, const QString& path)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Device device;
    QString local;
    const QString devicePath = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!MapDevicePath(device.root, devicePath, local)) {
        return 0;
    }
    if (QDir::cleanPath(local) != local || !IsInside(device.root, local) ||
        !IsInside(device.root, ExistingAncestor(local))) {
        __builtin_trap();
    }
    return 0;
}
