// The data store's costs: a large SELECT read through CADORecordset against the same statement
// stepped with SQLite directly, handing out ids, and creating a record of 16 fields.

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/DataHelpers.h"
#include "data/DateTimeValue.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

constexpr int assetRows = 100000;
const QString selectAll = QStringLiteral("SELECT * FROM Assets;");

QString PristineDatabase()
{
    const QString fromEnvironment = qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB");
    return fromEnvironment.isEmpty() ? QStringLiteral(HS_PRISTINE_DB) : fromEnvironment;
}

// A copy of the delivered database in its own temporary folder, with an open session on it.
class BenchDatabase final
{
public:
    explicit BenchDatabase(int assets)
    {
        const QString path = m_dir.path() + QStringLiteral("/HOMEDATA.DAT");
        if (!QFile::copy(PristineDatabase(), path))
            Fail("cannot copy the delivered database");
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!m_session.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='") + path +
                            QStringLiteral("';")))
            Fail(m_session.GetLastError().toUtf8().constData());
        AddAssets(assets);
    }
    CADODataBase& Session() { return m_session; }

private:
    static void Fail(const char* why)
    {
        std::fprintf(stderr, "bench_recordset: %s\n", why);
        std::exit(1);
    }

    // Rows as the program writes them: texts as text, the memo as bytes, every fourth picture absent.
    void AddAssets(int count)
    {
        sqlite3* db = m_session.Handle();
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Assets VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);", -1, &insert,
                           nullptr);
        m_session.BeginTrans();
        const QByteArray notes =
            QByteArray("Bought on sale; keep the receipt in the blue folder.\nCheck yearly.");
        for (int i = 1; i <= count; ++i) {
            const QByteArray description = "Asset number " + QByteArray::number(i);
            const QByteArray serial = "SN-" + QByteArray::number(i * 7919);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_int(insert, 2, 1 + i % 3);
            sqlite3_bind_int(insert, 3, i % 12);
            sqlite3_bind_int(insert, 4, 1 + i % 20);
            sqlite3_bind_text(insert, 5, description.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 6, 10.0 + i % 1000);
            sqlite3_bind_double(insert, 7, 40000.0 + i % 5000);
            sqlite3_bind_double(insert, 8, 7.5 + i % 900);
            sqlite3_bind_double(insert, 9, 12.25 + i % 1100);
            sqlite3_bind_text(insert, 10, "Hearth & Home Supply", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 11, "555-0100", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 12, "555-0199", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 13, "Acme Model 12", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 14, serial.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 15, 44000.0 + i % 3000);
            if (i % 4)
                sqlite3_bind_text(insert, 16, "/home/user/Pictures/asset.jpg", -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(insert, 16);
            sqlite3_bind_blob(insert, 17, notes.constData(), static_cast<int>(notes.size()), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        m_session.CommitTrans();
    }

    QTemporaryDir m_dir;
    CADODataBase m_session;
};

BenchDatabase& SelectDatabase()
{
    static BenchDatabase database(assetRows);
    return database;
}

// One asset as its record class holds it.
struct AssetFields
{
    long assetId = 0, homeId = 0, areaId = 0, categoryId = 0;
    QString description, vendor, phone1, phone2, makeModel, serialNumber, picture, notes;
    float purchasePrice = 0, currentValue = 0, replacementValue = 0;
    DateTimeValue purchaseDate, warrantyExpiration;
};

long ReadThroughRecordset(CADODataBase& session)
{
    CADORecordset rows(&session);
    rows.Open(selectAll);
    long count = 0;
    AssetFields a;
    for (; !rows.IsEof(); rows.MoveNext(), ++count) {
        rows.GetFieldValue(QStringLiteral("AssetId"), a.assetId);
        rows.GetFieldValue(QStringLiteral("HomeId"), a.homeId);
        rows.GetFieldValue(QStringLiteral("AreaId"), a.areaId);
        rows.GetFieldValue(QStringLiteral("CategoryId"), a.categoryId);
        rows.GetFieldValue(QStringLiteral("Description"), a.description);
        rows.GetFieldValue(QStringLiteral("PurchasePrice"), a.purchasePrice);
        rows.GetFieldValue(QStringLiteral("PurchaseDate"), a.purchaseDate);
        rows.GetFieldValue(QStringLiteral("CurrentValue"), a.currentValue);
        rows.GetFieldValue(QStringLiteral("ReplacementValue"), a.replacementValue);
        rows.GetFieldValue(QStringLiteral("Vendor"), a.vendor);
        rows.GetFieldValue(QStringLiteral("Phone1"), a.phone1);
        rows.GetFieldValue(QStringLiteral("Phone2"), a.phone2);
        rows.GetFieldValue(QStringLiteral("MakeModel"), a.makeModel);
        rows.GetFieldValue(QStringLiteral("SerialNumber"), a.serialNumber);
        rows.GetFieldValue(QStringLiteral("WarrantyExpiration"), a.warrantyExpiration);
        rows.GetFieldValue(QStringLiteral("Picture2"), a.picture);
        rows.GetFieldValue(QStringLiteral("Notes"), a.notes);
        benchmark::DoNotOptimize(a);
    }
    return count;
}

QString RawText(sqlite3_stmt* statement, int column)
{
    const int type = sqlite3_column_type(statement, column);
    if (type == SQLITE_NULL)
        return QString();
    const char* data = type == SQLITE_BLOB
                           ? static_cast<const char*>(sqlite3_column_blob(statement, column))
                           : reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(statement, column));
}

