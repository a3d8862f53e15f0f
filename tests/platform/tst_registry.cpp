// The settings store: the hive files in the registry editor's export format, and the keys, typed
// settings, window placement and once-only messages on top of them.

#include "CScriptedPrompt.h"
#include "RecordTestSupport.h"
#include "platform/CRegistryHive.h"
#include "platform/RegistryHives.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "platform/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kKey = QStringLiteral("Software\\Bright Water\\Hearthstead");

QByteArray SomeBytes(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        bytes += char(i * 7 + 3);
    }
    return bytes;
}

qint32 Field(const QByteArray& record, int index)
{
    return qFromLittleEndian<qint32>(record.constData() + 4 * index);
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void valuesOfEveryTypeRoundTrip();
    void writesTheExportFormat();
    void readsAnEditorExport();
    void refusesTextItCannotParse();
    void namesCompareWithoutCase();
    void corruptHiveIsKeptAsideBeforeAWrite();
    void interruptedWriteLeavesTheOldHive();
    void unreadableHiveIsNeverReplaced();
    void hiveFilesFollowTheEnvironment();
    void opensCreatesAndCloses();
    void valuesKeepTheirTypes();
    void everyWriteIsSavedAtOnce();
    void placementRoundTrips();
    void messageShownOnce();
    void malformedValueKeptButNotRead();

private:
    QString HivePath() const { return m_dir->filePath(QStringLiteral("HKEY_CURRENT_USER.reg")); }

    // A fresh folder per test, which the program's own hives live in too.
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRegistry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("HEARTHSTEAD_REGISTRY_DIR", m_dir->path().toUtf8());
    ReloadHives();
}

void TestRegistry::valuesOfEveryTypeRoundTrip()
{
    const QList<std::pair<QString, RegistryValue>> values = {
        {QStringLiteral("Empty"), RegistryValue::FromString(QString())},
        {QStringLiteral("Escapes"), RegistryValue::FromString(QStringLiteral("C:\\Program Files\\\"x\"\\"))},
        {QStringLiteral("Unicode"),
         RegistryValue::FromString(QStringLiteral("Ærø \u6771\u4eac\r\ntwo\n\tthree"))},
        {QStringLiteral("Largest"), RegistryValue::FromDword(0xffffffffu)},
        {QStringLiteral("NoBytes"), RegistryValue::FromBytes(QByteArray())},
        {QStringLiteral("Long"), RegistryValue::FromBytes(SomeBytes(300))},
        {QStringLiteral("MultiString"), RegistryValue::FromBytes(SomeBytes(10), 7)},
        {QString(), RegistryValue::FromString(QStringLiteral("default value"))},
        {QStringLiteral("Name \"with\" \\ marks"), RegistryValue::FromDword(42)},
    };
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    for (const auto& [name, value] : values) {
        QVERIFY(hive.SetValue(kKey, name, value));
    }
    QVERIFY(hive.Save());

    CRegistryHive reread(RegistryRoot::CurrentUser, HivePath());
    QVERIFY(reread.Load());
    for (const auto& [name, value] : values) {
        RegistryValue stored;
        QVERIFY2(reread.GetValue(kKey, name, stored), qPrintable(name));
        QVERIFY2(stored == value, qPrintable(name));
    }
    QCOMPARE(reread.Serialize(), hive.Serialize());
}

void TestRegistry::writesTheExportFormat()
{
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    hive.SetValue(kKey, QStringLiteral("CurrentVersion"), RegistryValue::FromString(QStringLiteral("1.3")));
    hive.SetValue(kKey, QStringLiteral("LastHomeId"), RegistryValue::FromDword(3));
    hive.SetValue(kKey, QStringLiteral("WindowPlacement"), RegistryValue::FromBytes(QByteArray(40, '\x01')));
    const QByteArray text = hive.Serialize();

    QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\n\n"
                            "[HKEY_CURRENT_USER\\Software\\Bright Water\\Hearthstead]\n"));
    QVERIFY(text.contains("\n\"CurrentVersion\"=\"1.3\"\n"));
    QVERIFY(text.contains("\n\"LastHomeId\"=dword:00000003\n"));
    QVERIFY(text.contains("\n\"WindowPlacement\"=hex:01,01,01,"));
    for (const QByteArray& line : text.split('\n')) {
        QVERIFY2(line.size() <= 80, line.constData());
    }
}

