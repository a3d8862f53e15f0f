#include "platform/CRegistryHive.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QLatin1String kHeader("Windows Registry Editor Version 5.00");
// Long binary values wrap as the registry editor wraps them: lines of at most 80 characters.
constexpr int kMaxLine = 77;

bool HasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20)
            return true;
    }
    return false;
}

bool IsHexDigits(const QString& text)
{
    for (const QChar c : text) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c >= QLatin1Char('a') && c <= QLatin1Char('f')) &&
            !(c >= QLatin1Char('A') && c <= QLatin1Char('F')))
            return false;
    }
    return !text.isEmpty();
}

QString Quote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Reads a quoted text starting at text[pos] == '"'; pos ends just after the closing quote.
bool ReadQuoted(const QString& text, int& pos, QString& out)
{
    if (pos >= text.size() || text[pos] != QLatin1Char('"'))
        return false;
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c == QLatin1Char('\\')) {
            if (++pos >= text.size())
                return false;
            const QChar escaped = text[pos];
            if (escaped != QLatin1Char('\\') && escaped != QLatin1Char('"'))
                return false;
            out += escaped;
        } else {
            out += c;
        }
    }
    return false;
}

bool ReadHexBytes(const QString& list, QByteArray& out)
{
    out.clear();
    if (list.trimmed().isEmpty())
        return true;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString digits = item.trimmed();
        if (digits.size() != 2 || !IsHexDigits(digits))
            return false;
        out += char(digits.toUInt(nullptr, 16));
    }
    return true;
}

