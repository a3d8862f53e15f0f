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
    StoreRaw(QStringLiteral("Bytes"), RegistryValue::FromBytes("\x01\x00\x00\x00", RegistryValue::Binary));

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
    QVERIFY(key.SavePlacement(QStringLiteral("WindowPlacement"), window));

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
    QVERIFY(key.LoadPlacement(QStringLiteral("WindowPlacement"), restored));
    QCOMPARE(restored.geometry(), QRect(120, 90, 520, 480));

    // Only a binary of 40 to 44 bytes with a rectangle loads; a failed load leaves the window alone.
    const auto loads = [&](const RegistryValue& value) {
        StoreRaw(QStringLiteral("Placement"), value);
        QWidget target;
        target.setGeometry(1, 2, 30, 40);
        const bool loaded = key.LoadPlacement(QStringLiteral("Placement"), target);
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
    QVERIFY(key.SavePlacement(QStringLiteral("WindowPlacement"), window));
    QWidget maximised;
    QVERIFY(key.LoadPlacement(QStringLiteral("WindowPlacement"), maximised));
    QVERIFY(maximised.windowState() & Qt::WindowMaximized);
    QCOMPARE(maximised.geometry().size(), QSize(520, 480));
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