// The same statement stepped directly, each field read into the same type, by its known position.
long ReadRaw(CADODataBase& session)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = selectAll.toUtf8();
    sqlite3_prepare_v2(session.Handle(), sql.constData(), -1, &statement, nullptr);
    long count = 0;
    AssetFields a;
    for (; sqlite3_step(statement) == SQLITE_ROW; ++count) {
        a.assetId = sqlite3_column_int(statement, 0);
        a.homeId = sqlite3_column_int(statement, 1);
        a.areaId = sqlite3_column_int(statement, 2);
        a.categoryId = sqlite3_column_int(statement, 3);
        a.description = RawText(statement, 4);
        a.purchasePrice = static_cast<float>(sqlite3_column_double(statement, 5));
        a.purchaseDate = DateTimeValue(sqlite3_column_double(statement, 6));
        a.currentValue = static_cast<float>(sqlite3_column_double(statement, 7));
        a.replacementValue = static_cast<float>(sqlite3_column_double(statement, 8));
        a.vendor = RawText(statement, 9);
        a.phone1 = RawText(statement, 10);
        a.phone2 = RawText(statement, 11);
        a.makeModel = RawText(statement, 12);
        a.serialNumber = RawText(statement, 13);
        a.warrantyExpiration = DateTimeValue(sqlite3_column_double(statement, 14));
        a.picture = RawText(statement, 15);
        a.notes = RawText(statement, 16);
        benchmark::DoNotOptimize(a);
    }
    sqlite3_finalize(statement);
    return count;
}

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Each iteration also runs the raw read, untimed, so that the ratio of the two comes from one run on
// one machine state. The ratio counts processor time, which other work on the machine disturbs least.
void BM_SelectThroughRecordset(benchmark::State& state)
{
    CADODataBase& session = SelectDatabase().Session();
    double recordsetSeconds = 0.0;
    double rawSeconds = 0.0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        if (ReadThroughRecordset(session) != assetRows)
            state.SkipWithError("the recordset did not read every row");
        const double middle = CpuSeconds();
        state.PauseTiming();
        const double rawStart = CpuSeconds();
        ReadRaw(session);
        rawSeconds += CpuSeconds() - rawStart;
        state.ResumeTiming();
        recordsetSeconds += middle - start;
    }
    state.SetItemsProcessed(state.iterations() * assetRows);
    state.counters["ratio_to_raw"] = recordsetSeconds / rawSeconds;
}
BENCHMARK(BM_SelectThroughRecordset)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_SelectRawSqlite(benchmark::State& state)
{
    CADODataBase& session = SelectDatabase().Session();
    for (auto _ : state) {
        if (ReadRaw(session) != assetRows)
            state.SkipWithError("the raw read did not read every row");
    }
    state.SetItemsProcessed(state.iterations() * assetRows);
}
BENCHMARK(BM_SelectRawSqlite)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Each call is its own committed write, as when a record is saved outside a transaction.
void BM_GetNextId(benchmark::State& state)
{
    BenchDatabase database(0);
    SetAppDatabase(&database.Session());
    long last = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(last = GetNextId(QStringLiteral("Tasks")));
    SetAppDatabase(nullptr);
    if (last < 1)
        state.SkipWithError("no id handed out");
}
BENCHMARK(BM_GetNextId)->Unit(benchmark::kMicrosecond);

// A new asset as a record's save makes it: id, insert of the key, then the row opened, its 16 other
// fields set and updated, all in one transaction.
void BM_CreateRecordOf16Fields(benchmark::State& state)
{
    BenchDatabase database(0);
    CADODataBase& session = database.Session();
    SetAppDatabase(&session);
    const QString notes = QStringLiteral("Bought on sale; keep the receipt in the blue folder.");
    for (auto _ : state) {
        session.BeginTrans();
        const long id = GetNextId(QStringLiteral("Assets"));
        session.Execute(QStringLiteral("INSERT INTO [Assets] ([AssetId]) VALUES (%1);").arg(id));
        CADORecordset row(&session);
        row.Open(QStringLiteral("SELECT * FROM Assets WHERE AssetId=%1;").arg(id));
        row.Edit();
        row.SetFieldValue(QStringLiteral("HomeId"), 1L);
        row.SetFieldValue(QStringLiteral("AreaId"), 2L);
        row.SetFieldValue(QStringLiteral("CategoryId"), 19L);
        row.SetFieldValue(QStringLiteral("Description"), QStringLiteral("Casablanca"));
        row.SetFieldValue(QStringLiteral("PurchasePrice"), 19.99);
        row.SetFieldValue(QStringLiteral("PurchaseDate"), DateTimeValue(45000.0));
        row.SetFieldValue(QStringLiteral("CurrentValue"), 9.5);
        row.SetFieldValue(QStringLiteral("ReplacementValue"), 14.0);
        row.SetFieldValue(QStringLiteral("Vendor"), QStringLiteral("Corner Video"));
        row.SetFieldValue(QStringLiteral("Phone1"), QStringLiteral("555-0100"));
        row.SetFieldValue(QStringLiteral("Phone2"), QString());
        row.SetFieldValue(QStringLiteral("MakeModel"), QStringLiteral("Drama"));
        row.SetFieldValue(QStringLiteral("SerialNumber"), QStringLiteral("DVD-1942"));
        row.SetFieldValue(QStringLiteral("WarrantyExpiration"), DateTimeValue(15342.0));
        row.SetFieldValue(QStringLiteral("Picture2"), QString());
        row.SetFieldValue(QStringLiteral("Notes"), notes);
        if (!row.Update())
            state.SkipWithError("update failed");
        session.CommitTrans();
    }
    SetAppDatabase(nullptr);
}
BENCHMARK(BM_CreateRecordOf16Fields)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