void TestRegistry::readsAnEditorExport()
{
    const QString exported = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "; exported by hand\r\n"
        "[HKEY_CURRENT_USER\\Software\\Bright Water\\Hearthstead]\r\n"
        "\"CurrentVersion\"=\"1.3\"\r\n"
        "\"LastHomeId\"=dword:0000001A\r\n"
        "\"WindowPlacement\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,\\\r\n"
        "  13,14\r\n"
        "\r\n");
    QByteArray utf16("\xff\xfe", 2);
    for (const QChar c : exported) {
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    }
    CRegistryHive hive(RegistryRoot::CurrentUser);
    QVERIFY(hive.Parse(utf16));
    RegistryValue value;
    QVERIFY(hive.GetValue(kKey, QStringLiteral("CurrentVersion"), value));
    QCOMPARE(value.text, QStringLiteral("1.3"));
    QVERIFY(hive.GetValue(kKey, QStringLiteral("LastHomeId"), value));
    QCOMPARE(value.type, quint32(RegistryValue::Dword));
    QCOMPARE(value.dword, 26u);
    QVERIFY(hive.GetValue(kKey, QStringLiteral("WindowPlacement"), value));
    QCOMPARE(value.type, quint32(RegistryValue::Binary));
    QCOMPARE(value.bytes.size(), 21);
    QCOMPARE(value.bytes.at(20), '\x14');
    QVERIFY(hive.HasKey(QStringLiteral("Software\\Bright Water")));
    QVERIFY(!hive.HasKey(QStringLiteral("Software\\Bright")));
}

void TestRegistry::refusesTextItCannotParse()
{
    const QByteArray header("Windows Registry Editor Version 5.00\n\n");
    const QByteArray key("[HKEY_CURRENT_USER\\Software]\n");
    const QList<QByteArray> texts = {
        QByteArray(),
        key + "\"a\"=\"b\"\n",
        header + "\"a\"=\"b\"\n",
        header + "[HKEY_CURRENT_USERS\\Software]\n",
        header + "[HKEY_CURRENT_USER\\Software\\\\x]\n",
        header + key + "\"a\"=\"b\\n\"\n",
        header + key + "\"a\"=dword:123456789\n",
        header + key + "\"a\"=hex:0g,01\n",
        header + key + "\"a\"=qword:1\n",
        header + key + "\"a\"=\"\xff\xfe\xfd\"\n",
    };
    for (const QByteArray& text : texts) {
        CRegistryHive hive(RegistryRoot::CurrentUser);
        QVERIFY2(!hive.Parse(text), text.constData());
        QVERIFY(!hive.HasKey(QStringLiteral("Software")));
    }
}

void TestRegistry::namesCompareWithoutCase()
{
    CRegistryHive hive(RegistryRoot::CurrentUser);
    hive.SetValue(QStringLiteral("Software\\Bright Water"), QStringLiteral("LastHomeId"),
                  RegistryValue::FromDword(1));
    hive.SetValue(QStringLiteral("SOFTWARE\\bright water"), QStringLiteral("LASTHOMEID"),
                  RegistryValue::FromDword(2));
    RegistryValue value;
    QVERIFY(hive.GetValue(QStringLiteral("software\\BRIGHT WATER"), QStringLiteral("lasthomeid"), value));
    QCOMPARE(value.dword, 2u);
    const QByteArray text = hive.Serialize();
    QCOMPARE(text.count("[HKEY_CURRENT_USER"), 1);
    QVERIFY(text.contains("\"LASTHOMEID\"=dword:00000002"));
    QVERIFY(!hive.SetValue(QStringLiteral("Software"), QStringLiteral("two\nlines"),
                           RegistryValue::FromDword(1)));
    QVERIFY(!hive.CreateKey(QStringLiteral("Software\\\\Twice")));
}

