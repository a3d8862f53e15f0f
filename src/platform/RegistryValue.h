#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One typed registry value. The types keep the numbers the registry has always used, so a hive file
// can carry any type as "hex(n):" even where the program only reads strings, DWORDs and binaries.
struct RegistryValue
{
    enum Type : quint32
    {
        String = 1,
        Binary = 3,
        Dword = 4
    };

    quint32 type = String;
    QString text;      // String
    quint32 dword = 0; // Dword
    QByteArray bytes;  // Binary and every other type, raw; the stored form of a malformed value
    // The stored bytes do not make a value of the type (a DWORD of three bytes). Such a value is kept
    // as it was read, so saving writes it back unchanged, and no typed read accepts it.
    bool malformed = false;

    static RegistryValue FromString(const QString& text)
    {
        RegistryValue value;
        value.text = text;
        return value;
    }
    static RegistryValue FromDword(quint32 number)
    {
        RegistryValue value;
        value.type = Dword;
        value.dword = number;
        return value;
    }
    static RegistryValue FromBytes(const QByteArray& data, quint32 type = Binary)
    {
        RegistryValue value;
        value.type = type;
        value.bytes = data;
        return value;
    }

    static RegistryValue Malformed(const QByteArray& stored, quint32 type)
    {
        RegistryValue value = FromBytes(stored, type);
        value.malformed = true;
        return value;
    }

    bool operator==(const RegistryValue& other) const
    {
        return type == other.type && text == other.text && dword == other.dword && bytes == other.bytes &&
               malformed == other.malformed;
    }
    bool operator!=(const RegistryValue& other) const { return !(*this == other); }
};
