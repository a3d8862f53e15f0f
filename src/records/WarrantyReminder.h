#pragma once

#include <QDate>
#include <QString>

#include <optional>

class CAsset;

// A warranty is worth a reminder from 60 days before it ends until 30 days after. Assets without a
// warranty (the year 2000) and video titles, whose warranty field holds the release year, never are.

// Days from today to the end of the asset's warranty (negative once it ended), when it is within
// the reminder's window; nothing otherwise.
std::optional<long> WarrantyDaysLeft(const CAsset& asset, const QDate& today);
// The condition on Assets rows that picks the same window, to follow "WHERE HomeId=n ".
QString WarrantyWindowCondition(const QDate& today);
// The home's assets whose warranty is within the window; 0 when they cannot be counted.
long CountWarrantiesEndingSoon(long homeId, const QDate& today);
