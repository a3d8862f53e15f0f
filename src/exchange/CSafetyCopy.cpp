#include "exchange/CSafetyCopy.h"

#include "exchange/FileCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

CSafetyCopy::CSafetyCopy(const QString& dataFile, const QString& occasion)
    : m_dataFile(dataFile), m_occasion(occasion)
{
}

bool CSafetyCopy::Make()
{
    const QString path = NewPath();
    if (!CopyFileAtomically(m_dataFile, path, &m_lastError)) {
        return false;
    }
    m_path = path;
    return true;
}

bool CSafetyCopy::PutBack()
{
    if (m_path.isEmpty()) {
        m_lastError = QStringLiteral("no safety copy was made");
        return false;
    }
    return CopyFileAtomically(m_path, m_dataFile, &m_lastError);
}

QStringList CSafetyCopy::Existing() const
{
    const QFileInfo data(m_dataFile);
    const QString pattern = data.completeBaseName() + QStringLiteral(".before-") + m_occasion +
                            QStringLiteral("-*.") + data.suffix();
    const QDir folder = data.absoluteDir();
    QStringList paths;
    for (const QString& name : folder.entryList({pattern}, QDir::Files, QDir::Name)) {
        paths << folder.filePath(name);
    }
    return paths;
}

// The time to the millisecond keeps names apart and in order; a name taken moves on a millisecond.
QString CSafetyCopy::NewPath() const
{
    const QFileInfo data(m_dataFile);
    QDateTime when = QDateTime::currentDateTime();
    for (;;) {
        const QString path = data.absolutePath() + QLatin1Char('/') + data.completeBaseName() +
                             QStringLiteral(".before-") + m_occasion + QLatin1Char('-') +
                             when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) + QLatin1Char('.') +
                             data.suffix();
        if (!QFileInfo::exists(path)) {
            return path;
        }
        when = when.addMSecs(1);
    }
}

void CSafetyCopy::RemoveOldest()
{
    QStringList copies = Existing();
    while (copies.size() > kKeep) {
        QFile::remove(copies.takeFirst());
    }
}