void TestRegistry::corruptHiveIsKeptAsideBeforeAWrite()
{
    QVERIFY(CRegistryHive(RegistryRoot::CurrentUser, HivePath()).Load()); // no file yet: an empty hive
    const QByteArray garbage("\x00\x13garbage that is no registry file\xff", 36);
    QVERIFY(WriteBytes(HivePath(), garbage));
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    QVERIFY(!hive.Load());
    QVERIFY(hive.IsCorrupt());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1); // reading keeps no copy

    QVERIFY(hive.SetValue(QStringLiteral("Software"), QStringLiteral("A"), RegistryValue::FromDword(1)));
    QVERIFY(hive.Save());
    const QStringList copies =
        QDir(m_dir->path()).entryList({QStringLiteral("HKEY_CURRENT_USER.reg.corrupt-*")}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ReadBytes(m_dir->filePath(copies.first())), garbage);

    QVERIFY(ReadBytes(HivePath()).contains("\"A\"=dword:00000001"));

    // A second corrupt file in the same second gets its own copy.
    QVERIFY(WriteBytes(HivePath(), "again not a hive"));
    QVERIFY(!hive.Load());
    QVERIFY(hive.Save());
    QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("*.corrupt-*")}, QDir::Files).size(), 2);
}

void TestRegistry::interruptedWriteLeavesTheOldHive()
{
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    hive.SetValue(QStringLiteral("Software"), QStringLiteral("Kept"),
                  RegistryValue::FromString(QStringLiteral("old")));
    QVERIFY(hive.Save());
    const QByteArray before = ReadBytes(HivePath());

    // The disk fills up halfway through the write: the file size limit cuts it off.
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    hive.SetValue(QStringLiteral("Software"), QStringLiteral("Big"),
                  RegistryValue::FromBytes(SomeBytes(64 * 1024)));
    const bool saved = hive.Save();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QCOMPARE(ReadBytes(HivePath()), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("HKEY_CURRENT_USER.reg")});
}

