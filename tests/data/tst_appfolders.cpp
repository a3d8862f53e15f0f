#include "data/AppPaths.h"
#include "data/CAppFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the data file and the delivered files are found, on real folders: a build tree, an
// installed layout (prefix/bin and prefix/share/hearthstead) and the override.
class TestAppFolders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buildTreeIsBothFolders();
    void installedSeedsTheUserFolder();
    void installedKeepsAnExistingFile();
    void overrideNamesBothFolders();
    void folderThatCannotBeReadyFails();
    void homeDefaultWithoutDataHome();

private:
    // Writes a file with the given contents, making its folder.
    static void Write(const QString& path, const QByteArray& contents);
    static QByteArray Read(const QString& path);
    QString Prefix(const QString& relative) const { return m_root.path() + QLatin1Char('/') + relative; }

    QTemporaryDir m_root;
    QByteArray m_savedAppDir;
};

void TestAppFolders::Write(const QString& path, const QByteArray& contents)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray TestAppFolders::Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestAppFolders::init()
{
    m_savedAppDir = qgetenv("HEARTHSTEAD_APPDIR");
    qunsetenv("HEARTHSTEAD_APPDIR");
    qputenv("XDG_DATA_HOME", Prefix(QStringLiteral("home/data")).toUtf8());
    Write(Prefix(QStringLiteral("usr/share/hearthstead/HOMEDATA.DAT")), "pristine");
    QVERIFY(QDir().mkpath(Prefix(QStringLiteral("usr/bin"))));
}

void TestAppFolders::cleanup()
{
    qputenv("HEARTHSTEAD_APPDIR", m_savedAppDir);
    qunsetenv("XDG_DATA_HOME");
    QVERIFY(QDir(m_root.path()).removeRecursively());
}

void TestAppFolders::buildTreeIsBothFolders()
{
    Write(Prefix(QStringLiteral("build/bin/HOMEDATA.DAT")), "mine");
    const CAppFolders folders(Prefix(QStringLiteral("build/bin")));
    QVERIFY(!folders.IsInstalled());
    QCOMPARE(folders.DataPath(), Prefix(QStringLiteral("build/bin/")));
    QCOMPARE(folders.DeliveredPath(), folders.DataPath());
    QVERIFY(folders.Prepare());
    QVERIFY(!QFileInfo::exists(Prefix(QStringLiteral("home/data"))));
}

void TestAppFolders::installedSeedsTheUserFolder()
{
    const CAppFolders folders(Prefix(QStringLiteral("usr/bin")));
    QVERIFY(folders.IsInstalled());
    QCOMPARE(folders.DataPath(), Prefix(QStringLiteral("home/data/hearthstead/")));
    QCOMPARE(folders.DeliveredPath(), Prefix(QStringLiteral("usr/share/hearthstead/")));
    QFile::setPermissions(Prefix(QStringLiteral("usr/share/hearthstead/HOMEDATA.DAT")), QFile::ReadOwner);
    QVERIFY(folders.Prepare());
    const QString seeded = folders.DataPath() + QStringLiteral("HOMEDATA.DAT");
    QCOMPARE(Read(seeded), QByteArray("pristine"));
    QVERIFY(QFile::permissions(seeded) & QFile::WriteOwner);
}

void TestAppFolders::installedKeepsAnExistingFile()
{
    Write(Prefix(QStringLiteral("home/data/hearthstead/HOMEDATA.DAT")), "my homes");
    QVERIFY(CAppFolders(Prefix(QStringLiteral("usr/bin"))).Prepare());
    QCOMPARE(Read(Prefix(QStringLiteral("home/data/hearthstead/HOMEDATA.DAT"))), QByteArray("my homes"));
}

void TestAppFolders::overrideNamesBothFolders()
{
    qputenv("HEARTHSTEAD_APPDIR", Prefix(QStringLiteral("elsewhere")).toUtf8());
    const CAppFolders folders(Prefix(QStringLiteral("usr/bin")));
    QVERIFY(!folders.IsInstalled());
    QCOMPARE(folders.DataPath(), Prefix(QStringLiteral("elsewhere/")));
    QCOMPARE(folders.DeliveredPath(), folders.DataPath());
    QCOMPARE(GetAppPath(), folders.DataPath());
    QCOMPARE(GetDeliveredPath(), folders.DataPath());
    QCOMPARE(GetDatabasePath(), Prefix(QStringLiteral("elsewhere/HOMEDATA.DAT")));
}

void TestAppFolders::folderThatCannotBeReadyFails()
{
    Write(Prefix(QStringLiteral("home/data")), "a file where the folder should be");
    QVERIFY(!CAppFolders(Prefix(QStringLiteral("usr/bin"))).Prepare());
    QVERIFY(QDir().mkpath(Prefix(QStringLiteral("home2/hearthstead"))));
    qputenv("XDG_DATA_HOME", Prefix(QStringLiteral("home2")).toUtf8());
    QFile::remove(Prefix(QStringLiteral("usr/share/hearthstead/HOMEDATA.DAT")));
    QVERIFY(!CAppFolders(Prefix(QStringLiteral("usr/bin"))).Prepare());
    QVERIFY(!QFileInfo::exists(Prefix(QStringLiteral("home2/hearthstead/HOMEDATA.DAT"))));
}

void TestAppFolders::homeDefaultWithoutDataHome()
{
    qputenv("XDG_DATA_HOME", "relative/ignored");
    QCOMPARE(CAppFolders(Prefix(QStringLiteral("usr/bin"))).DataPath(),
             QDir::homePath() + QStringLiteral("/.local/share/hearthstead/"));
}

QTEST_GUILESS_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
