#include "data/Formatting.h"

#include "data/DateTimeValue.h"

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
