// The settings store: the hive files in the registry editor's export format, and the keys, typed
// settings, window placement and once-only messages on top of them.

#include "CScriptedPrompt.h"
#include "RecordTestSupport.h"
#include "platform/CRegistryHive.h"
#include "platform/RegistryHives.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "platform/WindowPlacement.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

Q_DECLARE_METATYPE(RegistryValue)

namespace {

const QString kKey = "Software\\Bright Water\\Hearthstead";
const QByteArray kHeader("Windows Registry Editor Version 5.00\n\n");

qint32 Field(const QByteArray& record, int index)
{
    return qFromLittleEndian<qint32>(record.constData() + 4 * index);
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("HEARTHSTEAD_REGISTRY_DIR", m_dir->path().toUtf8());
        ReloadHives();
    }

    // Each row's tag is the value's name; "@", as in the file, is the key's default value.
    void valueRoundTripsInTheExportFormat_data()
    {
        using V = RegistryValue;
        QTest::addColumn<RegistryValue>("value");
        QTest::addColumn<QString>("line"); // how the file gives the value
        QTest::newRow("CurrentVersion") << V::FromString("1.3") << "\"CurrentVersion\"=\"1.3\"\n";
        QTest::newRow("Empty") << V::FromString({}) << "\"Empty\"=\"\"\n";
        QTest::newRow("Escapes") << V::FromString("C:\\Program Files\\\"x\"\\")
                                 << "\"Escapes\"=\"C:\\\\Program Files\\\\\\\"x\\\"\\\\\"\n";
        QTest::newRow("Unicode") << V::FromString("Ærø \u6771\u4eac\r\ntwo\n\tthree")
                                 << "\"Unicode\"=hex(1):";
        QTest::newRow("LastHomeId") << V::FromDword(26) << "\"LastHomeId\"=dword:0000001a\n";
        QTest::newRow("Largest") << V::FromDword(0xffffffffu) << "\"Largest\"=dword:ffffffff\n";
        QTest::newRow("NoBytes") << V::FromBytes({}) << "\"NoBytes\"=hex:\n";
        QTest::newRow("Bytes") << V::FromBytes(QByteArray(3, '\x01')) << "\"Bytes\"=hex:01,01,01\n";
        QTest::newRow("Long") << V::FromBytes(QByteArray::fromHex(QByteArray("00ff7f10").repeated(75)))
                              << "\"Long\"=hex:00,ff,7f,10,";
        QTest::newRow("MultiString") << V::FromBytes("\x03\x0a", 7) << "\"MultiString\"=hex(7):03,0a\n";
        QTest::newRow("@") << V::FromString("default value") << "@=\"default value\"\n";
        QTest::newRow("Name \"with\" \\ marks")
            << V::FromDword(42) << "\"Name \\\"with\\\" \\\\ marks\"=dword:0000002a\n";
    }

    void valueRoundTripsInTheExportFormat()
    {
        QFETCH(RegistryValue, value);
        QFETCH(QString, line);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QString name = tag == "@" ? QString() : tag;
        CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
        QVERIFY(hive.SetValue(kKey, name, value));
        QVERIFY(hive.Save());
        const QByteArray text = ReadBytes(HivePath());
        const QByteArray start =
            kHeader + "[HKEY_CURRENT_USER\\Software\\Bright Water\\Hearthstead]\n" + line.toUtf8();
        QVERIFY2(text.startsWith(start), text.constData());
        for (const QByteArray& fileLine : text.split('\n')) {
            QVERIFY2(fileLine.size() <= 80, fileLine.constData());
        }
        CRegistryHive reread(RegistryRoot::CurrentUser, HivePath());
        RegistryValue stored;
        QVERIFY(reread.Load() && reread.GetValue(kKey, name, stored));
        QVERIFY(stored == value);
    }

    void readsAnEditorExport()
    {
        const QByteArray utf16 =
            QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(QString(
                "Windows Registry Editor Version 5.00\r\n\r\n; exported by hand\r\n"
                "[HKEY_CURRENT_USER\\Software\\Bright Water\\Hearthstead]\r\n\"CurrentVersion\"=\"1.3\"\r\n"
                "\"LastHomeId\"=dword:0000001A\r\n"
                "\"WindowPlacement\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,\\\r\n"
                "  13,14\r\n\r\n"));
        CRegistryHive hive(RegistryRoot::CurrentUser);
        QVERIFY(hive.Parse(utf16));
        QCOMPARE(hive.Serialize(),
                 kHeader +
                     "[HKEY_CURRENT_USER\\Software\\Bright Water\\Hearthstead]\n"
                     "\"CurrentVersion\"=\"1.3\"\n\"LastHomeId\"=dword:0000001a\n"
                     "\"WindowPlacement\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,\\\n"
                     "  12,13,14\n\n");
        QVERIFY(hive.HasKey("Software\\Bright Water"));
        QVERIFY(!hive.HasKey("Software\\Bright"));
    }

