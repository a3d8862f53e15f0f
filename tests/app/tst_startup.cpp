#include "CScriptedPrompt.h"
#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "app/CHomeApp.h"
#include "app/CMainFrame.h"
#include "data/AppPaths.h"
#include "platform/CRegistryHive.h"
#include "platform/DeviceLink.h"
#include "platform/Settings.h"
#include "platform/WindowPlacement.h"
#include "res/StringIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

QString Welcome()
{
    return LoadResString(IDS_WELCOME).replace("%s", "1.3");
}

// The start-up questions of a data folder where no home was ever chosen.
void ExpectFirstRun(CScriptedPrompt& prompt, bool welcome, int answer)
{
    if (welcome) {
        prompt.ExpectMessage(IDOK).Text(Welcome()).Icon(MessageIcon::Information);
    }
    prompt.ExpectMessage(answer)
        .TextId(IDS_FIRST_RUN_QUESTION)
        .Caption("Hearthstead")
        .Icon(MessageIcon::Question)
        .Buttons(MessageButtons::YesNo)
        .DefaultAnswer(IDNO);
    prompt.ExpectMessage(IDOK)
        .TextId(answer == IDYES ? IDS_SYNC_FIRST : IDS_ENTER_PRIMARY_HOME)
        .Icon(MessageIcon::Information);
}

// Starts the program; true when it started and asked exactly what the prompt's script holds.
bool Started(CHomeApp& app, CScriptedPrompt& prompt)
{
    return app.InitInstance() && prompt.Verify();
}

