// Start-up to Home Today with a remembered home, in process on the offscreen platform: the
// QApplication made, the program's application object, frame and views built and the frame's
// first paint done. A bare QMainWindow, and one with a menu bar and a line of text, are started the
// same way (each its own QApplication, shown and painted) inside the same iterations, untimed, so the
// ratios come from one run on one machine state. The argument is the number of assets stored.

#include "app/CHomeApp.h"
#include "data/CADODataBase.h"
#include "platform/CQtPrompt.h"
#include "platform/CRegistryKey.h"
#include "platform/RegistryHives.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace {

QString PristineDatabase()
{
    const QString fromEnvironment = qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB");
    return fromEnvironment.isEmpty() ? QStringLiteral(HS_PRISTINE_DB) : fromEnvironment;
}

void Fail(const char* why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why);
    std::exit(1);
}

// A program folder with the delivered database, one home and its assets, and settings that remember
// the home and have greeted this version already.
class StartupFolder final
{
public:
    explicit StartupFolder(int assets)
    {
        const QString path = m_dir.path() + QStringLiteral("/HOMEDATA.DAT");
        if (!QFile::copy(PristineDatabase(), path)) {
            Fail("cannot copy the delivered database");
        }
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        qputenv("HEARTHSTEAD_APPDIR", m_dir.path().toLocal8Bit() + '/');
        qputenv("HEARTHSTEAD_REGISTRY_DIR", (m_dir.path() + QStringLiteral("/registry")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", (m_dir.path() + QStringLiteral("/state")).toLocal8Bit());
        ReloadHives();
        AddHome(path, assets);
        CRegistryKey settings;
        settings.Create(RegistryRoot::CurrentUser, Settings::kKeyPath);
        Settings::LastHomeId.Set(settings, 1);
        Settings::InitialGreetingShown().Set(settings, 1);
    }

private:
    static void AddHome(const QString& path, int assets)
    {
        sqlite3* db = nullptr;
        if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
            Fail("cannot open the copy");
        }
        sqlite3_exec(db, "BEGIN; INSERT INTO Homes (HomeId, Description) VALUES (1, 'Lake House');", nullptr,
                     nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(
            db, "INSERT INTO Assets (AssetId, HomeId, Description, CurrentValue) VALUES (?,1,?,?);", -1,
            &insert, nullptr);
        for (int i = 1; i <= assets; ++i) {
            const QByteArray description = "Asset number " + QByteArray::number(i);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_text(insert, 2, description.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 3, 10.0 + i % 1000);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    QTemporaryDir m_dir;
};

// Notes the first paint of any top-level window.
class FirstPaint final : public QObject
{
public:
    FirstPaint() { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    void Wait()
    {
        while (!m_painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_painted = true;
        }
        return false;
    }

private:
    bool m_painted = false;
};

int g_argc = 1;
char g_name[] = "bench_startup";
char* g_argv[] = {g_name, nullptr};

// A QMainWindow shown and painted in its own QApplication; with a text, it also has a menu bar and a
// line of text, so it pays for the fonts as every window that shows words does.
double ShowBareWindow(bool withText)
{
    QElapsedTimer timer;
    timer.start();
    QApplication qtApp(g_argc, g_argv);
    FirstPaint paint;
    QMainWindow window;
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Home Today")));
    }
    window.resize(800, 600);
    window.show();
    paint.Wait();
    return double(timer.nsecsElapsed()) * 1e-9;
}

void BM_StartupToToday(benchmark::State& state)
{
    StartupFolder folder(int(state.range(0)));
    double startup = 0, bare = 0, withText = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            QApplication qtApp(g_argc, g_argv);
            FirstPaint paint;
            CHomeApp app;
            if (!app.InitInstance()) {
                Fail("start-up failed");
            }
            paint.Wait();
            startup += double(timer.nsecsElapsed()) * 1e-9;
        }
        state.PauseTiming();
        bare += ShowBareWindow(false);
        withText += ShowBareWindow(true);
        state.ResumeTiming();
    }
    state.counters["startup_over_bare"] = startup / bare;
    state.counters["bare_ms"] = bare * 1e3 / double(state.iterations());
    state.counters["startup_over_text_window"] = startup / withText;
    state.counters["text_window_ms"] = withText * 1e3 / double(state.iterations());
}
BENCHMARK(BM_StartupToToday)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CQtPrompt prompt(false); // a message nobody expected is answered, never waited on
    InstallPrompt(&prompt);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
