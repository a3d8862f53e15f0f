#include "platform/CRegistryHive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kKey = QStringLiteral("Software\\Bright Water\\Hearthstead");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray SomeBytes(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(i * 7 + 3);
    return bytes;
}

} // namespace

class TestRegistryHive : public QObject
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

private:
    QString HivePath() const { return m_dir.filePath(QStringLiteral("HKEY_CURRENT_USER.reg")); }

    QTemporaryDir m_dir;
};

void TestRegistryHive::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

void TestRegistryHive::valuesOfEveryTypeRoundTrip()
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
    for (const auto& [name, value] : values)
        QVERIFY(hive.SetValue(kKey, name, value));
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

void TestRegistryHive::writesTheExportFormat()
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
    for (const QByteArray& line : text.split('\n'))
        QVERIFY2(line.size() <= 80, line.constData());
}

void TestRegistryHive::readsAnEditorExport()
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
    for (const QChar c : exported)
        utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
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

void TestRegistryHive::refusesTextItCannotParse()
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

void TestRegistryHive::namesCompareWithoutCase()
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

void TestRegistryHive::corruptHiveIsKeptAsideBeforeAWrite()
{
    const QByteArray garbage("\x00\x13garbage that is no registry file\xff", 36);
    WriteAll(HivePath(), garbage);
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    QVERIFY(!hive.Load());
    QVERIFY(hive.IsCorrupt());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 1); // reading keeps no copy

    QVERIFY(hive.SetValue(QStringLiteral("Software"), QStringLiteral("A"), RegistryValue::FromDword(1)));
    QVERIFY(hive.Save());
    const QStringList copies =
        QDir(m_dir.path()).entryList({QStringLiteral("HKEY_CURRENT_USER.reg.corrupt-*")}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ReadAll(m_dir.filePath(copies.first())), garbage);

    QVERIFY(ReadAll(HivePath()).contains("\"A\"=dword:00000001"));

    // A second corrupt file in the same second gets its own copy.
    WriteAll(HivePath(), "again not a hive");
    QVERIFY(!hive.Load());
    QVERIFY(hive.Save());
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.corrupt-*")}, QDir::Files).size(), 2);
}

void TestRegistryHive::interruptedWriteLeavesTheOldHive()
{
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    hive.SetValue(QStringLiteral("Software"), QStringLiteral("Kept"),
                  RegistryValue::FromString(QStringLiteral("old")));
    QVERIFY(hive.Save());
    const QByteArray before = ReadAll(HivePath());

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
    QCOMPARE(ReadAll(HivePath()), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("HKEY_CURRENT_USER.reg")});
}

void TestRegistryHive::unreadableHiveIsNeverReplaced()
{
    if (geteuid() == 0)
        QSKIP("file permissions do not bind root");
    WriteAll(HivePath(),
             "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n\"A\"=\"1\"\n");
    QFile::setPermissions(HivePath(), QFileDevice::WriteOwner);
    CRegistryHive hive(RegistryRoot::CurrentUser, HivePath());
    QVERIFY(!hive.Load());
    hive.SetValue(QStringLiteral("Software"), QStringLiteral("B"), RegistryValue::FromDword(1));
    QVERIFY(!hive.Save());
    QFile::setPermissions(HivePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(ReadAll(HivePath()).contains("\"A\"=\"1\""));
}

void TestRegistryHive::hiveFilesFollowTheEnvironment()
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

QTEST_GUILESS_MAIN(TestRegistryHive)
#include "tst_registryhive.moc"
