#pragma once

class QLineEdit;

// Money in the sheets' edits: written plain, with two decimals above 0, and read back in
// the C locale, so the text reads back the same whatever the user's locale.
void WriteNumber(QLineEdit* edit, float value);
// Rates and values that keep every digit they have: the shortest text that reads back as the same
// number (3.875 as "3.875", 6 as "6"), so a sheet closed untouched stores what it showed.
void WritePlainNumber(QLineEdit* edit, float value);
// Refuses text that is not a number with "Please enter a number." and puts the focus back on the
// edit; `value` is left unchanged then.
bool ReadNumber(QLineEdit* edit, float& value);
// WriteNumber when save is false, ReadNumber when it is true.
bool ExchangeNumber(QLineEdit* edit, float& value, bool save);
