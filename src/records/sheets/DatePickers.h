#pragma once

class DateTimeValue;
class QDateEdit;

// The asset pages' date pickers: the program's "ddd, MMM d, yyyy" format, a calendar to drop down,
// and room for the longest date; by keyboard it starts on the month and Alt+Down or F4 open the calendar.
void ConfigureDatePicker(QDateEdit* picker);
// Shows the date (save false) or takes the picked day back, keeping the time of day (save true).
void ExchangeDate(QDateEdit* picker, DateTimeValue& value, bool save);
