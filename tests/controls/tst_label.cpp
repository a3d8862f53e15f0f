#include "controls/CLabel.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void Hover(QWidget& widget, bool enter)
{
    const QPointF at = widget.mapToGlobal(QPointF(2, 2));
    QEnterEvent entering(QPointF(2, 2), at, at);
    QEvent leaving(QEvent::Leave);
    QApplication::sendEvent(&widget, enter ? static_cast<QEvent*>(&entering) : &leaving);
}

} // namespace

class TestLabel : public QObject
{
    Q_OBJECT
private slots:
    void headingSizedToTextOnTwoLines()
    {
        CLabel heading(7, "Short\r\nA much longer second line");
        CLabel::ApplyHeadingStyle(heading);
        QCOMPARE(heading.palette().color(QPalette::WindowText), QColor(55, 96, 157));
        QVERIFY(heading.font().bold());
        heading.SizeToText();
        const QFontMetrics metrics(heading.font());
        QCOMPARE(heading.contentsRect().width(), metrics.horizontalAdvance("A much longer second line"));
        QCOMPARE(heading.contentsRect().height(), 2 * (metrics.height() + metrics.leading()));
    }

    void hoverUnderlinesOnlyLinks()
    {
        CLabel plain(1, "Plain");
        Hover(plain, true);
        QVERIFY(!plain.font().underline());

        // The leave takes the underline away even from a label styled as a link.
        CLabel link(2, "Link");
        CLabel::ApplyLinkStyle(link);
        link.SetLink(true);
        Hover(link, true);
        QVERIFY(link.font().underline());
        Hover(link, false);
        QVERIFY(!link.font().underline());
    }

    void clickAndBackground()
    {
        CLabel label(1012, "Home Inventory");
        label.resize(120, 30);
        QSignalSpy clicked(&label, &CLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 1012);
        QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);

        label.SetBkColor(QColor(0, 200, 0));
        QCOMPARE(label.grab().toImage().pixelColor(118, 28), QColor(0, 200, 0));
    }

    void backgroundFollowsItsWindowUntilSet()
    {
        QWidget window;
        window.resize(200, 60);
        auto* label = new CLabel(1, "Please select a home...", &window);
        CLabel::ApplyHeadingStyle(*label);
        label->resize(180, 30);
        // The window's background is set after the label took its looks, as the main frame does.
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, QColor(234, 239, 244));
        window.setPalette(colours);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(label->GetBkColor(), QColor(234, 239, 244));
        QCOMPARE(label->grab().toImage().pixelColor(178, 28), QColor(234, 239, 244));

        label->SetBkColor(Qt::white);
        colours.setColor(QPalette::Window, Qt::black);
        window.setPalette(colours);
        QCOMPARE(label->grab().toImage().pixelColor(178, 28), QColor(Qt::white));
    }
};

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
