// The saver (crash_saver) is killed with SIGKILL at random moments, 30 times for records and 30 for
// settings. After each kill the data file passes SQLite's integrity check, every drill row is whole,
// no save reported committed is missing; the settings file is always the old one or the new one.

#include "CTestDataDir.h"
#include "CrashDrillRows.h"
#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "platform/CRegistryHive.h"
#include "platform/CRegistryKey.h"
#include "platform/RegistryHives.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <map>

namespace {

constexpr int kKills = 30;

// Starts the saver, lets it save for a random moment after its first report, kills it, and returns
// the whole lines it reported.
QList<QByteArray> RunAndKill(const QString& mode, long first)
{
    QProcess saver;
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/crash_saver"),
                {mode, QString::number(first)});
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
    void killedSavesLoseNothingCommitted();
    void killedSettingsWritesLeaveOldOrNew();
};

void TestCrashDrill::killedSavesLoseNothingCommitted()
{
    CTestDataDir dir;
    QVERIFY2(dir.Database().IsOpen(), qPrintable(dir.Database().GetLastError()));
    int reports = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const QList<QByteArray> lines = RunAndKill(QStringLiteral("records"), kill * 1000000L);
        QCOMPARE(SqliteText(dir.DatabasePath(), "PRAGMA integrity_check;"), QStringLiteral("ok"));
        std::map<long, long> stored; // the counter every drill home's fields agree on, by id
        CADORecordset ids(AppDatabase());
        QVERIFY(ids.Open(QStringLiteral("SELECT HomeId FROM Homes;")));
        for (; !ids.IsEof(); ids.MoveNext()) {
            long id = 0;
            QVERIFY(ids.GetFieldValue(0, id));
            stored[id] = CrashDrillRows::CounterOf(StoredRecord<CHome>(id));
            QVERIFY2(stored[id] >= 0, qPrintable(QStringLiteral("home %1 is not whole").arg(id)));
        }
        for (const QByteArray& line : lines) {
            // "i <n> <id>" or "u <id> <n>": a later update may have committed unreported, an earlier
            // one never shows.
            const QList<QByteArray> word = line.split(' ');
            QCOMPARE(word.size(), 3);
            const bool inserted = word[0] == "i";
            const auto row = stored.find(word[inserted ? 2 : 1].toLong());
            QVERIFY2(row != stored.end() && row->second >= word[inserted ? 1 : 2].toLong(), line.constData());
        }
        reports += int(lines.size());
    }
    QVERIFY2(reports >= kKills, "the saver hardly saved before it was killed");
}

void TestCrashDrill::killedSettingsWritesLeaveOldOrNew()
{
    CTestDataDir dir;
    QVERIFY(dir.IsValid());
    long lastReported = -1;
    for (int kill = 0; kill < kKills; ++kill) {
        const QList<QByteArray> lines = RunAndKill(QStringLiteral("settings"), kill * 1000000L);
        if (!lines.isEmpty()) {
            lastReported = lines.last().split(' ').value(1).toLong();
        }
        ReloadHives();
        QVERIFY(!LoadedHive(RegistryRoot::CurrentUser).IsCorrupt());
        CRegistryKey key;
        QString payload;
        QVERIFY(key.Open(RegistryRoot::CurrentUser, CrashDrillRows::kSettingsKey));
        QVERIFY(key.GetString(QStringLiteral("Payload"), payload));
        const long n = payload.section(QLatin1Char(';'), 0, 0).toLong();
        QVERIFY(payload == CrashDrillRows::Payload(n));
        QVERIFY2(n >= lastReported, qPrintable(QStringLiteral("%1 < %2").arg(n).arg(lastReported)));
        lastReported = n;
    }
}

QTEST_GUILESS_MAIN(TestCrashDrill)
#include "tst_crashdrill.moc"
