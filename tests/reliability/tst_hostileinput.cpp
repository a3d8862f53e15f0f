// Every text field of every record class takes the same hostile texts through Save and Load. Texts
// come back exactly; a NUL in the middle comes back whole too (texts are stored with their length).
// Bytes that are not UTF-8, stored by another program, load without harm as U+FFFD in their place.
// A record class joins with one function listing its text fields and one row in RecordClasses().

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "records/CLoan.h"
#include "records/CTask.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace {

// One text field of one record class: how to store a new record holding a text in it and how to
// read the field back, with the column it lives in.
struct TextField
{
    QString table;
    QString key;
    QString column;
    std::function<long(const QString&)> save;
    std::function<bool(long, QString&)> load;
};

template <class Record>
TextField Field(const QString& table, const QString& key, const QString& column,
                std::function<void(Record&, const QString&)> set, std::function<QString(const Record&)> get)
{
    auto save = [set](const QString& text) {
        Record record;
        record.SetDescription(QStringLiteral("hostile"));
        set(record, text);
        return record.Save() ? record.GetId() : -1L;
    };
    auto load = [get](long id, QString& text) {
        Record record;
        record.SetId(id);
        if (!record.Load()) {
            return false;
        }
        text = get(record);
        return true;
    };
    return {table, key, column, save, load};
}

QList<TextField> HomeFields()
{
    const QString t = QStringLiteral("Homes"), k = QStringLiteral("HomeId");
    return {Field<CHome>(t, k, QStringLiteral("Description"), &CHome::SetDescription, &CHome::GetDescription),
            Field<CHome>(t, k, QStringLiteral("Address"), &CHome::SetAddress, &CHome::GetAddress),
            Field<CHome>(t, k, QStringLiteral("Picture2"), &CHome::SetPicture, &CHome::GetPicture),
            Field<CHome>(t, k, QStringLiteral("Notes"), &CHome::SetNotes, &CHome::GetNotes)};
}

QList<TextField> LoanFields()
{
    const QString t = QStringLiteral("Loans"), k = QStringLiteral("LoanId");
    return {
        Field<CLoan>(t, k, QStringLiteral("Description"), &CLoan::SetDescription, &CLoan::GetDescription),
        Field<CLoan>(t, k, QStringLiteral("LenderName"), &CLoan::SetLenderName, &CLoan::GetLenderName),
        Field<CLoan>(t, k, QStringLiteral("LenderAcctNo"), &CLoan::SetLenderAcctNo, &CLoan::GetLenderAcctNo),
        Field<CLoan>(t, k, QStringLiteral("LenderPhone"), &CLoan::SetLenderPhone, &CLoan::GetLenderPhone),
        Field<CLoan>(t, k, QStringLiteral("Notes"), &CLoan::SetNotes, &CLoan::GetNotes)};
}

QList<TextField> AssetFields()
{
    const QString t = QStringLiteral("Assets"), k = QStringLiteral("AssetId");
    return {
        Field<CAsset>(t, k, QStringLiteral("Description"), &CAsset::SetDescription, &CAsset::GetDescription),
        Field<CAsset>(t, k, QStringLiteral("Vendor"), &CAsset::SetVendor, &CAsset::GetVendor),
        Field<CAsset>(t, k, QStringLiteral("Phone1"), &CAsset::SetPhone1, &CAsset::GetPhone1),
        Field<CAsset>(t, k, QStringLiteral("Phone2"), &CAsset::SetPhone2, &CAsset::GetPhone2),
        Field<CAsset>(t, k, QStringLiteral("MakeModel"), &CAsset::SetMakeModel, &CAsset::GetMakeModel),
        Field<CAsset>(t, k, QStringLiteral("SerialNumber"), &CAsset::SetSerialNumber,
                      &CAsset::GetSerialNumber),
        Field<CAsset>(t, k, QStringLiteral("Picture2"), &CAsset::SetPicture, &CAsset::GetPicture),
        Field<CAsset>(t, k, QStringLiteral("Notes"), &CAsset::SetNotes, &CAsset::GetNotes)};
}

QList<TextField> AreaFields()
{
    const QString t = QStringLiteral("Areas"), k = QStringLiteral("AreaId");
    QList<TextField> fields{
        Field<CArea>(t, k, QStringLiteral("Description"), &CArea::SetDescription, &CArea::GetDescription),
        Field<CArea>(t, k, QStringLiteral("Notes"), &CArea::SetNotes, &CArea::GetNotes)};
    for (int i = 0; i < CArea::kColorCount; ++i) {
        fields += Field<CArea>(
            t, k, QStringLiteral("Label%1").arg(i + 1),
            [i](CArea& area, const QString& text) { area.SetLabel(i, text); },
            [i](const CArea& area) { return area.GetLabel(i); });
    }
    return fields;
}

