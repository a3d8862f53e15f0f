#include "records/sheets/NumberExchange.h"

#include "data/Formatting.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

void WriteNumber(QLineEdit* edit, float value)
{
    edit->setText(FormatNumber(value, true, true));
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
