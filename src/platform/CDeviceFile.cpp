#include "platform/CDeviceFile.h"

#include "platform/DeviceLink.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CDeviceFile::~CDeviceFile()
{
    Close();
}

bool CDeviceFile::Open(const QString& devicePath)
{
    QString local;
    return MapDevicePath(devicePath, local) && OpenLocal(local);
}

bool CDeviceFile::OpenLocal(const QString& localPath)
{
    Close();
    const int descriptor = ::open(QFile::encodeName(localPath).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    // The lock belongs to this open, so a second open in the same process is refused as well.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return false;
    }
    m_descriptor = descriptor;
    return true;
}

bool CDeviceFile::Close()
{
    if (m_descriptor < 0) {
        return false;
    }
    ::close(m_descriptor);
    m_descriptor = -1;
    return true;
}