    void refusesTextItCannotParse_data()
    {
        const QByteArray key("[HKEY_CURRENT_USER\\Software]\n");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("no header") << key + "\"a\"=\"b\"\n";
        QTest::newRow("value before a key") << kHeader + "\"a\"=\"b\"\n";
        QTest::newRow("unknown root") << kHeader + "[HKEY_CURRENT_USERS\\Software]\n";
        QTest::newRow("empty key name") << kHeader + "[HKEY_CURRENT_USER\\Software\\\\x]\n";
        QTest::newRow("unknown escape") << kHeader + key + "\"a\"=\"b\\n\"\n";
        QTest::newRow("dword too long") << kHeader + key + "\"a\"=dword:123456789\n";
        QTest::newRow("not hex") << kHeader + key + "\"a\"=hex:0g,01\n";
        QTest::newRow("unknown type") << kHeader + key + "\"a\"=qword:1\n";
        QTest::newRow("not text") << kHeader + key + "\"a\"=\"\xff\xfe\xfd\"\n";
    }

    void refusesTextItCannotParse()
    {
        QFETCH(QByteArray, text);
        CRegistryHive hive(RegistryRoot::CurrentUser);
        QVERIFY(!hive.Parse(text));
        QVERIFY(!hive.HasKey("Software"));
    }

    void namesCompareWithoutCase()
    {
        CRegistryHive hive(RegistryRoot::CurrentUser);
        hive.SetValue("Software\\Bright Water", "LastHomeId", RegistryValue::FromDword(1));
        hive.SetValue("SOFTWARE\\bright water", "LASTHOMEID", RegistryValue::FromDword(2));
        RegistryValue value;
        QVERIFY(hive.GetValue("software\\BRIGHT WATER", "lasthomeid", value));
        QCOMPARE(value.dword, 2u);
        const QByteArray text = hive.Serialize();
        QCOMPARE(text.count("[HKEY_CURRENT_USER"), 1);
        QVERIFY(text.contains("\"LASTHOMEID\"=dword:00000002"));
        QVERIFY(!hive.SetValue("Software", "two\nlines", RegistryValue::FromDword(1)));
        QVERIFY(!hive.CreateKey("Software\\\\Twice"));
    }

    void corruptHiveIsKeptAsideBeforeAWrite()
    {
        QVERIFY(CRegistryHive(RegistryRoot::CurrentUser, HivePath()).Load()); // no file yet: an empty hive
        const QByteArray garbage("\x00\x13garbage that is no registry file\xff", 36);
        QVERIFY(WriteBytes(HivePath(), garbage));
        CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
        QVERIFY(!hive.Load());
        QVERIFY(hive.IsCorrupt());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1); // reading keeps no copy

