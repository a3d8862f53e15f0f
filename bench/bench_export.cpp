// The inventory export of a home of 100,000 assets against `sqlite3 -csv` running the same query on
// the same file in the same iterations, and the insurance report of a home of 1,000 assets that all
// have a photo: its time and the size of the PDF.

#include "OffscreenBenchMain.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "records/CHome.h"
#include "res/StringIds.h"
#include "views/CInventoryReport.h"
#include "views/InventoryCsv.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kBigHome = 100000;
constexpr int kReportHome = 1000;

QString PristineDatabase()
{
    const QString fromEnvironment = qEnvironmentVariable("HEARTHSTEAD_PRISTINE_DB");
    return fromEnvironment.isEmpty() ? QStringLiteral(HS_PRISTINE_DB) : fromEnvironment;
}

void Fail(const char* why)
{
    std::fprintf(stderr, "bench_export: %s\n", why);
    std::exit(1);
}

// A copy of the delivered database: home 1 with 100,000 assets in 20 rooms, home 2 with 1,000 assets
// each with a 1600 by 1200 photo, installed as the application's session.
class BenchDatabase final
{
public:
    BenchDatabase()
    {
        if (!QFile::copy(PristineDatabase(), Path())) {
            Fail("cannot copy the delivered database");
        }
        QFile(Path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!m_session.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='") + Path() +
                            QStringLiteral("';"))) {
            Fail(m_session.GetLastError().toUtf8().constData());
        }
        QImage photo(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            for (int x = 0; x < photo.width(); ++x) {
                photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
            }
        }
        if (!photo.save(Photo(), "JPEG", 85)) {
            Fail("cannot write the photo");
        }
        AddRows();
        SetAppDatabase(&m_session);
    }
    ~BenchDatabase() { SetAppDatabase(nullptr); }
    Q_DISABLE_COPY_MOVE(BenchDatabase)

    QString Path() const { return m_dir.path() + QStringLiteral("/HOMEDATA.DAT"); }
    QString Photo() const { return m_dir.path() + QStringLiteral("/photo.jpg"); }
    QString Folder() const { return m_dir.path(); }

private:
    void AddRows()
    {
        sqlite3* db = m_session.Handle();
        m_session.BeginTrans();
        sqlite3_exec(db,
                     "INSERT INTO Homes (HomeId, Description) VALUES (1, 'Big House'), (2, 'Photo House');",
                     nullptr, nullptr, nullptr);
        for (int area = 1; area <= 20; ++area) {
            const QByteArray sql = "INSERT INTO Areas (AreaId, HomeId, Description) VALUES (" +
                                   QByteArray::number(area) + ", " + QByteArray::number(area <= 10 ? 1 : 2) +
                                   ", 'Room " + QByteArray::number(area) + "');";
            sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
        }
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(
            db,
            "INSERT INTO Assets (AssetId, HomeId, AreaId, CategoryId, Description, CurrentValue, "
            "ReplacementValue, PurchasePrice, PurchaseDate, WarrantyExpiration, MakeModel, "
            "Vendor, SerialNumber, Phone1, Picture2) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);",
            -1, &insert, nullptr);
        const QByteArray photo = Photo().toUtf8();
        for (int i = 1; i <= kBigHome + kReportHome; ++i) {
            const bool big = i <= kBigHome;
            const QByteArray description = "Asset " + QByteArray::number((i * 7919) % 100003);
            sqlite3_bind_int(insert, 1, i);
            sqlite3_bind_int(insert, 2, big ? 1 : 2);
            sqlite3_bind_int(insert, 3, (big ? 1 : 11) + i % 10);
            sqlite3_bind_int(insert, 4, i % 10 ? 1 + i % 18 : 19);
            sqlite3_bind_text(insert, 5, description.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 6, 7.5 + i % 900);
            sqlite3_bind_double(insert, 7, 1234.5 + i % 900);
            sqlite3_bind_double(insert, 8, 19.99);
            sqlite3_bind_double(insert, 9, 36000.0 + i % 3000);
            sqlite3_bind_double(insert, 10, i % 2 ? 36526.0 : 38000.0);
            sqlite3_bind_text(insert, 11, "Acme 3000", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 12, "Home Store", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 13, "SN-12345", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 14, "555-0100", -1, SQLITE_STATIC);
            if (big) {
                sqlite3_bind_null(insert, 15);
            } else {
                sqlite3_bind_text(insert, 15, photo.constData(), -1, SQLITE_STATIC);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        m_session.CommitTrans();
    }

    QTemporaryDir m_dir;
    CADODataBase m_session;
};

BenchDatabase& TheDatabase()
{
    static BenchDatabase database;
    return database;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_ExportCsv(benchmark::State& state)
{
    BenchDatabase& database = TheDatabase();
    const QString csv = database.Folder() + QStringLiteral("/export.csv");
    const QString query = LoadResString(IDS_EXPORT_QUERY).replace(QLatin1String("%d"), QStringLiteral("1"));
    double exportSeconds = 0.0;
    double cliSeconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!WriteInventoryCsv(csv, 1, QStringLiteral("Big House"), {})) {
            state.SkipWithError("the export failed");
        }
        exportSeconds += Seconds(start);
        state.PauseTiming();
        QProcess cli;
        cli.setStandardOutputFile(database.Folder() + QStringLiteral("/cli.csv"));
        const auto cliStart = std::chrono::steady_clock::now();
        cli.start(QStringLiteral("sqlite3"), {QStringLiteral("-csv"), database.Path(), query});
        if (!cli.waitForFinished(-1) || cli.exitCode() != 0) {
            state.SkipWithError("sqlite3 -csv failed");
        }
        cliSeconds += Seconds(cliStart);
        state.ResumeTiming();
    }
    state.counters["bytes"] = double(QFile(csv).size());
    state.counters["sqlite3_ms"] = 1000.0 * cliSeconds / double(state.iterations());
    state.counters["export_over_sqlite3"] = exportSeconds / cliSeconds;
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_InventoryReport(benchmark::State& state)
{
    TheDatabase();
    CHome home;
    home.SetId(2);
    home.Load();
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        CInventoryReport report(home);
        if (!report.Load() || !report.WritePdf(pdf)) {
            state.SkipWithError("the report failed");
        }
        size = pdf.size();
    }
    state.counters["pdf_MB"] = double(size) / 1e6;
}
BENCHMARK(BM_InventoryReport)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