CRegistryKey Key()
{
    CRegistryKey key;
    key.Create(RegistryRoot::CurrentUser, Settings::kKeyPath);
    return key;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<CTestDataDir>();
        QVERIFY(m_data->IsValid());
    }

    void cleanup()
    {
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        m_data.reset();
    }

    // Settings that cannot be read are kept aside and the start goes on as a first run. "Yes" (the data
    // is on the handheld) chooses no home.
    void unreadableSettingsAndFirstRunYes()
    {
        QVERIFY(WriteBytes(RegistryHivePath(RegistryRoot::CurrentUser), QByteArray("[broken\x01\x02")));
        {
            CScriptedPrompt prompt;
            ExpectFirstRun(prompt, true, IDYES);
            CHomeApp app;
            QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
            CMainFrame* frame = app.GetMainFrame();
            for (const CScriptedPrompt::Record& shown : prompt.Shown()) {
                QCOMPARE(shown.message.owner, static_cast<QWidget*>(frame));
            }
            QCOMPARE(frame->GetCurrentHomeId(), -1L);
        }
        QCOMPARE(QDir(m_data->RegistryPath()).entryList({"*.corrupt-*"}, QDir::Files).size(), 1);
        const CRegistryKey settings = Key();
        QCOMPARE(Settings::CurrentVersion.Get(settings), "1.3");
        QCOMPARE(Settings::AppPath.Get(settings), GetAppPath());
        QCOMPARE(Settings::InitialGreetingShown().Get(settings), 1u);
        quint32 lastHome = 0;
        QVERIFY(!Settings::LastHomeId.Read(settings, lastHome));
    }

    // "No" leads into the new-home sheet. Cancelled, it leaves the homes view and the question stays.
    void firstRunNoGoesOnToTheNewHome()
    {
        {
            CScriptedPrompt prompt;
            ExpectFirstRun(prompt, true, IDNO);
            prompt.ExpectModal([&prompt](QDialog& sheet) { prompt.PressCancel(sheet); });
            CHomeApp app;
            QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
            QCOMPARE(app.GetMainFrame()->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
        }
        quint32 lastHome = 0;
        QVERIFY(!Settings::LastHomeId.Read(Key(), lastHome));
    }

    // A new version greets once; the remembered home comes back, and once it is deleted the homes view
    // shows without the first-run question.
    void greetingOncePerVersionAndTheRememberedHome()
    {
        RememberHome(3);
        QVERIFY(Key().SetDword("InitialGreetingShown_v1.2", 1));
        for (bool greets : {true, false}) {
            CScriptedPrompt prompt;
            if (greets) {
                prompt.ExpectMessage(IDOK).Text(Welcome());
            }
            CHomeApp app;
            QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
            QCOMPARE(app.GetMainFrame()->GetCurrentHomeId(), 3L);
        }
        QVERIFY(m_data->Database().Execute("DELETE FROM Homes WHERE HomeId=3;"));
        CScriptedPrompt prompt;
        CHomeApp app;
        QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
        QCOMPARE(app.GetMainFrame()->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
        // The device link is up for the run, with no device there, and released at exit.
        QVERIFY(IsDeviceLinkUp());
        app.ExitInstance();
        QVERIFY(!IsDeviceLinkUp());
    }

    void windowPlacementRestoredOrCentred()
    {
        RememberHome(3);
        CRegistryKey key = Key();
        QVERIFY(Settings::InitialGreetingShown().Set(key, 1));
        QWidget placed;
        placed.setGeometry(60, 40, 600, 500);
        QVERIFY(WindowPlacement::Save(key, placed));
        {
            CScriptedPrompt prompt;
            CHomeApp app;
            QVERIFY(Started(app, prompt));
            QCOMPARE(app.GetMainFrame()->geometry(), QRect(60, 40, 600, 500));
        }
        QVERIFY(key.SetString("WindowPlacement", "60,40,660,540"));
        CScriptedPrompt prompt;
        CHomeApp app;
        QVERIFY(Started(app, prompt));
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        // The frame's own border is known only once the window shows: a few pixels of slack.
        QVERIFY((app.GetMainFrame()->frameGeometry().center() - centre).manhattanLength() <= 8);
    }

    // The program itself, as a person or a script starts it.
    void versionAnswersWithoutAWindow()
    {
        QProcess process;
        QVERIFY(Run(process, {"--version"}, "no-such-platform"));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("Hearthstead v1.3 (Desktop Edition)\n"));
    }

    // Nothing is written, not the data file, not the settings; the cause is in the log.
    void badDatabaseEndsWithStatusOne()
    {
        const QList<std::pair<bool, QByteArray>> files = {
            {false, QByteArray()}, {true, QByteArray()}, {true, QByteArray(4096, '\x5a')}};
        for (const auto& [present, contents] : files) {
            CTestDataDir appDir;
            QVERIFY(present ? WriteBytes(appDir.DatabasePath(), contents)
                            : QFile::remove(appDir.DatabasePath()));
            QProcess process;
            QVERIFY(Run(process, {}, "offscreen"));
            QCOMPARE(process.exitCode(), 1);
            // Without a screen the message goes to standard error rather than waiting for a click.
            QVERIFY(process.readAllStandardError().contains(
                "There was an error opening the database used by Hearthstead."));
            QCOMPARE(QFile::exists(appDir.DatabasePath()), present);
            QCOMPARE(ReadBytes(appDir.DatabasePath()), contents);
            QVERIFY(QDir(appDir.RegistryPath()).isEmpty());
            const QByteArray log = ReadBytes(appDir.Path() + "state/hearthstead/hearthstead.log");
            QVERIFY2(log.contains("The data file could not be opened: ") &&
                         (contents.isEmpty() || log.contains("not a database")),
                     log.constData());
        }
    }

private:
    // A stored home that was the current one when the program last ran.
    void RememberHome(long id)
    {
        QVERIFY(m_data->Database().Execute(
            QString("INSERT INTO Homes (HomeId, Description) VALUES (%1, 'Lake House');").arg(id)));
        QVERIFY(Key().SetDword(Settings::LastHomeId.Name(), quint32(id)));
    }

    // Runs the program to its end; false when it did not end normally in time.
    static bool Run(QProcess& process, const QStringList& arguments, const QString& platform)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", platform);
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + "/hearthstead", arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    }

    std::unique_ptr<CTestDataDir> m_data;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
