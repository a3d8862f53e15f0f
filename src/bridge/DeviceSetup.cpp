#include "bridge/DeviceSetup.h"

#include "bridge/TableCopy.h"
#include "platform/CRegistryHive.h"
#include "platform/DeviceLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace DeviceSetup {
namespace {

bool Fail(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
    return false;
}

// The handheld's database before anything was entered: the delivered tables with their starting
// categories and id counters, so a desktop that takes it over can still add records.
bool MakeEmptyDatabase(const QString& path)
{
    QFile script(QStringLiteral(":/homedata.sql"));
    if (!script.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray sql = script.readAll();
    QFile::remove(path);
    sqlite3* db = nullptr;
    const bool made = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return made;
}

qint64 RowCount(const QString& path, const QString& table)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    qint64 count = -1;
    const QByteArray sql = "SELECT COUNT(*) FROM \"" + table.toUtf8() + "\";";
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        count = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return count;
}

QString StringValue(const CRegistryHive& hive, const QString& name)
{
    RegistryValue value;
    return hive.GetValue(kKeyPath, name, value) && value.type == RegistryValue::String ? value.text
                                                                                       : QString();
}

bool LoadHive(const QString& folder, CRegistryHive& hive)
{
    return QFileInfo(DeviceHivePath(folder)).isFile() && hive.Load() && hive.HasKey(kKeyPath);
}

} // namespace

bool MakeDevice(const QString& folder, const QString& version, const QString& dbPath, QString* error)
{
    if (!QFileInfo(folder).isDir()) {
        return Fail(error, QStringLiteral("There is no folder ") + folder + QLatin1Char('.'));
    }
    QString database;
    if (!dbPath.isEmpty() && !MapDevicePath(folder, dbPath, database)) {
        return Fail(error, QStringLiteral("The database path leaves the device: ") + dbPath);
    }
    CRegistryHive hive(RegistryRoot::CurrentUser, DeviceHivePath(folder));
    const bool written = QDir(folder).mkpath(DeviceMarkerName()) && hive.CreateKey(kKeyPath) &&
                         (version.isEmpty() || hive.SetValue(kKeyPath, QStringLiteral("CurrentVersion"),
                                                             RegistryValue::FromString(version))) &&
                         (dbPath.isEmpty() || hive.SetValue(kKeyPath, QStringLiteral("DBPath"),
                                                            RegistryValue::FromString(dbPath))) &&
                         hive.Save();
    if (!written) {
        return Fail(error,
                    QStringLiteral("Cannot write the device's registry in ") + folder + QLatin1Char('.'));
    }
    if (!database.isEmpty() &&
        !(QDir().mkpath(QFileInfo(database).absolutePath()) && MakeEmptyDatabase(database))) {
        return Fail(error, QStringLiteral("Cannot make the database ") + database + QLatin1Char('.'));
    }
    return true;
}

bool DescribeDevice(const QString& folder, QString& description, QString* error)
{
    CRegistryHive hive(RegistryRoot::CurrentUser, DeviceHivePath(folder));
    if (!LoadHive(folder, hive)) {
        return Fail(error, folder + QStringLiteral(" is not a device: it has no readable registry."));
    }
    description = QStringLiteral("CurrentVersion: ") + StringValue(hive, QStringLiteral("CurrentVersion")) +
                  QStringLiteral("\nDBPath: ") + StringValue(hive, QStringLiteral("DBPath")) +
                  QLatin1Char('\n');
    QString database;
    if (!DeviceDatabase(folder, database)) {
        description += QStringLiteral("No database.\n");
        return true;
    }
    for (const QString& table : ParseTableList(kTableList)) {
        const qint64 rows = RowCount(database, table);
        description += table + QStringLiteral(": ") +
                       (rows < 0 ? QStringLiteral("missing") : QString::number(rows)) + QLatin1Char('\n');
    }
    return true;
}

bool DeviceDatabase(const QString& folder, QString& localPath)
{
    CRegistryHive hive(RegistryRoot::CurrentUser, DeviceHivePath(folder));
    const QString dbPath = LoadHive(folder, hive) ? StringValue(hive, QStringLiteral("DBPath")) : QString();
    return !dbPath.isEmpty() && MapDevicePath(folder, dbPath, localPath) && QFileInfo(localPath).isFile();
}

} // namespace DeviceSetup
