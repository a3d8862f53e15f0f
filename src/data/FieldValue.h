#pragma once

#include "data/DateTimeValue.h"

#include <QByteArray>
#include <QString>

// The type tag each field value carries, named as the program's database provider tagged them.
enum class FieldValueKind
{
    Empty,
    Null,
    Short,
    Long,
    Single,
    Double,
    Currency,
    Date,
    Text,
    Boolean,
    Decimal,
    Byte
};

// The kind a declared column type gives its values, in the type names of the program's data file
// ("LONG", "SHORT", "DOUBLE", "DATETIME", "TEXT", "MEMO" and their usual synonyms). Empty when the
// type is absent or unknown (expressions): then the stored value decides.
FieldValueKind KindOfDeclaredType(const char* declaredType);

// True when SQLite keeps text bound to a column of this declared type as it is. Other declared
// types (MEMO among them) turn numeric-looking text such as "007" into numbers.
bool KeepsTextAsIs(const char* declaredType);

// A double truncated toward zero and held within 64 bits; NaN gives 0.
qint64 TruncatedToInteger(double value);

// One field of the current row, with the conversions the recordset's getters make.
struct FieldValue
{
    FieldValueKind m_kind = FieldValueKind::Empty;
    qint64 m_integer = 0; // Short, Long, Byte; Boolean as -1 (true) or 0
    double m_real = 0.0;  // Single (already narrowed), Double, Currency, Date, Decimal
    QByteArray m_text;    // Text, UTF-8

    bool ToLong(long& out) const;
    bool ToShort(int& out) const;
    bool ToDouble(double& out) const;
    bool ToText(QString& out) const;
    bool ToDate(DateTimeValue& out) const;
};
