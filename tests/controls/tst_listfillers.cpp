#include "CTestDataDir.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "data/ListFillers.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <memory>

namespace {

const QString kHomeCondition = QStringLiteral("WHERE HomeId=77");

bool AddAsset(CADODataBase& db, long id, long category, const QString& description, double value,
              const QString& picture)
{
    return db.Execute(
        QStringLiteral("INSERT INTO Assets (AssetId, HomeId, CategoryId, Description, CurrentValue, "
                       "Picture2) VALUES (%1, 77, %2, '%3', %4, '%5');")
            .arg(id)
            .arg(category)
            .arg(description)
            .arg(value)
            .arg(picture));
}

} // namespace

class TestListFillers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void assetsGetImagesAndTheirSum();
    void otherTablesAndMissingIds();
    void unreadableQueryEmptiesTheList();
    void selectedItemData();
    void bitmapsWithWhiteTransparent();

private:
    std::unique_ptr<CTestDataDir> m_dir;
    std::unique_ptr<CAutoListCtrl> m_list;
};

void TestListFillers::init()
{
    m_dir = std::make_unique<CTestDataDir>();
    QVERIFY(m_dir->IsValid());
    CADODataBase& db = m_dir->Database();
    QVERIFY2(db.IsOpen(), qPrintable(db.GetLastError()));
    QVERIFY(AddAsset(db, 501, 3, QStringLiteral("Sofa"), 250.5, QString()));
    QVERIFY(AddAsset(db, 502, 3, QStringLiteral("Camera"), 100.25, QStringLiteral("/pics/camera.jpg")));
    QVERIFY(AddAsset(db, 503, 19, QStringLiteral("Movie"), 9.5, QStringLiteral("/pics/cover.jpg")));
    QVERIFY(AddAsset(db, 504, 19, QStringLiteral("Album"), 10, QString()));
    m_list = std::make_unique<CAutoListCtrl>();
    m_list->InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 170);
}

void TestListFillers::cleanup()
{
    m_list.reset();
    m_dir.reset();
}

void TestListFillers::assetsGetImagesAndTheirSum()
{
    CAutoListCtrl& list = *m_list;
    list.InsertItem(-1, QStringLiteral("left over"));
    const float total =
        FillListFromTable(list, QStringLiteral("Assets"), QStringLiteral("AssetId"), 502, kHomeCondition,
                          QStringLiteral("Picture2, CurrentValue, CategoryId"));
    QCOMPARE(total, 370.25f);
    QCOMPARE(list.GetItemCount(), 4);
    const QStringList expected = {"Album", "Camera", "Movie", "Sofa"};
    const QList<long> ids = {504, 502, 503, 501};
    const QList<int> images = {2, 1, 2, 0};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(list.GetItemText(row, 0), expected.at(row));
        QCOMPARE(list.GetItemData(row), ids.at(row));
        QCOMPARE(list.GetItemImage(row), images.at(row));
    }
    QCOMPARE(list.GetSelectedItems(), QList<int>({1}));
}

void TestListFillers::otherTablesAndMissingIds()
{
    CAutoListCtrl& list = *m_list;
    QVERIFY(m_dir->Database().Execute(QStringLiteral(
        "INSERT INTO Categories (CategoryId, Description, CategoryType) VALUES (901, 'Zz', 77);")));
    const float total = FillListFromTable(list, QStringLiteral("Categories"), QStringLiteral("CategoryId"), 0,
                                          QStringLiteral("WHERE CategoryType=77"));
    QCOMPARE(total, 0.0f);
    QCOMPARE(list.GetItemCount(), 1);
    QCOMPARE(list.GetItemData(0), 901L);
    QCOMPARE(list.GetItemImage(0), 0);
    QCOMPARE(list.GetCurSel(), -1);

    FillListFromTable(list, QStringLiteral("Assets"), QStringLiteral("AssetId"), 999, kHomeCondition,
                      QStringLiteral("Picture2, CurrentValue, CategoryId"));
    QCOMPARE(list.GetItemCount(), 4);
    QCOMPARE(list.GetCurSel(), -1);
}

void TestListFillers::unreadableQueryEmptiesTheList()
{
    CAutoListCtrl& list = *m_list;
    list.InsertItem(-1, QStringLiteral("left over"));
    QCOMPARE(FillListFromTable(list, QStringLiteral("NoSuchTable"), QStringLiteral("Id"), 1, QString()),
             0.0f);
    QCOMPARE(list.GetItemCount(), 0);
}

void TestListFillers::selectedItemData()
{
    CAutoListCtrl& list = *m_list;
    long id = -7;
    int index = -7;
    QVERIFY(!GetSelectedItemData(list, id, index));
    QCOMPARE(index, -1);

    FillListFromTable(list, QStringLiteral("Assets"), QStringLiteral("AssetId"), 503, kHomeCondition,
                      QStringLiteral("Picture2, CurrentValue, CategoryId"));
    QVERIFY(GetSelectedItemData(list, id, index));
    QCOMPARE(id, 503L);
    QCOMPARE(index, 2);

    list.SetItemData(2, 0);
    QVERIFY(!GetSelectedItemData(list, id, index));
    QCOMPARE(index, 2);
}

void TestListFillers::bitmapsWithWhiteTransparent()
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
    QCOMPARE(second.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(second.pixelColor(15, 15).alpha(), 0);
    QCOMPARE(second.pixelColor(5, 8), QColor(Qt::red));

    for (int bitmap : {IDB_ASSET, IDB_ASSET_PICTURE, IDB_VIDEO_TITLE}) {
        const int next = images.GetImageCount();
        QCOMPARE(AddBitmapToImageList(images, bitmap), next);
    }
    QCOMPARE(images.GetImageCount(), 5);
    QCOMPARE(images.GetImage(4).size(), QSize(16, 16));
    QCOMPARE(AddBitmapToImageList(images, 1), -1);
    QCOMPARE(images.GetImageCount(), 5);
}

QTEST_MAIN(TestListFillers)
#include "tst_listfillers.moc"
