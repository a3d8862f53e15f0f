// The error log: where it lives, what a line holds, and that it never grows past two small files.

#include "platform/ErrorLog.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestErrorLog final : public QObject
{
    Q_OBJECT

private slots:
    void linesGoUnderTheStateFolderAndTheLogRotates();
};

void TestErrorLog::linesGoUnderTheStateFolderAndTheLogRotates()
{
    QTemporaryDir state;
    QVERIFY(state.isValid());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    const QString path = state.path() + QStringLiteral("/hearthstead/hearthstead.log");
    QCOMPARE(ErrorLogPath(), path);

    LogError(QStringLiteral("database is locked"));
    QFile log(path);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().endsWith(" database is locked\n"));
    log.close();

    const QString line = QString(200, QLatin1Char('x'));
    for (int i = 0; i < 1300; ++i) {
        LogError(line);
    }
    QVERIFY(QFileInfo(path + QStringLiteral(".1")).size() <= 256 * 1024);
    QVERIFY(QFileInfo(path + QStringLiteral(".1")).size() > 200 * 1024);
    QVERIFY(QFileInfo(path).size() < 256 * 1024);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".2")));
}

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_errorlog.moc"
