#pragma once

#include "controls/CAutoListCtrl.h"
#include "records/CHome.h"

#include <QStringList>

// A stored home with that description: its id, or -1 when it could not be saved.
inline long StoredHome(const QString& description)
{
    CHome home;
    home.SetDescription(description);
    return home.Save() ? home.GetId() : -1;
}

// A list's texts in one column, row by row.
inline QStringList ListTexts(const CAutoListCtrl& list, int column = 0)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts += list.GetItemText(row, column);
    return texts;
}
