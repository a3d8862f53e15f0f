#include "CTestSession.h"

#include "platform/Settings.h"

CTestSession::CTestSession() : m_previousSettings(AppSettings())
{
    m_settings.Create(RegistryRoot::CurrentUser, Settings::kKeyPath);
    SetAppSettings(&m_settings);
}

CTestSession::~CTestSession()
{
    SetAppSettings(m_previousSettings);
}

QString CTestSession::Problem()
{
    if (!m_dir.IsValid())
        return QStringLiteral("the test data folder could not be made");
    return m_dir.Database().IsOpen() ? QString() : m_dir.Database().GetLastError();
}
