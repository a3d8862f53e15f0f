#include "platform/ErrorLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr qint64 kLogLimit = 256 * 1024;

QString StateFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty()) {
        return state;
    }
    return QDir::homePath() + QStringLiteral("/.local/state");
}

void RotateIfFull(const QString& path, qint64 adding)
{
    const QFileInfo log(path);
    if (!log.exists() || log.size() + adding <= kLogLimit) {
        return;
    }
    const QString older = path + QStringLiteral(".1");
    QFile::remove(older);
    QFile::rename(path, older);
}

} // namespace

QString ErrorLogPath()
{
    return StateFolder() + QStringLiteral("/hearthstead/hearthstead.log");
}

void LogError(const QString& text)
{
    const QByteArray line =
        (QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + text + QLatin1Char('\n'))
            .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);

    const QString path = ErrorLogPath();
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return;
    }
    RotateIfFull(path, line.size());
    QFile log(path);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        log.write(line);
    }
}
