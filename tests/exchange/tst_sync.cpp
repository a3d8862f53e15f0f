// "Sync. with Device" from the real window, on device folders made by the device tool and the real
// bridge of the build: every refusal with its message, Retry and Cancel, the direction dialog, and
// both directions end to end. After every test the filter library must be unloaded.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "bridge/DeviceSetup.h"
#include "data/AppPaths.h"
#include "exchange/CFilterLibrary.h"
#include "exchange/CSafetyCopy.h"
#include "exchange/CSyncDirectionDlg.h"
#include "platform/CDeviceFile.h"
#include "platform/CRegistryHive.h"
#include "platform/DeviceLink.h"
#include "platform/RegistryHives.h"
#include "platform/RegistryRoot.h"
#include "platform/Settings.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

bool LibraryMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(CFilterLibrary::FileName().toLatin1());
}

QString BridgeFolder()
{
    return QDir(qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + QStringLiteral("/../lib/hearthstead/bridge"))
        .canonicalPath();
}

QString HomeNames(const QString& path)
{
    return SqliteText(
        path, "SELECT group_concat(Description) FROM (SELECT Description FROM Homes ORDER BY HomeId)");
}

} // namespace

class TestSync final : public CSessionTest
{
    Q_OBJECT

private slots:
    void noManagerStops_data();
    void noManagerStops();
    void deviceRefused_data();
    void deviceRefused();
    void cancelledDirectionChangesNothing();
    void desktopReplacesDevice();
    void deviceReplacesDesktop();

private:
    void SetUp() override;
    void TearDown() override;
    void RegisterBridge(const QString& folder);
    // The greeting seen, a stored home selected: its id.
    long GreetedWithAHome();
    CScriptedPrompt::Step& Expect(int answer, MessageIcon icon, int textId)
    {
        return m_prompt->ExpectMessage(answer).Icon(icon).TextId(textId).Caption(AppName()).Owner(
            m_frame.get());
    }
    // The direction dialog, answered with that direction (0: Cancel) once its advice was given.
    void ExpectDirection(int direction);
    QString DeviceDatabase() const
    {
        QString path;
        DeviceSetup::DeviceDatabase(m_device, path);
        return path;
    }

    std::unique_ptr<CMainFrame> m_frame;
    QString m_device;
};

void TestSync::SetUp()
{
    m_device = m_session->Dir().Path() + QStringLiteral("card");
    QVERIFY(QDir().mkpath(m_device));
    QVERIFY(DeviceSetup::MakeDevice(m_device, "1.1", DeviceSetup::kDefaultDbPath, nullptr));
    qputenv("HEARTHSTEAD_DEVICE", QFile::encodeName(m_device));
    RegisterBridge(BridgeFolder());
    InitDeviceLink();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->CreateViews();
    m_frame->FillHomesList(0);
}

void TestSync::TearDown()
{
    m_frame.reset();
    ReleaseDeviceLink();
    qunsetenv("HEARTHSTEAD_DEVICE");
    QVERIFY(!LibraryMapped());
}

void TestSync::RegisterBridge(const QString& folder)
{
    CRegistryKey machine(RegistryRoot::LocalMachine);
    QVERIFY(machine.Create(RegistryRoot::LocalMachine, CFilterLibrary::KeyPath()));
    QVERIFY(machine.SetString(QString(), folder + QStringLiteral("/CEAppMgr.exe")));
}

void TestSync::ExpectDirection(int direction)
{
    m_prompt
        ->ExpectModalOf<CSyncDirectionDlg>([this, direction](CSyncDirectionDlg& dialog) {
            if (!dialog.findChild<QRadioButton*>("option1025")->isChecked()) {
                m_prompt->AddProblem("the desktop's option is not chosen at first");
            }
            // The advice comes after the first paint.
            QTRY_VERIFY(m_prompt->MessageTexts().contains(LoadResString(IDS_SYNC_FIRST_TIME)));
            if (direction == 0) {
                m_prompt->PressCancel(dialog);
                return;
            }
            dialog.findChild<QRadioButton*>(QStringLiteral("option%1").arg(1024 + direction))->click();
            m_prompt->PressButton(dialog, "Sync");
        })
        .Owner(m_frame.get());
    Expect(IDOK, MessageIcon::Information, IDS_SYNC_FIRST_TIME);
}

void TestSync::noManagerStops_data()
{
    QTest::addColumn<QString>("bridge"); // "" no key
    QTest::newRow("no key") << "";
    QTest::newRow("no library in the folder") << "/nowhere";
    QTest::newRow("a library without both entry points") << HS_NOFILTER_DIR;
}

void TestSync::noManagerStops()
{
    QFETCH(QString, bridge);
    if (bridge.isEmpty()) {
        QVERIFY(QFile::remove(RegistryHivePath(RegistryRoot::LocalMachine)));
        ReloadHives();
    } else {
        RegisterBridge(bridge);
    }
    Expect(IDOK, MessageIcon::Information, IDS_SYNC_INTRO);
    Expect(IDOK, MessageIcon::Exclamation, IDS_SYNC_MANAGER_MISSING);
    m_frame->OnCommand(ID_SYNC);
    quint32 greeted = 0;
    QVERIFY(Settings::SyncGreeting.Read(m_session->Settings(), greeted) && greeted == 1);
}

