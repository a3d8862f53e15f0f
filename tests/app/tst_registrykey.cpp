#include "CScriptedPrompt.h"
#include "app/CRegistryKey.h"
#include "app/ShowMessageOnce.h"
#include "app/WindowPlacement.h"
#include "platform/CRegistryHive.h"

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
    void placementNeedsABinaryOfTheRightSize();
    void messageShownOnce();

private:
    void StoreRaw(const QString& name, const RegistryValue& value);

    std::unique_ptr<QTemporaryDir> m_registry;
};

void TestRegistryKey::init()
{
    m_registry = std::make_unique<QTemporaryDir>();
    QVERIFY(m_registry->isValid());
    qputenv("HEARTHSTEAD_REGISTRY_DIR", m_registry->path().toUtf8());
}

void TestRegistryKey::StoreRaw(const QString& name, const RegistryValue& value)
{
    CRegistryHive hive(RegistryRoot::CurrentUser);
    hive.Load();
    QVERIFY(hive.SetValue(kKey, name, value));
    QVERIFY(hive.Save());
}

void TestRegistryKey::opensCreatesAndCloses()
{
    CRegistryKey key;
    QVERIFY(key.IsOpen()); // the root key
    QVERIFY(!key.Open(RegistryRoot::CurrentUser, kKey));
    QVERIFY(!key.OpenByName(RegistryRoot::CurrentUser, kKey));
    QVERIFY(!QFile::exists(RegistryHivePath(RegistryRoot::CurrentUser))); // failing opens write nothing

    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(QFile::exists(RegistryHivePath(RegistryRoot::CurrentUser)));
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey)); // opens the existing key
    QVERIFY(!key.Create(RegistryRoot::CurrentUser, QStringLiteral("Software\\\\Empty")));

    CRegistryKey reopened;
    QVERIFY(reopened.Open(RegistryRoot::CurrentUser, kKey));
    QCOMPARE(reopened.GetPath(), QString());
    QVERIFY(reopened.OpenByName(RegistryRoot::CurrentUser,
                                QStringLiteral("software\\bright water\\HEARTHSTEAD")));
    QCOMPARE(reopened.GetPath(), QStringLiteral("software\\bright water\\HEARTHSTEAD"));

    CRegistryKey parent;
    QVERIFY(parent.Open(RegistryRoot::CurrentUser, QStringLiteral("Software\\Bright Water")));
    QVERIFY(!parent.OpenSubKey(QStringLiteral("Elsewhere")));
    QVERIFY(parent.OpenSubKey(QStringLiteral("Hearthstead")));
    QVERIFY(parent.SetDword(QStringLiteral("Shared"), 5));
    quint32 shared = 0;
    QVERIFY(reopened.GetDword(QStringLiteral("Shared"), shared));
    QCOMPARE(shared, 5u);

    // The machine's root is a hive of its own.
    CRegistryKey machine(RegistryRoot::LocalMachine);
    QVERIFY(!machine.Open(RegistryRoot::LocalMachine, kKey));

    QVERIFY(parent.Close());
    QVERIFY(!parent.IsOpen());
    QVERIFY(!parent.Close());
    QVERIFY(!parent.SetDword(QStringLiteral("Lost"), 1));
    QVERIFY(!parent.GetDword(QStringLiteral("Shared"), shared));
    QVERIFY(!parent.OpenSubKey(QStringLiteral("Hearthstead")));
}

void TestRegistryKey::valuesKeepTheirTypes()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(key.SetString(QStringLiteral("CurrentVersion"), QStringLiteral("1.3")));
    QVERIFY(key.SetString(QStringLiteral("AppPath"), QStringLiteral("/opt/Hearth \"stead\"\\bin/")));
    QVERIFY(key.SetDword(QStringLiteral("LastHomeId"), 0xfffffffeu));
    StoreRaw(QStringLiteral("Bytes"), RegistryValue::FromBytes("\x01\x00\x00\x00", RegistryValue::Binary));

    QString text;
    quint32 number = 0;
    QVERIFY(key.GetString(QStringLiteral("CurrentVersion"), text));
    QCOMPARE(text, QStringLiteral("1.3"));
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
    QVERIFY(!key.GetDword(QStringLiteral("Missing"), number));
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
    CRegistryKey writer;
    QVERIFY(writer.Create(RegistryRoot::CurrentUser, kKey));
    QVERIFY(writer.SetDword(QStringLiteral("LastHomeId"), 3));

    CRegistryHive onDisk(RegistryRoot::CurrentUser);
    QVERIFY(onDisk.Load());
    RegistryValue value;
    QVERIFY(onDisk.GetValue(kKey, QStringLiteral("LastHomeId"), value));
    QCOMPARE(value.dword, 3u);

    // Two keys on the same hive never undo each other's writes.
    CRegistryKey other;
    QVERIFY(other.Open(RegistryRoot::CurrentUser, kKey));
    QVERIFY(other.SetString(QStringLiteral("CurrentVersion"), QStringLiteral("1.3")));
    QVERIFY(writer.SetDword(QStringLiteral("TasksFilter"), 2));
    QString version;
    quint32 id = 0;
    QVERIFY(other.GetDword(QStringLiteral("LastHomeId"), id));
    QVERIFY(writer.GetString(QStringLiteral("CurrentVersion"), version));
    QCOMPARE(version, QStringLiteral("1.3"));
}

