// The saver (crash_saver) is killed with SIGKILL at random moments, 30 times for records and 30 for
// settings. After each kill the data file passes SQLite's integrity check, every drill row is whole,
// no save reported committed is missing; the settings file is always the old one or the new one.

#include "CTestDataDir.h"
#include "CrashDrillRows.h"
#include "data/CADORecordset.h"
#include "platform/CRegistryHive.h"
#include "platform/CRegistryKey.h"
#include "platform/RegistryHives.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <sqlite3.h>

#include <map>
#include <memory>

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

// SQLite's own words on the file, asked directly: the recordset only opens SELECTs.
QString IntegrityCheck()
{
    sqlite3_stmt* check = nullptr;
    QString result = QStringLiteral("no answer");
    if (sqlite3_prepare_v2(AppDatabase()->Handle(), "PRAGMA integrity_check;", -1, &check, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW) {
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
    }
    sqlite3_finalize(check);
    return result;
}

} // namespace

class TestCrashDrill final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void killedSavesLoseNothingCommitted();
    void killedSettingsWritesLeaveOldOrNew();

private:
    // Every drill home is whole; returns the counter of each by id.
    std::map<long, long> WholeRows();

    std::unique_ptr<CTestDataDir> m_dir;
};

void TestCrashDrill::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestCrashDrill::cleanup()
{
    m_dir.reset();
}

std::map<long, long> TestCrashDrill::WholeRows()
{
    std::map<long, long> counters;
    CADORecordset ids(AppDatabase());
    if (!ids.Open(QStringLiteral("SELECT HomeId FROM Homes;"))) {
        return counters;
    }
    for (; !ids.IsEof(); ids.MoveNext()) {
        CHome home;
        long id = 0;
        ids.GetFieldValue(0, id);
        home.SetId(id);
        const long n = home.Load() ? CrashDrillRows::CounterOf(home) : -1;
        if (n < 0) {
            QTest::qFail(qPrintable(QStringLiteral("home %1 is not whole").arg(id)), __FILE__, __LINE__);
        }
        counters[id] = n;
    }
    return counters;
}

void TestCrashDrill::killedSavesLoseNothingCommitted()
{
    int reports = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const QList<QByteArray> lines = RunAndKill(QStringLiteral("records"), kill * 1000000L);
        QCOMPARE(IntegrityCheck(), QStringLiteral("ok"));
        const std::map<long, long> stored = WholeRows();
        if (QTest::currentTestFailed()) {
            return;
        }
        for (const QByteArray& line : lines) {
            const QList<QByteArray> word = line.split(' ');
            QCOMPARE(word.size(), 3);
            ++reports;
            if (word[0] == "i") {
                const auto row = stored.find(word[2].toLong());
                QVERIFY2(row != stored.end(), line.constData());
                QVERIFY2(row->second >= word[1].toLong(), line.constData());
            } else {
                // A later update may have committed unreported; an earlier one never shows.
                const auto row = stored.find(word[1].toLong());
                QVERIFY2(row != stored.end() && row->second >= word[2].toLong(), line.constData());
            }
        }
    }
    QVERIFY2(reports >= kKills, "the saver hardly saved before it was killed");
}

void TestCrashDrill::killedSettingsWritesLeaveOldOrNew()
{
    long lastReported = -1;
    for (int kill = 0; kill < kKills; ++kill) {
        const QList<QByteArray> lines = RunAndKill(QStringLiteral("settings"), kill * 1000000L);
        for (const QByteArray& line : lines) {
            lastReported = line.split(' ').value(1).toLong();
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
