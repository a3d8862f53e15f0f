#include "data/CAppFolders.h"

#include "res/AppInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr QLatin1String kDataFile("HOMEDATA.DAT");

QString WithSlash(const QString& directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

void ReportFolder(const QString& what, const QString& folder)
{
    std::fprintf(stderr, "Hearthstead: %s %s\n", what.toUtf8().constData(),
                 QDir::toNativeSeparators(folder).toUtf8().constData());
}

} // namespace

CAppFolders::CAppFolders(const QString& programDir)
{
    const QString moved = qEnvironmentVariable("HEARTHSTEAD_APPDIR");
    if (!moved.isEmpty()) {
        m_dataPath = m_deliveredPath = WithSlash(moved);
        return;
    }
    const QString program = WithSlash(programDir);
    if (QFileInfo::exists(program + kDataFile)) {
        m_dataPath = m_deliveredPath = program;
        return;
    }
    m_installed = true;
    m_dataPath = UserDataPath();
    m_deliveredPath = WithSlash(QDir::cleanPath(program + InstalledDataFromProgram()));
}

// A relative XDG_DATA_HOME is to be ignored, as an unset one.
QString CAppFolders::UserDataPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return WithSlash(base) + QStringLiteral("hearthstead/");
}

bool CAppFolders::Prepare() const
{
    if (!m_installed) {
        return true;
    }
    if (!QDir().mkpath(m_dataPath)) {
        ReportFolder(QStringLiteral("cannot create the data folder"), m_dataPath);
        return false;
    }
    const QString target = m_dataPath + kDataFile;
    if (QFileInfo::exists(target)) {
        return true;
    }
    // The copy keeps the installed file's read-only mode; the user's own copy must be writable.
    if (!QFile::copy(m_deliveredPath + kDataFile, target) ||
        !QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner)) {
        ReportFolder(QStringLiteral("cannot copy the delivered data file into"), m_dataPath);
        return false;
    }
    return true;
}
