#include "data/Formatting.h"

#include "data/DateTimeValue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qsizetype longestNumberText = 19;

QLocale UserLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

long WholePart(float value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = static_cast<double>(std::numeric_limits<qint32>::max());
    return static_cast<long>(std::trunc(std::clamp(static_cast<double>(value), -limit - 1.0, limit)));
}

// The leading whole number of a text, as a C program reads one: blanks, a sign, then digits.
int LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 number = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).digitValue() >= 0; ++i)
        number = std::min<qint64>(number * 10 + text.at(i).digitValue(), std::numeric_limits<int>::max());
    return static_cast<int>(negative ? -number : number);
}

} // namespace

QString FormatMoney(float value)
{
    const QString printed = QString::asprintf("%4.2f", static_cast<double>(value));
    return UserLocale().toCurrencyString(printed.toDouble());
}

QString FormatNumber(float value, bool withDecimals, bool plain)
{
    const QString printed = withDecimals && value > 0 ? QString::asprintf("%4.2f", static_cast<double>(value))
                                                      : QString::number(WholePart(value));
    if (plain)
        return printed;
    const QLocale locale = UserLocale();
    QString text = locale.toString(printed.toDouble(), 'f', 2);
    if (text.size() > longestNumberText)
        return QString();
    if (!withDecimals) {
        const qsizetype separator = text.lastIndexOf(locale.decimalPoint());
        if (separator >= 0)
            text.truncate(separator);
    }
    return text;
}

QString FormatDate(const DateTimeValue& date, bool longForm)
{
    if (!date.IsValid())
        return QString();
    return UserLocale().toString(date.ToDate(), longForm ? QLocale::LongFormat : QLocale::ShortFormat);
}

void SetTermText(int months, QLineEdit* edit, QComboBox* unit)
{
    const bool inYears = months % 12 == 0;
    if (edit)
        edit->setText(QString::number(inYears ? months / 12 : months));
    if (unit)
        unit->setCurrentIndex(inYears ? 1 : 0);
}

int GetTermMonths(const QLineEdit* edit, const QComboBox* unit)
{
    const qint64 number = edit ? LeadingNumber(edit->text()) : 0;
    const bool inMonths = unit && unit->currentIndex() == 0;
    return static_cast<int>(std::clamp<qint64>(
        inMonths ? number : number * 12, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
