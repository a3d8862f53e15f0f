#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program itself, as a person or a script starts it.
class TestHearthstead : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionAnswersWithoutAWindow();
    void badDatabaseEndsWithStatusOne_data();
    void badDatabaseEndsWithStatusOne();

private:
    QString m_program;
};

void TestHearthstead::initTestCase()
{
    m_program = qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + QStringLiteral("/hearthstead");
    QVERIFY2(QFile::exists(m_program), qPrintable(m_program));
}

void TestHearthstead::versionAnswersWithoutAWindow()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(environment);
    process.start(m_program, {QStringLiteral("--version")});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("Hearthstead v1.3 (Desktop Edition)\n"));
}

void TestHearthstead::badDatabaseEndsWithStatusOne_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("random bytes") << QByteArray(4096, '\x5a') << true;
}

void TestHearthstead::badDatabaseEndsWithStatusOne()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, present);
    QTemporaryDir appDir;
    QTemporaryDir registryDir;
    if (present) {
        QFile file(appDir.filePath(QStringLiteral("HOMEDATA.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HEARTHSTEAD_APPDIR"), appDir.path() + QLatin1Char('/'));
    environment.insert(QStringLiteral("HEARTHSTEAD_REGISTRY_DIR"), registryDir.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(m_program, {});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    // Without a screen the message goes to standard error rather than waiting for a click.
    QVERIFY(process.readAllStandardError().contains(
        "There was an error opening the database used by Hearthstead."));
    QCOMPARE(QFile::exists(appDir.filePath(QStringLiteral("HOMEDATA.DAT"))), present);
}

QTEST_GUILESS_MAIN(TestHearthstead)
#include "tst_hearthstead.moc"
