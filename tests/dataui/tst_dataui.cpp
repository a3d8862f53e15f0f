// The widget side of the data store: combo and list fillers, loan terms, bitmaps and the picture.

#include "CTestDataDir.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "data/ui/CPicture.h"
#include "data/ui/ComboFillers.h"
#include "data/ui/ListFillers.h"
#include "data/ui/TermText.h"
#include "res/StringIds.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A 1 x 1 GIF whose one pixel is black (Qt writes no GIF, so the bytes are spelled out).
const char kBlackGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00;";

// Draws the picture on a white 40 x 40 canvas.
QImage DrawOnCanvas(const CPicture& picture, int left, int top, int right, int bottom)
{
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.Draw(painter, left, top, right, bottom);
    painter.end();
    return canvas;
}

} // namespace

class TestDataUi final : public QObject
{
    Q_OBJECT

private slots:
    void combos()
    {
        QComboBox combo;
        // Without a session only the first item.
        FillCategoryCombo(&combo, 0, 1, true);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.currentIndex(), -1);
        CTestDataDir dir;
        QVERIFY(dir.Database().IsOpen());
        FillCategoryCombo(&combo, 0, 1, true);
        QCOMPARE(combo.count(), 21);
        QCOMPARE(combo.currentText(), "(optional)");
        FillCategoryCombo(&combo, 19, 1, false);
        QCOMPARE(combo.itemText(0), "Please select...");
        QCOMPARE(combo.currentText(), "Video Library");
        QCOMPARE(combo.currentData().toInt(), 19);
        // An id that is not among the items leaves the first item selected.
        FillCategoryCombo(&combo, 19, 3, false);
        QCOMPARE(combo.count(), 5);
        QCOMPARE(combo.currentIndex(), 0);

        const QString sql = "SELECT CategoryId, Description, CASE WHEN CategoryType=1 THEN 'asset' END "
                            "FROM Categories WHERE CategoryId IN (19, 26) ORDER BY CategoryId;";
        FillComboFromQuery(&combo, 26, sql, true, QString());
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(0), "Video Library (asset)");
        QCOMPARE(combo.currentIndex(), 1);
        FillComboFromQuery(&combo, 0, "SELECT AreaId, Description FROM Nowhere;", false, "(optional)");
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.currentIndex(), -1);

        QComboBox genres;
        FillComboFromString(&genres, "Romance", IDS_VIDEO_GENRES);
        QCOMPARE(genres.count(), 20);
        QCOMPARE(genres.currentText(), "Romance");
        QComboBox units;
        FillComboFromString(&units, QString(), IDS_SHOPPING_UNITS);
        QCOMPARE(units.count(), 11);
        QCOMPARE(units.currentIndex(), 0);
        FillComboFromString(&units, "pint", 1); // no list: selects among the items it has
        QCOMPARE(units.count(), 11);
        QCOMPARE(units.currentText(), "pint");
    }

    void loanTerms()
    {
        QLineEdit edit;
        QComboBox unit;
        unit.addItems({"Months", "Years"});

        // How a term reads on the loan sheet runs through its tests; here, what is read back.
        SetTermText(0, &edit, &unit);
        QCOMPARE(edit.text(), "0");
        QCOMPARE(unit.currentIndex(), 1);
        // Only the leading whole number counts.
        edit.setText(" 15.5 years");
        QCOMPARE(GetTermMonths(&edit, &unit), 180);
        unit.setCurrentIndex(-1);
        edit.setText("2");
        QCOMPARE(GetTermMonths(&edit, &unit), 24);
    }

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

    void loading()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QImage(30, 20, QImage::Format_RGB32).save(m_dir.filePath("p.jpg")));
        QVERIFY(WriteBytes(m_dir.filePath("p.gif"), QByteArray(kBlackGif, sizeof kBlackGif - 1)));
        QVERIFY(WriteBytes(m_dir.filePath("notes.jpg"), "plain words, not a picture"));

        CPicture picture;
        QVERIFY(picture.Load(m_dir.filePath("p.jpg")));
        QCOMPARE(picture.GetSizeInPixels(), QSize(30, 20));
        QVERIFY(picture.Load(m_dir.filePath("p.gif")));
        QCOMPARE(DrawOnCanvas(picture, 0, 0, 0, 0).pixelColor(0, 0), QColor(Qt::black));

        // A file that cannot be opened keeps the held picture; one that opens without a picture drops it.
        QVERIFY(!picture.Load(m_dir.filePath("missing.png")));
        QVERIFY(!picture.Load(m_dir.path()));
        QCOMPARE(picture.GetSizeInPixels(), QSize(1, 1));
        QVERIFY(picture.Load(m_dir.filePath("notes.jpg")));
        QVERIFY(!picture.IsLoaded());
        QCOMPARE(picture.GetSizeInPixels(), QSize(0, 0));
        QCOMPARE(DrawOnCanvas(picture, 0, 0, 0, 0).pixelColor(0, 0), QColor(Qt::white));
    }

    void drawsStretchedOrAtOwnSize()
    {
        QImage four(2, 2, QImage::Format_RGB32);
        four.setPixelColor(0, 0, Qt::red);
        four.setPixelColor(1, 0, Qt::green);
        four.setPixelColor(0, 1, Qt::blue);
        four.setPixelColor(1, 1, Qt::yellow);
        const QString path = m_dir.filePath("four.png");
        QVERIFY(four.save(path));
        CPicture picture;
        QVERIFY(picture.Load(path));

        // Stretched over (10, 10)-(30, 30), each pixel fills a quarter; (0, 0, 0, 0) draws it as it is.
        const QImage canvas = DrawOnCanvas(picture, 10, 10, 30, 30);
        const QList<QColor> stretched = {canvas.pixelColor(9, 9),   canvas.pixelColor(19, 19),
                                         canvas.pixelColor(20, 10), canvas.pixelColor(10, 20),
                                         canvas.pixelColor(29, 29), canvas.pixelColor(30, 30)};
        QCOMPARE(stretched, QList<QColor>({Qt::white, Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::white}));
        const QImage own = DrawOnCanvas(picture, 0, 0, 0, 0);
        QCOMPARE(QList<QColor>({own.pixelColor(1, 1), own.pixelColor(2, 2)}),
                 QList<QColor>({Qt::yellow, Qt::white}));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestDataUi)
#include "tst_dataui.moc"
