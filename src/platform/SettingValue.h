#pragma once

#include "platform/CRegistryKey.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <type_traits>

// One value under a settings key: its name, its type (quint32 for a DWORD, QString for a string,
// QByteArray for a binary) and the default that stands for it while it is missing. The forms
// without a key use the program's settings key (AppSettings); without one, reads give the default
// and writes are lost.
template <typename T> class SettingValue final
{
    static_assert(std::is_same_v<T, quint32> || std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>,
                  "a setting is a DWORD, a string or a binary");

public:
    SettingValue(const QString& name, const T& defaultValue) : m_name(name), m_default(defaultValue) {}

    QString Name() const { return m_name; }
    T Default() const { return m_default; }

    // False, leaving the value alone, when it is missing, of another type or malformed.
    bool Read(const CRegistryKey& key, T& value) const
    {
        if constexpr (std::is_same_v<T, quint32>)
            return key.GetDword(m_name, value);
        else if constexpr (std::is_same_v<T, QString>)
            return key.GetString(m_name, value);
        else
            return key.GetBinary(m_name, value);
    }
    T Get(const CRegistryKey& key) const
    {
        T value = m_default;
        Read(key, value);
        return value;
    }
    bool Set(CRegistryKey& key, const T& value) const
    {
        if constexpr (std::is_same_v<T, quint32>)
            return key.SetDword(m_name, value);
        else if constexpr (std::is_same_v<T, QString>)
            return key.SetString(m_name, value);
        else
            return key.SetBinary(m_name, value);
    }

    bool Read(T& value) const { return AppSettings() && Read(*AppSettings(), value); }
    T Get() const { return AppSettings() ? Get(*AppSettings()) : m_default; }
    bool Set(const T& value) const { return AppSettings() && Set(*AppSettings(), value); }

private:
    QString m_name;
    T m_default;
};
