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

QPoint RowCentre(CAutoListCtrl& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

} // namespace

class TestAutoListRows : public QObject
{
    Q_OBJECT
private slots:
    void insertingRows();
    void dataWordsWithAndWithoutRecord();
    void selectionOperations();
    void batchFillKeepsRowsAndSelection();
    void checkBoxes();
    void selectWhereClickedAndOwnerSignals();
    void modelStaysConsistent();
};

void TestAutoListRows::insertingRows()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    list.InsertColumn(-1, QStringLiteral("Value"));
    QCOMPARE(list.InsertItem(-1, QStringLiteral("b")), 0);
    QCOMPARE(list.InsertItem(0, QStringLiteral("a"), 3), 0);
    QCOMPARE(list.InsertItem(99, QStringLiteral("c")), 2);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("a"));
    QCOMPARE(list.GetItemImage(0), 3);
    QCOMPARE(list.GetItemImage(1), -1);
    QCOMPARE(list.GetItemText(1, 1), QString());

    AutoListItem sub;
    sub.mask = LVIF_TEXT;
    sub.subItem = 1;
    QCOMPARE(list.InsertItem(sub), -1);

    // The full form: the parameter is not kept, the row starts with data word 0.
    const int row = list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, -1, QStringLiteral("d"),
                                    LVIS_SELECTED, LVIS_SELECTED, 0, 1234);
    QCOMPARE(row, 3);
    QCOMPARE(list.GetItemData(row), 0L);
    QCOMPARE(list.GetCurSel(), 3);
    QCOMPARE(list.GetItemCount(), 4);

    QVERIFY(list.DeleteItem(0));
    QVERIFY(!list.DeleteItem(3));
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("b"));
    QVERIFY(list.DeleteAllItems());
    QCOMPARE(list.GetItemCount(), 0);
}

void TestAutoListRows::dataWordsWithAndWithoutRecord()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    list.InsertColumn(-1, QStringLiteral("Value"));
    list.InsertItem(-1, QStringLiteral("m"));
    QVERIFY(list.SetItemData(0, -42));
    QCOMPARE(list.GetItemData(0), -42L);
    QVERIFY(!list.SetItemData(5, 1));
    QCOMPARE(list.GetItemData(5), 0L);

    // A row put in through the bare model has no record: data 0 until SetItemData makes one with
    // empty cells, which is what the sort then sees.
    QVERIFY(list.model()->insertRow(1));
    QVERIFY(list.model()->setData(list.model()->index(1, 0), QStringLiteral("zzz")));
    QCOMPARE(list.GetItemText(1, 0), QStringLiteral("zzz"));
    QCOMPARE(list.GetItemData(1), 0L);
    QVERIFY(list.SetItemData(1, 7));
    QCOMPARE(list.GetItemData(1), 7L);
    list.SortOnColumn(0);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("zzz"));
    QCOMPARE(list.GetItemData(0), 7L);

    // Setting its text through the list fills the record too.
    QVERIFY(list.SetItemText(0, 0, QStringLiteral("zzz")));
    list.SortOnColumn(1);
    list.SortOnColumn(0);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("m"));
}

void TestAutoListRows::selectionOperations()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    AddRows(list, 5);
    QCOMPARE(list.GetCurSel(), -1);
    list.setCurrentIndex(list.model()->index(4, 0));
    QCOMPARE(list.SetCurSel(2), 0);
    QCOMPARE(list.GetCurSel(), 2);
    QCOMPARE(list.GetSelectedItems(), QList<int>({2}));
    QCOMPARE(list.currentIndex().row(), 4);

    QCOMPARE(list.SetCurSel(5), -1);
    QCOMPARE(list.SetCurSel(-1), -1);
    QCOMPARE(list.GetSelectedItems(), QList<int>({2}));

    list.selectionModel()->select(list.model()->index(4, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    int rows[2] = {-1, -1};
    QCOMPARE(list.GetSelectedItems(2, rows), 2);
    QCOMPARE(rows[0], 0);
    QCOMPARE(rows[1], 2);
    QCOMPARE(list.GetCurSel(), 0);
    QCOMPARE(list.SetCurSel(3), 0);
    QCOMPARE(list.GetSelectedItems(), QList<int>({3}));
    QVERIFY(list.EnsureVisible(3));
    QVERIFY(!list.EnsureVisible(9));
}

void TestAutoListRows::batchFillKeepsRowsAndSelection()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Name"));
    AddRows(list, 3);
    list.SetCurSel(1);
    QSignalSpy reset(list.model(), &QAbstractItemModel::modelReset);
    list.SetRedraw(false);
    QCOMPARE(list.GetCurSel(), 1);
    list.InsertItem(0, QStringLiteral("first"));
    QCOMPARE(list.GetCurSel(), 2);
    list.DeleteAllItems();
    QCOMPARE(list.GetCurSel(), -1);
    AddRows(list, 1000);
    QCOMPARE(list.SetCurSel(500), 0);
    list.SetRedraw(true);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(list.GetItemCount(), 1000);
    QCOMPARE(list.model()->rowCount(), 1000);
    QCOMPARE(list.GetCurSel(), 500);
    QCOMPARE(list.GetItemText(999, 0), QStringLiteral("Row 999"));
}

