#include "app/CHomeApp.h"

#include "app/CMainFrame.h"
#include "data/AppPaths.h"
#include "platform/CPrompt.h"
#include "platform/DeviceLink.h"
#include "platform/ErrorLog.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "platform/WindowPlacement.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

void Centre(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Take the size showing the window would give it first, so the centre stays the centre.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

CHomeApp::CHomeApp()
    : m_settings(RegistryRoot::CurrentUser), m_previousSettings(AppSettings()),
      m_previousDatabase(AppDatabase())
{
    SetAppSettings(&m_settings);
    SetAppDatabase(&m_database);
}

CHomeApp::~CHomeApp()
{
    ExitInstance();
    SetAppDatabase(m_previousDatabase);
    SetAppSettings(m_previousSettings);
}

bool CHomeApp::InitInstance()
{
    InitDeviceLink();
    m_deviceLinkUp = true;
    // The message is the same for every cause; the cause, in the provider's own words, goes to the log.
    const bool prepared = PrepareDataFolder();
    if (!prepared || !m_database.Open(GetConnectionString())) {
        LogError(prepared ? QStringLiteral("The data file could not be opened: ") + m_database.GetLastError()
                          : QStringLiteral("The data folder could not be made ready: ") + GetAppPath());
        ShowMessage(nullptr, LoadResString(IDS_DATABASE_OPEN_FAILED), QString(), MessageIcon::Exclamation);
        return false;
    }
    m_mainFrame = std::make_unique<CMainFrame>(&m_settings);
    OpenSettings();
    PlaceMainWindow();
    m_mainFrame->show();
    WriteVersionValues();
    Greet();
    m_mainFrame->CreateViews();
    m_mainFrame->FillHomesList(0);
    SelectLastHome();
    return true;
}

void CHomeApp::ExitInstance()
{
    m_mainFrame.reset();
    if (m_deviceLinkUp) {
        ReleaseDeviceLink();
        m_deviceLinkUp = false;
    }
    m_database.Close();
}

// Without the key the program still runs: reads fall back to defaults and writes are lost.
void CHomeApp::OpenSettings()
{
    if (!m_settings.OpenByName(RegistryRoot::CurrentUser, Settings::kKeyPath))
        m_settings.Create(RegistryRoot::CurrentUser, Settings::kKeyPath);
}

void CHomeApp::PlaceMainWindow()
{
    if (!WindowPlacement::Load(m_settings, *m_mainFrame))
        Centre(*m_mainFrame);
}

void CHomeApp::WriteVersionValues()
{
    Settings::CurrentVersion.Set(m_settings, AppVersion());
    Settings::AppPath.Set(m_settings, GetAppPath());
}

void CHomeApp::Greet()
{
    const QString welcome = LoadResString(IDS_WELCOME).replace(QStringLiteral("%s"), AppVersion());
    ShowMessageOnce(m_settings, m_mainFrame.get(), welcome, Settings::InitialGreetingShown());
}

void CHomeApp::SelectLastHome()
{
    quint32 lastHomeId = 0;
    if (Settings::LastHomeId.Read(m_settings, lastHomeId))
        m_mainFrame->SelectHome(long(qint32(lastHomeId)));
    else
        AskFirstRunQuestions();
}

// Someone who kept data on the handheld starts by syncing it; everyone else by entering a home.
void CHomeApp::AskFirstRunQuestions()
{
    CMainFrame* frame = m_mainFrame.get();
    const int answer = ShowMessage(frame, LoadResString(IDS_FIRST_RUN_QUESTION), AppName(),
                                   MessageIcon::Question, MessageButtons::YesNo, IDNO);
    if (answer == IDYES) {
        ShowMessage(frame, LoadResString(IDS_SYNC_FIRST), AppName(), MessageIcon::Information);
        frame->ShowHomesView();
    } else {
        ShowMessage(frame, LoadResString(IDS_ENTER_PRIMARY_HOME), AppName(), MessageIcon::Information);
        frame->NewHome();
    }
}
