#include "data/CStaticCursor.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

bool FitsLong(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

double NarrowedToSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<double>::infinity();
    if (value < -largest)
        return -std::numeric_limits<double>::infinity();
    return static_cast<double>(static_cast<float>(value));
}

} // namespace

CStaticCursor::Stored CStaticCursor::Stored::Null()
{
    Stored value;
    value.storage = SQLITE_NULL;
    return value;
}

CStaticCursor::Stored CStaticCursor::Stored::Integer(qint64 integer)
{
    Stored value;
    value.storage = SQLITE_INTEGER;
    value.integer = integer;
    return value;
}

CStaticCursor::Stored CStaticCursor::Stored::Real(double real)
{
    Stored value;
    value.storage = SQLITE_FLOAT;
    value.real = real;
    return value;
}

CStaticCursor::Stored CStaticCursor::Stored::Text(const QByteArray& text)
{
    Stored value;
    value.storage = SQLITE_TEXT;
    value.text = text;
    return value;
}

CStaticCursor::~CStaticCursor()
{
    Clear();
}

int CStaticCursor::Load(sqlite3_stmt* statement, bool rowIdFirst)
{
    Clear();
    const int first = rowIdFirst ? 1 : 0;
    const int count = sqlite3_column_count(statement) - first;
    m_columns.resize(static_cast<size_t>(std::max(count, 0)));
    for (int c = 0; c < count; ++c) {
        Column& column = m_columns[static_cast<size_t>(c)];
        const int index = c + first;
        column.name = QString::fromUtf8(sqlite3_column_name(statement, index));
        const char* declared = sqlite3_column_decltype(statement, index);
        column.declaredKind = KindOfDeclaredType(declared);
        column.keepsTextAsIs = KeepsTextAsIs(declared);
        column.database = QByteArray(sqlite3_column_database_name(statement, index));
        column.table = QByteArray(sqlite3_column_table_name(statement, index));
        column.origin = QByteArray(sqlite3_column_origin_name(statement, index));
    }

    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (rowIdFirst)
            m_rowIds.push_back(sqlite3_column_int64(statement, 0));
        Cell* row = NewRow();
        for (int c = 0; c < count; ++c)
            ReadCell(row[c], sqlite3_column_value(statement, c + first),
                     m_columns[static_cast<size_t>(c)].declaredKind);
    }
    if (rc != SQLITE_DONE)
        Clear();
    return rc;
}

// The value is read on the one thread that uses the connection, which runs without SQLite's mutex.
void CStaticCursor::ReadCell(Cell& cell, sqlite3_value* value, FieldValueKind declaredKind)
{
    cell.size = 0;
    cell.storage = sqlite3_value_type(value);
    if (cell.storage == SQLITE_NULL) {
        cell.integer = 0;
    } else if (declaredKind == FieldValueKind::Text || cell.storage == SQLITE_TEXT ||
               cell.storage == SQLITE_BLOB) {
        // Text, and text kept as bytes, both read back byte for byte.
        const void* data =
            cell.storage == SQLITE_BLOB ? sqlite3_value_blob(value) : sqlite3_value_text(value);
        StoreText(cell, data, sqlite3_value_bytes(value));
        cell.storage = SQLITE_TEXT;
    } else if (cell.storage == SQLITE_INTEGER) {
        cell.integer = sqlite3_value_int64(value);
    } else {
        cell.real = sqlite3_value_double(value);
    }
}

void CStaticCursor::Clear()
{
    m_columns.clear();
    m_lastFound = 0;
    for (char* block : m_blocks)
        CBlockPool::Give(block);
    m_blocks.clear();
    m_rows.clear();
    m_cellFree = nullptr;
    m_cellRoom = 0;
    m_largeTexts.clear();
    m_textFree = nullptr;
    m_textRoom = 0;
    m_rowIds.clear();
    m_row = 0;
}

