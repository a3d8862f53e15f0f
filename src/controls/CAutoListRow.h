#pragma once

#include <QStringList>
#include <QtGlobal>

// One row of the list: the texts it shows and, once the list has made one, its record (the cells
// the sort compares and the caller's data word). `cells` shares its storage with `texts` until one
// of them changes, so a row costs one copy of its texts.
struct CAutoListRow
{
    QStringList texts;
    QStringList cells;
    qint32 data = 0;
    int image = -1;
    bool hasRecord = false;
    bool checked = false;

    QString Text(int column) const { return column < texts.size() ? texts.at(column) : QString(); }
    QString Cell(int column) const { return column < cells.size() ? cells.at(column) : QString(); }
};
