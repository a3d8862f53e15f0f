#pragma once

#include <QString>
#include <QtGlobal>

// Flags and description records of the list control, numbered as the list's callers in other
// modules know them.

// Column alignment (AutoListColumn::fmt, InsertColumn's format).
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

// Which fields of an AutoListColumn are meant.
constexpr unsigned LVCF_FMT = 0x0001;
constexpr unsigned LVCF_WIDTH = 0x0002;
constexpr unsigned LVCF_TEXT = 0x0004;
constexpr unsigned LVCF_SUBITEM = 0x0008;

// Which fields of an AutoListItem are meant.
constexpr unsigned LVIF_TEXT = 0x0001;
constexpr unsigned LVIF_IMAGE = 0x0002;
constexpr unsigned LVIF_PARAM = 0x0004;
constexpr unsigned LVIF_STATE = 0x0008;

// Item states. The check box is state image 1 (unchecked) or 2 (checked) in the upper bits.
constexpr unsigned LVIS_FOCUSED = 0x0001;
constexpr unsigned LVIS_SELECTED = 0x0002;
constexpr unsigned LVIS_STATEIMAGEMASK = 0xF000;
constexpr unsigned INDEXTOSTATEIMAGEMASK(unsigned index)
{
    return index << 12;
}

// Which image list SetImageList installs.
constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

// Extended styles.
constexpr unsigned LVS_EX_CHECKBOXES = 0x0004;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x0020;

// Column types: how SortOnColumn compares a column's texts.
constexpr int LIST_COLUMN_TEXT = 0;
constexpr int LIST_COLUMN_NUMBER = 1;
constexpr int LIST_COLUMN_SIZE = 2;
constexpr int LIST_COLUMN_DATE = 3;

struct AutoListColumn
{
    unsigned mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = -1; // -1: fit the heading
    QString text;
    int subItem = 0;
};

struct AutoListItem
{
    unsigned mask = 0;
    int item = -1; // -1: append
    int subItem = 0;
    unsigned state = 0;
    unsigned stateMask = 0;
    QString text;
    int image = -1;
    qintptr param = 0; // not kept: the row's own record takes its place
};
