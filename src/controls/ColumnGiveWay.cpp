#include "controls/ColumnGiveWay.h"

#include <algorithm>
#include <numeric>

QList<int> GiveWay(QList<int> widths, const QList<int>& floors, int available)
{
    int excess = std::accumulate(widths.cbegin(), widths.cend(), 0) - available;
    QList<int> yielding;
    for (int column = 0; column < widths.size() && column < floors.size(); ++column) {
        if (floors.at(column) >= 0) {
            yielding.append(column);
        }
    }
    std::stable_sort(yielding.begin(), yielding.end(),
                     [&widths](int a, int b) { return widths.at(a) > widths.at(b); });
    for (int column : yielding) {
        if (excess <= 0) {
            break;
        }
        const int cut = qBound(0, widths.at(column) - floors.at(column), excess);
        widths[column] -= cut;
        excess -= cut;
    }
    return widths;
}
