#pragma once

class QComboBox;
class QLineEdit;

// Loan terms in an edit and a unit combo (item 0 "Months", item 1 "Years").

// A whole number of years (unit item 1, "Years") when months is a multiple of 12, else months
// (unit item 0, "Months").
void SetTermText(int months, QLineEdit* edit, QComboBox* unit);
// The leading whole number of the edit, times 12 unless the unit's selection is item 0.
int GetTermMonths(const QLineEdit* edit, const QComboBox* unit);