QByteArray Utf16Bytes(const QString& text)
{
    QByteArray bytes;
    const QString terminated = text + QChar(0);
    for (const QChar c : terminated) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

bool FromUtf16Bytes(const QByteArray& bytes, QString& text)
{
    if (bytes.size() % 2 != 0)
        return false;
    text.clear();
    for (int i = 0; i < bytes.size(); i += 2)
        text += QChar(ushort(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    if (text.endsWith(QChar(0)))
        text.chop(1);
    return true;
}

quint32 LittleEndianDword(const QByteArray& bytes)
{
    quint32 number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | uchar(bytes[i]);
    return number;
}

// "hex:..." and "hex(n):..." with the registry's own type numbers turned back into typed values.
bool ReadHexValue(const QString& data, RegistryValue& value)
{
    quint32 type = RegistryValue::Binary;
    int colon = data.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    const QString head = data.left(colon);
    if (head != QLatin1String("hex")) {
        if (!head.startsWith(QLatin1String("hex(")) || !head.endsWith(QLatin1Char(')')))
            return false;
        const QString number = head.mid(4, head.size() - 5);
        if (number.size() > 8 || !IsHexDigits(number))
            return false;
        type = number.toUInt(nullptr, 16);
    }
    QByteArray bytes;
    if (!ReadHexBytes(data.mid(colon + 1), bytes))
        return false;
    QString text;
    if (type == RegistryValue::String)
        value = FromUtf16Bytes(bytes, text) ? RegistryValue::FromString(text)
                                            : RegistryValue::Malformed(bytes, type);
    else if (type == RegistryValue::Dword)
        value = bytes.size() == 4 ? RegistryValue::FromDword(LittleEndianDword(bytes))
                                  : RegistryValue::Malformed(bytes, type);
    else
        value = RegistryValue::FromBytes(bytes, type);
    return true;
}

bool ReadData(const QString& data, RegistryValue& value)
{
    if (data.startsWith(QLatin1Char('"'))) {
        int pos = 0;
        QString text;
        if (!ReadQuoted(data, pos, text) || pos != data.size())
            return false;
        value = RegistryValue::FromString(text);
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"))) {
        const QString digits = data.mid(6);
        if (digits.size() > 8 || !IsHexDigits(digits))
            return false;
        value = RegistryValue::FromDword(digits.toUInt(nullptr, 16));
        return true;
    }
    return data.startsWith(QLatin1String("hex")) && ReadHexValue(data, value);
}

bool ReadValueLine(const QString& line, QString& name, RegistryValue& value)
{
    int pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        name.clear();
        pos = 1;
    } else if (!ReadQuoted(line, pos, name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != QLatin1Char('='))
        return false;
    return ReadData(line.mid(pos + 1), value);
}

QString HexList(const QString& prefix, const QByteArray& bytes)
{
    QString out = prefix;
    int lineLength = prefix.size();
    for (int i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        const QString item = QStringLiteral("%1").arg(uint(uchar(bytes[i])), 2, 16, QLatin1Char('0')) +
                             (last ? QString() : QStringLiteral(","));
        if (lineLength + item.size() > kMaxLine) {
            out += QLatin1String("\\\n  ");
            lineLength = 2;
        }
        out += item;
        lineLength += item.size();
    }
    return out;
}

QString ValueLine(const QString& name, const RegistryValue& value)
{
    const QString head = (name.isEmpty() ? QStringLiteral("@") : Quote(name)) + QLatin1Char('=');
    if (value.malformed)
        return HexList(head + QStringLiteral("hex(%1):").arg(value.type, 0, 16), value.bytes);
    switch (value.type) {
    case RegistryValue::String:
        // Line breaks cannot sit inside a quoted value, so such texts go out in their stored form.
        return HasControlCharacter(value.text)
                   ? HexList(head + QLatin1String("hex(1):"), Utf16Bytes(value.text))
                   : head + Quote(value.text);
    case RegistryValue::Dword:
        return head + QStringLiteral("dword:%1").arg(value.dword, 8, 16, QLatin1Char('0'));
    case RegistryValue::Binary:
        return HexList(head + QLatin1String("hex:"), value.bytes);
    default:
        return HexList(head + QStringLiteral("hex(%1):").arg(value.type, 0, 16), value.bytes);
    }
}

bool DecodeText(const QByteArray& bytes, QString& text)
{
    const bool utf16 = bytes.startsWith("\xff\xfe");
    QStringDecoder decoder(utf16 ? QStringConverter::Utf16LE : QStringConverter::Utf8);
    text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return true;
}

// Joins the lines a trailing backslash continues (long binary values), trimmed.
QStringList LogicalLines(const QString& text)
{
    QStringList lines;
    QString pending;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.endsWith(QLatin1Char('\\'))) {
            pending += line.chopped(1);
            continue;
        }
        lines += pending + line;
        pending.clear();
    }
    if (!pending.isEmpty())
        lines += pending;
    return lines;
}

} // namespace

CRegistryHive::CRegistryHive(RegistryRoot root) : CRegistryHive(root, RegistryHivePath(root)) {}

CRegistryHive::CRegistryHive(RegistryRoot root, const QString& filePath) : m_root(root), m_filePath(filePath)
{
}

bool CRegistryHive::Load()
{
    m_keys.clear();
    m_state = State::Empty;
    QFile file(m_filePath);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_state = State::Unreadable;
        return Fail(file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_state = State::Unreadable;
        return Fail(file.errorString());
    }
    if (!Parse(bytes)) {
        m_state = State::Corrupt;
        return Fail(QStringLiteral("%1 is not a registry file").arg(m_filePath));
    }
    m_state = State::Loaded;
    return true;
}

bool CRegistryHive::Save()
{
    if (m_state == State::Unreadable)
        return Fail(QStringLiteral("%1 could not be read, so it is not replaced").arg(m_filePath));
    if (m_state == State::Corrupt && !KeepCorruptCopy())
        return false;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    const QByteArray bytes = Serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Fail(file.errorString());
    m_state = State::Loaded;
    return true;
}

