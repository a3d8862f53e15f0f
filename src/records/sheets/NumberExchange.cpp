#include "records/sheets/NumberExchange.h"

#include "data/Formatting.h"
#include "platform/CPrompt.h"

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
        ShowMessage(edit->window(), QStringLiteral("Please enter a number."), QStringLiteral("Hearthstead"),
                    MessageIcon::Information);
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