        QVERIFY(hive.SetValue("Software", "A", RegistryValue::FromDword(1)));
        QVERIFY(hive.Save());
        const QStringList copies = QDir(m_dir->path()).entryList({"*.corrupt-*"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(copies.first().startsWith("HKEY_CURRENT_USER.reg.corrupt-"));
        QCOMPARE(ReadBytes(m_dir->filePath(copies.first())), garbage);
        QVERIFY(ReadBytes(HivePath()).contains("\"A\"=dword:00000001"));

        // A second corrupt file in the same second gets its own copy.
        QVERIFY(WriteBytes(HivePath(), "again not a hive"));
        QVERIFY(!hive.Load());
        QVERIFY(hive.Save());
        QCOMPARE(QDir(m_dir->path()).entryList({"*.corrupt-*"}, QDir::Files).size(), 2);
    }

    void interruptedWriteLeavesTheOldHive()
    {
        CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
        hive.SetValue("Software", "Kept", RegistryValue::FromDword(1));
        QVERIFY(hive.Save());
        const QByteArray before = ReadBytes(HivePath());

        // The disk fills up halfway through the write: the file size limit cuts it off.
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{4096, previous.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        hive.SetValue("Software", "Big", RegistryValue::FromBytes(QByteArray(65536, 'x')));
        const bool saved = hive.Save();
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QCOMPARE(ReadBytes(HivePath()), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"HKEY_CURRENT_USER.reg"});
    }

    void unreadableHiveIsNeverReplaced()
    {
        if (geteuid() == 0) {
            QSKIP("file permissions do not bind root");
        }
        QVERIFY(WriteBytes(HivePath(), kHeader + "[HKEY_CURRENT_USER\\Software]\n\"A\"=\"1\"\n"));
        QFile::setPermissions(HivePath(), QFileDevice::WriteOwner);
        CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
        QVERIFY(!hive.Load());
        hive.SetValue("Software", "B", RegistryValue::FromDword(1));
        QVERIFY(!hive.Save());
        QFile::setPermissions(HivePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(ReadBytes(HivePath()).contains("\"A\"=\"1\""));
    }

    // Every test names its own folder; without one the hives live in the user's configuration folder.
    void hiveFilesFollowTheEnvironment()
    {
        const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("HEARTHSTEAD_REGISTRY_DIR");
        qputenv("XDG_CONFIG_HOME", "/home/someone/.cfg");
        QCOMPARE(RegistryHivePath(RegistryRoot::CurrentUser),
                 "/home/someone/.cfg/hearthstead/HKEY_CURRENT_USER.reg");
        qputenv("XDG_CONFIG_HOME", configHome);
    }

    void opensCreatesAndCloses()
    {
        CRegistryKey key;
        QVERIFY(!key.Open(RegistryRoot::CurrentUser, kKey));
        QVERIFY(!QFile::exists(HivePath())); // failing opens write nothing
        QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
        QVERIFY(QFile::exists(HivePath()));
        QVERIFY(!key.Create(RegistryRoot::CurrentUser, "Software\\\\Empty"));

        CRegistryKey reopened;
        QVERIFY(reopened.OpenByName(RegistryRoot::CurrentUser, "software\\bright water\\HEARTHSTEAD"));
        CRegistryKey parent;
        QVERIFY(parent.Open(RegistryRoot::CurrentUser, "Software\\Bright Water"));
        QVERIFY(parent.OpenSubKey("Hearthstead"));
        QVERIFY(parent.SetDword("Shared", 5));
        quint32 shared = 0;
        QVERIFY(reopened.GetDword("Shared", shared));
        QCOMPARE(shared, 5u);

        QVERIFY(parent.Close());
        QVERIFY(!parent.SetDword("Lost", 1));
        QVERIFY(!parent.GetDword("Shared", shared));
    }

    void valuesKeepTheirTypes()
    {
        const QString path = "/opt/Hearth \"stead\"\\bin/";
        CRegistryKey key;
        QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
        QVERIFY(key.SetString("AppPath", path));
        QVERIFY(key.SetDword("LastHomeId", 0xfffffffeu));
        QVERIFY(key.SetBinary("Bytes", "\x01"));
        QString text;
        quint32 number = 0;
        QVERIFY(key.GetString("appPATH", text));
        QCOMPARE(text, path);
        QVERIFY(key.GetDword("LastHomeId", number));
        QCOMPARE(number, 0xfffffffeu);

        // A read of the wrong type fails and leaves the out value alone.
        QVERIFY(!key.GetDword("AppPath", number));
        QVERIFY(!key.GetDword("Bytes", number));
        QVERIFY(!key.GetString("LastHomeId", text));
        QVERIFY(!key.GetString("Bytes", text));
        QCOMPARE(number, 0xfffffffeu);
        QCOMPARE(text, path);

        // Writing another type replaces the value and its type.
        QVERIFY(key.SetDword("AppPath", 13));
        QVERIFY(!key.GetString("AppPath", text));
    }

    void everyWriteIsSavedAtOnce()
    {
        // Two keys on the same hive, both still open: every write is in the file, none undoes another.
        CRegistryKey writer;
        CRegistryKey other;
        QVERIFY(writer.Create(RegistryRoot::CurrentUser, kKey));
        QVERIFY(other.Open(RegistryRoot::CurrentUser, kKey));
        QVERIFY(writer.SetDword("LastHomeId", 3));
        QVERIFY(other.SetString("CurrentVersion", "1.3"));
        QVERIFY(writer.SetDword("TasksFilter", 2));
        const QByteArray text = ReadBytes(HivePath());
        QVERIFY2(text.contains("\"CurrentVersion\"=\"1.3\"\n\"LastHomeId\"=dword:00000003\n\"TasksFilter\""),
                 text.constData());

        // Writing what is already stored leaves the file alone; a change rewrites it.
        const QByteArray marked = ReadBytes(HivePath()) + "; untouched\n";
        QVERIFY(WriteBytes(HivePath(), marked));
        QVERIFY(other.SetDword("lasthomeid", 3));
        QCOMPARE(ReadBytes(HivePath()), marked);
        QVERIFY(other.SetDword("LastHomeId", 4));
        QVERIFY(!ReadBytes(HivePath()).contains("untouched"));
    }

    void placementRoundTrips()
    {
        CRegistryKey key;
        QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
        QWidget window;
        window.setGeometry(120, 90, 520, 480);
        QVERIFY(WindowPlacement::Save(key, window));
        QByteArray stored;
        QVERIFY(key.GetBinary("WindowPlacement", stored));
        QCOMPARE(stored.size(), 40);
        // Show command, then the normal rectangle as left, top, right, bottom.
        QCOMPARE(QList<qint32>({Field(stored, 1), Field(stored, 6), Field(stored, 7), Field(stored, 8),
                                Field(stored, 9)}),
                 QList<qint32>({WindowPlacement::ShowNormal, 120, 90, 640, 570}));
        QWidget restored;
        QVERIFY(WindowPlacement::Load(key, restored));
        QCOMPARE(restored.geometry(), QRect(120, 90, 520, 480));

        // Only a binary of 40 to 44 bytes with a rectangle loads; a failed load leaves the window alone.
        const auto loads = [&](const RegistryValue& value) {
            LoadedHive(RegistryRoot::CurrentUser).SetValue(kKey, Settings::WindowPlacement.Name(), value);
            QWidget target;
            target.setGeometry(1, 2, 30, 40);
            const bool loaded = WindowPlacement::Load(key, target);
            return (loaded || target.geometry() == QRect(1, 2, 30, 40)) ? int(loaded) : -1;
        };
        QCOMPARE(loads(RegistryValue::FromBytes(stored + QByteArray(4, '\0'))), 1);
        QCOMPARE(loads(RegistryValue::FromBytes(stored + QByteArray(5, '\0'))), 0);
        QCOMPARE(loads(RegistryValue::FromBytes(stored.left(39))), 0);
        QCOMPARE(loads(RegistryValue::FromBytes(QByteArray(40, '\0'))), 0);
        QCOMPARE(loads(RegistryValue::FromDword(40)), 0);

        // A maximised window keeps its normal rectangle and comes back maximised.
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(WindowPlacement::Save(key, window));
        QWidget maximised;
        QVERIFY(WindowPlacement::Load(key, maximised));
        QVERIFY(maximised.windowState() & Qt::WindowMaximized);
        QCOMPARE(maximised.geometry().size(), QSize(520, 480));
    }

    // Shown once and remembered runs through the sync greeting (tst_sync). A value of another type counts
    // as not shown yet; without the program's settings key there is nowhere to remember it, so it is not
    // shown.
    void messageShownOnce()
    {
        CRegistryKey key;
        QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
        QVERIFY(key.SetString("IsFirstSync", "1"));
        CScriptedPrompt prompt;
        prompt.ExpectMessage(IDOK).Text("First sync").Caption("Hearthstead");
        QVERIFY(!ShowMessageOnce(nullptr, "Unseen", Settings::JumpToShoppingTasks));
        SetAppSettings(&key);
        QVERIFY(ShowMessageOnce(nullptr, "First sync", Settings::IsFirstSync));
        SetAppSettings(nullptr);
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    }

    // A malformed value reads as missing and is saved back as read; reads and writes use the loaded hive.
    void malformedValueKeptButNotRead()
    {
        const QByteArray malformed = "\"LastHomeId\"=hex(4):01,00,00\n\"Text\"=hex(1):41,00,42\n";
        QVERIFY(WriteBytes(
            HivePath(), "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software]\n" + malformed));
        CRegistryKey key;
        quint32 home = 7;
        QVERIFY(key.Open(RegistryRoot::CurrentUser, "Software"));
        QVERIFY(!Settings::LastHomeId.Read(key, home) && home == 7);
        QVERIFY(QFile::remove(HivePath()) && Settings::InventoryCategory.Set(key, 2));
        QVERIFY(ReadBytes(HivePath()).endsWith(QByteArray("dword:00000002\n" + malformed + '\n')));
    }

private:
    QString HivePath() const { return m_dir->filePath("HKEY_CURRENT_USER.reg"); }

    // A fresh folder per test, which the program's own hives live in too.
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
