#include "controls/CAutoListComparer.h"

#include "controls/AutoListTypes.h"
#include "data/DateTimeValue.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <numeric>

namespace {

// UTF-16 units reordered so that comparing them gives code point (and so UTF-8 byte) order:
// surrogates sort above the rest of the basic plane.
int CodePointRank(char16_t unit)
{
    if (unit >= 0xD800 && unit < 0xE000)
        return unit + 0x2000;
    if (unit >= 0xE000)
        return unit - 0x800;
    return unit;
}

int Sign(qint64 value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

qint64 DaysBeforeZero()
{
    return DateTimeValue::DayZero().toJulianDay();
}

// Where a two-digit year is read, 30 to 99 are the 1900s and 00 to 29 the 2000s.
QDate WithCentury(const QDate& date, const QString& pattern)
{
    const bool twoDigitYear =
        pattern.contains(QLatin1String("yy")) && !pattern.contains(QLatin1String("yyyy"));
    return twoDigitYear && date.year() < 1930 ? date.addYears(100) : date;
}

} // namespace

CAutoListComparer::CAutoListComparer(int column, int type, bool ascending)
    : m_column(column), m_type(type), m_ascending(ascending)
{
}

int CAutoListComparer::Compare(const CAutoListRow& row1, const CAutoListRow& row2) const
{
    return CompareKeys(MakeKey(row1), MakeKey(row2));
}

std::vector<int> CAutoListComparer::Order(const std::vector<CAutoListRow>& rows) const
{
    const size_t count = rows.size();
    std::vector<Key> keys;
    keys.reserve(count);
    for (const CAutoListRow& row : rows)
        keys.push_back(MakeKey(row));

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    // A row moves ahead of an earlier one only when that one compares after it, so number columns,
    // which never tie, keep equal numbers in their old order too.
    std::stable_sort(order.begin(), order.end(), [this, &keys](int later, int earlier) {
        return CompareKeys(keys[size_t(earlier)], keys[size_t(later)]) > 0;
    });
    return order;
}

CAutoListComparer::Key CAutoListComparer::MakeKey(const CAutoListRow& row) const
{
    Key key;
    key.text = row.Cell(m_column);
    key.first = row.Cell(0);
    switch (m_type) {
    case LIST_COLUMN_NUMBER:
        key.number = LeadingNumber(key.text);
        break;
    case LIST_COLUMN_SIZE:
        key.whole = SizeValue(key.text);
        break;
    case LIST_COLUMN_DATE:
        key.whole = DayNumber(key.text);
        break;
    default:
        break;
    }
    return key;
}

int CAutoListComparer::CompareKeys(const Key& key1, const Key& key2) const
{
    int result = 0;
    switch (m_type) {
    case LIST_COLUMN_NUMBER:
        // The first number is narrowed to a float, the second is not; equal numbers put the
        // first row first, so number columns never tie.
        result = key2.number <= double(float(key1.number)) ? -1 : 1;
        break;
    case LIST_COLUMN_SIZE:
        result = Sign(key2.whole - key1.whole);
        break;
    case LIST_COLUMN_DATE:
        result = Sign(key1.whole - key2.whole);
        break;
    default:
        result = CompareText(key1.text, key2.text);
        break;
    }
    if (!m_ascending)
        result = -result;
    if (result == 0 && m_column != 0) {
        result = CompareText(key1.first, key2.first);
        if (!m_ascending)
            result = -result;
    }
    return result;
}

int CAutoListComparer::CompareText(const QString& text1, const QString& text2)
{
    const qsizetype length = qMin(text1.size(), text2.size());
    const QChar* units1 = text1.constData();
    const QChar* units2 = text2.constData();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit1 = units1[i].unicode();
        const char16_t unit2 = units2[i].unicode();
        if (unit1 != unit2)
            return CodePointRank(unit1) < CodePointRank(unit2) ? -1 : 1;
    }
    return Sign(qint64(text1.size()) - qint64(text2.size()));
}

// The number a text starts with, read as the C library reads one: blanks, a sign, digits, a
// decimal point and an exponent, in the C locale; 0 when it starts with none.
double CAutoListComparer::LeadingNumber(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto parsed = std::from_chars(begin, end, value);
    return parsed.ec == std::errc() ? value : 0.0;
}

// A size: its leading whole number, times 1024 after a final "K", times 1,024,000 after a final "M".
qint64 CAutoListComparer::SizeValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9' && value < (qint64(1) << 40); ++i)
        value = value * 10 + (text.at(i).unicode() - u'0');
    if (negative)
        value = -value;
    if (text.endsWith(u'K'))
        return value * 1024;
    if (text.endsWith(u'M'))
        return value * 1024000;
    return value;
}

// Days from 30 December 1899 of a date in the user's short or long form; 0 when it is neither.
qint64 CAutoListComparer::DayNumber(const QString& text)
{
    const QLocale locale;
    const QString shortForm = locale.dateFormat(QLocale::ShortFormat);
    QString fullYearForm = shortForm;
    if (!shortForm.contains(QLatin1String("yyyy")))
        fullYearForm.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QString trimmed = text.trimmed();
    for (const QString& pattern : {shortForm, fullYearForm, locale.dateFormat(QLocale::LongFormat)}) {
        const QDate date = locale.toDate(trimmed, pattern);
        if (date.isValid())
            return WithCentury(date, pattern).toJulianDay() - DaysBeforeZero();
    }
    return 0;
}
