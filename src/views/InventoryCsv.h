#pragma once

#include <QSet>
#include <QString>

// The home's inventory as a comma-separated values file a spreadsheet opens: a title line, an empty
// line, the twelve-column header, one line per asset (every field in double quotes, written as
// stored, nothing escaped), an empty line and "Created by Hearthstead on <today's long date>" in
// quotes with no line end after it. Lines end in CR LF; text is in the locale's encoding, no mark.
//
// Assets of the excluded categories are left out; any other asset is written, so those without a
// category or with a deleted one always are. The file is written beside its final name and renamed
// over it at the end, so a failure never leaves a part of a file where the old one was. Returns
// false (and says why in *error when given) when the file cannot be made or written.
bool WriteInventoryCsv(const QString& path, long homeId, const QString& homeDescription,
                       const QSet<long>& excludedCategories, QString* error = nullptr);
