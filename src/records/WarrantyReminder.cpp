#include "records/WarrantyReminder.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "records/CAsset.h"

namespace {
constexpr long kDaysAhead = 60;
constexpr long kDaysAfter = 30;
} // namespace

std::optional<long> WarrantyDaysLeft(const CAsset& asset, const QDate& today)
{
    if (asset.IsVideoTitle() || !asset.HasWarranty()) {
        return std::nullopt;
    }
    const long days = long(today.daysTo(asset.GetWarrantyExpiration().ToDate()));
    if (days < -kDaysAfter || days > kDaysAhead) {
        return std::nullopt;
    }
    return days;
}

QString WarrantyWindowCondition(const QDate& today)
{
    // Stored dates are days since day zero, the time of day the fraction: the window runs from the
    // first moment of its first day to the last moment of its last day.
    const double first = DateTimeValue::FromDate(today.addDays(-kDaysAfter)).m_dt;
    const double after = DateTimeValue::FromDate(today.addDays(kDaysAhead + 1)).m_dt;
    return QStringLiteral("AND CategoryId<>%1 AND WarrantyExpiration>=%2 AND WarrantyExpiration<%3 ")
        .arg(CAsset::kVideoCategory)
        .arg(first, 0, 'f', 0)
        .arg(after, 0, 'f', 0);
}

long CountWarrantiesEndingSoon(long homeId, const QDate& today)
{
    CADORecordset rows(AppDatabase());
    long count = 0;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM Assets WHERE HomeId=%1 ").arg(homeId) +
                        WarrantyWindowCondition(today) + QLatin1Char(';');
    if (!rows.Open(sql) || rows.IsEof() || !rows.GetFieldValue(0, count)) {
        return 0;
    }
    return count;
}
