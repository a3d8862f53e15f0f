#include "records/sheets/NumberExchange.h"

#include "data/Formatting.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <iterator>

void WriteNumber(QLineEdit* edit, float value)
{
    edit->setText(FormatNumber(value, true, true));
}

void WritePlainNumber(QLineEdit* edit, float value)
{
    // Fixed notation, never an exponent: the largest float needs 39 digits before the point.
    char text[64] = {};
    const auto written = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    edit->setText(QString::fromLatin1(text, written.ptr - text));
}

bool ReadNumber(QLineEdit* edit, float& value)
{
    bool ok = false;
    const float number = QLocale::c().toFloat(edit->text().trimmed(), &ok);
    if (!ok || !std::isfinite(number)) {
        ShowMessage(edit->window(), QCoreApplication::translate("NumberExchange", "Please enter a number."),
                    AppName(), MessageIcon::Information);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    value = number;
    return true;
}

bool ExchangeNumber(QLineEdit* edit, float& value, bool save)
{
    if (save) {
        return ReadNumber(edit, value);
    }
    WriteNumber(edit, value);
    return true;
}