void TestRegistryKey::placementRoundTrips()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QWidget window;
    window.setGeometry(120, 90, 520, 480);
    QVERIFY(key.SavePlacement(QStringLiteral("WindowPlacement"), window));

    CRegistryHive hive(RegistryRoot::CurrentUser);
    QVERIFY(hive.Load());
    RegistryValue stored;
    QVERIFY(hive.GetValue(kKey, QStringLiteral("WindowPlacement"), stored));
    QCOMPARE(stored.type, quint32(RegistryValue::Binary));
    QCOMPARE(stored.bytes.size(), 40);
    QCOMPARE(Field(stored.bytes, 0), 0);                                   // flags
    QCOMPARE(Field(stored.bytes, 1), qint32(WindowPlacement::ShowNormal)); // show command
    QCOMPARE(Field(stored.bytes, 6), 120);                                 // left
    QCOMPARE(Field(stored.bytes, 7), 90);                                  // top
    QCOMPARE(Field(stored.bytes, 8), 640);                                 // right
    QCOMPARE(Field(stored.bytes, 9), 570);                                 // bottom

    QWidget restored;
    QVERIFY(key.LoadPlacement(QStringLiteral("WindowPlacement"), restored));
    QCOMPARE(restored.geometry(), QRect(120, 90, 520, 480));
    QVERIFY(!restored.isMaximized());

    // A maximised window keeps its normal rectangle and comes back maximised.
    window.show();
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(key.SavePlacement(QStringLiteral("WindowPlacement"), window));
    QWidget maximised;
    QVERIFY(key.LoadPlacement(QStringLiteral("WindowPlacement"), maximised));
    QVERIFY(maximised.windowState() & Qt::WindowMaximized);
    QCOMPARE(maximised.geometry().size(), QSize(520, 480));
}

void TestRegistryKey::placementNeedsABinaryOfTheRightSize()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QWidget window;
    window.setGeometry(10, 10, 300, 200);
    QVERIFY(key.SavePlacement(QStringLiteral("WindowPlacement"), window));
    CRegistryHive hive(RegistryRoot::CurrentUser);
    hive.Load();
    RegistryValue good;
    hive.GetValue(kKey, QStringLiteral("WindowPlacement"), good);

    const auto loads = [&](const RegistryValue& value) {
        StoreRaw(QStringLiteral("Placement"), value);
        QWidget target;
        target.setGeometry(1, 2, 30, 40);
        const bool loaded = key.LoadPlacement(QStringLiteral("Placement"), target);
        if (!loaded && target.geometry() != QRect(1, 2, 30, 40))
            return QStringLiteral("changed the window and failed");
        return loaded ? QStringLiteral("loads") : QStringLiteral("fails");
    };
    QCOMPARE(loads(good), QStringLiteral("loads"));
    QCOMPARE(loads(RegistryValue::FromBytes(good.bytes + QByteArray(4, '\0'))), QStringLiteral("loads"));
    QCOMPARE(loads(RegistryValue::FromBytes(good.bytes + QByteArray(5, '\0'))), QStringLiteral("fails"));
    QCOMPARE(loads(RegistryValue::FromBytes(good.bytes.left(39))), QStringLiteral("fails"));
    QCOMPARE(loads(RegistryValue::FromBytes(QByteArray(40, '\0'))),
             QStringLiteral("fails")); // empty rectangle
    QCOMPARE(loads(RegistryValue::FromBytes(good.bytes, 7)), QStringLiteral("fails"));
    QCOMPARE(loads(RegistryValue::FromDword(40)), QStringLiteral("fails"));
    QCOMPARE(loads(RegistryValue::FromString(QString::fromLatin1(good.bytes.toHex()))),
             QStringLiteral("fails"));
    QWidget untouched;
    QVERIFY(!key.LoadPlacement(QStringLiteral("Missing"), untouched));
}

void TestRegistryKey::messageShownOnce()
{
    CRegistryKey key;
    QVERIFY(key.Create(RegistryRoot::CurrentUser, kKey));
    QWidget owner;
    {
        CScriptedPrompt prompt;
        prompt.ExpectMessage(IDOK)
            .Text(QStringLiteral("About videos"))
            .Caption(QStringLiteral("Hearthstead"))
            .Icon(MessageIcon::Information)
            .Buttons(MessageButtons::Ok)
            .Owner(&owner);
        QVERIFY(ShowMessageOnce(key, &owner, QStringLiteral("About videos"),
                                QStringLiteral("MsgSpecialAssetVideos")));
        QVERIFY(!ShowMessageOnce(key, &owner, QStringLiteral("About videos"),
                                 QStringLiteral("MsgSpecialAssetVideos")));
        QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
    }
    quint32 shown = 0;
    QVERIFY(key.GetDword(QStringLiteral("MsgSpecialAssetVideos"), shown));
    QCOMPARE(shown, 1u);

    // A zero or a value of another type counts as not shown yet; without a running application
    // there is nobody to show it to.
    QVERIFY(key.SetDword(QStringLiteral("SyncGreeting"), 0));
    QVERIFY(key.SetString(QStringLiteral("IsFirstSync"), QStringLiteral("1")));
    CScriptedPrompt prompt;
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("Sync intro"));
    prompt.ExpectMessage(IDOK).Text(QStringLiteral("First sync"));
    QVERIFY(ShowMessageOnce(key, nullptr, QStringLiteral("Sync intro"), QStringLiteral("SyncGreeting")));
    QVERIFY(ShowMessageOnce(key, nullptr, QStringLiteral("First sync"), QStringLiteral("IsFirstSync")));
    QVERIFY(!ShowMessageOnce(QStringLiteral("No application"), QStringLiteral("Other")));
    QVERIFY2(prompt.Verify(), qPrintable(prompt.Problems()));
}

QTEST_MAIN(TestRegistryKey)
#include "tst_registrykey.moc"
