#pragma once

class QLineEdit;

// Numbers in the sheets' edits are written and read in the user's locale: plain (no grouping) with
// the locale's decimal separator, so en_US and the C locale see exactly the printed texts.

// Money: two decimals above 0, the whole number otherwise.
void WriteNumber(QLineEdit* edit, float value);
// Rates and values that keep every digit they have: the shortest text that reads back as the same
// number (3.875 as "3.875", 6 as "6"), so a sheet closed untouched stores what it showed.
void WritePlainNumber(QLineEdit* edit, float value);
// Reads the edit in the user's locale, grouping accepted; empty is 0. Text that is not a number
// there is refused, never misread: "<field> must be a number, for example 6.5" (the field named by
// its buddy label; "Please enter a number." when it has none), the focus back on the edit and
// `value` unchanged.
bool ReadNumber(QLineEdit* edit, float& value);
// WriteNumber when save is false, ReadNumber when it is true.
bool ExchangeNumber(QLineEdit* edit, float& value, bool save);
