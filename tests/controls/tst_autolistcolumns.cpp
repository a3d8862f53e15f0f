#include "controls/CAutoListCtrl.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPixmap>
#include <QTest>

class TestAutoListColumns : public QObject
{
    Q_OBJECT
private slots:
    void insertingDeletingAndTyping();
    void columnsWidenAndNeverNarrow();
    void emptyHeadingHidesTheColumn();
};

void TestAutoListColumns::insertingDeletingAndTyping()
{
    CAutoListCtrl list;
    QCOMPARE(list.InsertColumn(-1, QStringLiteral("Loan"), LVCFMT_LEFT, 140), 0);
    AutoListColumn amount;
    amount.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    amount.text = QStringLiteral("Amount");
    amount.fmt = LVCFMT_RIGHT;
    amount.cx = 60;
    QCOMPARE(list.InsertColumn(-1, amount), 1);
    QCOMPARE(list.GetHeaderWidth(1), 60);
    // A width of -1 fits the heading.
    const QString heading = QStringLiteral("A rather long heading");
    QCOMPARE(list.InsertColumn(-1, heading), 2);
    QVERIFY(list.GetColumnWidth(2) >= list.header()->fontMetrics().horizontalAdvance(heading));

    // A column put between others is not counted.
    QCOMPARE(list.InsertColumn(1, QStringLiteral("Between"), LVCFMT_LEFT, 50), 1);
    QCOMPARE(list.GetColumnCount(), 3);
    QCOMPARE(list.GetColumnText(2), QStringLiteral("Amount"));
    QVERIFY(list.DeleteColumn(1));
    QVERIFY(!list.DeleteColumn(7));
    QCOMPARE(list.GetColumnCount(), 2);

    QVERIFY(list.SetColumnType(1, LIST_COLUMN_SIZE));
    QVERIFY(!list.SetColumnType(1, 4));
    QVERIFY(!list.SetColumnType(5, LIST_COLUMN_DATE));
    QCOMPARE(list.GetColumnType(1), LIST_COLUMN_SIZE);
    QCOMPARE(list.GetColumnType(5), -1);
}

void TestAutoListColumns::columnsWidenAndNeverNarrow()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 100);
    list.InsertColumn(-1, QStringLiteral("Due"), LVCFMT_LEFT, 30);
    CImageList images(QSize(16, 16));
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    images.Add(picture);
    list.SetImageList(images, LVSIL_SMALL);

    list.InsertItem(-1, QStringLiteral("ab"), 0);
    QCOMPARE(list.GetColumnWidth(0), 100);
    const QString wide = QStringLiteral("An asset with a very long description indeed");
    const int row = list.InsertItem(-1, wide, 0);
    const int textWidth = QFontMetrics(list.font()).horizontalAdvance(wide);
    const int widened = list.GetColumnWidth(0);
    QVERIFY2(widened >= textWidth + 16 && widened <= textWidth + 40, qPrintable(QString::number(widened)));

    const QString due = QStringLiteral("Wednesday, the last day of the month");
    QVERIFY(list.SetItemText(row, 1, due));
    QVERIFY(list.GetColumnWidth(1) >= QFontMetrics(list.font()).horizontalAdvance(due));
    QVERIFY(!list.SetItemText(5, 1, due));

    QVERIFY(list.DeleteAllItems());
    list.InsertItem(-1, QStringLiteral("x"));
    QCOMPARE(list.GetColumnWidth(0), widened);

    // A minimum width only widens, and counts the image in the first column.
    list.SetMinColumnWidth(0, 50);
    QCOMPARE(list.GetColumnWidth(0), widened);
    list.SetMinColumnWidth(0, widened + 50);
    QCOMPARE(list.GetColumnWidth(0), widened + 66);
}

void TestAutoListColumns::emptyHeadingHidesTheColumn()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"), LVCFMT_LEFT, 80);
    list.InsertColumn(-1, QStringLiteral("Id"), LVCFMT_LEFT, 40);
    QVERIFY(list.SetColumnText(1, QString()));
    QVERIFY(list.header()->isSectionHidden(1));
    QCOMPARE(list.GetColumnWidth(1), 0);

    const QString heading = QStringLiteral("Identifier");
    QVERIFY(list.SetColumnText(1, heading));
    QVERIFY(!list.header()->isSectionHidden(1));
    QVERIFY(list.GetColumnWidth(1) >= list.header()->fontMetrics().horizontalAdvance(heading));

    // A shorter heading keeps the width.
    QVERIFY(list.SetColumnText(0, QStringLiteral("N")));
    QCOMPARE(list.GetColumnWidth(0), 80);
    QVERIFY(!list.SetColumnText(2, heading));
}

QTEST_MAIN(TestAutoListColumns)
#include "tst_autolistcolumns.moc"
