#include "data/ui/ListFillers.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "data/ui/CWaitCursor.h"

#include <QIcon>
#include <QPixmap>

namespace {

// The video library's category.
constexpr long kVideoCategory = 19;

struct ListBitmap
{
    int id;
    const char* themeName;
    const char* ownPicture;
};

constexpr ListBitmap kListBitmaps[] = {
    {IDB_ASSET_PICTURE, "image-x-generic", ":/icons/asset_picture.png"},
    {IDB_ASSET, "package-x-generic", ":/icons/asset.png"},
    {IDB_VIDEO_TITLE, "video-x-generic", ":/icons/video.png"},
};

QString ListQuery(const QString& table, const QString& idColumn, const QString& condition,
                  const QString& extraColumns)
{
    QString sql = QStringLiteral("SELECT ") + idColumn + QStringLiteral(", Description");
    if (!extraColumns.isEmpty())
        sql += QLatin1Char(',') + extraColumns;
    return sql + QStringLiteral(" FROM ") + table + QLatin1Char(' ') + condition +
           QStringLiteral(" ORDER BY Description;");
}

// An asset's image: a video title whatever it shows, then one with a picture, then a plain one.
int AssetImage(CADORecordset& rows, float& total)
{
    QString picture;
    float value = 0.0f;
    long category = 0;
    rows.GetFieldValue(QStringLiteral("Picture2"), picture);
    rows.GetFieldValue(QStringLiteral("CurrentValue"), value);
    rows.GetFieldValue(QStringLiteral("CategoryId"), category);
    total += value;
    if (category == kVideoCategory)
        return 2;
    return picture.isEmpty() ? 0 : 1;
}

} // namespace

float FillListFromTable(CAutoListCtrl& list, const QString& table, const QString& idColumn, long idToSelect,
                        const QString& condition, const QString& extraColumns)
{
    const CWaitCursor wait;
    const bool assets = table == QLatin1String("Assets");
    float total = 0.0f;
    int rowToSelect = -1;
    list.SetRedraw(false);
    list.DeleteAllItems();
    if (CADODataBase* database = AppDatabase()) {
        CADORecordset rows(database);
        if (rows.Open(ListQuery(table, idColumn, condition, extraColumns))) {
            for (; !rows.IsEof(); rows.MoveNext()) {
                QString description;
                long id = 0;
                rows.GetFieldValue(QStringLiteral("Description"), description);
                const int image = assets ? AssetImage(rows, total) : 0;
                const int row = list.InsertItem(list.GetItemCount(), description, image);
                rows.GetFieldValue(idColumn, id);
                list.SetItemData(row, id);
                if (id == idToSelect && rowToSelect < 0)
                    rowToSelect = row;
            }
            rows.Close();
        }
    }
    list.SetRedraw(true);
    if (rowToSelect >= 0) {
        list.SetCurSel(rowToSelect);
        list.EnsureVisible(rowToSelect);
    }
    return assets ? total : 0.0f;
}

bool GetSelectedItemData(const CAutoListCtrl& list, long& id, int& index)
{
    index = list.GetCurSel();
    id = index < 0 ? 0 : list.GetItemData(index);
    return index >= 0 && id != 0;
}

int AddBitmapToImageList(CImageList& imageList, int bitmapId)
{
    for (const ListBitmap& bitmap : kListBitmaps) {
        if (bitmap.id != bitmapId)
            continue;
        const QSize size = imageList.GetImageSize().isEmpty() ? QSize(16, 16) : imageList.GetImageSize();
        const QIcon themed = QIcon::fromTheme(QLatin1String(bitmap.themeName));
        if (!themed.isNull())
            return imageList.Add(themed.pixmap(size));
        return AddBitmapToImageList(imageList, QPixmap(QLatin1String(bitmap.ownPicture)));
    }
    return -1;
}

int AddBitmapToImageList(CImageList& imageList, const QPixmap& bitmap)
{
    return imageList.Add(bitmap, QColor(255, 255, 255));
}
