#include "CScriptedPrompt.h"
#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "app/CHomeApp.h"
#include "app/CMainFrame.h"
#include "data/AppPaths.h"
#include "platform/CRegistryHive.h"
#include "platform/CRegistryKey.h"
#include "platform/DeviceLink.h"
#include "platform/WindowPlacement.h"
#include "res/StringIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString kKey = QStringLiteral("Software\\Bright Water\\Hearthstead");
const QString kGreeting = QStringLiteral("InitialGreetingShown_v1.3");

QString Welcome()
{
    return LoadResString(IDS_WELCOME).replace(QStringLiteral("%s"), QStringLiteral("1.3"));
}

// The start-up questions of a data folder where no home was ever chosen.
void ExpectFirstRun(CScriptedPrompt& prompt, bool welcome, int answer)
{
    if (welcome) {
        prompt.ExpectMessage(IDOK)
            .Text(Welcome())
            .Caption(QStringLiteral("Hearthstead"))
            .Icon(MessageIcon::Information);
    }
    prompt.ExpectMessage(answer)
        .TextId(IDS_FIRST_RUN_QUESTION)
        .Caption(QStringLiteral("Hearthstead"))
        .Icon(MessageIcon::Question)
        .Buttons(MessageButtons::YesNo)
        .DefaultAnswer(IDNO);
    prompt.ExpectMessage(IDOK)
        .TextId(answer == IDYES ? IDS_SYNC_FIRST : IDS_ENTER_PRIMARY_HOME)
        .Caption(QStringLiteral("Hearthstead"))
        .Icon(MessageIcon::Information);
}

// Starts the program; true when it started and asked exactly what the prompt's script holds.
bool Started(CHomeApp& app, CScriptedPrompt& prompt)
{
    return app.InitInstance() && prompt.Verify();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunYesLeavesTheQuestionForNextTime();
    void firstRunNoGoesOnToTheNewHome();
    void greetingOncePerVersionAndTheRememberedHome();
    void windowPlacementRestoredOrCentred();
    void corruptSettingsAreKeptAsideAndStartUpGoesOn();

private:
    // A stored home that was the current one when the program last ran.
    void RememberHome(long id);
    CRegistryKey Settings() const;

    std::unique_ptr<CTestDataDir> m_data;
};

void TestStartup::init()
{
    m_data = std::make_unique<CTestDataDir>();
    QVERIFY(m_data->IsValid());
}

void TestStartup::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    m_data.reset();
}

void TestStartup::RememberHome(long id)
{
    QVERIFY(m_data->Database().Execute(
        QStringLiteral("INSERT INTO Homes (HomeId, Description) VALUES (%1, 'Lake House');").arg(id)));
    QVERIFY(Settings().SetDword(QStringLiteral("LastHomeId"), quint32(id)));
}

CRegistryKey TestStartup::Settings() const
{
    CRegistryKey key;
    key.Create(RegistryRoot::CurrentUser, kKey);
    return key;
}

void TestStartup::firstRunYesLeavesTheQuestionForNextTime()
{
    {
        CScriptedPrompt prompt;
        ExpectFirstRun(prompt, true, IDYES);
        CHomeApp app;
        QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
        CMainFrame* frame = app.GetMainFrame();
        QVERIFY(frame && frame->isVisible());
        for (const CScriptedPrompt::Record& shown : prompt.Shown()) {
            QCOMPARE(shown.message.owner, static_cast<QWidget*>(frame));
        }
        QCOMPARE(frame->GetCurrentHomeId(), -1L);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Hearthstead"));
        QVERIFY(app.GetDatabase().IsOpen());
    }
    CRegistryKey settings = Settings();
    QString text;
    quint32 number = 0;
    QVERIFY(settings.GetString(QStringLiteral("CurrentVersion"), text));
    QCOMPARE(text, QStringLiteral("1.3"));
    QVERIFY(settings.GetString(QStringLiteral("AppPath"), text));
    QCOMPARE(text, GetAppPath());
    QVERIFY(settings.GetDword(kGreeting, number));
    QCOMPARE(number, 1u);
    QVERIFY(!settings.GetDword(QStringLiteral("LastHomeId"), number));

    // No home was chosen, so the next start asks again, without the welcome.
    CScriptedPrompt prompt;
    ExpectFirstRun(prompt, false, IDYES);
    CHomeApp app;
    QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
}

