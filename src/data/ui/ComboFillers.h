#pragma once

#include <QString>

class QComboBox;

// Combo boxes filled from the database or the string table. Ids go in as item data (Qt::UserRole,
// an int); 0 is the "none" item.

// Empties the combo; adds firstItem (data 0) when it is not empty; then one item per row of the
// query: the text is column 1 (with " (column 2)" when withDetail and column 2 is not empty), the
// data column 0. Selects item 0, then the first item whose data is idToSelect. When the query
// cannot be read the combo keeps only the first item, with nothing selected.
void FillComboFromQuery(QComboBox* combo, long idToSelect, const QString& sql, bool withDetail,
                        const QString& firstItem);

// The categories of one type, by name, after "(optional)" or "Please select...".
void FillCategoryCombo(QComboBox* combo, long idToSelect, int categoryType, bool optional);

// Adds the ";"-separated pieces of a string-table entry in order, then selects the item that matches
// textToSelect as a whole (regardless of case) when that text is not empty.
void FillComboFromString(QComboBox* combo, const QString& textToSelect, int stringId);
