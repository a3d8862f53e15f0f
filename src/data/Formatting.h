#pragma once

#include <QString>

struct DateTimeValue;

// Money, numbers, dates and loan terms as text in the user's locale. The C and POSIX locales
// format as United States English, so money always shows a currency symbol.

// The value printed with two decimals, then in the locale's currency format.
QString FormatMoney(float value);
// With decimals and above zero: two decimals; otherwise the whole number (truncated toward zero).
// Plain: that printed text as it is. Otherwise in the locale's number format, without decimals when
// they were not asked for; "" when that text would be longer than 19 characters.
QString FormatNumber(float value, bool withDecimals, bool plain);
// The locale's long or short date; "" for a date that is not valid.
QString FormatDate(const DateTimeValue& date, bool longForm);
