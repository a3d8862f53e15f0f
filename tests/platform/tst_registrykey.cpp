#include "CScriptedPrompt.h"
#include "platform/CRegistryHive.h"
#include "platform/RegistryHives.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "platform/WindowPlacement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtEndian>

namespace {

const QString kKey = QStringLiteral("Software\\Bright Water\\Hearthstead");

qint32 Field(const QByteArray& record, int index)
{
    return qFromLittleEndian<qint32>(record.constData() + 4 * index);
}

} // namespace

class TestRegistryKey : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void opensCreatesAndCloses();
    void valuesKeepTheirTypes();
    void everyWriteIsSavedAtOnce();
    void placementRoundTrips();
    void messageShownOnce();
    void malformedValueKeptButNotRead();

private:
    std::unique_ptr<QTemporaryDir> m_registry;
};

void TestRegistryKey::init()
{
    m_registry = std::make_unique<QTemporaryDir>();
    QVERIFY(m_registry->isValid());
    qputenv("HEARTHSTEAD_REGISTRY_DIR", m_registry->path().toUtf8());
    ReloadHives();
}

void TestRegistryKey::opensCreatesAndCloses()
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

void TestRegistryKey::valuesKeepTheirTypes()
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

void TestRegistryKey::everyWriteIsSavedAtOnce()
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
    for (const char* name : {"CurrentVersion", "TasksFilter", "LastHomeId"})
        QVERIFY2(onDisk.GetValue(kKey, QString::fromLatin1(name), value), name);
    QCOMPARE(value.dword, 3u);
}

void TestRegistryKey::placementRoundTrips()
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

void TestRegistryKey::messageShownOnce()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QWidget owner;
    const QString videos = QStringLiteral("About videos");
    {
        CScriptedPrompt prompt;
        prompt.ExpectMessage(IDOK)
            .Text(videos)
            .Caption(QStringLiteral("Hearthstead"))
            .Icon(MessageIcon::Information)
            .Buttons(MessageButtons::Ok)
            .Owner(&owner);
        QVERIFY(ShowMessageOnce(key, &owner, videos, Settings::MsgSpecialAssetVideos));
        QVERIFY(!ShowMessageOnce(key, &owner, videos, Settings::MsgSpecialAssetVideos));
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    }
    QCOMPARE(Settings::MsgSpecialAssetVideos.Get(key), 1u);

    // A zero or a value of another type counts as not shown yet; without the program's settings key
    // there is nowhere to remember it.
    QVERIFY(key.SetDword(QStringLiteral("SyncGreeting"), 0));
    QVERIFY(key.SetString(QStringLiteral("IsFirstSync"), QStringLiteral("1")));
    CScriptedPrompt prompt;
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("Sync intro"));
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("First sync"));
    QVERIFY(ShowMessageOnce(key, nullptr, QStringLiteral("Sync intro"), Settings::SyncGreeting));
    QVERIFY(!ShowMessageOnce(nullptr, QStringLiteral("Unseen"), Settings::JumpToShoppingTasks));
    SetAppSettings(&key);
    QVERIFY(ShowMessageOnce(nullptr, QStringLiteral("First sync"), Settings::IsFirstSync));
    SetAppSettings(nullptr);
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

// A malformed value reads as missing and is saved back as read; reads and writes use the loaded hive.
void TestRegistryKey::malformedValueKeptButNotRead()
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

QTEST_MAIN(TestRegistryKey)
#include "tst_registrykey.moc"
