// The bridge to the handheld on real files: the tables copied to the device, a device database missing a
// table leaving the desktop as it was, handheld paths kept inside the device, and the lock that
// keeps the handheld's database to one user.

#include "RecordTestSupport.h"
#include "SqliteTestSupport.h"
#include "bridge/DeviceSetup.h"
#include "bridge/TableCopy.h"
#include "platform/CDeviceFile.h"
#include "platform/DeviceLink.h"

#include <QtTest>

namespace {

const QStringList kTables = ParseTableList(DeviceSetup::kTableList);

} // namespace

class TestBridge final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_desktop = Path("HOMEDATA.DAT");
        QFile::remove(m_desktop);
        QVERIFY(QFile::copy(qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB"), m_desktop));
        QFile(m_desktop).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    void tablesCopyToANewDatabase()
    {
        const QString device = Path("device.cdb");
        QVERIFY(QFile(device).open(QIODevice::WriteOnly)); // an old file there is replaced
        QString error;
        QVERIFY2(CopyTablesToNewDatabase(m_desktop, kTables, device, true, &error), qPrintable(error));
        for (const QString& table : kTables) {
            const QString count = "SELECT COUNT(*) FROM " + table;
            QCOMPARE(SqliteText(device, count), SqliteText(m_desktop, count));
        }
        QVERIFY(!CopyTablesToNewDatabase(m_desktop, kTables, device, false, &error));
        // A name that is no plain table name is refused before anything is opened.
        QVERIFY(!CopyTablesToNewDatabase(m_desktop, {"Homes", "x;y"}, device, true, &error));
        QCOMPARE(error, "not a table name: x;y");
    }

    void missingDeviceTableChangesNothing()
    {
        const QString device = Path("device.cdb");
        QVERIFY(CopyTablesToNewDatabase(m_desktop, kTables.mid(0, 6), device, true)); // no Tasks
        QVERIFY(SqliteText(device, "DELETE FROM Categories RETURNING 1") == "1");
        const QByteArray before = ReadBytes(m_desktop);
        QString error;
        QVERIFY(!ReplaceTableRows(m_desktop, kTables, device, &error));
        QVERIFY2(error.contains("Tasks"), qPrintable(error));
        QVERIFY(!ReplaceTableRows(m_desktop, {"x;y"}, device));
        QCOMPARE(ReadBytes(m_desktop), before);
    }

    void devicePathsStayInside_data()
    {
        QTest::addColumn<QString>("devicePath");
        QTest::addColumn<QString>("mapped"); // "" refused
        QTest::newRow("parts match without case") << "\\my documents\\HEARTHSTEAD\\homedata.cdb"
                                                  << "My Documents/Hearthstead/HOMEDATA.CDB";
        QTest::newRow("new file") << "\\My Documents\\New.cdb" << QString("My Documents/New.cdb");
        QTest::newRow("up and out") << "\\My Documents\\..\\..\\secret" << QString();
        QTest::newRow("a Linux path") << "/etc/passwd" << QString();
        QTest::newRow("a link out") << "\\out\\passwd" << QString();
        QTest::newRow("empty") << "\\\\" << QString();
    }

    void devicePathsStayInside()
    {
        QFETCH(QString, devicePath);
        QFETCH(QString, mapped);
        const QString folder = Path("card");
        QVERIFY(QDir().mkpath(folder) &&
                DeviceSetup::MakeDevice(folder, "1.3", DeviceSetup::kDefaultDbPath, nullptr));
        QFile::link("/etc", folder + "/out");
        QString local;
        QCOMPARE(MapDevicePath(folder, devicePath, local), !mapped.isEmpty());
        if (!mapped.isEmpty()) {
            QCOMPARE(local, QFileInfo(folder).canonicalFilePath() + '/' + mapped);
        }
    }

    void heldDatabaseDoesNotOpen()
    {
        const QString folder = Path("held");
        QString database;
        QVERIFY(QDir().mkpath(folder) &&
                DeviceSetup::MakeDevice(folder, "1.3", DeviceSetup::kDefaultDbPath, nullptr));
        QVERIFY(DeviceSetup::DeviceDatabase(folder, database));
        CDeviceFile handheld;
        QVERIFY(handheld.OpenLocal(database));
        CDeviceFile desktop;
        QVERIFY(!desktop.OpenLocal(database));
        handheld.Close();
        QVERIFY(desktop.OpenLocal(database));
        // A folder of that name is no database either.
        QVERIFY(!CDeviceFile().OpenLocal(folder));
    }

    void toolExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments"); // FOLDER stands for a fresh folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a part of what it prints
        QTest::newRow("init") << QStringList{"init", "FOLDER", "--version", "1.2"} << 0 << "";
        QTest::newRow("no command") << QStringList{"FOLDER"} << 2 << "usage:";
        QTest::newRow("unknown option") << QStringList{"init", "FOLDER", "--colour", "red"} << 2 << "usage:";
        QTest::newRow("option without value") << QStringList{"init", "FOLDER", "--version"} << 2 << "usage:";
        QTest::newRow("no such folder") << QStringList{"init", "FOLDER/missing"} << 1 << "There is no folder";
        QTest::newRow("path out") << QStringList{"init", "FOLDER", "--db-path", "\\..\\x"} << 1
                                  << "leaves the device";
        QTest::newRow("show a plain folder") << QStringList{"show", "FOLDER"} << 1 << "is not a device";
        QTest::newRow("hold a plain folder")
            << QStringList{"hold", "FOLDER"} << 1 << "has no device database";
    }

    void toolExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const QString folder = Path(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        arguments.replaceInStrings("FOLDER", folder);
        QProcess tool;
        tool.start(qEnvironmentVariable("HEARTHSTEAD_BIN_DIR") + "/hearthstead-device", arguments);
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), exitCode);
        QVERIFY(QString::fromLocal8Bit(tool.readAllStandardError()).contains(output));
        if (exitCode == 0) {
            QString description;
            QVERIFY(DeviceSetup::DescribeDevice(folder, description, nullptr));
            QVERIFY2(description.contains("CurrentVersion: 1.2\nDBPath: \\My Documents"),
                     qPrintable(description));
        }
    }

private:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString m_desktop;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestBridge)
#include "tst_bridge.moc"
