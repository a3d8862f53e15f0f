// The error log: where it lives, what a line holds, and that it never grows past two small files.

#include "RecordTestSupport.h"
#include "platform/ErrorLog.h"

#include <QtTest>

class TestErrorLog final : public QObject
{
    Q_OBJECT

private slots:
    void linesGoUnderTheStateFolderAndTheLogRotates()
    {
        QTemporaryDir state;
        QVERIFY(state.isValid());
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        const QString path = state.path() + "/hearthstead/hearthstead.log";
        QCOMPARE(ErrorLogPath(), path);

        LogError("database is locked");
        QVERIFY(ReadBytes(path).endsWith(" database is locked\n"));

        for (int i = 0; i < 1300; ++i) {
            LogError(QString(200, QLatin1Char('x')));
        }
        QVERIFY(QFileInfo(path + ".1").size() <= 256 * 1024);
        QVERIFY(QFileInfo(path + ".1").size() > 200 * 1024);
        QVERIFY(QFileInfo(path).size() < 256 * 1024);
        QVERIFY(!QFileInfo::exists(path + ".2"));
    }
};

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_errorlog.moc"