// A task's contact and store share Vendor, its phone and aisle Custom3, its unit Notes.
QList<TextField> TaskFields()
{
    const QString t = QStringLiteral("Tasks"), k = QStringLiteral("TaskId");
    return {Field<CTask>(t, k, QStringLiteral("Description"), &CTask::SetDescription, &CTask::GetDescription),
            Field<CTask>(t, k, QStringLiteral("Vendor"), &CTask::SetContact, &CTask::GetContact),
            Field<CTask>(t, k, QStringLiteral("Custom3"), &CTask::SetPhone, &CTask::GetPhone),
            Field<CTask>(t, k, QStringLiteral("Notes"), &CTask::SetUnit, &CTask::GetUnit)};
}

QList<TextField> RecordClasses()
{
    return HomeFields() + LoanFields() + AssetFields() + AreaFields() + TaskFields();
}

QList<QPair<const char*, QString>> Hostile()
{
    const char16_t nul[] = {u'a', u'\0', u'b'};
    return {{"quotes", QStringLiteral("O'Brien \"the\" `third`")},
            {"formats", QStringLiteral("%1 %ld %s %n %%")},
            {"sql", QStringLiteral("'); DROP TABLE Homes; --")},
            {"marker and ampersand", QStringLiteral("Flat [*] & Co. &&")},
            {"one megabyte", QString(1 << 20, QLatin1Char('x'))},
            {"emoji", QStringLiteral("🏠👨‍👩‍👧 \U0001F600")},
            {"right to left", QStringLiteral("\u202Eשלום עולם مرحبا")},
            {"nul in the middle", QString::fromUtf16(nul, 3)}};
}

} // namespace

class TestHostileInput final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textsComeBackUnchanged_data();
    void textsComeBackUnchanged();
    void invalidUtf8LoadsAsReplacement_data();
    void invalidUtf8LoadsAsReplacement();

private:
    std::unique_ptr<CTestDataDir> m_dir;
};

void TestHostileInput::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    QVERIFY2(m_dir->Database().IsOpen(), qPrintable(m_dir->Database().GetLastError()));
}

void TestHostileInput::cleanup()
{
    m_dir.reset();
}

void TestHostileInput::textsComeBackUnchanged_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    const QList<TextField> fields = RecordClasses();
    for (int f = 0; f < fields.size(); ++f) {
        for (const auto& [name, text] : Hostile()) {
            QTest::addRow("%s.%s %s", qPrintable(fields[f].table), qPrintable(fields[f].column), name)
                << f << text;
        }
    }
}

void TestHostileInput::textsComeBackUnchanged()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    const TextField f = RecordClasses().at(field);
    const long id = f.save(text);
    QVERIFY2(id > 0, qPrintable(AppDatabase()->GetLastError()));
    QString loaded;
    QVERIFY(f.load(id, loaded));
    QCOMPARE(loaded.size(), text.size());
    QVERIFY(loaded == text);
    // The statement in the text ran nowhere: the table is still there.
    QVERIFY(RowCount(f.table) >= 1);
}

void TestHostileInput::invalidUtf8LoadsAsReplacement_data()
{
    QTest::addColumn<int>("field");
    const QList<TextField> fields = RecordClasses();
    for (int f = 0; f < fields.size(); ++f) {
        QTest::addRow("%s.%s", qPrintable(fields[f].table), qPrintable(fields[f].column)) << f;
    }
}

void TestHostileInput::invalidUtf8LoadsAsReplacement()
{
    QFETCH(int, field);
    const TextField f = RecordClasses().at(field);
    const long id = f.save(QStringLiteral("plain"));
    QVERIFY(id > 0);
    QVERIFY(
        AppDatabase()->Execute(QStringLiteral("UPDATE %1 SET %2 = CAST(X'41FF42C3' AS TEXT) WHERE %3 = %4;")
                                   .arg(f.table, f.column, f.key)
                                   .arg(id)));
    QString loaded;
    QVERIFY(f.load(id, loaded));
    QCOMPARE(loaded, QStringLiteral("A\uFFFDB\uFFFD"));
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
