#include "RecordTestSupport.h"
#include "data/AppPaths.h"
#include "data/CAppFolders.h"
#include "platform/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the data file and the delivered files are found, on real folders: a build tree, an
// installed layout (prefix/bin and prefix/share/hearthstead) and the override. Where the error log
// lives, what a line holds, and that it never grows past two small files.
class TestAppFolders : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_savedAppDir = qgetenv("HEARTHSTEAD_APPDIR");
        qunsetenv("HEARTHSTEAD_APPDIR");
        qputenv("XDG_DATA_HOME", Path("home/data").toUtf8());
        Write("usr/share/hearthstead/HOMEDATA.DAT", "pristine");
        QVERIFY(QDir().mkpath(Path("usr/bin")));
    }

    void cleanup()
    {
        qputenv("HEARTHSTEAD_APPDIR", m_savedAppDir);
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(QDir(m_root.path()).removeRecursively());
    }

    void buildTreeIsBothFolders()
    {
        Write("build/bin/HOMEDATA.DAT", "mine");
        const CAppFolders folders(Path("build/bin"));
        QVERIFY(!folders.IsInstalled());
        QCOMPARE(folders.DataPath(), Path("build/bin/"));
        QCOMPARE(folders.DeliveredPath(), folders.DataPath());
        QVERIFY(folders.Prepare());
        QVERIFY(!QFileInfo::exists(Path("home/data")));
    }

    void installedSeedsTheUserFolder()
    {
        const CAppFolders folders(Path("usr/bin"));
        QVERIFY(folders.IsInstalled());
        QCOMPARE(folders.DataPath(), Path("home/data/hearthstead/"));
        QCOMPARE(folders.DeliveredPath(), Path("usr/share/hearthstead/"));
        QFile::setPermissions(Path("usr/share/hearthstead/HOMEDATA.DAT"), QFile::ReadOwner);
        QVERIFY(folders.Prepare());
        QCOMPARE(ReadBytes(Path("home/data/hearthstead/HOMEDATA.DAT")), QByteArray("pristine"));
        QVERIFY(QFile::permissions(Path("home/data/hearthstead/HOMEDATA.DAT")) & QFile::WriteOwner);
    }

    void installedKeepsAnExistingFile()
    {
        Write("home/data/hearthstead/HOMEDATA.DAT", "my homes");
        QVERIFY(CAppFolders(Path("usr/bin")).Prepare());
        QCOMPARE(ReadBytes(Path("home/data/hearthstead/HOMEDATA.DAT")), QByteArray("my homes"));
    }

    void overrideNamesBothFolders()
    {
        qputenv("HEARTHSTEAD_APPDIR", Path("elsewhere").toUtf8());
        QVERIFY(!CAppFolders(Path("usr/bin")).IsInstalled());
        QCOMPARE(GetDeliveredPath(), Path("elsewhere/"));
        QCOMPARE(GetDatabasePath(), Path("elsewhere/HOMEDATA.DAT"));
    }

    void folderThatCannotBeReadyFails()
    {
        Write("home/data", "a file where the folder should be");
        QVERIFY(!CAppFolders(Path("usr/bin")).Prepare());
        QVERIFY(QDir().mkpath(Path("home2/hearthstead")));
        qputenv("XDG_DATA_HOME", Path("home2").toUtf8());
        QFile::remove(Path("usr/share/hearthstead/HOMEDATA.DAT"));
        QVERIFY(!CAppFolders(Path("usr/bin")).Prepare());
        QVERIFY(!QFileInfo::exists(Path("home2/hearthstead/HOMEDATA.DAT")));
    }

    void homeDefaultWithoutDataHome()
    {
        qputenv("XDG_DATA_HOME", "relative/ignored");
        QCOMPARE(CAppFolders(Path("usr/bin")).DataPath(), QDir::homePath() + "/.local/share/hearthstead/");
    }

    void linesGoUnderTheStateFolderAndTheLogRotates()
    {
        qputenv("XDG_STATE_HOME", Path("state").toUtf8());
        const QString path = Path("state/hearthstead/hearthstead.log");
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

private:
    // Writes a file with the given contents, making its folder.
    void Write(const char* relative, const QByteArray& contents)
    {
        QVERIFY(QDir().mkpath(QFileInfo(Path(relative)).path()));
        QVERIFY(WriteBytes(Path(relative), contents));
    }

    QString Path(const char* relative) const { return m_root.path() + '/' + relative; }

    QTemporaryDir m_root;
    QByteArray m_savedAppDir;
};

QTEST_GUILESS_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
