#include "records/CAsset.h"

#include "data/AppPaths.h"
#include "data/CADORecordset.h"
#include "data/Formatting.h"
#include "records/WarrantyReminder.h"
#include "res/StringIds.h"

#include <QDate>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

CAsset::CAsset() : m_purchaseDate(DateTimeValue::Now())
{
    m_description = QStringLiteral("New Asset");
    ClearWarranty();
}

void CAsset::ClearWarranty()
{
    m_warrantyExpiration = DateTimeValue::FromDate(QDate(kNoWarrantyYear, 1, 1));
}

void CAsset::SetReleaseYear(int year)
{
    m_warrantyExpiration = DateTimeValue::FromDate(QDate(year, 1, 1));
}

bool CAsset::Delete()
{
    if (!IsValid()) {
        return false;
    }
    return ExecuteWithId(QStringLiteral("DELETE FROM Assets WHERE AssetId=%ld;"));
}

QString CAsset::GetSummaryText() const
{
    QString text;
    if (IsVideoTitle()) {
        const QString genre = m_makeModel.isEmpty() ? QStringLiteral("N/A") : m_makeModel;
        text = QStringLiteral("Year: %1; Genre: ").arg(GetReleaseYear()) + genre + kLineBreak;
        return text + m_notes;
    }
    if (!m_makeModel.isEmpty()) {
        text += m_makeModel + kLineBreak;
    }
    if (m_currentValue > 0.0f) {
        text += QStringLiteral("Current value: ") + FormatMoney(m_currentValue) + kLineBreak;
    }
    text += PurchaseLine() + WarrantyLine();
    return text + m_notes;
}

// Without a price the line has no break of its own, so the notes continue on it.
QString CAsset::PurchaseLine() const
{
    QString line = QStringLiteral("Purchased ");
    if (!m_vendor.isEmpty()) {
        line += QStringLiteral("at ") + m_vendor + QLatin1Char(' ');
    }
    if (m_purchasePrice > 0.0f) {
        return line + QStringLiteral("for ") + FormatMoney(m_purchasePrice) + kLineBreak;
    }
    return m_vendor.isEmpty() ? QString() : line;
}

QString CAsset::WarrantyLine() const
{
    if (m_warrantyExpiration.ToDate().year() <= kNoWarrantyYear) {
        return QString();
    }
    const bool expired = m_warrantyExpiration.ToDateTime() < QDateTime::currentDateTime();
    return QStringLiteral("Warranty ") +
           (expired ? QStringLiteral("expired on ") : QStringLiteral("expires on ")) +
           FormatDate(m_warrantyExpiration, false) + WarrantyReminderText() + kLineBreak;
}

// Within the reminder's window the summary says how near the end is.
QString CAsset::WarrantyReminderText() const
{
    const std::optional<long> days = WarrantyDaysLeft(*this, QDate::currentDate());
    if (!days) {
        return QString();
    }
    if (*days >= 0) {
        return *days == 1 ? QStringLiteral(" (ends in 1 day)")
                          : QStringLiteral(" (ends in %1 days)").arg(*days);
    }
    return *days == -1 ? QStringLiteral(" (ended 1 day ago)")
                       : QStringLiteral(" (ended %1 days ago)").arg(-*days);
}

QString CAsset::TableName() const
{
    return QStringLiteral("Assets");
}

QString CAsset::KeyColumn() const
{
    return QStringLiteral("AssetId");
}

QString CAsset::RowQuery() const
{
    return WithId(LoadResString(IDS_ASSET_ROW_QUERY));
}

void CAsset::ReadFields(CADORecordset& row)
{
    row.GetFieldValue(QStringLiteral("HomeId"), m_homeId);
    row.GetFieldValue(QStringLiteral("AreaId"), m_areaId);
    row.GetFieldValue(QStringLiteral("CategoryId"), m_categoryId);
    row.GetFieldValue(QStringLiteral("Description"), m_description);
    row.GetFieldValue(QStringLiteral("PurchasePrice"), m_purchasePrice);
    row.GetFieldValue(QStringLiteral("PurchaseDate"), m_purchaseDate);
    row.GetFieldValue(QStringLiteral("CurrentValue"), m_currentValue);
    row.GetFieldValue(QStringLiteral("ReplacementValue"), m_replacementValue);
    row.GetFieldValue(QStringLiteral("Vendor"), m_vendor);
    row.GetFieldValue(QStringLiteral("Phone1"), m_phone1);
    row.GetFieldValue(QStringLiteral("Phone2"), m_phone2);
    row.GetFieldValue(QStringLiteral("MakeModel"), m_makeModel);
    row.GetFieldValue(QStringLiteral("SerialNumber"), m_serialNumber);
    row.GetFieldValue(QStringLiteral("WarrantyExpiration"), m_warrantyExpiration);
    row.GetFieldValue(QStringLiteral("Picture2"), m_picture);
    row.GetFieldValue(QStringLiteral("Notes"), m_notes);
}

bool CAsset::WriteFields(CADORecordset& row) const
{
    return row.SetFieldValue(QStringLiteral("HomeId"), m_homeId) &&
           row.SetFieldValue(QStringLiteral("AreaId"), m_areaId) &&
           row.SetFieldValue(QStringLiteral("CategoryId"), m_categoryId) &&
           row.SetFieldValue(QStringLiteral("Description"), m_description) &&
           row.SetFieldValue(QStringLiteral("PurchasePrice"), double(m_purchasePrice)) &&
           row.SetFieldValue(QStringLiteral("PurchaseDate"), m_purchaseDate) &&
           row.SetFieldValue(QStringLiteral("CurrentValue"), double(m_currentValue)) &&
           row.SetFieldValue(QStringLiteral("ReplacementValue"), double(m_replacementValue)) &&
           row.SetFieldValue(QStringLiteral("Vendor"), m_vendor) &&
           row.SetFieldValue(QStringLiteral("Phone1"), m_phone1) &&
           row.SetFieldValue(QStringLiteral("Phone2"), m_phone2) &&
           row.SetFieldValue(QStringLiteral("MakeModel"), m_makeModel) &&
           row.SetFieldValue(QStringLiteral("SerialNumber"), m_serialNumber) &&
           row.SetFieldValue(QStringLiteral("WarrantyExpiration"), m_warrantyExpiration) &&
           row.SetFieldValue(QStringLiteral("Picture2"), m_picture) &&
           row.SetFieldValue(QStringLiteral("Notes"), m_notes);
}
