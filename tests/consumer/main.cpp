// Makes a list, fills and sorts it through the installed library, and checks the order.
#include <controls/CAutoListCtrl.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CAutoListCtrl list(nullptr, CAutoListCtrl::SortHeaderStyle);
    if (list.InsertColumn(-1, QStringLiteral("Name"), LVCFMT_LEFT, 120) != 0 ||
        list.InsertColumn(-1, QStringLiteral("Size"), LVCFMT_RIGHT, -1) != 1 || !list.SetColumnType(1, 2))
        return 1;
    const char* names[] = {"small", "large", "middle"};
    const char* sizes[] = {"2K", "1M", "1500"};
    for (int i = 0; i < 3; ++i) {
        const int row = list.InsertItem(-1, QString::fromLatin1(names[i]));
        list.SetItemText(row, 1, QString::fromLatin1(sizes[i]));
        list.SetItemData(row, 10 + i);
    }
    list.SortOnColumn(1);
    const bool sorted = list.GetItemText(0, 0) == QLatin1String("large") &&
                        list.GetItemText(1, 0) == QLatin1String("small") &&
                        list.GetItemText(2, 0) == QLatin1String("middle") && list.GetItemData(0) == 11 &&
                        list.GetSortColumn() == 1 && list.IsSortAscending();
    std::printf("autolist consumer: %s\n", sorted ? "sorted as expected" : "wrong order");
    return sorted ? 0 : 1;
}