void TestRegistry::unreadableHiveIsNeverReplaced()
{
    if (geteuid() == 0) {
        QSKIP("file permissions do not bind root");
    }
    QVERIFY(WriteBytes(
        HivePath(), "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n\"A\"=\"1\"\n"));
    QFile::setPermissions(HivePath(), QFileDevice::WriteOwner);
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    QVERIFY(!hive.Load());
    hive.SetValue(QStringLiteral("Software"), QStringLiteral("B"), RegistryValue::FromDword(1));
    QVERIFY(!hive.Save());
    QFile::setPermissions(HivePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(ReadBytes(HivePath()).contains("\"A\"=\"1\""));
}

void TestRegistry::hiveFilesFollowTheEnvironment()
{
    const QByteArray moved = qgetenv("HEARTHSTEAD_REGISTRY_DIR");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("HEARTHSTEAD_REGISTRY_DIR", "/tmp/hives");
    QCOMPARE(RegistryHivePath(RegistryRoot::LocalMachine),
             QStringLiteral("/tmp/hives/HKEY_LOCAL_MACHINE.reg"));
    qunsetenv("HEARTHSTEAD_REGISTRY_DIR");
    qputenv("XDG_CONFIG_HOME", "/home/someone/.cfg");
    QCOMPARE(RegistryHivePath(RegistryRoot::CurrentUser),
             QStringLiteral("/home/someone/.cfg/hearthstead/HKEY_CURRENT_USER.reg"));
    qputenv("HEARTHSTEAD_REGISTRY_DIR", moved);
    qputenv("XDG_CONFIG_HOME", configHome);
}

void TestRegistry::opensCreatesAndCloses()
{
    CRegistryKey key;
    QVERIFY(key.IsOpen()); // the root key
    QVERIFY(!key.Open(RegistryRoot::CurrentUser, kKey));
    QVERIFY(!QFile::exists(RegistryHivePath(RegistryRoot::CurrentUser))); // failing opens write nothing

    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(QFile::exists(RegistryHivePath(RegistryRoot::CurrentUser)));
    QVERIFY(!key.Create(RegistryRoot::CurrentUser, QStringLiteral("Software\\\\Empty")));

    CRegistryKey reopened;
    QVERIFY(reopened.OpenByName(RegistryRoot::CurrentUser,
                                QStringLiteral("software\\bright water\\HEARTHSTEAD")));

    CRegistryKey parent;
    QVERIFY(parent.Open(RegistryRoot::CurrentUser, QStringLiteral("Software\\Bright Water")));
    QVERIFY(parent.OpenSubKey(QStringLiteral("Hearthstead")));
    QVERIFY(parent.SetDword(QStringLiteral("Shared"), 5));
    quint32 shared = 0;
    QVERIFY(reopened.GetDword(QStringLiteral("Shared"), shared));
    QCOMPARE(shared, 5u);

    QVERIFY(parent.Close());
    QVERIFY(!parent.SetDword(QStringLiteral("Lost"), 1));
    QVERIFY(!parent.GetDword(QStringLiteral("Shared"), shared));
}

void TestRegistry::valuesKeepTheirTypes()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(key.SetString(QStringLiteral("CurrentVersion"), QStringLiteral("1.3")));
    QVERIFY(key.SetString(QStringLiteral("AppPath"), QStringLiteral("/opt/Hearth \"stead\"\\bin/")));
    QVERIFY(key.SetDword(QStringLiteral("LastHomeId"), 0xfffffffeu));
    LoadedHive(RegistryRoot::CurrentUser)
        .SetValue(kKey, QStringLiteral("Bytes"), RegistryValue::FromBytes("\x01"));

    QString text;
    quint32 number = 0;
    QVERIFY(key.GetString(QStringLiteral("appPATH"), text));
    QCOMPARE(text, QStringLiteral("/opt/Hearth \"stead\"\\bin/"));
    QVERIFY(key.GetDword(QStringLiteral("LastHomeId"), number));
    QCOMPARE(number, 0xfffffffeu);

    // A read of the wrong type fails and leaves the out value alone.
    number = 77;
    text = QStringLiteral("untouched");
    QVERIFY(!key.GetDword(QStringLiteral("CurrentVersion"), number));
    QVERIFY(!key.GetDword(QStringLiteral("Bytes"), number));
    QVERIFY(!key.GetString(QStringLiteral("LastHomeId"), text));
    QVERIFY(!key.GetString(QStringLiteral("Bytes"), text));
    QCOMPARE(number, 77u);
    QCOMPARE(text, QStringLiteral("untouched"));

    // Writing another type replaces the value and its type.
    QVERIFY(key.SetDword(QStringLiteral("CurrentVersion"), 13));
    QVERIFY(!key.GetString(QStringLiteral("CurrentVersion"), text));
    QVERIFY(key.GetDword(QStringLiteral("CurrentVersion"), number));
    QCOMPARE(number, 13u);
}

