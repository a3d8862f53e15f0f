#pragma once

#include <QList>

// The widths that fit a list's columns into the space it has: the columns that may give way
// (floor >= 0) narrow, widest first, never below their floor; the others (floor -1) keep their
// widths, so the figures beside a long text stay in view. Widths that already fit come back as
// they are.
QList<int> GiveWay(QList<int> widths, const QList<int>& floors, int available);
