#include "controls/CAutoListCtrl.h"

#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void AddRows(CAutoListCtrl& list, int count)
{
    for (int i = 0; i < count; ++i)
        list.InsertItem(-1, QStringLiteral("Row %1").arg(i));
}

} // namespace

class TestAutoListRows : public QObject
{
    Q_OBJECT
private slots:
    void insertingRowsAndDataWords();
    void selectionBoundsAndBatchFill();
    void checkBoxesAndSelectWhereClicked();
};

void TestAutoListRows::insertingRowsAndDataWords()
{
    CAutoListCtrl list;
    QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.InsertColumn(-1, QStringLiteral("Name"));
    list.InsertColumn(-1, QStringLiteral("Value"));
    QCOMPARE(list.InsertItem(-1, QStringLiteral("b")), 0);
    QCOMPARE(list.InsertItem(0, QStringLiteral("m"), 3), 0);
    QCOMPARE(list.InsertItem(99, QStringLiteral("c")), 2);
    QCOMPARE(list.GetItemImage(0), 3);
    AutoListItem sub;
    sub.mask = LVIF_TEXT;
    sub.subItem = 1;
    QCOMPARE(list.InsertItem(sub), -1);
    // The full form does not keep the parameter: the row starts with data word 0.
    const int row = list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, -1, QStringLiteral("d"),
                                    LVIS_SELECTED, LVIS_SELECTED, 0, 1234);
    QCOMPARE(list.GetItemData(row), 0L);
    QCOMPARE(list.GetCurSel(), 3);
    QVERIFY(list.DeleteItem(2));
    QVERIFY(!list.DeleteItem(3));
    QVERIFY(!list.SetItemData(5, 1));
    QCOMPARE(list.GetItemData(5), 0L);

    // A row put in through the bare model has no record: data 0 until SetItemData makes one with
    // empty cells, which is what the sort then sees.
    QVERIFY(list.model()->insertRow(1));
    QVERIFY(list.model()->setData(list.model()->index(1, 0), QStringLiteral("zzz")));
    QCOMPARE(list.GetItemData(1), 0L);
    QVERIFY(list.SetItemData(1, 7));
    list.SortOnColumn(0);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("zzz"));
    QCOMPARE(list.GetItemData(0), 7L);
    // Setting its text through the list fills the record too.
    QVERIFY(list.SetItemText(0, 0, QStringLiteral("zzz")));
    list.SortOnColumn(1);
    list.SortOnColumn(0);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("b"));
}

void TestAutoListRows::selectionBoundsAndBatchFill()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    AddRows(list, 5);
    QCOMPARE(list.GetCurSel(), -1);
    QCOMPARE(list.SetCurSel(2), 0);
    QCOMPARE(list.SetCurSel(5), -1);
    QCOMPARE(list.SetCurSel(-1), -1);
    QCOMPARE(list.GetSelectedItems(), QList<int>({2}));
    list.selectionModel()->select(list.model()->index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(list.GetSelectedItems(), QList<int>({0, 2}));
    QCOMPARE(list.GetCurSel(), 0);

    // With redraw off, rows and the selection still count.
    list.SetRedraw(false);
    list.DeleteAllItems();
    AddRows(list, 1000);
    QCOMPARE(list.SetCurSel(500), 0);
    list.SetRedraw(true);
    QCOMPARE(list.model()->rowCount(), 1000);
    QCOMPARE(list.GetCurSel(), 500);
}

void TestAutoListRows::checkBoxesAndSelectWhereClicked()
{
    CAutoListCtrl list;
    list.resize(300, 200);
    list.InsertColumn(-1, QStringLiteral("Task"), LVCFMT_LEFT, 200);
    QVERIFY(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES));
    QCOMPARE(list.GetExtendedStyle(), 0x24u);
    list.InsertItem(-1, QStringLiteral("Milk"));
    list.InsertItem(LVIF_TEXT | LVIF_STATE, -1, QStringLiteral("Bread"), INDEXTOSTATEIMAGEMASK(2),
                    LVIS_STATEIMAGEMASK, 0, 0);
    list.InsertItem(-1, QStringLiteral("Eggs"));
    QVERIFY(!list.GetCheck(0));
    QVERIFY(list.GetCheck(1));
    QVERIFY(list.SetCheck(1, false));
    QVERIFY(!list.GetCheck(1));

    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy menus(&list, &CAutoListCtrl::contextMenuRequested);
    const QPoint local = list.visualRect(list.model()->index(2, 0)).center();
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, local, list.viewport()->mapToGlobal(local));
    QApplication::sendEvent(list.viewport(), &byMouse);
    QCOMPARE(menus.count(), 1);
    QCOMPARE(list.GetCurSel(), -1);
    QVERIFY(list.SelectWhereClicked());
    QCOMPARE(list.GetCurSel(), 2);

    const QPoint below(20, list.viewport()->height() - 5);
    QTest::mouseMove(list.viewport(), below);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, below);
    QVERIFY(!list.SelectWhereClicked());
}

QTEST_MAIN(TestAutoListRows)
#include "tst_autolistrows.moc"
