#include "exchange/DataFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSet>

#include <sqlite3.h>

namespace {

struct TableLayout
{
    const char* table;
    const char* columns; // separated by blanks
};

// Every column the program uses, table by table.
constexpr TableLayout kProgramLayout[] = {
    {"Homes", "HomeId Description Address CurrentValue Picture2 Notes"},
    {"Areas",
     "AreaId HomeId Description Length Width Height Color1 Color2 Color3 Label1 Label2 Label3 Notes"},
    {"Assets",
     "AssetId HomeId AreaId CategoryId Description PurchasePrice PurchaseDate CurrentValue "
     "ReplacementValue Vendor Phone1 Phone2 MakeModel SerialNumber WarrantyExpiration Picture2 Notes"},
    {"Categories", "CategoryId Description CategoryType"},
    {"Loans", "LoanId AssetId AssetType Description Principal InterestRate TermInMonths StartDate LenderName "
              "LenderAcctNo LenderPhone Notes"},
    {"Tasks", "TaskId TaskType Status Description Cost Vendor Custom1 Custom2 Custom3 Notes"},
    {"TableIds", "TableName NextId"},
};

// Closes the read-only connection however the check ends.
class CReadOnlyFile final
{
public:
    explicit CReadOnlyFile(const QString& path)
    {
        const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
        if (sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~CReadOnlyFile() { sqlite3_close(m_db); }
    Q_DISABLE_COPY_MOVE(CReadOnlyFile)

    // The first column of every row, lower-cased; false when the query fails.
    bool Column(const char* sql, const QString& parameter, QSet<QString>& values) const
    {
        sqlite3_stmt* statement = nullptr;
        if (!m_db || sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            return false;
        }
        const QByteArray bound = parameter.toUtf8();
        if (!parameter.isEmpty()) {
            sqlite3_bind_text(statement, 1, bound.constData(), int(bound.size()), SQLITE_STATIC);
        }
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            values.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)))
                              .toLower());
        }
        sqlite3_finalize(statement);
        return rc == SQLITE_DONE;
    }

private:
    sqlite3* m_db = nullptr;
};

QString MissingPart(const CReadOnlyFile& file, const QSet<QString>& tables)
{
    for (const TableLayout& layout : kProgramLayout) {
        const QString table = QString::fromLatin1(layout.table);
        if (!tables.contains(table.toLower())) {
            return QObject::tr("It has no %1 table.").arg(table);
        }
        QSet<QString> columns;
        file.Column("SELECT name FROM pragma_table_info(?1);", table, columns);
        for (const QString& column : QString::fromLatin1(layout.columns).split(QLatin1Char(' '))) {
            if (!columns.contains(column.toLower())) {
                return QObject::tr("Its %1 table has no %2 column; it may come from an older version of "
                                   "the program.")
                    .arg(table, column);
            }
        }
    }
    return QString();
}

} // namespace

QString CheckDataFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return QObject::tr("The file cannot be found.");
    }
    if (info.size() == 0) {
        return QObject::tr("The file is empty.");
    }
    const CReadOnlyFile file(path);
    QSet<QString> tables;
    if (!file.Column("SELECT name FROM sqlite_master WHERE type='table';", QString(), tables)) {
        return QObject::tr("It is not a database.");
    }
    const QString missing = MissingPart(file, tables);
    if (!missing.isEmpty()) {
        return missing;
    }
    QSet<QString> health;
    if (!file.Column("PRAGMA quick_check;", QString(), health) ||
        health != QSet<QString>{QStringLiteral("ok")}) {
        return QObject::tr("It is damaged.");
    }
    return QString();
}
