#include "records/sheets/NumberExchange.h"

#include "data/Formatting.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <iterator>

namespace {

QLocale NumberLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

// The printed C text with the user's decimal separator.
QString Localized(const QString& printed)
{
    QString text = printed;
    return text.replace(QLatin1Char('.'), NumberLocale().decimalPoint());
}

// The field's name as its buddy label shows it, without the mnemonic and the colon.
QString FieldName(const QLineEdit* edit)
{
    const QList<QLabel*> labels = edit->window()->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy() == edit) {
            QString name = label->text().remove(QLatin1Char('&')).trimmed();
            return name.endsWith(QLatin1Char(':')) ? name.chopped(1) : name;
        }
    }
    return QString();
}

QString RefusalText(const QLineEdit* edit)
{
    const QString field = FieldName(edit);
    if (field.isEmpty())
        return QCoreApplication::translate("NumberExchange", "Please enter a number.");
    return QCoreApplication::translate("NumberExchange", "%1 must be a number, for example %2")
        .arg(field, NumberLocale().toString(6.5));
}

} // namespace

void WriteNumber(QLineEdit* edit, float value)
{
    edit->setText(Localized(FormatNumber(value, true, true)));
}

void WritePlainNumber(QLineEdit* edit, float value)
{
    // Fixed notation, never an exponent: the largest float needs 39 digits before the point.
    char text[64] = {};
    const auto written = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    edit->setText(Localized(QString::fromLatin1(text, written.ptr - text)));
}

bool ReadNumber(QLineEdit* edit, float& value)
{
    const QString text = edit->text().trimmed();
    bool ok = text.isEmpty();
    const float number = ok ? 0.0f : NumberLocale().toFloat(text, &ok);
    if (!ok || !std::isfinite(number)) {
        ShowMessage(edit->window(), RefusalText(edit), AppName(), MessageIcon::Information);
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