void TestAutoListRows::checkBoxes()
{
    CAutoListCtrl list;
    list.InsertColumn(-1, QStringLiteral("Task"));
    QVERIFY(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES));
    QCOMPARE(list.GetExtendedStyle(), 0x24u);
    list.InsertItem(-1, QStringLiteral("Milk"));
    list.InsertItem(LVIF_TEXT | LVIF_STATE, -1, QStringLiteral("Bread"), INDEXTOSTATEIMAGEMASK(2),
                    LVIS_STATEIMAGEMASK, 0, 0);
    QVERIFY(!list.GetCheck(0));
    QVERIFY(list.GetCheck(1));
    QVERIFY(list.model()->flags(list.model()->index(0, 0)) & Qt::ItemIsUserCheckable);

    QSignalSpy changed(&list, &CAutoListCtrl::itemCheckChanged);
    QVERIFY(list.model()->setData(list.model()->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(list.GetCheck(0));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QVERIFY(list.SetCheck(1, false));
    QVERIFY(!list.GetCheck(1));
    QCOMPARE(list.model()->index(1, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    QVERIFY(!list.model()->index(0, 0).data(Qt::CheckStateRole).isValid());
}

void TestAutoListRows::selectWhereClickedAndOwnerSignals()
{
    CAutoListCtrl list;
    list.resize(300, 200);
    list.InsertColumn(-1, QStringLiteral("Name"), LVCFMT_LEFT, 200);
    AddRows(list, 3);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    QSignalSpy menus(&list, &CAutoListCtrl::contextMenuRequested);
    const QPoint local = RowCentre(list, 2);
    const QPoint global = list.viewport()->mapToGlobal(local);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, local, global);
    QApplication::sendEvent(list.viewport(), &byMouse);
    QCOMPARE(menus.count(), 1);
    QCOMPARE(menus.at(0).at(0).toPoint(), global);
    QCOMPARE(list.GetCurSel(), -1);
    QVERIFY(list.SelectWhereClicked());
    QCOMPARE(list.GetCurSel(), 2);
    QCOMPARE(list.currentIndex().row(), 2);

    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&list, &byKey);
    QCOMPARE(menus.count(), 2);
    QCOMPARE(menus.at(1).at(0).toPoint(), QPoint(-1, -1));

    const QPoint below(20, list.viewport()->height() - 5);
    QTest::mouseMove(list.viewport(), below);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, below);
    QVERIFY(!list.SelectWhereClicked());

    QSignalSpy clicks(&list, &CAutoListCtrl::itemClicked);
    QSignalSpy doubleClicks(&list, &CAutoListCtrl::itemDoubleClicked);
    QSignalSpy selection(&list, &CAutoListCtrl::selectedRowsChanged);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, 1));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 1);
    QVERIFY(selection.count() >= 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, 0));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(list, 0));
    QCOMPARE(doubleClicks.count(), 1);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 0);

    QSignalSpy deletes(&list, &CAutoListCtrl::deleteKeyPressed);
    QSignalSpy keys(&list, &CAutoListCtrl::keyPressed);
    QTest::keyClick(&list, Qt::Key_Delete);
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(1).at(0).toInt(), int(Qt::Key_Space));
}

void TestAutoListRows::modelStaysConsistent()
{
    CAutoListCtrl list;
    QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.InsertColumn(-1, QStringLiteral("Name"));
    list.InsertColumn(-1, QStringLiteral("Value"));
    AddRows(list, 20);
    for (int row = 0; row < 20; ++row) {
        list.SetItemText(row, 1, QString::number(row * 7 % 11));
        list.SetItemData(row, row - 5);
    }
    list.SetCurSel(4);
    list.SetColumnType(1, LIST_COLUMN_NUMBER);
    list.SortOnColumn(1);
    list.SortOnColumn(1);
    list.DeleteItem(3);
    list.model()->insertRows(2, 3);
    list.model()->removeRows(0, 2);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    list.SetCheck(0, true);
    list.SetRedraw(false);
    list.DeleteAllItems();
    AddRows(list, 50);
    list.SetRedraw(true);
    list.InsertColumn(1, QStringLiteral("Between"));
    list.DeleteColumn(1);
    list.SetColumnText(0, QString());
    QVERIFY(list.DeleteAllItems());
}

QTEST_MAIN(TestAutoListRows)
#include "tst_autolistrows.moc"
