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
        int run = 0;
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const bool near = Near(image.pixelColor(x, y), wanted, tolerance);
            run = near ? run + 1 : 0;
            found.longestRun = qMax(found.longestRun, run);
            found.count += near ? 1 : 0;
            sum += near ? x : 0;
        }
    }
    if (found.count)
        found.meanX = sum / found.count;
    return found;
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
    for (long data : {0L, -3L, 3L})
        list.SetItemData(list.InsertItem(-1, QStringLiteral("WWWWWWWW")), data);
    // The focus frame goes on another row.
    list.InsertItem(-1, QStringLiteral("current"));
    list.setCurrentIndex(list.model()->index(3, 0));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage image = Render(list);
    const QColor base = list.palette().color(QPalette::Base);

    // Data word 0: white text on black.
    const QRect zero = CellRect(list, 0, 0);
    QCOMPARE(image.pixelColor(zero.right() - 4, zero.center().y()), QColor(Qt::black));
    QVERIFY(Find(image, zero, Qt::white).count > 10);
    // Negative: grey text on the list's own background.
    const QRect negative = CellRect(list, 1, 0);
    QCOMPARE(image.pixelColor(negative.right() - 4, negative.center().y()), base);
    QVERIFY(Find(image, negative, QColor(0x80, 0x80, 0x80), 16).count > 10);
    // Positive: as the list draws any row.
    const QRect positive = CellRect(list, 2, 0);
    QCOMPARE(image.pixelColor(positive.right() - 4, positive.center().y()), base);
    QVERIFY(Find(image, positive, list.palette().color(QPalette::Text)).count > 10);
    QVERIFY(Find(image, positive, Qt::black).count > Find(image, negative, Qt::black).count);
}

void TestAutoListPaint::ownerDrawnRows()
{
    CAutoListCtrl list(nullptr, CAutoListCtrl::OwnerDrawStyle);
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
    const QRect active = CellRect(list, 0, 0);
    const QRect done = CellRect(list, 1, 0);

    // The image, 15 x 15 at (left + 3, top + 1).
    QCOMPARE(image.pixelColor(active.left() + 3, active.top() + 1), QColor(Qt::red));
    QCOMPARE(image.pixelColor(active.left() + 17, active.top() + 15), QColor(Qt::red));
    QVERIFY(image.pixelColor(active.left() + 18, active.top() + 8) != QColor(Qt::red));

    // Blue text for an active row, and the selection is not drawn.
    const QRect activeLabel = active.adjusted(16, 0, 0, 0);
    QVERIFY(Find(image, activeLabel, blue, 60).count > 20);
    QCOMPARE(Find(image, activeLabel, list.palette().color(QPalette::Highlight), 8).count, 0);
    QCOMPARE(image.pixelColor(active.right() - 20, active.top() + 1), list.palette().color(QPalette::Base));

    // Grey struck-through text for a done row: the strike is one long grey line.
    const QRect doneLabel = done.adjusted(16, 0, 0, 0);
    QCOMPARE(Find(image, doneLabel, blue, 60).count, 0);
    const int textWidth = QFontMetrics(list.font()).horizontalAdvance(QStringLiteral("MMMMMM"));
    QVERIFY(Find(image, doneLabel, QColor(0x80, 0x80, 0x80)).longestRun >= textWidth - 4);

    // The second column is centred in a rectangle starting 15 pixels left of its own.
    const QRect second = CellRect(list, 0, 1);
    const double centre = Find(image, second.adjusted(-20, 0, 0, 0), blue, 60).meanX;
    QVERIFY2(qAbs(centre - (second.center().x() - 15)) <= 3, qPrintable(QString::number(centre)));
}

QTEST_MAIN(TestAutoListPaint)
#include "tst_autolistpaint.moc"