// Callers mostly read fields in column order, so the search starts after the last one found.
int CStaticCursor::FindColumn(const QString& name) const
{
    const size_t count = m_columns.size();
    for (size_t step = 0; step < count; ++step) {
        const size_t i = (m_lastFound + 1 + step) % count;
        const QString& candidate = m_columns[i].name;
        if (candidate.size() == name.size() &&
            std::memcmp(candidate.constData(), name.constData(),
                        sizeof(QChar) * static_cast<size_t>(name.size())) == 0) {
            m_lastFound = i;
            return static_cast<int>(i);
        }
    }
    for (size_t i = 0; i < count; ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CStaticCursor::MoveNext()
{
    if (m_row < m_rows.size())
        ++m_row;
}

qint64 CStaticCursor::RowId() const
{
    return m_row < m_rowIds.size() ? m_rowIds[m_row] : 0;
}

FieldValue CStaticCursor::Value(int column) const
{
    const Cell& cell = CellAt(column);
    FieldValue value;
    switch (cell.storage) {
    case SQLITE_NULL:
        value.m_kind = FieldValueKind::Null;
        return value;
    case SQLITE_TEXT:
        value.m_kind = FieldValueKind::Text;
        value.m_text = QByteArray::fromRawData(cell.text, static_cast<qsizetype>(cell.size));
        return value;
    default:
        return NumberValue(ColumnAt(column), cell);
    }
}

CStaticCursor::Stored CStaticCursor::ValueToStore(int column) const
{
    const Cell& cell = CellAt(column);
    Stored value;
    value.storage = cell.storage;
    if (cell.storage == SQLITE_INTEGER)
        value.integer = cell.integer;
    else if (cell.storage == SQLITE_FLOAT)
        value.real = cell.real;
    else if (cell.storage == SQLITE_TEXT)
        value.text = QByteArray::fromRawData(cell.text, static_cast<qsizetype>(cell.size));
    return value;
}

void CStaticCursor::SetValue(int column, const Stored& value)
{
    Cell& cell = CellAt(column);
    cell.storage = value.storage;
    cell.size = 0;
    if (value.storage == SQLITE_TEXT)
        StoreText(cell, value.text.constData(), static_cast<int>(value.text.size()));
    else if (value.storage == SQLITE_FLOAT)
        cell.real = value.real;
    else
        cell.integer = value.integer;
}

// A row's cells stand together in one block.
CStaticCursor::Cell* CStaticCursor::NewRow()
{
    const size_t width = std::max<size_t>(m_columns.size(), 1);
    if (width > m_cellRoom) {
        m_blocks.push_back(CBlockPool::Take());
        m_cellFree = reinterpret_cast<Cell*>(m_blocks.back());
        m_cellRoom = cellsPerBlock;
        std::uninitialized_default_construct_n(m_cellFree, cellsPerBlock);
    }
    Cell* row = m_cellFree;
    m_cellFree += width;
    m_cellRoom -= width;
    m_rows.push_back(row);
    return row;
}

// Small texts share blocks; a text larger than a quarter block gets memory of its own.
void CStaticCursor::StoreText(Cell& cell, const void* data, int size)
{
    const size_t length = static_cast<size_t>(std::max(size, 0));
    cell.size = static_cast<quint32>(length);
    cell.text = nullptr;
    if (length == 0)
        return;
    char* target = nullptr;
    if (length > CBlockPool::blockSize / 4) {
        m_largeTexts.emplace_back(new char[length]);
        target = m_largeTexts.back().get();
    } else {
        if (length > m_textRoom) {
            m_blocks.push_back(CBlockPool::Take());
            m_textFree = m_blocks.back();
            m_textRoom = CBlockPool::blockSize;
        }
        target = m_textFree;
        m_textFree += length;
        m_textRoom -= length;
    }
    std::memcpy(target, data, length);
    cell.text = target;
}

// A number read as its column's declared kind, narrowed to that kind's width; with no declared
// kind, the stored value decides (a whole number within 32 bits is a long, anything else a double).
FieldValue CStaticCursor::NumberValue(const Column& column, const Cell& cell) const
{
    const bool whole = cell.storage == SQLITE_INTEGER;
    const qint64 integer = whole ? cell.integer : TruncatedToInteger(cell.real);
    const double real = whole ? static_cast<double>(cell.integer) : cell.real;

    FieldValue value;
    value.m_kind = column.declaredKind;
    if (value.m_kind == FieldValueKind::Empty)
        value.m_kind = whole && FitsLong(integer) ? FieldValueKind::Long : FieldValueKind::Double;
    switch (value.m_kind) {
    case FieldValueKind::Text:
        value.m_text = whole ? QByteArray::number(integer) : QByteArray::number(real, 'g', 15);
        break;
    case FieldValueKind::Short:
        value.m_integer = static_cast<qint16>(integer);
        break;
    case FieldValueKind::Long:
        value.m_integer = static_cast<qint32>(integer);
        break;
    case FieldValueKind::Byte:
        value.m_integer = static_cast<quint8>(integer);
        break;
    case FieldValueKind::Boolean:
        value.m_integer = (whole ? integer != 0 : real != 0.0) ? -1 : 0;
        break;
    case FieldValueKind::Single:
        value.m_real = NarrowedToSingle(real);
        break;
    default:
        value.m_real = real;
        break;
    }
    return value;
}