// "No" leads into the new-home sheet. Cancelled, it leaves the homes view with no current home and
// the question stays; a saved home becomes the current one and the next start goes straight to it.
void TestStartup::firstRunNoGoesOnToTheNewHome()
{
    {
        CScriptedPrompt prompt;
        ExpectFirstRun(prompt, true, IDNO);
        prompt.ExpectModal([&prompt](QDialog& sheet) { prompt.PressCancel(sheet); });
        CHomeApp app;
        QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
        QCOMPARE(prompt.Shown().at(2).message.owner, static_cast<QWidget*>(app.GetMainFrame()));
        QCOMPARE(app.GetMainFrame()->GetCurrentHomeId(), -1L);
        QCOMPARE(app.GetMainFrame()->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
        QCOMPARE(app.GetMainFrame()->windowTitle(), QStringLiteral("Hearthstead"));
        quint32 lastHome = 0;
        QVERIFY(!Settings().GetDword(QStringLiteral("LastHomeId"), lastHome));
    }
    {
        CScriptedPrompt prompt;
        ExpectFirstRun(prompt, false, IDNO);
        prompt
            .ExpectModal([&prompt](QDialog& sheet) {
                QCOMPARE(sheet.findChild<QTabWidget*>(QStringLiteral("tabs"))->count(), 3);
                sheet.findChild<QLineEdit*>(QStringLiteral("homeDescription"))
                    ->setText(QStringLiteral("Maple House"));
                prompt.PressOk(sheet);
            })
            .Caption(QStringLiteral("Home Profile"));
        CHomeApp app;
        QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
        CMainFrame* frame = app.GetMainFrame();
        QVERIFY(frame->GetCurrentHomeId() > 0);
        QCOMPARE(frame->GetCurrentViewIndex(), int(CMainFrame::TodayIndex));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Maple House - Hearthstead"));
        quint32 lastHome = 0;
        QVERIFY(Settings().GetDword(QStringLiteral("LastHomeId"), lastHome));
        QCOMPARE(long(lastHome), frame->GetCurrentHomeId());
    }
    CScriptedPrompt prompt;
    CHomeApp app;
    QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
    QCOMPARE(app.GetMainFrame()->windowTitle(), QStringLiteral("Maple House - Hearthstead"));
}

// A new version greets once; the remembered home comes back, and once it is deleted the homes view
// shows without the first-run question.
void TestStartup::greetingOncePerVersionAndTheRememberedHome()
{
    RememberHome(3);
    QVERIFY(Settings().SetDword(QStringLiteral("InitialGreetingShown_v1.2"), 1));
    for (bool greets : {true, false}) {
        CScriptedPrompt prompt;
        if (greets) {
            prompt.ExpectMessage(IDOK).Text(Welcome()).Icon(MessageIcon::Information);
        }
        CHomeApp app;
        QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
        QCOMPARE(app.GetMainFrame()->GetCurrentHomeId(), 3L);
    }
    QVERIFY(m_data->Database().Execute(QStringLiteral("DELETE FROM Homes WHERE HomeId=3;")));
    CScriptedPrompt prompt;
    CHomeApp app;
    QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
    QCOMPARE(app.GetMainFrame()->GetCurrentHomeId(), -1L);
    QCOMPARE(app.GetMainFrame()->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
    // The device link is up for the run, with no device there, and released at exit.
    QVERIFY(IsDeviceLinkUp());
    app.ExitInstance();
    QVERIFY(!IsDeviceLinkUp());
}

void TestStartup::windowPlacementRestoredOrCentred()
{
    RememberHome(3);
    QVERIFY(Settings().SetDword(kGreeting, 1));
    CRegistryKey key = Settings();
    QWidget placed;
    placed.setGeometry(60, 40, 600, 500);
    QVERIFY(WindowPlacement::Save(key, placed));
    {
        CScriptedPrompt prompt;
        CHomeApp app;
        QVERIFY(Started(app, prompt));
        QCOMPARE(app.GetMainFrame()->geometry(), QRect(60, 40, 600, 500));
    }

    QVERIFY(key.SetString(QStringLiteral("WindowPlacement"), QStringLiteral("60,40,660,540")));
    CScriptedPrompt prompt;
    CHomeApp app;
    QVERIFY(Started(app, prompt));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint frameCentre = app.GetMainFrame()->frameGeometry().center();
    // The frame's own border is known only once the window shows: a few pixels of slack.
    QVERIFY((frameCentre - centre).manhattanLength() <= 8);
}

void TestStartup::corruptSettingsAreKeptAsideAndStartUpGoesOn()
{
    QVERIFY(WriteBytes(RegistryHivePath(RegistryRoot::CurrentUser), QByteArray("[broken\x01\x02")));
    CScriptedPrompt prompt;
    ExpectFirstRun(prompt, true, IDYES);
    CHomeApp app;
    QVERIFY2(Started(app, prompt), qPrintable(prompt.Problems()));
    QCOMPARE(QDir(m_data->RegistryPath()).entryList({QStringLiteral("*.corrupt-*")}, QDir::Files).size(), 1);
    QString version;
    QVERIFY(Settings().GetString(QStringLiteral("CurrentVersion"), version));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
