#pragma once

#include "controls/CAutoListRow.h"

#include <QString>

#include <vector>

// How the list orders two rows by one column: text by UTF-8 byte order, number and size columns
// largest first (numbers never tie), dates earliest first; the direction flag reverses all of it,
// and ties fall back to column 0 in the same direction.
class CAutoListComparer final
{
public:
    CAutoListComparer(int column, int type, bool ascending);

    // Negative when row1 comes first.
    int Compare(const CAutoListRow& row1, const CAutoListRow& row2) const;
    // The rows' order after a stable sort: order[i] is the old index of the row at place i.
    std::vector<int> Order(const std::vector<CAutoListRow>& rows) const;

    // Byte order of the texts' UTF-8 forms, without converting them.
    static int CompareText(const QString& text1, const QString& text2);

private:
    struct Key
    {
        QString text;
        QString first;
        double number = 0.0;
        qint64 whole = 0;
    };

    Key MakeKey(const CAutoListRow& row) const;
    int CompareKeys(const Key& key1, const Key& key2) const;

    static double LeadingNumber(const QString& text);
    static qint64 SizeValue(const QString& text);
    static qint64 DayNumber(const QString& text);

    int m_column;
    int m_type;
    bool m_ascending;
};
