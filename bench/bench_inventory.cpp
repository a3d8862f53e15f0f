// The Home Inventory view at 100,000 assets in one home (and 1,000 in another): FillItems for all
// assets and for one category against the same SELECT stepped with SQLite directly, the category
// menu with its counts, and the summary shown when a row is selected.

#include "CBenchCopy.h"
#include "OffscreenBenchMain.h"
#include "controls/CAutoListCtrl.h"
#include "data/CADODataBase.h"
#include "records/CHome.h"
#include "views/CInventoryView.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kBigHome = 100000;
constexpr int kSmallHome = 1000;
constexpr long kCategory = 4;

// A copy of the delivered database with home 1's 100,000 assets and home 2's 1,000, installed as
// the application's session.
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
    // Every tenth a video title, the rest spread over the other asset categories, every third with a
    // picture, notes on each.
    void AddAssets()
    {
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(m_session.Handle(),
                           "INSERT INTO Assets (AssetId, HomeId, CategoryId, Description, CurrentValue, "
                           "Picture2, MakeModel, Vendor, PurchasePrice, Notes) VALUES (?,?,?,?,?,?,?,?,?,?);",
                           -1, &insert, nullptr);
        m_session.BeginTrans();
        for (int i = 1; i <= kBigHome + kSmallHome; ++i) {
            const QByteArray description = "Asset " + QByteArray::number((i * 7919) % 100003);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_int(insert, 2, i <= kBigHome ? 1 : 2);
            sqlite3_bind_int(insert, 3, i % 10 ? 1 + i % 18 : 19);
            sqlite3_bind_text(insert, 4, description.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 5, 7.5 + i % 900);
            if (i % 3)
                sqlite3_bind_null(insert, 6);
            else
                sqlite3_bind_text(insert, 6, "/home/user/Pictures/asset.jpg", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 7, "Acme 3000", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 8, "Home Store", -1, SQLITE_STATIC);
            sqlite3_bind_double(insert, 9, 19.99);
            sqlite3_bind_text(insert, 10, "Kept in the hall cupboard.", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        m_session.CommitTrans();
    }

    CBenchCopy m_copy;
    CADODataBase& m_session = m_copy.Session();
};

struct Fixture
{
    BenchDatabase database;
    CHome home;
    std::unique_ptr<CInventoryView> view;
    Fixture()
    {
        home.SetId(1);
        view = std::make_unique<CInventoryView>(home);
        view->resize(640, 480);
        view->show();
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

// The view's statement stepped directly, each column read into the type the fill reads it as.
long StepRaw(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    long count = 0;
    float total = 0.0f;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const long id = sqlite3_column_int(statement, 0);
        const QString description =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)),
                              sqlite3_column_bytes(statement, 1));
        total += static_cast<float>(sqlite3_column_double(statement, 2));
        const QString picture =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)),
                              sqlite3_column_bytes(statement, 3));
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

// FillItems through the real view; each iteration also steps the raw query, untimed, for the ratio.
void FillAgainstRaw(benchmark::State& state, long filter, const char* rawSql)
{
    Fixture& fixture = TheFixture();
    fixture.view->RestoreCategoryFilter(filter);
    double fillSeconds = 0.0;
    double rawSeconds = 0.0;
    long rows = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        fixture.view->FillItems(0);
        fillSeconds += Seconds(start);
        state.PauseTiming();
        const auto rawStart = std::chrono::steady_clock::now();
        rows = StepRaw(fixture.database.Handle(), rawSql);
        rawSeconds += Seconds(rawStart);
        if (fixture.view->GetList()->GetItemCount() != rows)
            state.SkipWithError("the view did not list every row");
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
    state.counters["raw_ms"] = 1000.0 * rawSeconds / double(state.iterations());
    state.counters["fill_over_raw"] = fillSeconds / rawSeconds;
}

void BM_FillAll(benchmark::State& state)
{
    FillAgainstRaw(
        state, 0,
        "SELECT AssetId, Description,CurrentValue, Picture2, CategoryId FROM Assets WHERE HomeId=1 "
        "ORDER BY Description;");
}
BENCHMARK(BM_FillAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FillOneCategory(benchmark::State& state)
{
    FillAgainstRaw(
        state, kCategory,
        "SELECT AssetId, Description,CurrentValue, Picture2, CategoryId FROM Assets WHERE HomeId=1 "
        "AND CategoryId=4 ORDER BY Description;");
}
BENCHMARK(BM_FillOneCategory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CategoryMenu(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    for (auto _ : state) {
        std::unique_ptr<QMenu> menu(fixture.view->CreateCategoryMenu());
        benchmark::DoNotOptimize(menu->actions().size());
    }
}
BENCHMARK(BM_CategoryMenu)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Selecting a row loads its asset and writes the summary pane.
void BM_SelectRow(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    fixture.view->RestoreCategoryFilter(0);
    fixture.view->FillItems(0);
    CAutoListCtrl& list = *fixture.view->GetList();
    int row = 0;
    for (auto _ : state) {
        row = (row + 7919) % list.GetItemCount();
        list.SetCurSel(row);
    }
    if (fixture.view->GetNotesPane()->toPlainText().isEmpty())
        state.SkipWithError("no summary shown");
}
BENCHMARK(BM_SelectRow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
