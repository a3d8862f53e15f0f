#include "controls/CAutoListCtrl.h"

#include <QDate>
#include <QHeaderView>
#include <QLocale>
#include <QTest>

namespace {

QStringList Texts(const CAutoListCtrl& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.append(list.GetItemText(row, column));
    return texts;
}

// Rows of (name, value) in a two-column list whose second column has the given type.
void Fill(CAutoListCtrl& list, int type, const QList<QPair<QString, QString>>& rows)
{
    list.InsertColumn(-1, QStringLiteral("Name"), LVCFMT_LEFT, 80);
    list.InsertColumn(-1, QStringLiteral("Value"), LVCFMT_RIGHT, 80);
    QVERIFY(list.SetColumnType(1, type));
    for (const auto& [name, value] : rows) {
        const int row = list.InsertItem(-1, name);
        list.SetItemText(row, 1, value);
    }
}

void ClickHeader(CAutoListCtrl& list, int column)
{
    QHeaderView* header = list.header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class TestAutoListSort : public QObject
{
    Q_OBJECT
private slots:
    void headerClicksAlternateTheDirection();
    void headerClicksNeedSortableHeaders();
    void textTiesFallBackToTheFirstColumn();
    void textComparesUtf8Bytes();
    void numbersSortLargestFirstAndNeverTie();
    void sizesUseKAndM();
    void datesReadInTheUsersLocale();
    void rowsKeepTheirDataAndSelection();
};

void TestAutoListSort::headerClicksAlternateTheDirection()
{
    CAutoListCtrl list(nullptr, CAutoListCtrl::SortHeaderStyle);
    Fill(list, LIST_COLUMN_TEXT, {{"b", "2"}, {"c", "1"}, {"a", "3"}});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.GetSortColumn(), -1);

    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b", "c"}));
    QCOMPARE(list.GetSortColumn(), 0);
    QVERIFY(list.IsSortAscending());
    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"c", "b", "a"}));
    QVERIFY(!list.IsSortAscending());
    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b", "c"}));
    QVERIFY(list.IsSortAscending());

    // Another column starts ascending again; -1 changes nothing.
    ClickHeader(list, 1);
    QCOMPARE(Texts(list, 1), QStringList({"1", "2", "3"}));
    QCOMPARE(list.GetSortColumn(), 1);
    list.SortOnColumn(-1);
    QCOMPARE(list.GetSortColumn(), 1);
    QVERIFY(list.IsSortAscending());

    // Rows added after a sort stay where they are put.
    list.InsertItem(-1, QStringLiteral("0"));
    QCOMPARE(Texts(list, 0).last(), QStringLiteral("0"));
}

void TestAutoListSort::headerClicksNeedSortableHeaders()
{
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_TEXT, {{"b", ""}, {"a", ""}});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"b", "a"}));
    QCOMPARE(list.GetSortColumn(), -1);
    list.SortOnColumn(0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b"}));
}

void TestAutoListSort::textTiesFallBackToTheFirstColumn()
{
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_TEXT, {{"b", "x"}, {"c", "w"}, {"a", "x"}});
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 0), QStringList({"c", "a", "b"}));
    QVERIFY(CAutoListCtrl::CompareItems(1, 2, list) < 0);
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 0), QStringList({"b", "a", "c"}));
    QVERIFY(CAutoListCtrl::CompareItems(0, 1, list) < 0);
    QVERIFY(CAutoListCtrl::CompareItems(1, 0, list) > 0);
}

void TestAutoListSort::textComparesUtf8Bytes()
{
    CAutoListCtrl list;
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80"); // above the basic plane
    const QString replacement = QString(QChar(0xFFFD));
    const QString eAcute = QString(QChar(0xE9));
    Fill(list, LIST_COLUMN_TEXT,
         {{smiley, ""}, {"a", ""}, {eAcute, ""}, {replacement, ""}, {"B", ""}, {"ab", ""}});
    list.SortOnColumn(0);
    QCOMPARE(Texts(list, 0), QStringList({"B", "a", "ab", eAcute, replacement, smiley}));
}

void TestAutoListSort::numbersSortLargestFirstAndNeverTie()
{
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_NUMBER,
         {{"n9", "9"}, {"n10", "10"}, {"n2", " 2.5"}, {"nx", "12abc"}, {"none", "x"}});
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 1), QStringList({"12abc", "10", "9", " 2.5", "x"}));
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 1), QStringList({"x", " 2.5", "9", "10", "12abc"}));

    CAutoListCtrl equal;
    Fill(equal, LIST_COLUMN_NUMBER, {{"b", "5"}, {"a", "5.0"}});
    equal.SortOnColumn(1);
    QCOMPARE(CAutoListCtrl::CompareItems(0, 1, equal), -1);
    QCOMPARE(CAutoListCtrl::CompareItems(1, 0, equal), -1);
    equal.SortOnColumn(1);
    QCOMPARE(CAutoListCtrl::CompareItems(0, 1, equal), 1);
}

void TestAutoListSort::sizesUseKAndM()
{
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_SIZE,
         {{"a", "1500"}, {"b", "2K"}, {"c", "1M"}, {"d", "1048576"}, {"e", "1000001"}});
    list.SortOnColumn(1);
    // 1M is 1,024,000: less than 1,048,576, more than 1,000,001; 2K is 2048.
    QCOMPARE(Texts(list, 1), QStringList({"1048576", "1M", "1000001", "2K", "1500"}));
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 1), QStringList({"1500", "2K", "1000001", "1M", "1048576"}));

    CAutoListCtrl same;
    Fill(same, LIST_COLUMN_SIZE, {{"b", "1K"}, {"a", "1024"}});
    same.SortOnColumn(1);
    QCOMPARE(Texts(same, 0), QStringList({"a", "b"}));
}

void TestAutoListSort::datesReadInTheUsersLocale()
{
    const QLocale locale;
    const QString shortText = locale.toString(QDate(2001, 5, 3), QLocale::ShortFormat);
    const QString longText = locale.toString(QDate(1999, 12, 31), QLocale::LongFormat);
    const QString recent = locale.toString(QDate(2024, 1, 15), QLocale::ShortFormat);
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_DATE,
         {{"b", shortText}, {"c", "someday"}, {"d", recent}, {"e", longText}, {"a", "31 Feb"}});
    list.SortOnColumn(1);
    // Texts that are no date count as the earliest day and tie with each other.
    QCOMPARE(Texts(list, 0), QStringList({"a", "c", "e", "b", "d"}));
    list.SortOnColumn(1);
    QCOMPARE(Texts(list, 0), QStringList({"d", "b", "e", "c", "a"}));
}

void TestAutoListSort::rowsKeepTheirDataAndSelection()
{
    CAutoListCtrl list;
    Fill(list, LIST_COLUMN_TEXT, {{"b", ""}, {"c", ""}, {"a", ""}});
    for (int row = 0; row < 3; ++row)
        list.SetItemData(row, 100 + row);
    list.SetCurSel(1);
    list.SortOnColumn(0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b", "c"}));
    QCOMPARE(list.GetItemData(0), 102L);
    QCOMPARE(list.GetItemData(1), 100L);
    QCOMPARE(list.GetItemData(2), 101L);
    QCOMPARE(list.GetCurSel(), 2);
}

QTEST_MAIN(TestAutoListSort)
#include "tst_autolistsort.moc"
