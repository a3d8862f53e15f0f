#include "views/InventoryCsv.h"

#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "records/CAsset.h"
#include "res/StringIds.h"

#include <QDate>
#include <QHash>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <limits>

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

DateTimeValue Date(CADORecordset& row, const QString& name)
{
    DateTimeValue value(0.0, DateTimeValue::null);
    row.GetFieldValue(name, value);
    return value;
}

// Formatting in the user's locale costs far more than reading a field, and an inventory repeats its
// prices and dates, so each text is made once per file.
class CFormatCache final
{
public:
    const QString& Money(CADORecordset& row, const QString& name)
    {
        float value = 0.0f;
        row.GetFieldValue(name, value);
        auto found = m_money.constFind(value);
        if (found == m_money.cend() || std::isnan(value)) {
            found = m_money.insert(value, FormatMoney(value));
        }
        return *found;
    }
    const QString& ShortDate(const DateTimeValue& date)
    {
        const qint64 day = date.IsValid() ? date.ToDate().toJulianDay() : std::numeric_limits<qint64>::min();
        auto found = m_dates.constFind(day);
        if (found == m_dates.cend()) {
            found = m_dates.insert(day, FormatDate(date, false));
        }
        return *found;
    }

private:
    QHash<float, QString> m_money;
    QHash<qint64, QString> m_dates;
};

QString AssetLine(CADORecordset& row, long categoryId, CFormatCache& format)
{
    const bool video = categoryId == CAsset::kVideoCategory;
    const DateTimeValue warranty = Date(row, QStringLiteral("WarrantyExpiration"));
    const bool noWarranty = video || warranty.ToDate().year() == CAsset::kNoWarrantyYear;
    const auto unlessVideo = [&](const QString& name) { return video ? QString() : Text(row, name); };
    return Quoted({Text(row, QStringLiteral("Category")), Text(row, QStringLiteral("Description")),
                   format.Money(row, QStringLiteral("CurrentValue")),
                   format.Money(row, QStringLiteral("PurchasePrice")),
                   format.ShortDate(Date(row, QStringLiteral("PurchaseDate"))),
                   Text(row, QStringLiteral("MakeModel")), unlessVideo(QStringLiteral("Vendor")),
                   unlessVideo(QStringLiteral("Location")),
                   format.Money(row, QStringLiteral("ReplacementValue")),
                   noWarranty ? QString() : format.ShortDate(warranty),
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
    CFormatCache format;
    if (written &&
        rows.Open(LoadResString(IDS_EXPORT_QUERY).replace(QLatin1String("%d"), QString::number(homeId)))) {
        for (; written && !rows.IsEof(); rows.MoveNext()) {
            long categoryId = 0;
            rows.GetFieldValue(QStringLiteral("CategoryId"), categoryId);
            if (!excludedCategories.contains(categoryId)) {
                written = Write(file, AssetLine(rows, categoryId, format));
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