void TestRegistry::everyWriteIsSavedAtOnce()
{
    // Two keys on the same hive, both still open: every write is in the file, none undoes another.
    CRegistryKey writer;
    CRegistryKey other;
    QVERIFY(writer.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(other.Open(RegistryRoot::CurrentUser, kKey));
    QVERIFY(writer.SetDword(QStringLiteral("LastHomeId"), 3));
    QVERIFY(other.SetString(QStringLiteral("CurrentVersion"), QStringLiteral("1.3")));
    QVERIFY(writer.SetDword(QStringLiteral("TasksFilter"), 2));
    CRegistryHive onDisk(RegistryRoot::CurrentUser);
    QVERIFY(onDisk.Load());
    RegistryValue value;
    for (const char* name : {"CurrentVersion", "TasksFilter", "LastHomeId"}) {
        QVERIFY2(onDisk.GetValue(kKey, QString::fromLatin1(name), value), name);
    }
    QCOMPARE(value.dword, 3u);

    // Writing what is already stored leaves the file alone; a change rewrites it.
    const QByteArray marked = ReadBytes(HivePath()) + "; untouched\n";
    QVERIFY(WriteBytes(HivePath(), marked));
    QVERIFY(other.SetDword(QStringLiteral("lasthomeid"), 3));
    QCOMPARE(ReadBytes(HivePath()), marked);
    QVERIFY(other.SetDword(QStringLiteral("LastHomeId"), 4));
    QVERIFY(!ReadBytes(HivePath()).contains("untouched"));
}

void TestRegistry::placementRoundTrips()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QWidget window;
    window.setGeometry(120, 90, 520, 480);
    QVERIFY(WindowPlacement::Save(key, window));

    CRegistryHive hive(RegistryRoot::CurrentUser);
    QVERIFY(hive.Load());
    RegistryValue stored;
    QVERIFY(hive.GetValue(kKey, QStringLiteral("WindowPlacement"), stored));
    QCOMPARE(stored.type, quint32(RegistryValue::Binary));
    QCOMPARE(stored.bytes.size(), 40);
    // Show command, then the normal rectangle as left, top, right, bottom.
    QCOMPARE(Field(stored.bytes, 1), qint32(WindowPlacement::ShowNormal));
    QCOMPARE(QList<qint32>({Field(stored.bytes, 6), Field(stored.bytes, 7), Field(stored.bytes, 8),
                            Field(stored.bytes, 9)}),
             QList<qint32>({120, 90, 640, 570}));

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
    QCOMPARE(loads(RegistryValue::FromBytes(stored.bytes + QByteArray(4, '\0'))), 1);
    QCOMPARE(loads(RegistryValue::FromBytes(stored.bytes + QByteArray(5, '\0'))), 0);
    QCOMPARE(loads(RegistryValue::FromBytes(stored.bytes.left(39))), 0);
    QCOMPARE(loads(RegistryValue::FromBytes(QByteArray(40, '\0'))), 0);
    QCOMPARE(loads(RegistryValue::FromDword(40)), 0);

    // A maximised window keeps its normal rectangle and comes back maximised.
    window.show();
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WindowPlacement::Save(key, window));
    QWidget maximised;
    QVERIFY(WindowPlacement::Load(key, maximised));
    QVERIFY(maximised.windowState() & Qt::WindowMaximized);
    QCOMPARE(maximised.geometry().size(), QSize(520, 480));
}

// Shown once and remembered runs through the new video's message (tst_inventoryframe). A zero or a
// value of another type counts as not shown yet; without the program's settings key there is nowhere
// to remember it, so it is not shown.
void TestRegistry::messageShownOnce()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(key.SetDword(QStringLiteral("SyncGreeting"), 0));
    QVERIFY(key.SetString(QStringLiteral("IsFirstSync"), QStringLiteral("1")));
    CScriptedPrompt prompt;
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("Sync intro")).Caption(QStringLiteral("Hearthstead"));
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("First sync"));
    QVERIFY(ShowMessageOnce(key, nullptr, QStringLiteral("Sync intro"), Settings::SyncGreeting));
    QVERIFY(!ShowMessageOnce(key, nullptr, QStringLiteral("Sync intro"), Settings::SyncGreeting));
    QVERIFY(!ShowMessageOnce(nullptr, QStringLiteral("Unseen"), Settings::JumpToShoppingTasks));
    SetAppSettings(&key);
    QVERIFY(ShowMessageOnce(nullptr, QStringLiteral("First sync"), Settings::IsFirstSync));
    SetAppSettings(nullptr);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

// A malformed value reads as missing and is saved back as read; reads and writes use the loaded hive.
void TestRegistry::malformedValueKeptButNotRead()
{
    const QByteArray malformed = "\"LastHomeId\"=hex(4):01,00,00\n\"Text\"=hex(1):41,00,42\n";
    QFile file(RegistryHivePath(RegistryRoot::CurrentUser));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    file.write("Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software]\n" + malformed);
    CRegistryKey key;
    quint32 home = 7;
    QVERIFY(key.Open(RegistryRoot::CurrentUser, QStringLiteral("Software")));
    QVERIFY(!Settings::LastHomeId.Read(key, home) && home == 7);
    QVERIFY(file.remove() && Settings::InventoryCategory.Set(key, 2));
    QVERIFY(file.open(QIODevice::ReadOnly) &&
            file.readAll().endsWith(QByteArray("dword:00000002\n" + malformed + '\n')));
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
