// FillListFromTable of 100,000 assets into a list, against stepping the same SELECT with SQLite
// directly, and the memory the filled rows take above an empty list.

#include "CBenchCopy.h"
#include "OffscreenBenchMain.h"
#include "controls/CAutoListCtrl.h"
#include "data/CADODataBase.h"
#include "data/ui/ListFillers.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int assetRows = 100000;
constexpr long homeId = 1;
const QString condition = QStringLiteral("WHERE HomeId=1");
const QString extraColumns = QStringLiteral("Picture2, CurrentValue, CategoryId");
const char* const rawSelect = "SELECT AssetId, Description,Picture2, CurrentValue, CategoryId FROM Assets "
                              "WHERE HomeId=1 ORDER BY Description;";

// A copy of the delivered database holding one home's 100,000 assets, installed as the
// application's session.
class BenchDatabase final
{
public:
    BenchDatabase()
    {
        AddAssets();
        SetAppDatabase(&m_session);
    }
    ~BenchDatabase() { SetAppDatabase(nullptr); }
    Q_DISABLE_COPY_MOVE(BenchDatabase)

    sqlite3* Handle() const { return m_session.Handle(); }

private:
    // Descriptions in no particular order; every tenth a video title, every third with a picture.
    void AddAssets()
    {
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(
            m_session.Handle(),
            "INSERT INTO Assets (AssetId, HomeId, CategoryId, Description, CurrentValue, Picture2) "
            "VALUES (?,?,?,?,?,?);",
            -1, &insert, nullptr);
        m_session.BeginTrans();
        for (int i = 1; i <= assetRows; ++i) {
            const QByteArray description = "Asset " + QByteArray::number((i * 7919) % 100003);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_int(insert, 2, homeId);
            sqlite3_bind_int(insert, 3, i % 10 ? 1 + i % 18 : 19);
            sqlite3_bind_text(insert, 4, description.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 5, 7.5 + i % 900);
            if (i % 3)
                sqlite3_bind_null(insert, 6);
            else
                sqlite3_bind_text(insert, 6, "/home/user/Pictures/asset.jpg", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        m_session.CommitTrans();
    }

    CBenchCopy m_copy;
    CADODataBase& m_session = m_copy.Session();
};

BenchDatabase& Database()
{
    static BenchDatabase database;
    return database;
}

CAutoListCtrl& List()
{
    static CAutoListCtrl list;
    if (list.GetColumnCount() == 0)
        list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 170);
    return list;
}

// The same statement stepped directly, each column read into the type the fill reads it as.
long StepRaw(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, rawSelect, -1, &statement, nullptr);
    long count = 0;
    float total = 0.0f;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const long id = sqlite3_column_int(statement, 0);
        const QString description =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)),
                              sqlite3_column_bytes(statement, 1));
        const QString picture =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)),
                              sqlite3_column_bytes(statement, 2));
        total += static_cast<float>(sqlite3_column_double(statement, 3));
        const long category = sqlite3_column_int(statement, 4);
        benchmark::DoNotOptimize(id);
        benchmark::DoNotOptimize(description);
        benchmark::DoNotOptimize(picture);
        benchmark::DoNotOptimize(category);
        ++count;
    }
    benchmark::DoNotOptimize(total);
    sqlite3_finalize(statement);
    return count;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double HeapMegabytes()
{
    malloc_trim(0);
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Each iteration also steps the raw query, untimed, so the ratio comes from one run on one machine state.
void BM_FillListFromTable(benchmark::State& state)
{
    BenchDatabase& database = Database();
    CAutoListCtrl& list = List();
    double fillSeconds = 0.0;
    double rawSeconds = 0.0;
    double fillProcessor = 0.0;
    double rawProcessor = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = ProcessorSeconds();
        FillListFromTable(list, QStringLiteral("Assets"), QStringLiteral("AssetId"), 0, condition,
                          extraColumns);
        fillProcessor += ProcessorSeconds() - processorStart;
        fillSeconds += Seconds(start);
        state.PauseTiming();
        if (list.GetItemCount() != assetRows)
            state.SkipWithError("the list did not get every row");
        const auto rawStart = std::chrono::steady_clock::now();
        const double rawProcessorStart = ProcessorSeconds();
        if (StepRaw(database.Handle()) != assetRows)
            state.SkipWithError("the raw query did not read every row");
        rawProcessor += ProcessorSeconds() - rawProcessorStart;
        rawSeconds += Seconds(rawStart);
        state.ResumeTiming();
    }
    state.counters["raw_ms"] = 1000.0 * rawSeconds / double(state.iterations());
    state.counters["raw_cpu_ms"] = 1000.0 * rawProcessor / double(state.iterations());
    state.counters["fill_over_raw"] = fillSeconds / rawSeconds;
    state.counters["cpu_fill_over_raw"] = fillProcessor / rawProcessor;
}
BENCHMARK(BM_FillListFromTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Heap in use with the list filled, above the same list emptied (the recordset is closed by then).
void BM_FillMemory(benchmark::State& state)
{
    Database();
    CAutoListCtrl& list = List();
    double rowsMegabytes = 0.0;
    for (auto _ : state) {
        list.DeleteAllItems();
        const double empty = HeapMegabytes();
        FillListFromTable(list, QStringLiteral("Assets"), QStringLiteral("AssetId"), 0, condition,
                          extraColumns);
        rowsMegabytes = HeapMegabytes() - empty;
    }
    state.counters["rows_MB"] = rowsMegabytes;
    state.counters["bytes_per_row"] = rowsMegabytes * 1024.0 * 1024.0 / assetRows;
}
BENCHMARK(BM_FillMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// Rows put in one by one with redrawing on, into a shown list: the time per row stays flat as the
// list grows, because each row's text is measured alone.
void BM_InsertItemsOneByOne(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QStringList texts;
    for (int i = 0; i < rows; ++i)
        texts.append(QStringLiteral("Asset %1").arg((i * 7919) % 100003));
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 170);
    list.show();
    for (auto _ : state) {
        list.DeleteAllItems();
        for (int i = 0; i < rows; ++i)
            list.SetItemData(list.InsertItem(i, texts.at(i), i % 3), i + 1);
    }
    state.counters["ns_per_row"] =
        benchmark::Counter(double(rows) * double(state.iterations()) * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_InsertItemsOneByOne)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
