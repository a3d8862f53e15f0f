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
#include "platform/DeviceLink.h"
#include "platform/RegistryHives.h"
#include "platform/RegistryRoot.h"
#include "platform/Settings.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"

#include <QRadioButton>

namespace {

bool LibraryMapped()
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(CFilterLibrary::FileName().toLatin1());
}

QString BridgeFolder()
{
    return QDir(qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + "/../lib/hearthstead/bridge").canonicalPath();
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
    void noManagerStops_data()
    {
        QTest::addColumn<QString>("bridge"); // "" no key
        QTest::newRow("no key") << "";
        QTest::newRow("no library in the folder") << "/nowhere";
        QTest::newRow("a library without both entry points") << HS_NOFILTER_DIR;
    }

    void noManagerStops()
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
    }

    void deviceRefused_data()
    {
        QTest::addColumn<int>("change");      // 1 no device, 2 no registry
        QTest::addColumn<QByteArray>("hive"); // when not empty, the device's registry after its first line
        QTest::addColumn<int>("textId");
        const QByteArray key = "[HKEY_CURRENT_USER\\Software\\BrightWater\\Hearthstead]\n";
        const QByteArray version = "\"CurrentVersion\"=\"1.3\"\n";
        const QByteArray path = "\"DBPath\"=\"\\\\My Documents\\\\Hearthstead\\\\HOMEDATA.CDB\"\n";
        const int connect = IDS_SYNC_CONNECT_FAILED, tooOld = IDS_SYNC_DEVICE_TOO_OLD;
        QTest::newRow("no device") << 1 << QByteArray() << connect;
        QTest::newRow("no registry") << 2 << QByteArray() << connect;
        QTest::newRow("no key") << 0 << QByteArray("[HKEY_CURRENT_USER\\Software\\Other]\n") << connect;
        QTest::newRow("no version") << 0 << key + path << tooOld;
        QTest::newRow("version 1.0") << 0 << key + "\"CurrentVersion\"=\"1.0\"\n" + path << tooOld;
        QTest::newRow("no database path") << 0 << key + version << connect;
        QTest::newRow("no database file") << 0 << key + version + "\"DBPath\"=\"\\\\Missing.cdb\"\n"
                                          << connect;
    }

    void deviceRefused()
    {
        QFETCH(int, change);
        QFETCH(QByteArray, hive);
        QFETCH(int, textId);
        if (!hive.isEmpty()) {
            QVERIFY(WriteBytes(DeviceHivePath(m_device), "Windows Registry Editor Version 5.00\n\n" + hive));
        }
        if (change == 1) {
            qputenv("HEARTHSTEAD_DEVICE", QFile::encodeName(m_session->Dir().Path()));
        }
        if (change == 2) {
            QVERIFY(QFile::remove(DeviceHivePath(m_device)));
        }
        // Retry starts again without the greeting.
        Expect(IDOK, MessageIcon::Information, IDS_SYNC_INTRO);
        Expect(IDRETRY, MessageIcon::Exclamation, textId).Buttons(MessageButtons::RetryCancel);
        Expect(IDCANCEL, MessageIcon::Exclamation, textId);
        m_frame->OnCommand(ID_SYNC);
    }

    void cancelledDirectionChangesNothing()
    {
        Settings::SyncGreeting.Set(m_session->Settings(), 1);
        const QString desktopHomes = HomeNames(m_session->Dir().DatabasePath());
        ExpectDirection(0);
        m_frame->OnCommand(ID_SYNC);
        quint32 advised = 0;
        QVERIFY(Settings::IsFirstSync.Read(m_session->Settings(), advised) && advised == 1);
        QCOMPARE(HomeNames(m_session->Dir().DatabasePath()), desktopHomes);
        QCOMPARE(HomeNames(m_deviceDb), QString());
    }

    void desktopReplacesDevice()
    {
        Settings::SyncGreeting.Set(m_session->Settings(), 1);
        const long home = StoredHome("Lakeside Cottage");
        m_frame->SelectHome(home);
        QVERIFY(SqliteExec(m_deviceDb, "CREATE TABLE Stale (x);"));
        ExpectDirection(CSyncDirectionDlg::DesktopToDevice);
        m_prompt->ExpectShellOpen().Path(BridgeFolder() + "/wcesmgr");
        Expect(IDOK, MessageIcon::Information, IDS_SYNC_TO_DEVICE_DONE);
        m_frame->OnCommand(ID_SYNC);
        QCOMPARE(m_prompt->Shown().at(2).kind, CScriptedPrompt::Kind::ShellOpen);
        QCOMPARE(m_prompt->Shown().at(2).arguments, QStringList("/quit"));
        QCOMPARE(HomeNames(m_deviceDb), QString("Lakeside Cottage"));
        QVERIFY(!SqliteExec(m_deviceDb, "SELECT * FROM Stale;")); // deleted and written anew
        QCOMPARE(m_frame->GetCurrentHomeId(), home);
    }

    void deviceReplacesDesktop()
    {
        Settings::SyncGreeting.Set(m_session->Settings(), 1);
        m_frame->SelectHome(StoredHome("Lakeside Cottage"));
        QVERIFY(SqliteExec(m_deviceDb, "INSERT INTO Homes (HomeId, Description) VALUES (4, 'Beach House');"));
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

private:
    void SetUp() override
    {
        m_device = m_session->Dir().Path() + "card";
        QVERIFY(QDir().mkpath(m_device));
        QVERIFY(DeviceSetup::MakeDevice(m_device, "1.1", DeviceSetup::kDefaultDbPath, nullptr));
        QVERIFY(DeviceSetup::DeviceDatabase(m_device, m_deviceDb));
        qputenv("HEARTHSTEAD_DEVICE", QFile::encodeName(m_device));
        RegisterBridge(BridgeFolder());
        InitDeviceLink();
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        m_frame->CreateViews();
        m_frame->FillHomesList(0);
    }

    void TearDown() override
    {
        m_frame.reset();
        ReleaseDeviceLink();
        qunsetenv("HEARTHSTEAD_DEVICE");
        QVERIFY(!LibraryMapped());
    }

    void RegisterBridge(const QString& folder)
    {
        CRegistryKey machine(RegistryRoot::LocalMachine);
        QVERIFY(machine.Create(RegistryRoot::LocalMachine, CFilterLibrary::KeyPath()));
        QVERIFY(machine.SetString(QString(), folder + "/CEAppMgr.exe"));
    }

    CScriptedPrompt::Step& Expect(int answer, MessageIcon icon, int textId)
    {
        return m_prompt->ExpectMessage(answer).Icon(icon).TextId(textId).Caption(AppName()).Owner(
            m_frame.get());
    }

    // The direction dialog, answered with that direction (0: Cancel) once its advice was given.
    void ExpectDirection(int direction)
    {
        m_prompt
            ->ExpectModalOf<CSyncDirectionDlg>([this, direction](CSyncDirectionDlg& dialog) {
                if (!Child<QRadioButton>(dialog, "option1025")->isChecked()) {
                    m_prompt->AddProblem("the desktop's option is not chosen at first");
                }
                // The advice comes after the first paint.
                QTRY_VERIFY(m_prompt->MessageTexts().contains(LoadResString(IDS_SYNC_FIRST_TIME)));
                if (direction == 0) {
                    m_prompt->PressCancel(dialog);
                    return;
                }
                dialog.findChild<QRadioButton*>(QString("option%1").arg(1024 + direction))->click();
                m_prompt->PressButton(dialog, "Sync");
            })
            .Owner(m_frame.get());
        Expect(IDOK, MessageIcon::Information, IDS_SYNC_FIRST_TIME);
    }

    std::unique_ptr<CMainFrame> m_frame;
    QString m_device;
    QString m_deviceDb; // the device's database file
};

QTEST_MAIN(TestSync)
#include "tst_sync.moc"
