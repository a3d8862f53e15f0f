#include "exchange/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunkSize = 256 * 1024;

void SetError(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
}

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool WriteAll(QIODevice& source, QFile& target, QString* error)
{
    QByteArray buffer(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read < 0) {
            SetError(error, QStringLiteral("reading the source failed: ") + source.errorString());
            return false;
        }
        if (read == 0) {
            return true;
        }
        if (target.write(buffer.constData(), read) != read) {
            SetError(error, QStringLiteral("writing failed: ") + target.errorString());
            return false;
        }
    }
}

// The bytes must be on the disk before the rename makes them the target.
bool SyncToDisk(QFile& file, QString* error)
{
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        SetError(error, QStringLiteral("syncing failed: ") + SystemError());
        return false;
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo a finished copy.
void SyncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0) {
        return;
    }
    ::fsync(handle);
    ::close(handle);
}

// A new file gets the usual permissions of a user's document, a replaced one keeps its own.
QFileDevice::Permissions PermissionsFor(const QString& target)
{
    if (QFileInfo::exists(target)) {
        return QFile::permissions(target);
    }
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

} // namespace

bool CopyFileAtomically(QIODevice& source, const QString& target, QString* error)
{
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    QTemporaryFile temporary(folder + QLatin1Char('/') + targetInfo.fileName() +
                             QStringLiteral(".XXXXXX.part"));
    if (!temporary.open()) {
        SetError(error,
                 QStringLiteral("the folder %1 cannot be written: %2").arg(folder, temporary.errorString()));
        return false;
    }
    if (!WriteAll(source, temporary, error) || !SyncToDisk(temporary, error)) {
        return false;
    }
    temporary.setPermissions(PermissionsFor(target));
    temporary.close();
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(targetInfo.absoluteFilePath());
    // rename() replaces the target in one step, so no moment exists without a whole file.
    if (std::rename(from.constData(), to.constData()) != 0) {
        SetError(error, QStringLiteral("replacing %1 failed: %2").arg(target, SystemError()));
        return false;
    }
    temporary.setAutoRemove(false);
    SyncFolder(folder);
    return true;
}

bool CopyFileAtomically(const QString& source, const QString& target, QString* error)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QStringLiteral("%1 cannot be read: %2").arg(source, file.errorString()));
        return false;
    }
    return CopyFileAtomically(file, target, error);
}

bool IsSameFile(const QString& first, const QString& second)
{
    const QString a = QFileInfo(first).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(second).canonicalFilePath();
}
