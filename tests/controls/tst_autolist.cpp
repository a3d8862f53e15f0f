// The sortable list control: columns, rows and data words, selection, sorting by column type, and
// how it paints rows by their data word.

#include "ViewTestSupport.h"
#include "controls/CAutoListCtrl.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A two-column list of names and values whose second column has the given type; row i has data 100 + i.
void Fill(CAutoListCtrl& list, int type, const QStringList& names, const QStringList& values)
{
    list.InsertColumn(-1, "Name", LVCFMT_LEFT, 80);
    list.InsertColumn(-1, "Value", LVCFMT_RIGHT, 80);
    QVERIFY(list.SetColumnType(1, type));
    for (int i = 0; i < names.size(); ++i) {
        list.SetItemText(list.InsertItem(-1, names[i]), 1, values.value(i));
        list.SetItemData(i, 100 + i);
    }
}

void ClickHeader(CAutoListCtrl& list, int column)
{
    QHeaderView* header = list.header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

struct Found
{
    int count = 0;
    double meanX = -1;
    int longestRun = 0;
};

// The pixels near a colour in an area: how many, their mean x, and the longest horizontal run.
Found Find(const QImage& image, const QRect& area, const QColor& wanted, int tolerance = 24)
{
    Found found;
    double sum = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(), run = 0; x <= clipped.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool near = qAbs(c.red() - wanted.red()) <= tolerance &&
                              qAbs(c.green() - wanted.green()) <= tolerance &&
                              qAbs(c.blue() - wanted.blue()) <= tolerance;
            run = near ? run + 1 : 0;
            found.longestRun = qMax(found.longestRun, run);
            found.count += near ? 1 : 0;
            sum += near ? x : 0;
        }
    }
    found.meanX = found.count ? sum / found.count : -1;
    return found;
}

QRect CellRect(CAutoListCtrl& list, int row, int column)
{
    return list.visualRect(list.model()->index(row, column));
}

CImageList RedImages()
{
    CImageList images(QSize(16, 16));
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    return images;
}

// The list shown, as painted.
QImage Shown(CAutoListCtrl& list)
{
    list.show();
    return QTest::qWaitForWindowExposed(&list) ? list.viewport()->grab().toImage() : QImage();
}

} // namespace

class TestAutoList final : public QObject
{
    Q_OBJECT
private slots:
    void columns()
    {
        CAutoListCtrl list;
        QCOMPARE(list.InsertColumn(-1, "Loan", LVCFMT_LEFT, 140), 0);
        const AutoListColumn amount{LVCF_TEXT | LVCF_FMT | LVCF_WIDTH, LVCFMT_RIGHT, 60, "Amount"};
        QCOMPARE(list.InsertColumn(-1, amount), 1);
        QCOMPARE(list.GetHeaderWidth(1), 60);
        // A width of -1 fits the heading.
        const QString heading = "A rather long heading";
        const int headingWidth = list.header()->fontMetrics().horizontalAdvance(heading);
        QCOMPARE(list.InsertColumn(-1, heading), 2);
        QVERIFY(list.GetColumnWidth(2) >= headingWidth);

        // A column put between others is not counted.
        QCOMPARE(list.InsertColumn(1, "Between", LVCFMT_LEFT, 50), 1);
        QVERIFY(list.DeleteColumn(1));
        QVERIFY(!list.DeleteColumn(7));
        QCOMPARE(list.GetColumnCount(), 2);
        QCOMPARE(list.GetColumnText(1), "Amount");

        QVERIFY(list.SetColumnType(1, LIST_COLUMN_SIZE));
        QVERIFY(!list.SetColumnType(1, 4));
        QVERIFY(!list.SetColumnType(5, LIST_COLUMN_DATE));
        QCOMPARE(list.GetColumnType(1), LIST_COLUMN_SIZE);
        QCOMPARE(list.GetColumnType(5), -1);

        // An empty heading hides the column; a new one shows it wide enough.
        QVERIFY(list.SetColumnText(1, QString()));
        QCOMPARE(list.GetColumnWidth(1), 0);
        QVERIFY(list.SetColumnText(1, heading));
        QVERIFY(list.GetColumnWidth(1) >= headingWidth);
        QVERIFY(!list.SetColumnText(3, heading));
    }

