#include "data/FieldValue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

struct DeclaredType
{
    const char* name;
    FieldValueKind kind;
};

// The data file's own names first, then the synonyms the same engine family accepts.
constexpr DeclaredType declaredTypes[] = {
    {"LONG", FieldValueKind::Long},         {"SHORT", FieldValueKind::Short},
    {"DOUBLE", FieldValueKind::Double},     {"DATETIME", FieldValueKind::Date},
    {"TEXT", FieldValueKind::Text},         {"MEMO", FieldValueKind::Text},
    {"INTEGER", FieldValueKind::Long},      {"INT", FieldValueKind::Long},
    {"COUNTER", FieldValueKind::Long},      {"SMALLINT", FieldValueKind::Short},
    {"BYTE", FieldValueKind::Byte},         {"BIT", FieldValueKind::Boolean},
    {"YESNO", FieldValueKind::Boolean},     {"LOGICAL", FieldValueKind::Boolean},
    {"BOOLEAN", FieldValueKind::Boolean},   {"SINGLE", FieldValueKind::Single},
    {"REAL", FieldValueKind::Single},       {"FLOAT", FieldValueKind::Double},
    {"CURRENCY", FieldValueKind::Currency}, {"MONEY", FieldValueKind::Currency},
    {"DATE", FieldValueKind::Date},         {"TIME", FieldValueKind::Date},
    {"DECIMAL", FieldValueKind::Decimal},   {"NUMERIC", FieldValueKind::Decimal},
    {"CHAR", FieldValueKind::Text},         {"VARCHAR", FieldValueKind::Text},
    {"LONGTEXT", FieldValueKind::Text},
};

// A decimal keeps a 96-bit mantissa and a scale; the value read as a double is its low 32 mantissa
// bits over ten to the scale, with the sign applied.
double DecimalAsDouble(double value)
{
    double magnitude = std::fabs(value);
    int scale = 0;
    while (scale < 15 && magnitude != std::floor(magnitude) && magnitude < 1e15) {
        magnitude *= 10.0;
        ++scale;
    }
    const double low32 = std::fmod(std::round(magnitude), 4294967296.0);
    const double result = low32 / std::pow(10.0, scale);
    return value < 0 ? -result : result;
}

// The runtime's general format with 10 significant digits, whose decimal point is always present
// ("100." for a whole hundred, "1.e+20" for large magnitudes).
QString GeneralText(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 10).ptr;
    QByteArray text(buffer, static_cast<int>(end - buffer));
    if (std::isfinite(value) && !text.contains('.')) {
        const int exponent = text.indexOf('e');
        text.insert(exponent < 0 ? text.size() : exponent, '.');
    }
    return QString::fromLatin1(text);
}

} // namespace

qint64 TruncatedToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    return static_cast<qint64>(std::trunc(std::clamp(value, -limit, limit)));
}

FieldValueKind KindOfDeclaredType(const char* declaredType)
{
    if (!declaredType)
        return FieldValueKind::Empty;
    // The first word decides, so "TEXT(50)" and "DOUBLE PRECISION" keep their kinds.
    QByteArray word;
    for (const char* c = declaredType; *c && std::isalnum(static_cast<unsigned char>(*c)); ++c)
        word.append(static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
    for (const DeclaredType& type : declaredTypes) {
        if (word == type.name)
            return type.kind;
    }
    return FieldValueKind::Empty;
}

bool KeepsTextAsIs(const char* declaredType)
{
    if (!declaredType)
        return true;
    const QByteArray type = QByteArray(declaredType).toUpper();
    return !type.contains("INT") && (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"));
}

bool FieldValue::ToLong(long& out) const
{
    switch (m_kind) {
    case FieldValueKind::Empty:
    case FieldValueKind::Null:
        out = 0;
        return true;
    case FieldValueKind::Short:
    case FieldValueKind::Long:
    case FieldValueKind::Byte:
    case FieldValueKind::Boolean:
        out = static_cast<long>(m_integer);
        return true;
    case FieldValueKind::Text:
        out = 0;
        return false;
    default: {
        double value = 0.0;
        ToDouble(value);
        const qint64 whole = TruncatedToInteger(value);
        out = static_cast<long>(std::clamp<qint64>(whole, std::numeric_limits<qint32>::min(),
                                                   std::numeric_limits<qint32>::max()));
        return true;
    }
    }
}

bool FieldValue::ToShort(int& out) const
{
    switch (m_kind) {
    case FieldValueKind::Empty:
    case FieldValueKind::Null:
        out = 0;
        return true;
    case FieldValueKind::Short:
    case FieldValueKind::Byte:
    case FieldValueKind::Boolean:
        out = static_cast<int>(m_integer);
        return true;
    default:
        out = 0;
        return false;
    }
}

bool FieldValue::ToDouble(double& out) const
{
    switch (m_kind) {
    case FieldValueKind::Empty:
    case FieldValueKind::Null:
        out = 0.0;
        return true;
    case FieldValueKind::Short:
    case FieldValueKind::Long:
    case FieldValueKind::Byte:
    case FieldValueKind::Boolean:
        out = static_cast<double>(m_integer);
        return true;
    case FieldValueKind::Single:
    case FieldValueKind::Double:
    case FieldValueKind::Currency:
    case FieldValueKind::Date:
        out = m_real;
        return true;
    case FieldValueKind::Decimal:
        out = DecimalAsDouble(m_real);
        return true;
    case FieldValueKind::Text:
        break;
    }
    out = 0.0;
    return false;
}

bool FieldValue::ToText(QString& out) const
{
    switch (m_kind) {
    case FieldValueKind::Empty:
    case FieldValueKind::Null:
        out.clear();
        return true;
    case FieldValueKind::Short:
    case FieldValueKind::Long:
    case FieldValueKind::Byte:
        out = QString::number(m_integer);
        return true;
    case FieldValueKind::Single:
    case FieldValueKind::Double:
        out = GeneralText(m_real);
        return true;
    case FieldValueKind::Date:
        out = DateTimeValue(m_real).ToDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return true;
    case FieldValueKind::Text:
        out = QString::fromUtf8(m_text);
        return true;
    default:
        out.clear();
        return false;
    }
}

bool FieldValue::ToDate(DateTimeValue& out) const
{
    switch (m_kind) {
    case FieldValueKind::Empty:
    case FieldValueKind::Null:
        return true;
    case FieldValueKind::Date:
        out = DateTimeValue(m_real, DateTimeValue::valid);
        return true;
    default:
        return false;
    }
}
