#include "CTestDataDir.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "data/ui/ListFillers.h"

#include <QtTest>

class TestListFillers : public QObject
{
    Q_OBJECT
private slots:
    void fillsAndReadsTheSelection()
    {
        CTestDataDir dir;
        CADODataBase& db = dir.Database();
        QVERIFY(db.Execute(
            "INSERT INTO Assets (AssetId, HomeId, CategoryId, Description, CurrentValue, Picture2) VALUES "
            "(501, 77, 3, 'Sofa', 250.5, ''), (502, 77, 3, 'Camera', 100.25, '/pics/camera.jpg'), "
            "(503, 77, 19, 'Movie', 9.5, '/pics/cover.jpg'), (504, 77, 19, 'Album', 10, '');"));
        const QString home = "WHERE HomeId=77";
        const QString fields = "Picture2, CurrentValue, CategoryId";
        CAutoListCtrl list;
        list.InsertColumn(-1, "Items", LVCFMT_LEFT, 170);
        const auto rows = [&list] { // each row as "text data-word image"
            QStringList texts;
            for (int row = 0; row < list.GetItemCount(); ++row) {
                texts << list.GetItemText(row, 0) +
                             QString::asprintf(" %ld %d", list.GetItemData(row), list.GetItemImage(row));
            }
            return texts;
        };
        long id = -7;
        int index = -7;
        QVERIFY(!GetSelectedItemData(list, id, index));
        QCOMPARE(index, -1);

        list.InsertItem(-1, "left over");
        QCOMPARE(FillListFromTable(list, "Assets", "AssetId", 502, home, fields), 370.25f);
        QCOMPARE(rows(), QStringList({"Album 504 2", "Camera 502 1", "Movie 503 2", "Sofa 501 0"}));
        QVERIFY(GetSelectedItemData(list, id, index));
        QCOMPARE(id, 502L);
        QCOMPARE(index, 1);
        list.SetItemData(1, 0);
        QVERIFY(!GetSelectedItemData(list, id, index));
        QCOMPARE(index, 1);

        // Other tables get image 0 and no sum; an id not in the list selects nothing.
        QVERIFY(db.Execute(
            "INSERT INTO Categories (CategoryId, Description, CategoryType) VALUES (901, 'Zz', 77);"));
        QCOMPARE(FillListFromTable(list, "Categories", "CategoryId", 5, "WHERE CategoryType=77"), 0.0f);
        QCOMPARE(rows(), QStringList({"Zz 901 0"}));
        QCOMPARE(list.GetCurSel(), -1);

        QCOMPARE(FillListFromTable(list, "NoSuchTable", "Id", 1, QString()), 0.0f);
        QCOMPARE(list.GetItemCount(), 0);
    }

    void bitmapsWithWhiteTransparent()
    {
        CImageList images(QSize(16, 16));
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(Qt::white);
        for (int y = 4; y < 12; ++y) {
            for (int x = 4; x < 28; ++x)
                strip.setPixelColor(x, y, Qt::red);
        }
        QCOMPARE(AddBitmapToImageList(images, QPixmap::fromImage(strip)), 0);
        QCOMPARE(images.GetImageCount(), 2);
        const QImage second = images.GetImage(1).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(second.pixelColor(15, 15).alpha(), 0);
        QCOMPARE(second.pixelColor(5, 8), QColor(Qt::red));

        QCOMPARE(AddBitmapToImageList(images, IDB_ASSET), 2);
        QCOMPARE(AddBitmapToImageList(images, IDB_VIDEO_TITLE), 3);
        QCOMPARE(images.GetImage(3).size(), QSize(16, 16));
        QCOMPARE(AddBitmapToImageList(images, 1), -1);
        QCOMPARE(images.GetImageCount(), 4);
    }
};

QTEST_MAIN(TestListFillers)
#include "tst_listfillers.moc"