    void columnsWidenAndNeverNarrow()
    {
        CAutoListCtrl list;
        list.InsertColumn(-1, "Items", LVCFMT_LEFT, 100);
        list.InsertColumn(-1, "Due", LVCFMT_LEFT, 30);
        list.SetImageList(RedImages(), LVSIL_SMALL);

        list.InsertItem(-1, "ab", 0);
        QCOMPARE(list.GetColumnWidth(0), 100);
        const QString wide = "An asset with a very long description indeed";
        const int row = list.InsertItem(-1, wide, 0);
        const int textWidth = QFontMetrics(list.font()).horizontalAdvance(wide);
        const int widened = list.GetColumnWidth(0);
        QVERIFY2(widened >= textWidth + 16 && widened <= textWidth + 40,
                 qPrintable(QString::number(widened)));

        const QString due = "Wednesday, the last day of the month";
        QVERIFY(list.SetItemText(row, 1, due));
        QVERIFY(list.GetColumnWidth(1) >= QFontMetrics(list.font()).horizontalAdvance(due));
        QVERIFY(!list.SetItemText(5, 1, due));

        QVERIFY(list.DeleteAllItems());
        list.InsertItem(-1, "x");
        QCOMPARE(list.GetColumnWidth(0), widened);
        // A minimum width counts the image in the first column.
        list.SetMinColumnWidth(0, widened + 50);
        QCOMPARE(list.GetColumnWidth(0), widened + 66);
    }

    void insertingRowsAndDataWords()
    {
        CAutoListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.InsertColumn(-1, "Name");
        list.InsertColumn(-1, "Value");
        QCOMPARE(list.InsertItem(-1, "b"), 0);
        QCOMPARE(list.InsertItem(0, "m", 3), 0);
        QCOMPARE(list.InsertItem(99, "c"), 2);
        QCOMPARE(list.GetItemImage(0), 3);
        AutoListItem sub;
        sub.mask = LVIF_TEXT;
        sub.subItem = 1;
        QCOMPARE(list.InsertItem(sub), -1);
        QVERIFY(list.DeleteItem(2));
        QVERIFY(!list.DeleteItem(2));
        QVERIFY(!list.SetItemData(5, 1));
        QCOMPARE(list.GetItemData(5), 0L);

        // A row put in through the bare model has no record: data 0 until SetItemData makes one with
        // empty cells, which is what the sort then sees.
        QVERIFY(list.model()->insertRow(1));
        QVERIFY(list.model()->setData(list.model()->index(1, 0), "zzz"));
        QCOMPARE(list.GetItemData(1), 0L);
        QVERIFY(list.SetItemData(1, 7));
        list.SortOnColumn(0);
        QCOMPARE(list.GetItemText(0, 0), "zzz");
        QCOMPARE(list.GetItemData(0), 7L);
        // Setting its text through the list fills the record too.
        QVERIFY(list.SetItemText(0, 0, "zzz"));
        list.SortOnColumn(1);
        list.SortOnColumn(0);
        QCOMPARE(list.GetItemText(0, 0), "b");
    }

    void selectionBoundsAndBatchFill()
    {
        CAutoListCtrl list;
        const QStringList names = {"a", "b", "c", "d", "e"};
        Fill(list, LIST_COLUMN_TEXT, names, {});
        QCOMPARE(list.GetCurSel(), -1);
        QCOMPARE(list.SetCurSel(2), 0);
        QCOMPARE(list.SetCurSel(5), -1);
        QCOMPARE(list.SetCurSel(-1), -1);
        list.selectionModel()->select(list.model()->index(0, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(list.GetSelectedItems(), QList<int>({0, 2}));
        QCOMPARE(list.GetCurSel(), 0);

        // With redraw off, rows and the selection still count.
        list.SetRedraw(false);
        list.DeleteAllItems();
        for (const QString& name : names) {
            list.InsertItem(-1, name);
        }
        QCOMPARE(list.SetCurSel(4), 0);
        list.SetRedraw(true);
        QCOMPARE(ListTexts(list), names);
        QCOMPARE(list.GetCurSel(), 4);
    }

    void checkBoxesAndSelectWhereClicked()
    {
        CAutoListCtrl list;
        list.resize(300, 200);
        list.InsertColumn(-1, "Task", LVCFMT_LEFT, 200);
        QVERIFY(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES));
        list.InsertItem(-1, "Milk");
        list.InsertItem(LVIF_TEXT | LVIF_STATE, -1, "Bread", INDEXTOSTATEIMAGEMASK(2) | LVIS_SELECTED,
                        LVIS_STATEIMAGEMASK | LVIS_SELECTED, 0, 0);
        list.InsertItem(-1, "Eggs");
        QVERIFY(!list.GetCheck(0));
        QVERIFY(list.GetCheck(1));

        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy menus(&list, &CAutoListCtrl::contextMenuRequested);
        const QPoint local = CellRect(list, 2, 0).center();
        QContextMenuEvent byMouse(QContextMenuEvent::Mouse, local, list.viewport()->mapToGlobal(local));
        QApplication::sendEvent(list.viewport(), &byMouse);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(list.GetCurSel(), 1);
        QVERIFY(list.SelectWhereClicked());
        QCOMPARE(list.GetCurSel(), 2);

        const QPoint below(20, list.viewport()->height() - 5);
        QTest::mouseMove(list.viewport(), below);
        QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, below);
        QVERIFY(!list.SelectWhereClicked());
    }

