// The test starts itself as the saver and kills it with SIGKILL at random moments, 30 times for
// records and 30 for settings. After each kill the data file passes SQLite's integrity check, every
// drill row is whole, no save reported committed is missing; the settings file is always the old one
// or the new one. As the saver (arguments "records <first>" or "settings <first>", on the data file
// and settings folder the environment names) it prints a line for every save reported committed:
// "i <n> <id>" for a new home whose fields derive from the counter n, "u <id> <n>" for the run's
// first home saved again with the fields of n, "s <n>" for the settings value written as Payload(n).

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "data/AppPaths.h"
#include "platform/CRegistryHive.h"
#include "platform/CRegistryKey.h"
#include "platform/RegistryHives.h"
#include "records/CHome.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <map>

namespace {

constexpr int kKills = 30;
const QString kSettingsKey = "Software\\Bright Water\\Crash Drill";

// Long enough that a row spans pages and a settings file many blocks.
QString Payload(long n)
{
    return QString("%1;").arg(n).repeated(2000);
}

// Every field of a drill row comes from one counter, so a row written in part shows as a row whose
// fields disagree.
void Fill(CHome& home, long n)
{
    home.SetDescription(QString::number(n));
    home.SetAddress(Payload(n));
    home.SetNotes(QString::number(n));
    home.SetCurrentValue(float(n % 100000));
}

// The counter a home's fields agree on, or -1 when they do not.
long CounterOf(const CHome& home)
{
    const long n = home.GetDescription().toLong();
    const bool whole = home.GetNotes() == QString::number(n) && home.GetAddress() == Payload(n) &&
                       home.GetCurrentValue() == float(n % 100000);
    return whole ? n : -1;
}

void Report(const QByteArray& line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

int SaveRecords(long n)
{
    CADODataBase session;
    if (!session.Open(GetConnectionString())) {
        std::fprintf(stderr, "crash drill: %s\n", qPrintable(session.GetLastError()));
        return 1;
    }
    SetAppDatabase(&session);
    CHome first;
    for (;; ++n) {
        CHome home;
        Fill(home, n);
        if (home.Save()) {
            Report("i " + QByteArray::number(n) + ' ' + QByteArray::number(qint64(home.GetId())));
        }
        if (!first.IsValid()) {
            first = home;
            continue;
        }
        Fill(first, n);
        if (first.Save()) {
            Report("u " + QByteArray::number(qint64(first.GetId())) + ' ' + QByteArray::number(n));
        }
    }
}

int SaveSettings(long n)
{
    CRegistryKey key;
    if (!key.Create(RegistryRoot::CurrentUser, kSettingsKey)) {
        return 1;
    }
    for (;; ++n) {
        if (key.SetString("Payload", Payload(n))) {
            Report("s " + QByteArray::number(qint64(n)));
        }
    }
}

// Starts the saver, lets it save for a random moment after its first report, kills it, and returns
// the whole lines it reported.
QList<QByteArray> RunAndKill(const QString& mode, long first)
{
    QProcess saver;
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QCoreApplication::applicationFilePath(), {mode, QString::number(first)});
    if (!saver.waitForStarted(5000) || !saver.waitForReadyRead(10000)) {
        return {};
    }
    QThread::msleep(QRandomGenerator::global()->bounded(60));
    saver.kill(); // SIGKILL
    saver.waitForFinished(5000);
    QList<QByteArray> lines = saver.readAllStandardOutput().split('\n');
    lines.removeLast(); // the part after the last newline, empty or cut by the kill
    return lines;
}

} // namespace

class TestCrashDrill final : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLoseNothingCommitted()
    {
        CTestDataDir dir;
        QVERIFY2(dir.Database().IsOpen(), qPrintable(dir.Database().GetLastError()));
        int reports = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            const QList<QByteArray> lines = RunAndKill("records", kill * 1000000L);
            QCOMPARE(SqliteText(dir.DatabasePath(), "PRAGMA integrity_check;"), "ok");
            std::map<long, long> stored; // the counter every drill home's fields agree on, by id
            CADORecordset ids(AppDatabase());
            QVERIFY(ids.Open("SELECT HomeId FROM Homes;"));
            for (; !ids.IsEof(); ids.MoveNext()) {
                long id = 0;
                QVERIFY(ids.GetFieldValue(0, id));
                stored[id] = CounterOf(StoredRecord<CHome>(id));
                QVERIFY2(stored[id] >= 0, qPrintable(QString("home %1 is not whole").arg(id)));
            }
            for (const QByteArray& line : lines) {
                // "i <n> <id>" or "u <id> <n>": a later update may have committed unreported, an earlier
                // one never shows.
                const QList<QByteArray> word = line.split(' ');
                QCOMPARE(word.size(), 3);
                const bool inserted = word[0] == "i";
                const auto row = stored.find(word[inserted ? 2 : 1].toLong());
                QVERIFY2(row != stored.end() && row->second >= word[inserted ? 1 : 2].toLong(),
                         line.constData());
            }
            reports += int(lines.size());
        }
        QVERIFY2(reports >= kKills, "the saver hardly saved before it was killed");
    }

    void killedSettingsWritesLeaveOldOrNew()
    {
        CTestDataDir dir;
        QVERIFY(dir.IsValid());
        long lastReported = -1;
        for (int kill = 0; kill < kKills; ++kill) {
            const QList<QByteArray> lines = RunAndKill("settings", kill * 1000000L);
            if (!lines.isEmpty()) {
                lastReported = lines.last().split(' ').value(1).toLong();
            }
            ReloadHives();
            QVERIFY(!LoadedHive(RegistryRoot::CurrentUser).IsCorrupt());
            CRegistryKey key;
            QString payload;
            QVERIFY(key.Open(RegistryRoot::CurrentUser, kSettingsKey));
            QVERIFY(key.GetString("Payload", payload));
            const long n = payload.section(';', 0, 0).toLong();
            QVERIFY(payload == Payload(n));
            QVERIFY2(n >= lastReported, qPrintable(QString("%1 < %2").arg(n).arg(lastReported)));
            lastReported = n;
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == "records") {
        return SaveRecords(args.at(2).toLong());
    }
    if (args.size() == 3 && args.at(1) == "settings") {
        return SaveSettings(args.at(2).toLong());
    }
    TestCrashDrill test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashdrill.moc"