void TestSync::deviceRefused_data()
{
    QTest::addColumn<QString>("version"); // "" not written
    QTest::addColumn<QString>("dbPath");  // "" not written
    QTest::addColumn<int>("change");      // 1 no device, 2 no registry, 3 database held, 4 other key
    QTest::addColumn<int>("textId");
    const QString db = DeviceSetup::kDefaultDbPath;
    const int connect = IDS_SYNC_CONNECT_FAILED;
    QTest::newRow("no device") << "1.3" << db << 1 << connect;
    QTest::newRow("no registry") << "1.3" << db << 2 << connect;
    QTest::newRow("no key") << "1.3" << db << 4 << connect;
    QTest::newRow("no version") << "" << db << 0 << int(IDS_SYNC_DEVICE_TOO_OLD);
    QTest::newRow("version 1.0") << "1.0" << db << 0 << int(IDS_SYNC_DEVICE_TOO_OLD);
    QTest::newRow("no database path") << "1.3" << QString() << 0 << connect;
    QTest::newRow("a path out of the device")
        << "1.3" << QStringLiteral("\\..\\HOMEDATA.DAT") << 0 << connect;
    QTest::newRow("no database file") << "1.3" << QStringLiteral("\\Missing.cdb") << 0 << connect;
    QTest::newRow("database held") << "1.3" << db << 3 << connect;
}

void TestSync::deviceRefused()
{
    QFETCH(QString, version);
    QFETCH(QString, dbPath);
    QFETCH(int, change);
    QFETCH(int, textId);
    QVERIFY(QFile::remove(DeviceHivePath(m_device)));
    // Other paths than the usual one go into the registry as they are, with no database made there.
    const bool usual = dbPath == DeviceSetup::kDefaultDbPath;
    if (change != 2) {
        QVERIFY(DeviceSetup::MakeDevice(m_device, version, usual ? dbPath : "", nullptr));
    }
    if (!usual && !dbPath.isEmpty()) {
        CRegistryHive hive(RegistryRoot::CurrentUser, DeviceHivePath(m_device));
        QVERIFY(hive.Load() &&
                hive.SetValue(DeviceSetup::kKeyPath, "DBPath", RegistryValue::FromString(dbPath)) &&
                hive.Save());
    }
    if (change == 1) {
        qputenv("HEARTHSTEAD_DEVICE", QFile::encodeName(m_session->Dir().Path()));
    }
    if (change == 4) {
        QVERIFY(WriteBytes(DeviceHivePath(m_device),
                           "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"));
    }
    CDeviceFile handheld;
    if (change == 3) {
        QVERIFY(handheld.OpenLocal(DeviceDatabase()));
    }
    // Retry starts again without the greeting.
    Expect(IDOK, MessageIcon::Information, IDS_SYNC_INTRO);
    Expect(IDRETRY, MessageIcon::Exclamation, textId).Buttons(MessageButtons::RetryCancel);
    Expect(IDCANCEL, MessageIcon::Exclamation, textId);
    m_frame->OnCommand(ID_SYNC);
}

void TestSync::cancelledDirectionChangesNothing()
{
    Settings::SyncGreeting.Set(m_session->Settings(), 1);
    const QString desktopHomes = HomeNames(m_session->Dir().DatabasePath());
    ExpectDirection(0);
    m_frame->OnCommand(ID_SYNC);
    quint32 advised = 0;
    QVERIFY(Settings::IsFirstSync.Read(m_session->Settings(), advised) && advised == 1);
    QCOMPARE(HomeNames(m_session->Dir().DatabasePath()), desktopHomes);
    QCOMPARE(HomeNames(DeviceDatabase()), QString());
}

long TestSync::GreetedWithAHome()
{
    Settings::SyncGreeting.Set(m_session->Settings(), 1);
    const long home = StoredHome("Lakeside Cottage");
    m_frame->SelectHome(home);
    return home;
}

void TestSync::desktopReplacesDevice()
{
    const long home = GreetedWithAHome();
    QVERIFY(SqliteExec(DeviceDatabase(), "CREATE TABLE Stale (x);"));
    ExpectDirection(CSyncDirectionDlg::DesktopToDevice);
    m_prompt->ExpectShellOpen().Path(BridgeFolder() + "/wcesmgr");
    Expect(IDOK, MessageIcon::Information, IDS_SYNC_TO_DEVICE_DONE);
    m_frame->OnCommand(ID_SYNC);
    QCOMPARE(m_prompt->Shown().at(2).kind, CScriptedPrompt::Kind::ShellOpen);
    QCOMPARE(m_prompt->Shown().at(2).arguments, QStringList("/quit"));
    QCOMPARE(HomeNames(DeviceDatabase()), QString("Lakeside Cottage"));
    QVERIFY(!SqliteExec(DeviceDatabase(), "SELECT * FROM Stale;")); // deleted and written anew
    QCOMPARE(m_frame->GetCurrentHomeId(), home);
}

void TestSync::deviceReplacesDesktop()
{
    GreetedWithAHome();
    QVERIFY(
        SqliteExec(DeviceDatabase(), "INSERT INTO Homes (HomeId, Description) VALUES (4, 'Beach House');"));
    ExpectDirection(CSyncDirectionDlg::DeviceToDesktop);
    m_prompt->ExpectShellOpen();
    Expect(IDOK, MessageIcon::Information, IDS_SYNC_FROM_DEVICE_DONE);
    m_frame->OnCommand(ID_SYNC);
    QCOMPARE(HomeNames(m_session->Dir().DatabasePath()), QString("Beach House"));
    QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
    const QStringList copies = CSafetyCopy(m_session->Dir().DatabasePath(), "sync").Existing();
    QCOMPARE(copies.size(), 1);
    QCOMPARE(HomeNames(copies.first()), QString("Lakeside Cottage"));
}

QTEST_MAIN(TestSync)
#include "tst_sync.moc"
