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
    for (const auto& [name, value] : rows)
        list.SetItemText(list.InsertItem(-1, name), 1, value);
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
    void headerClicks();
    void textAndNumberRules();
    void sizesAndDates();
};

void TestAutoListSort::headerClicks()
{
    CAutoListCtrl list(nullptr, CAutoListCtrl::SortHeaderStyle);
    Fill(list, LIST_COLUMN_TEXT, {{"b", "2"}, {"c", "1"}, {"a", "3"}});
    for (int row = 0; row < 3; ++row)
        list.SetItemData(row, 100 + row);
    list.SetCurSel(1);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.GetSortColumn(), -1);

    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b", "c"}));
    QVERIFY(list.IsSortAscending());
    QCOMPARE(list.GetItemData(0), 102L);
    QCOMPARE(list.GetCurSel(), 2);
    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"c", "b", "a"}));
    QVERIFY(!list.IsSortAscending());
    ClickHeader(list, 0);
    QCOMPARE(Texts(list, 0), QStringList({"a", "b", "c"}));
    QVERIFY(list.IsSortAscending());

    CAutoListCtrl plain;
    Fill(plain, LIST_COLUMN_TEXT, {{"b", ""}, {"a", ""}});
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    ClickHeader(plain, 0);
    QCOMPARE(Texts(plain, 0), QStringList({"b", "a"}));
    QCOMPARE(plain.GetSortColumn(), -1);
}

void TestAutoListSort::textAndNumberRules()
{
    // Ties fall back to the first column, in the current direction.
    CAutoListCtrl text;
    Fill(text, LIST_COLUMN_TEXT, {{"b", "x"}, {"c", "w"}, {"a", "x"}});
    text.SortOnColumn(1);
    QCOMPARE(Texts(text, 0), QStringList({"c", "a", "b"}));
    text.SortOnColumn(1);
    QCOMPARE(Texts(text, 0), QStringList({"b", "a", "c"}));

    // Texts compare as UTF-8 bytes.
    CAutoListCtrl bytes;
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString eAcute = QString(QChar(0xE9));
    Fill(bytes, LIST_COLUMN_TEXT, {{smiley, ""}, {"a", ""}, {eAcute, ""}, {"B", ""}});
    bytes.SortOnColumn(0);
    QCOMPARE(Texts(bytes, 0), QStringList({"B", "a", eAcute, smiley}));

    CAutoListCtrl numbers;
    Fill(numbers, LIST_COLUMN_NUMBER, {{"n9", "9"}, {"n10", "10"}, {"nx", "12abc"}, {"none", "x"}});
    numbers.SortOnColumn(1);
    QCOMPARE(Texts(numbers, 1), QStringList({"12abc", "10", "9", "x"}));

    // Equal numbers never tie.
    CAutoListCtrl equal;
    Fill(equal, LIST_COLUMN_NUMBER, {{"b", "5"}, {"a", "5.0"}});
    equal.SortOnColumn(1);
    QCOMPARE(CAutoListCtrl::CompareItems(0, 1, equal), -1);
    QCOMPARE(CAutoListCtrl::CompareItems(1, 0, equal), -1);
    equal.SortOnColumn(1);
    QCOMPARE(CAutoListCtrl::CompareItems(0, 1, equal), 1);
}

void TestAutoListSort::sizesAndDates()
{
    CAutoListCtrl sizes;
    Fill(sizes, LIST_COLUMN_SIZE,
         {{"a", "1500"}, {"b", "2K"}, {"c", "1M"}, {"d", "1048576"}, {"e", "1000001"}});
    sizes.SortOnColumn(1);
    // 1M is 1,024,000: less than 1,048,576, more than 1,000,001; 2K is 2048.
    QCOMPARE(Texts(sizes, 1), QStringList({"1048576", "1M", "1000001", "2K", "1500"}));

    const QLocale locale;
    CAutoListCtrl dates;
    Fill(dates, LIST_COLUMN_DATE,
         {{"b", locale.toString(QDate(2001, 5, 3), QLocale::ShortFormat)},
          {"c", "someday"},
          {"d", locale.toString(QDate(2024, 1, 15), QLocale::ShortFormat)},
          {"e", locale.toString(QDate(1999, 12, 31), QLocale::LongFormat)},
          {"a", "31 Feb"}});
    dates.SortOnColumn(1);
    // Texts that are no date count as the earliest day and tie with each other.
    QCOMPARE(Texts(dates, 0), QStringList({"a", "c", "e", "b", "d"}));
    dates.SortOnColumn(1);
    QCOMPARE(Texts(dates, 0), QStringList({"d", "b", "e", "c", "a"}));
}

QTEST_MAIN(TestAutoListSort)
#include "tst_autolistsort.moc"