    void headerClicks()
    {
        CAutoListCtrl list(nullptr, CAutoListCtrl::SortHeaderStyle);
        Fill(list, LIST_COLUMN_TEXT, {"b", "c", "a"}, {"2", "1", "3"});
        list.SetCurSel(1);
        CAutoListCtrl plain;
        Fill(plain, LIST_COLUMN_TEXT, {"b", "a"}, {});
        list.show();
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list) && QTest::qWaitForWindowExposed(&plain));

        ClickHeader(list, 0);
        QCOMPARE(ListTexts(list, 0), QStringList({"a", "b", "c"}));
        QVERIFY(list.IsSortAscending());
        QCOMPARE(list.GetItemData(0), 102L);
        QCOMPARE(list.GetCurSel(), 2);
        ClickHeader(list, 0);
        QCOMPARE(ListTexts(list, 0), QStringList({"c", "b", "a"}));
        QVERIFY(!list.IsSortAscending());

        ClickHeader(plain, 0);
        QCOMPARE(ListTexts(plain, 0), QStringList({"b", "a"}));
        QCOMPARE(plain.GetSortColumn(), -1);
    }

    void sortOrders_data()
    {
        const QLocale locale;
        const auto date = [&](int y, int m, int d, QLocale::FormatType format = QLocale::ShortFormat) {
            return locale.toString(QDate(y, m, d), format);
        };
        const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString eAcute = QString(QChar(0xE9));
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("first"); // the names after one sort on the column
        QTest::addColumn<QStringList>("again"); // and after a second one ("" when not checked)
        QTest::newRow("text ties fall back to the first column")
            << LIST_COLUMN_TEXT << QStringList{"b", "c", "a"} << QStringList{"x", "w", "x"} << 1
            << QStringList{"c", "a", "b"} << QStringList{"b", "a", "c"};
        QTest::newRow("text compares as UTF-8 bytes")
            << LIST_COLUMN_TEXT << QStringList{smiley, "a", eAcute, "B"} << QStringList() << 0
            << QStringList{"B", "a", eAcute, smiley} << QStringList();
        QTest::newRow("numbers read their leading digits")
            << LIST_COLUMN_NUMBER << QStringList{"n9", "n10", "nx", "none"}
            << QStringList{"9", "10", "12abc", "x"} << 1 << QStringList{"nx", "n10", "n9", "none"}
            << QStringList();
        // Equal numbers never tie: the earlier row counts as the larger.
        QTest::newRow("equal numbers")
            << LIST_COLUMN_NUMBER << QStringList{"b", "a"} << QStringList{"5", "5.0"} << 1
            << QStringList{"b", "a"} << QStringList{"a", "b"};
        // 1M is 1,024,000: less than 1,048,576, more than 1,000,001; 2K is 2048.
        QTest::newRow("sizes in K and M") << LIST_COLUMN_SIZE << QStringList{"a", "b", "c", "d", "e"}
                                          << QStringList{"1500", "2K", "1M", "1048576", "1000001"} << 1
                                          << QStringList{"d", "c", "e", "b", "a"} << QStringList();
        // Texts that are no date count as the earliest day and tie with each other.
        QTest::newRow("dates") << LIST_COLUMN_DATE << QStringList{"b", "c", "d", "e", "a"}
                               << QStringList{date(2001, 5, 3), "someday", date(2024, 1, 15),
                                              date(1999, 12, 31, QLocale::LongFormat), "31 Feb"}
                               << 1 << QStringList{"a", "c", "e", "b", "d"}
                               << QStringList{"d", "b", "e", "c", "a"};
    }

    void sortOrders()
    {
        QFETCH(int, type);
        QFETCH(QStringList, names);
        QFETCH(QStringList, values);
        QFETCH(int, column);
        QFETCH(QStringList, first);
        QFETCH(QStringList, again);
        CAutoListCtrl list;
        Fill(list, type, names, values);
        list.SortOnColumn(column);
        QCOMPARE(ListTexts(list, 0), first);
        QCOMPARE(CAutoListCtrl::CompareItems(0, 1, list), -1);
        list.SortOnColumn(column);
        if (!again.isEmpty()) {
            QCOMPARE(ListTexts(list, 0), again);
        }
    }

    void rowsColouredByTheirDataWord()
    {
        CAutoListCtrl list;
        list.resize(400, 200);
        list.InsertColumn(-1, "Items", LVCFMT_LEFT, 300);
        for (long data : {0L, -3L, 3L}) {
            list.SetItemData(list.InsertItem(-1, "WWWWWWWW"), data);
        }
        // The focus frame goes on another row.
        list.InsertItem(-1, "current");
        list.setCurrentIndex(list.model()->index(3, 0));
        const QImage image = Shown(list);
        const QColor base = list.palette().color(QPalette::Base);
        // Data word 0: white text on black; negative: grey; positive: as the list draws any row.
        const QList<std::pair<QColor, QColor>> looks = {{Qt::black, Qt::white},
                                                        {base, QColor(0x80, 0x80, 0x80)},
                                                        {base, list.palette().color(QPalette::Text)}};
        for (int row = 0; row < 3; ++row) {
            const QRect cell = CellRect(list, row, 0);
            QCOMPARE(image.pixelColor(cell.right() - 4, cell.center().y()), looks[row].first);
            QVERIFY(Find(image, cell, looks[row].second, 16).count > 10);
        }
    }

    void ownerDrawnRows()
    {
        CAutoListCtrl list(nullptr, CAutoListCtrl::OwnerDrawStyle);
        list.resize(500, 200);
        list.InsertColumn(-1, "Task", LVCFMT_LEFT, 200);
        list.InsertColumn(-1, "Where", LVCFMT_LEFT, 120);
        list.SetImageList(RedImages());
        list.InsertItem(-1, "MMMMMM", 0);
        list.SetItemText(0, 1, "MMMM");
        list.SetItemData(0, 5);
        list.InsertItem(-1, "MMMMMM", 0);
        list.SetItemData(1, -5);
        list.SetCurSel(0);
        const QImage image = Shown(list);
        const QColor blue(0, 0, 255);
        const QRect active = CellRect(list, 0, 0);

        // The image, 15 x 15 at (left + 3, top + 1).
        QCOMPARE(image.pixelColor(active.left() + 3, active.top() + 1), QColor(Qt::red));
        QCOMPARE(image.pixelColor(active.left() + 17, active.top() + 15), QColor(Qt::red));
        QVERIFY(image.pixelColor(active.left() + 18, active.top() + 8) != QColor(Qt::red));

        // Blue text for an active row, and the selection is not drawn.
        const QRect activeLabel = active.adjusted(16, 0, 0, 0);
        QVERIFY(Find(image, activeLabel, blue, 60).count > 20);
        QCOMPARE(Find(image, activeLabel, list.palette().color(QPalette::Highlight), 8).count, 0);
        QCOMPARE(image.pixelColor(active.right() - 20, active.top() + 1),
                 list.palette().color(QPalette::Base));

        // Grey struck-through text for a done row: the strike is one long grey line.
        const QRect doneLabel = CellRect(list, 1, 0).adjusted(16, 0, 0, 0);
        QCOMPARE(Find(image, doneLabel, blue, 60).count, 0);
        const int textWidth = QFontMetrics(list.font()).horizontalAdvance("MMMMMM");
        QVERIFY(Find(image, doneLabel, QColor(0x80, 0x80, 0x80)).longestRun >= textWidth - 4);

        // The second column is centred in a rectangle starting 15 pixels left of its own.
        const QRect second = CellRect(list, 0, 1);
        const double centre = Find(image, second.adjusted(-20, 0, 0, 0), blue, 60).meanX;
        QVERIFY2(qAbs(centre - (second.center().x() - 15)) <= 3, qPrintable(QString::number(centre)));
    }
};

QTEST_MAIN(TestAutoList)
#include "tst_autolist.moc"
