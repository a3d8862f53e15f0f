#include "data/ui/TermText.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace {

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
