#include "views/InventoryCsv.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "records/CAsset.h"
#include "res/StringIds.h"

#include <QDate>
#include <QSaveFile>
#include <QStringList>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString Quoted(const QStringList& fields)
{
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QLatin1Char('"');
}

QString Text(CADORecordset& row, const QString& name)
{
    QString value;
    row.GetFieldValue(name, value);
    return value;
}

QString Money(CADORecordset& row, const QString& name)
{
    float value = 0.0f;
    row.GetFieldValue(name, value);
    return FormatMoney(value);
}

DateTimeValue Date(CADORecordset& row, const QString& name)
{
    DateTimeValue value(0.0, DateTimeValue::null);
    row.GetFieldValue(name, value);
    return value;
}

QString AssetLine(CADORecordset& row, long categoryId)
{
    const bool video = categoryId == CAsset::kVideoCategory;
    const DateTimeValue warranty = Date(row, QStringLiteral("WarrantyExpiration"));
    const bool noWarranty = video || warranty.ToDate().year() == CAsset::kNoWarrantyYear;
    const auto unlessVideo = [&](const QString& name) { return video ? QString() : Text(row, name); };
    return Quoted({Text(row, QStringLiteral("Category")), Text(row, QStringLiteral("Description")),
                   Money(row, QStringLiteral("CurrentValue")), Money(row, QStringLiteral("PurchasePrice")),
                   FormatDate(Date(row, QStringLiteral("PurchaseDate")), false),
                   Text(row, QStringLiteral("MakeModel")), unlessVideo(QStringLiteral("Vendor")),
                   unlessVideo(QStringLiteral("Location")), Money(row, QStringLiteral("ReplacementValue")),
                   noWarranty ? QString() : FormatDate(warranty, false),
                   unlessVideo(QStringLiteral("SerialNumber")), unlessVideo(QStringLiteral("Phone1"))}) +
           kLineEnd;
}

bool Write(QSaveFile& file, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return file.write(bytes) == bytes.size();
}

bool Fail(const QSaveFile& file, QString* error)
{
    if (error) {
        *error = file.errorString();
    }
    return false;
}

} // namespace

bool WriteInventoryCsv(const QString& path, long homeId, const QString& homeDescription,
                       const QSet<long>& excludedCategories, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail(file, error);
    }
    bool written = Write(file, QStringLiteral("\"Home Inventory Report for ") + homeDescription +
                                   QLatin1Char('"') + kLineEnd + kLineEnd);
    written = written &&
              Write(file, Quoted({QStringLiteral("Category"), QStringLiteral("Asset"),
                                  QStringLiteral("Current Value"), QStringLiteral("Purchase Price"),
                                  QStringLiteral("Purchase Date"), QStringLiteral("Make/Model"),
                                  QStringLiteral("Dealer/Store"), QStringLiteral("Location"),
                                  QStringLiteral("Replacement Value"), QStringLiteral("Warranty Expires"),
                                  QStringLiteral("Serial #"), QStringLiteral("Phone #")}) +
                              kLineEnd);
    CADORecordset rows(AppDatabase());
    if (written &&
        rows.Open(LoadResString(IDS_EXPORT_QUERY).replace(QLatin1String("%d"), QString::number(homeId)))) {
        for (; written && !rows.IsEof(); rows.MoveNext()) {
            long categoryId = 0;
            rows.GetFieldValue(QStringLiteral("CategoryId"), categoryId);
            if (!excludedCategories.contains(categoryId)) {
                written = Write(file, AssetLine(rows, categoryId));
            }
        }
        rows.Close();
    }
    written = written && Write(file, kLineEnd + QStringLiteral("\"Created by Hearthstead on ") +
                                         FormatDate(DateTimeValue::FromDate(QDate::currentDate()), true) +
                                         QLatin1Char('"'));
    if (!written) {
        file.cancelWriting();
        return Fail(file, error);
    }
    return file.commit() || Fail(file, error);
}
