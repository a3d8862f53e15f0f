#include "CTestDataDir.h"
#include "RecordTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

// The program itself, as a person or a script starts it.
class TestHearthstead : public QObject
{
    Q_OBJECT

private slots:
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
    // Runs the program to its end; false when it did not end normally in time.
    static bool Run(QProcess& process, const QStringList& arguments, const QString& platform)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", platform);
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + "/hearthstead", arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    }
};

QTEST_GUILESS_MAIN(TestHearthstead)
#include "tst_hearthstead.moc"
