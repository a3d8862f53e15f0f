#include "CTestDataDir.h"

#include "data/AppPaths.h"
#include "platform/RegistryHives.h"

#include <QDir>
#include <QFile>
#include <QtDebug>

CTestDataDir::CTestDataDir()
{
    const QString pristine = qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB");
    if (!m_dir.isValid() || pristine.isEmpty() || !QFile::exists(pristine)) {
        qWarning() << "CTestDataDir: no delivered database to copy; HEARTHSTEAD_PRISTINE_DB =" << pristine;
        return;
    }
    SetVariable("HEARTHSTEAD_APPDIR", Path());
    SetVariable("HEARTHSTEAD_REGISTRY_DIR", RegistryPath());
    SetVariable("XDG_STATE_HOME", Path() + QStringLiteral("state"));
    ReloadHives();
    QFile copy(DatabasePath());
    m_valid = QFile::copy(pristine, DatabasePath()) &&
              copy.setPermissions(copy.permissions() | QFile::ReadOwner | QFile::WriteOwner) &&
              QDir().mkpath(RegistryPath());
}

CTestDataDir::~CTestDataDir()
{
    if (m_installed)
        SetAppDatabase(m_previousDatabase);
    m_database.Close();
    for (auto saved = m_saved.rbegin(); saved != m_saved.rend(); ++saved) {
        if (saved->wasSet)
            qputenv(saved->name, saved->value);
        else
            qunsetenv(saved->name);
    }
    ReloadHives();
}

CADODataBase& CTestDataDir::Database()
{
    if (!m_installed) {
        if (!m_database.Open(GetConnectionString()))
            qWarning().noquote() << "CTestDataDir:" << m_database.GetLastError();
        m_previousDatabase = AppDatabase();
        SetAppDatabase(&m_database);
        m_installed = true;
    }
    return m_database;
}

void CTestDataDir::SetVariable(const char* name, const QString& value)
{
    m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value.toLocal8Bit());
}
