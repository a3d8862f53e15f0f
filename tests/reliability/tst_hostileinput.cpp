// Every text field of every record class takes the same hostile texts through Save and Load. Texts
// come back exactly; a NUL in the middle comes back whole too (texts are stored with their length).
// Bytes that are not UTF-8, stored by another program, load without harm as U+FFFD in their place.
// A record class joins with one row per text field in TextFields().

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "records/CArea.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "records/CLoan.h"
#include "records/CTask.h"

#include <QtTest>

#include <functional>

namespace {

// One text field: its table and column, how to store a new record holding a text in it, and how to
// read the field back ("(not stored)" when the record does not load).
struct TextField
{
    QString table;
    QString column;
    std::function<long(const QString&)> save;
    std::function<QString(long)> load;
};

template <class Record>
TextField Field(const char* table, const char* column, std::function<void(Record&, const QString&)> set,
                std::function<QString(const Record&)> get)
{
    auto save = [set](const QString& text) {
        Record record;
        record.SetDescription("hostile");
        set(record, text);
        return record.Save() ? record.GetId() : -1L;
    };
    auto load = [get](long id) {
        Record record;
        record.SetId(id);
        return record.Load() ? get(record) : QString("(not stored)");
    };
    return {table, column, save, load};
}

// A task's contact and store share Vendor, its phone and aisle Custom3, its unit Notes.
QList<TextField> TextFields()
{
    QList<TextField> fields{
        Field<CHome>("Homes", "Description", &CHome::SetDescription, &CHome::GetDescription),
        Field<CHome>("Homes", "Address", &CHome::SetAddress, &CHome::GetAddress),
        Field<CHome>("Homes", "Picture2", &CHome::SetPicture, &CHome::GetPicture),
        Field<CHome>("Homes", "Notes", &CHome::SetNotes, &CHome::GetNotes),
        Field<CLoan>("Loans", "Description", &CLoan::SetDescription, &CLoan::GetDescription),
        Field<CLoan>("Loans", "LenderName", &CLoan::SetLenderName, &CLoan::GetLenderName),
        Field<CLoan>("Loans", "LenderAcctNo", &CLoan::SetLenderAcctNo, &CLoan::GetLenderAcctNo),
        Field<CLoan>("Loans", "LenderPhone", &CLoan::SetLenderPhone, &CLoan::GetLenderPhone),
        Field<CLoan>("Loans", "Notes", &CLoan::SetNotes, &CLoan::GetNotes),
        Field<CAsset>("Assets", "Description", &CAsset::SetDescription, &CAsset::GetDescription),
        Field<CAsset>("Assets", "Vendor", &CAsset::SetVendor, &CAsset::GetVendor),
        Field<CAsset>("Assets", "Phone1", &CAsset::SetPhone1, &CAsset::GetPhone1),
        Field<CAsset>("Assets", "Phone2", &CAsset::SetPhone2, &CAsset::GetPhone2),
        Field<CAsset>("Assets", "MakeModel", &CAsset::SetMakeModel, &CAsset::GetMakeModel),
        Field<CAsset>("Assets", "SerialNumber", &CAsset::SetSerialNumber, &CAsset::GetSerialNumber),
        Field<CAsset>("Assets", "Picture2", &CAsset::SetPicture, &CAsset::GetPicture),
        Field<CAsset>("Assets", "Notes", &CAsset::SetNotes, &CAsset::GetNotes),
        Field<CArea>("Areas", "Description", &CArea::SetDescription, &CArea::GetDescription),
        Field<CArea>("Areas", "Notes", &CArea::SetNotes, &CArea::GetNotes),
        Field<CTask>("Tasks", "Description", &CTask::SetDescription, &CTask::GetDescription),
        Field<CTask>("Tasks", "Vendor", &CTask::SetContact, &CTask::GetContact),
        Field<CTask>("Tasks", "Custom3", &CTask::SetPhone, &CTask::GetPhone),
        Field<CTask>("Tasks", "Notes", &CTask::SetUnit, &CTask::GetUnit)};
    for (int i = 0; i < CArea::kColorCount; ++i) {
        fields += Field<CArea>(
            "Areas", QByteArray("Label" + QByteArray::number(i + 1)).constData(),
            [i](CArea& area, const QString& text) { area.SetLabel(i, text); },
            [i](const CArea& area) { return area.GetLabel(i); });
    }
    return fields;
}

QList<QPair<const char*, QString>> Hostile()
{
    const char16_t nul[] = {u'a', u'\0', u'b'};
    return {{"quotes", "O'Brien \"the\" `third`"},      {"formats", "%1 %ld %s %n %%"},
            {"sql", "'); DROP TABLE Homes; --"},        {"marker and ampersand", "Flat [*] & Co. &&"},
            {"one megabyte", QString(1 << 20, 'x')},    {"emoji", "🏠👨‍👩‍👧 \U0001F600"},
            {"right to left", "\u202Eשלום עולם مرحبا"}, {"nul in the middle", QString::fromUtf16(nul, 3)}};
}

} // namespace

class TestHostileInput final : public QObject
{
    Q_OBJECT

private slots:
    void textsComeBackUnchanged_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("loaded"); // other than the text: bytes not UTF-8 stored in its place
        const QList<TextField> fields = TextFields();
        for (int f = 0; f < fields.size(); ++f) {
            const QByteArray name = (fields[f].table + '.' + fields[f].column).toLatin1();
            for (const auto& [hostile, text] : Hostile()) {
                QTest::addRow("%s %s", name.constData(), hostile) << f << text << text;
            }
            QTest::addRow("%s not UTF-8", name.constData()) << f << "plain" << QString("A\uFFFDB\uFFFD");
        }
    }

    void textsComeBackUnchanged()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, loaded);
        CTestDataDir dir;
        QVERIFY2(dir.Database().IsOpen(), qPrintable(dir.Database().GetLastError()));
        const TextField f = TextFields().at(field);
        const long id = f.save(text);
        QVERIFY2(id > 0, qPrintable(AppDatabase()->GetLastError()));
        // Every table's key is named after its table: Homes, HomeId.
        if (loaded != text) {
            QVERIFY(
                dir.Database().Execute(QString("UPDATE %1 SET %2 = CAST(X'41FF42C3' AS TEXT) WHERE %3 = %4;")
                                           .arg(f.table, f.column, f.table.chopped(1) + "Id")
                                           .arg(id)));
        }
        const QString back = f.load(id);
        QCOMPARE(back.size(), loaded.size());
        QVERIFY(back == loaded);
        // The statement in the text ran nowhere: the table is still there.
        QVERIFY(RowCount(f.table) >= 1);
    }
};

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
