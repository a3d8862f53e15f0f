#include "controls/CAutoListCtrl.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPixmap>
#include <QTest>

namespace {

CImageList SixteenPixelImages()
{
    CImageList images(QSize(16, 16));
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    images.Add(picture);
    return images;
}

} // namespace

class TestAutoListColumns : public QObject
{
    Q_OBJECT
private slots:
    void insertingAndDeletingColumns();
    void columnTypesStayInRange();
    void rowsWidenTheFirstColumnAndNeverNarrowIt();
    void cellTextsWidenTheirColumns();
    void emptyHeadingHidesTheColumn();
    void minimumWidthOnlyWidens();
    void imagesAddedAfterAttachingShow();
};

void TestAutoListColumns::insertingAndDeletingColumns()
{
    CAutoListCtrl list;
    QCOMPARE(list.InsertColumn(-1, QStringLiteral("Loan"), LVCFMT_LEFT, 140), 0);
    AutoListColumn amount;
    amount.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    amount.text = QStringLiteral("Amount");
    amount.fmt = LVCFMT_RIGHT;
    amount.cx = 60;
    QCOMPARE(list.InsertColumn(-1, amount), 1);
    QCOMPARE(list.GetColumnCount(), 2);
    QCOMPARE(list.GetColumnWidth(0), 140);
    QCOMPARE(list.GetHeaderWidth(0), 140);
    QCOMPARE(list.GetHeaderWidth(1), 60);
    QCOMPARE(list.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignRight);

    // A width of -1 fits the heading.
    const QString heading = QStringLiteral("A rather long heading");
    QCOMPARE(list.InsertColumn(-1, heading), 2);
    const int fitted = list.GetColumnWidth(2);
    QVERIFY(fitted >= list.header()->fontMetrics().horizontalAdvance(heading));
    QCOMPARE(list.GetHeaderWidth(2), fitted);

    // A column put between others is not counted and keeps the others' widths and types.
    QCOMPARE(list.InsertColumn(1, QStringLiteral("Between"), LVCFMT_LEFT, 50), 1);
    QCOMPARE(list.GetColumnCount(), 3);
    QCOMPARE(list.model()->columnCount(), 4);
    QCOMPARE(list.GetColumnText(2), QStringLiteral("Amount"));

    QVERIFY(list.DeleteColumn(1));
    QCOMPARE(list.GetColumnCount(), 2);
    QVERIFY(!list.DeleteColumn(7));
    QVERIFY(!list.DeleteColumn(-1));
    QCOMPARE(list.GetColumnCount(), 2);
}

void TestAutoListColumns::columnTypesStayInRange()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    list.InsertColumn(-1, QStringLiteral("Size"));
    QCOMPARE(list.GetColumnType(1), LIST_COLUMN_TEXT);
    QVERIFY(list.SetColumnType(1, LIST_COLUMN_SIZE));
    QCOMPARE(list.GetColumnType(1), LIST_COLUMN_SIZE);
    QVERIFY(!list.SetColumnType(1, 4));
    QVERIFY(!list.SetColumnType(1, -1));
    QVERIFY(!list.SetColumnType(2, LIST_COLUMN_DATE));
    QCOMPARE(list.GetColumnType(1), LIST_COLUMN_SIZE);
    QCOMPARE(list.GetColumnType(2), -1);
    QCOMPARE(list.GetColumnType(-1), -1);
}

