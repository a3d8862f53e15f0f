#pragma once

#include <QString>

class CAutoListCtrl;
class CImageList;
class QPixmap;

// Bitmaps the lists show beside their rows.
constexpr int IDB_ASSET_PICTURE = 134; // an asset with a picture
constexpr int IDB_ASSET = 135;         // a plain asset
constexpr int IDB_VIDEO_TITLE = 163;   // a video, DVD or CD title

// Fills the list with one row per row of
//     "SELECT <idColumn>, Description[,<extraColumns>] FROM <table> <condition> ORDER BY Description;"
// on the application's session: the text is Description, the data word the id. Selects the first row
// whose id is idToSelect and scrolls to it. For "Assets" each row also gets its image (2 for a video
// title, 1 for an asset with a picture, else 0) and the CurrentValue of the rows is summed: that sum
// is returned (0 for other tables). A query that cannot be read leaves the list empty.
float FillListFromTable(CAutoListCtrl& list, const QString& table, const QString& idColumn, long idToSelect,
                        const QString& condition = QString(), const QString& extraColumns = QString());

// The selected row's data word and index; false when no row is selected or its data word is 0.
bool GetSelectedItemData(const CAutoListCtrl& list, long& id, int& index);

// Adds one of the bitmaps above (the desktop's icon theme's picture where it has one that fits,
// else the program's own) and returns the index of its image, or -1 for an unknown bitmap.
int AddBitmapToImageList(CImageList& imageList, int bitmapId);
// Adds the bitmap with white (RGB 255, 255, 255) transparent; returns the index of its first image.
int AddBitmapToImageList(CImageList& imageList, const QPixmap& bitmap);
