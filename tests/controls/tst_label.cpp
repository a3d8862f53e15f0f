#include "controls/CLabel.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void Enter(QWidget& widget)
{
    QEnterEvent enter(QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

} // namespace

class TestLabel : public QObject
{
    Q_OBJECT
private slots:
    void fontAsksForVerdana();
    void sharedStyles();
    void sizeToTextOnTwoLines();
    void hoverUnderlinesOnlyLinks();
    void clickReportsTheControlId();
    void backgroundWaitsForTheNextPaint();
};

void TestLabel::fontAsksForVerdana()
{
    CLabel label;
    const QStringList families = label.font().families();
    QVERIFY(families.size() >= 2);
    QCOMPARE(families.first(), QStringLiteral("Verdana"));
    QVERIFY(!label.font().underline());
    label.SetFontSize(20);
    QCOMPARE(label.font().pixelSize(), 20);
    label.SetFontBold(true);
    QCOMPARE(label.font().weight(), QFont::Bold);
    label.SetFontBold(false);
    QCOMPARE(label.font().weight(), QFont::Normal);
    QCOMPARE(label.font().pixelSize(), 20);
}

void TestLabel::sharedStyles()
{
    CLabel heading;
    CLabel::ApplyHeadingStyle(heading);
    QCOMPARE(heading.GetTextColor(), QColor(55, 96, 157));
    QCOMPARE(heading.palette().color(QPalette::WindowText), QColor(55, 96, 157));
    QVERIFY(heading.font().bold());

    CLabel plain;
    CLabel::ApplyPlainBoldStyle(plain);
    QCOMPARE(plain.GetTextColor(), QColor(0, 0, 0));
    QVERIFY(plain.font().bold());

    CLabel link;
    CLabel::ApplyLinkStyle(link);
    QCOMPARE(link.GetTextColor(), QColor(0, 0, 128));
    QVERIFY(link.font().underline());
    QVERIFY(!link.font().bold());
}

void TestLabel::sizeToTextOnTwoLines()
{
    CLabel label(1000, QStringLiteral("Short\r\nA much longer second line"));
    CLabel::ApplyHeadingStyle(label);
    label.SizeToText();
    const QFontMetrics metrics(label.font());
    QCOMPARE(label.contentsRect().width(),
             metrics.horizontalAdvance(QStringLiteral("A much longer second line")));
    QCOMPARE(label.contentsRect().height(), 2 * (metrics.height() + metrics.leading()));

    label.setText(QStringLiteral("One line"));
    label.SizeToText();
    QCOMPARE(label.contentsRect().height(), metrics.height() + metrics.leading());
}

void TestLabel::hoverUnderlinesOnlyLinks()
{
    CLabel plain(1, QStringLiteral("Plain"));
    Enter(plain);
    QVERIFY(!plain.font().underline());
    QVERIFY(!plain.IsHovering());
    Leave(plain);
    QVERIFY(!plain.font().underline());

    CLabel link(2, QStringLiteral("Link"));
    link.SetLink(true);
    Enter(link);
    QVERIFY(link.IsHovering());
    QVERIFY(link.font().underline());
    Leave(link);
    QVERIFY(!link.IsHovering());
    QVERIFY(!link.font().underline());

    // The leave takes the underline away even from a label styled as a link.
    CLabel styled(3, QStringLiteral("Styled"));
    CLabel::ApplyLinkStyle(styled);
    styled.SetLink(true);
    Enter(styled);
    QVERIFY(styled.font().underline());
    Leave(styled);
    QVERIFY(!styled.font().underline());
    Enter(styled);
    QVERIFY(styled.font().underline());
}

void TestLabel::clickReportsTheControlId()
{
    CLabel label(1012, QStringLiteral("Home Inventory"));
    label.resize(120, 20);
    QSignalSpy clicked(&label, &CLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1012);
    QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
}

void TestLabel::backgroundWaitsForTheNextPaint()
{
    CLabel label(5, QStringLiteral("Tasks"));
    label.resize(100, 30);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCoreApplication::processEvents();
    PaintCounter counter;
    label.installEventFilter(&counter);

    label.SetBkColor(QColor(0, 200, 0));
    QTest::qWait(50);
    QCOMPARE(counter.count, 0);
    QCOMPARE(label.grab().toImage().pixelColor(98, 28), QColor(0, 200, 0));

    const int before = counter.count;
    label.SetTextColor(Qt::red);
    QVERIFY(counter.count > before);
}

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