void TestAutoListColumns::rowsWidenTheFirstColumnAndNeverNarrowIt()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 100);
    const CImageList previous = list.SetImageList(SixteenPixelImages(), LVSIL_SMALL);
    QVERIFY(previous.IsEmpty());
    QCOMPARE(list.GetImageWidth(), 16);

    list.InsertItem(-1, QStringLiteral("ab"), 0);
    QCOMPARE(list.GetColumnWidth(0), 100);

    const QString wide = QStringLiteral("An asset with a very long description indeed");
    const int row = list.InsertItem(-1, wide, 0);
    const int textWidth = QFontMetrics(list.font()).horizontalAdvance(wide);
    const int widened = list.GetColumnWidth(0);
    QVERIFY2(widened >= textWidth + 16, qPrintable(QString::number(widened)));
    QVERIFY(widened <= textWidth + 16 + 24);

    QVERIFY(list.DeleteItem(row));
    QCOMPARE(list.GetColumnWidth(0), widened);
    QVERIFY(list.DeleteAllItems());
    QCOMPARE(list.GetColumnWidth(0), widened);
    list.InsertItem(-1, QStringLiteral("x"));
    QCOMPARE(list.GetColumnWidth(0), widened);
}

void TestAutoListColumns::cellTextsWidenTheirColumns()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Task"), LVCFMT_LEFT, 50);
    list.InsertColumn(-1, QStringLiteral("Due"), LVCFMT_LEFT, 30);
    const int row = list.InsertItem(-1, QStringLiteral("Paint"));
    const QString due = QStringLiteral("Wednesday, the last day of the month");
    QVERIFY(list.SetItemText(row, 1, due));
    QVERIFY(list.GetColumnWidth(1) >= QFontMetrics(list.font()).horizontalAdvance(due));
    QCOMPARE(list.GetColumnWidth(0), 50);
    QVERIFY(!list.SetItemText(row, 2, due));
    QVERIFY(!list.SetItemText(5, 1, due));
    QCOMPARE(list.GetItemText(row, 1), due);
}

void TestAutoListColumns::emptyHeadingHidesTheColumn()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"), LVCFMT_LEFT, 80);
    list.InsertColumn(-1, QStringLiteral("Id"), LVCFMT_LEFT, 40);
    QVERIFY(list.SetColumnText(1, QString()));
    QVERIFY(list.header()->isSectionHidden(1));
    QCOMPARE(list.GetColumnWidth(1), 0);
    QCOMPARE(list.GetHeaderWidth(1), 0);

    const QString heading = QStringLiteral("Identifier");
    QVERIFY(list.SetColumnText(1, heading));
    QVERIFY(!list.header()->isSectionHidden(1));
    QVERIFY(list.GetColumnWidth(1) >= list.header()->fontMetrics().horizontalAdvance(heading));
    QCOMPARE(list.GetColumnText(1), heading);

    // A visible column with a minimum width keeps at least that when its heading changes.
    QVERIFY(list.SetColumnText(0, QStringLiteral("N")));
    QCOMPARE(list.GetColumnWidth(0), 80);
    QVERIFY(!list.SetColumnText(2, heading));
}

void TestAutoListColumns::minimumWidthOnlyWidens()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 100);
    list.InsertColumn(-1, QStringLiteral("Value"), LVCFMT_LEFT, 100);
    list.SetImageList(SixteenPixelImages());
    list.SetMinColumnWidth(0, 50);
    QCOMPARE(list.GetColumnWidth(0), 100);
    list.SetMinColumnWidth(0, 150);
    QCOMPARE(list.GetColumnWidth(0), 166);
    list.SetMinColumnWidth(1, 150);
    QCOMPARE(list.GetColumnWidth(1), 150);
    QCOMPARE(list.GetHeaderWidth(1), 100);
}

void TestAutoListColumns::imagesAddedAfterAttachingShow()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 100);
    CImageList images(QSize(16, 16));
    list.SetImageList(images);
    QCOMPARE(list.GetImageWidth(), 0);
    QPixmap picture(16, 16);
    picture.fill(Qt::blue);
    QCOMPARE(images.Add(picture), 0);
    list.InsertItem(-1, QStringLiteral("Chair"), 0);
    const QPixmap shown = list.model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(shown.size(), QSize(16, 16));
    QCOMPARE(list.GetImageList().GetImageCount(), 1);
    QCOMPARE(list.GetImageWidth(), 0);
}

QTEST_MAIN(TestAutoListColumns)
#include "tst_autolistcolumns.moc"