QByteArray CRegistryHive::Serialize() const
{
    const QString rootName = RegistryRootName(m_root);
    QString text = kHeader + QLatin1String("\n\n");
    for (const Key& key : m_keys) {
        text += QLatin1Char('[') + rootName +
                (key.path.isEmpty() ? QString() : QLatin1Char('\\') + key.path) + QLatin1String("]\n");
        for (const auto& [name, value] : key.values)
            text += ValueLine(name, value) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool CRegistryHive::Parse(const QByteArray& bytes)
{
    m_keys.clear();
    QString text;
    if (!DecodeText(bytes, text) || !ParseLines(LogicalLines(text))) {
        m_keys.clear();
        return false;
    }
    return true;
}

bool CRegistryHive::ParseLines(const QStringList& lines)
{
    const QString rootName = RegistryRootName(m_root);
    bool headerSeen = false;
    QString currentPath;
    bool inKey = false;
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!headerSeen) {
            if (line != kHeader)
                return false;
            headerSeen = true;
        } else if (line.startsWith(QLatin1Char('['))) {
            const int close = line.lastIndexOf(QLatin1Char(']'));
            const QString full = line.mid(1, close - 1);
            if (close != line.size() - 1 || !full.startsWith(rootName))
                return false;
            currentPath = full.mid(rootName.size());
            if (!currentPath.isEmpty() && !currentPath.startsWith(QLatin1Char('\\')))
                return false;
            currentPath = currentPath.mid(1);
            if (!CreateKey(currentPath))
                return false;
            inKey = true;
        } else {
            QString name;
            RegistryValue value;
            if (!inKey || !ReadValueLine(line, name, value) || !SetValue(currentPath, name, value))
                return false;
        }
    }
    return headerSeen;
}

bool CRegistryHive::IsValidKeyPath(const QString& path)
{
    if (path.isEmpty())
        return true;
    for (const QString& part : path.split(QLatin1Char('\\'))) {
        if (part.isEmpty() || HasControlCharacter(part))
            return false;
    }
    return true;
}

bool CRegistryHive::HasKey(const QString& path) const
{
    if (path.isEmpty())
        return true;
    const QString folded = path.toCaseFolded();
    if (m_keys.contains(folded))
        return true;
    const QString below = folded + QLatin1Char('\\');
    const auto next = m_keys.lowerBound(below);
    return next != m_keys.end() && next.key().startsWith(below);
}

bool CRegistryHive::CreateKey(const QString& path)
{
    if (!IsValidKeyPath(path))
        return Fail(QStringLiteral("invalid key path \"%1\"").arg(path));
    const QString folded = path.toCaseFolded();
    if (!m_keys.contains(folded))
        m_keys.insert(folded, Key{path, {}});
    return true;
}

bool CRegistryHive::GetValue(const QString& path, const QString& name, RegistryValue& value) const
{
    const auto key = m_keys.constFind(path.toCaseFolded());
    if (key == m_keys.constEnd())
        return false;
    const auto found = key->values.constFind(name.toCaseFolded());
    if (found == key->values.constEnd())
        return false;
    value = found->second;
    return true;
}

bool CRegistryHive::SetValue(const QString& path, const QString& name, const RegistryValue& value)
{
    if (HasControlCharacter(name))
        return Fail(QStringLiteral("invalid value name"));
    if (!CreateKey(path))
        return false;
    m_keys[path.toCaseFolded()].values.insert(name.toCaseFolded(), {name, value});
    return true;
}

bool CRegistryHive::KeepCorruptCopy()
{
    const QString stem = m_filePath + QStringLiteral(".corrupt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = stem;
    for (int n = 2; QFile::exists(copy); ++n)
        copy = stem + QStringLiteral("-%1").arg(n);
    if (QFile::exists(m_filePath) && !QFile::copy(m_filePath, copy))
        return Fail(QStringLiteral("could not keep a copy of %1 as %2").arg(m_filePath, copy));
    m_state = State::Empty;
    return true;
}

bool CRegistryHive::Fail(const QString& error)
{
    m_lastError = error;
    return false;
}
