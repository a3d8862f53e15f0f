#pragma once

#include "data/CBlockPool.h"
#include "data/FieldValue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3_stmt;
struct sqlite3_value;

// The rows of one SELECT, read whole into memory, and the position of the current row: the
// recordset's static cursor. Values are kept as SQLite stored them; each column's declared type
// gives the kind they are read as.
class CStaticCursor final
{
public:
    struct Column
    {
        QString name;
        FieldValueKind declaredKind = FieldValueKind::Empty;
        bool keepsTextAsIs = true;
        // Where the column comes from: empty for an expression.
        QByteArray database;
        QByteArray table;
        QByteArray origin;
    };

    // A value to store: an SQLite storage class (SQLITE_NULL, _INTEGER, _FLOAT or _TEXT) and its payload.
    struct Stored
    {
        static Stored Null();
        static Stored Integer(qint64 value);
        static Stored Real(double value);
        static Stored Text(const QByteArray& value);

        int storage = 0;
        qint64 integer = 0;
        double real = 0.0;
        QByteArray text;
    };

    CStaticCursor() = default;
    ~CStaticCursor();
    Q_DISABLE_COPY_MOVE(CStaticCursor)

    // Steps the statement to its end. With rowIdFirst, column 0 is the row's id and the fields follow.
    // Returns SQLITE_DONE, or the SQLite error code that stopped it (the cursor is then empty).
    int Load(sqlite3_stmt* statement, bool rowIdFirst);
    void Clear();

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    const Column& ColumnAt(int index) const { return m_columns[static_cast<size_t>(index)]; }
    // Exact name first, then regardless of case; -1 when there is none.
    int FindColumn(const QString& name) const;

    bool IsEof() const { return m_row >= m_rows.size(); }
    void MoveNext();
    qint64 RowId() const;

    // Of the current row, which must exist.
    FieldValue Value(int column) const;
    Stored ValueToStore(int column) const;
    void SetValue(int column, const Stored& value);

private:
    struct Cell
    {
        union {
            qint64 integer;
            double real;
            const char* text;
        };
        quint32 size;
        int storage;
    };

    // Rows of cells and texts live in pooled blocks that never move: reading a large result never copies
    // what it has already read.
    static constexpr size_t cellsPerBlock = CBlockPool::blockSize / sizeof(Cell);

    Cell& CellAt(int column) { return m_rows[m_row][column]; }
    const Cell& CellAt(int column) const { return m_rows[m_row][column]; }
    Cell* NewRow();
    void ReadCell(Cell& cell, sqlite3_value* value, FieldValueKind declaredKind);
    void StoreText(Cell& cell, const void* data, int size);
    FieldValue NumberValue(const Column& column, const Cell& cell) const;

    std::vector<Column> m_columns;
    mutable size_t m_lastFound = 0;
    std::vector<char*> m_blocks;
    std::vector<Cell*> m_rows;
    Cell* m_cellFree = nullptr;
    size_t m_cellRoom = 0;
    char* m_textFree = nullptr;
    size_t m_textRoom = 0;
    std::vector<std::unique_ptr<char[]>> m_largeTexts;
    std::vector<qint64> m_rowIds;
    size_t m_row = 0;
};
