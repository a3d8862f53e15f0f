#include "controls/CAutoListCtrl.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

namespace {

bool Near(const QColor& colour, const QColor& wanted, int tolerance)
{
    return qAbs(colour.red() - wanted.red()) <= tolerance &&
           qAbs(colour.green() - wanted.green()) <= tolerance &&
           qAbs(colour.blue() - wanted.blue()) <= tolerance;
}

int CountNear(const QImage& image, const QRect& area, const QColor& wanted, int tolerance = 24)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += Near(image.pixelColor(x, y), wanted, tolerance) ? 1 : 0;
    }
    return count;
}

// The mean x of the pixels near a colour in an area, or -1 without any.
double MeanX(const QImage& image, const QRect& area, const QColor& wanted)
{
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Near(image.pixelColor(x, y), wanted, 60)) {
                sum += x;
                ++count;
            }
        }
    }
    return count ? sum / count : -1;
}

// The longest horizontal run of pixels near a colour in an area.
int LongestRun(const QImage& image, const QRect& area, const QColor& wanted)
{
    int longest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            run = Near(image.pixelColor(x, y), wanted, 24) ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    return longest;
}

QRect CellRect(CAutoListCtrl& list, int row, int column)
{
    return list.visualRect(list.model()->index(row, column));
}

QImage Render(CAutoListCtrl& list)
{
    list.viewport()->update();
    return list.viewport()->grab().toImage();
}

} // namespace

class TestAutoListPaint : public QObject
{
    Q_OBJECT
private slots:
    void rowsColouredByTheirDataWord();
    void ownerDrawnRows();
};

void TestAutoListPaint::rowsColouredByTheirDataWord()
{
    CAutoListCtrl list;
    list.resize(400, 200);
    list.InsertColumn(-1, QStringLiteral("Items"), LVCFMT_LEFT, 300);
    list.InsertItem(-1, QStringLiteral("WWWWWWWW"));
    list.InsertItem(-1, QStringLiteral("WWWWWWWW"));
    list.InsertItem(-1, QStringLiteral("WWWWWWWW"));
    list.SetItemData(1, -3);
    list.SetItemData(2, 3);
    // The focus frame goes on another row.
    list.InsertItem(-1, QStringLiteral("current"));
    list.setCurrentIndex(list.model()->index(3, 0));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage image = Render(list);

    // Data word 0: white text on black.
    const QRect zero = CellRect(list, 0, 0);
    QCOMPARE(image.pixelColor(zero.right() - 4, zero.center().y()), QColor(Qt::black));
    QVERIFY(CountNear(image, zero, Qt::white) > 10);

    // Negative: grey text on the list's own background.
    const QRect negative = CellRect(list, 1, 0);
    const QColor base = list.palette().color(QPalette::Base);
    QCOMPARE(image.pixelColor(negative.right() - 4, negative.center().y()), base);
    QVERIFY(CountNear(image, negative, QColor(0x80, 0x80, 0x80), 16) > 10);

    // Positive: as the list draws any row.
    const QRect positive = CellRect(list, 2, 0);
    QCOMPARE(image.pixelColor(positive.right() - 4, positive.center().y()), base);
    QVERIFY(CountNear(image, positive, list.palette().color(QPalette::Text)) > 10);
    QVERIFY(CountNear(image, positive, Qt::black, 24) > CountNear(image, negative, Qt::black, 24));
}

void TestAutoListPaint::ownerDrawnRows()
{
    CAutoListCtrl list(nullptr, CAutoListCtrl::OwnerDrawStyle);
    QVERIFY(list.IsOwnerDraw());
    list.resize(500, 200);
    list.InsertColumn(-1, QStringLiteral("Task"), LVCFMT_LEFT, 200);
    list.InsertColumn(-1, QStringLiteral("Where"), LVCFMT_LEFT, 120);
    CImageList images(QSize(16, 16));
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    list.SetImageList(images);
    list.InsertItem(-1, QStringLiteral("MMMMMM"), 0);
    list.SetItemText(0, 1, QStringLiteral("MMMM"));
    list.SetItemData(0, 5);
    list.InsertItem(-1, QStringLiteral("MMMMMM"), 0);
    list.SetItemData(1, -5);
    list.SetCurSel(0);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage image = Render(list);

    const QColor blue(0, 0, 255);
    const QColor grey(0x80, 0x80, 0x80);
    const QRect active = CellRect(list, 0, 0);
    const QRect done = CellRect(list, 1, 0);

    // The image, 15 x 15 at (left + 3, top + 1).
    QCOMPARE(image.pixelColor(active.left() + 3, active.top() + 1), QColor(Qt::red));
    QCOMPARE(image.pixelColor(active.left() + 17, active.top() + 15), QColor(Qt::red));
    QVERIFY(image.pixelColor(active.left() + 18, active.top() + 8) != QColor(Qt::red));

    // Blue text for an active row, and the selection is not drawn.
    const QRect activeLabel(active.left() + 16, active.top(), active.width() - 16, active.height());
    QVERIFY(CountNear(image, activeLabel, blue, 60) > 20);
    QCOMPARE(CountNear(image, activeLabel, list.palette().color(QPalette::Highlight), 8), 0);
    QCOMPARE(image.pixelColor(active.right() - 20, active.top() + 1), list.palette().color(QPalette::Base));

    // Grey struck-through text for a done row: the strike is one long grey line.
    const QRect doneLabel(done.left() + 16, done.top(), done.width() - 16, done.height());
    QCOMPARE(CountNear(image, doneLabel, blue, 60), 0);
    const int textWidth = QFontMetrics(list.font()).horizontalAdvance(QStringLiteral("MMMMMM"));
    QVERIFY(LongestRun(image, doneLabel, grey) >= textWidth - 4);

    // The second column is centred in a rectangle starting 15 pixels left of its own.
    const QRect second = CellRect(list, 0, 1);
    const QRect searched(second.left() - 20, second.top(), second.width() + 20, second.height());
    const double centre = MeanX(image, searched, blue);
    QVERIFY2(qAbs(centre - (second.center().x() - 15)) <= 3, qPrintable(QString::number(centre)));
}

QTEST_MAIN(TestAutoListPaint)
#include "tst_autolistpaint.moc"
