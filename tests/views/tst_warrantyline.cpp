// Home Today's warranty line: shown only while a warranty ends soon, above the four lines, and
// leading to the inventory filtered to those assets.

#include "CSessionTest.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "views/CInventoryView.h"
#include "views/CTodayView.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestWarrantyLine final : public CSessionTest
{
    Q_OBJECT

private slots:
    void lineCountsAndLeads_data();
    void lineCountsAndLeads();
};

void TestWarrantyLine::lineCountsAndLeads_data()
{
    QTest::addColumn<QList<int>>("endsInDays");
    QTest::addColumn<QString>("text"); // "": the line stays hidden
    QTest::newRow("none soon") << QList<int>{90, -45} << QString();
    QTest::newRow("one") << QList<int>{12, 90} << QStringLiteral("1 warranty ends soon");
    QTest::newRow("three") << QList<int>{0, -30, 60} << QStringLiteral("3 warranties end soon");
}

void TestWarrantyLine::lineCountsAndLeads()
{
    QFETCH(QList<int>, endsInDays);
    QFETCH(QString, text);
    CHome home;
    QVERIFY(home.Save());
    for (int days : endsInDays) {
        CAsset asset;
        asset.SetHomeId(home.GetId());
        asset.SetCategoryId(4);
        asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate::currentDate().addDays(days)));
        QVERIFY(asset.Save());
    }
    CTodayView today(home);
    today.resize(600, 500);
    today.show();
    QVERIFY(QTest::qWaitForWindowExposed(&today));
    today.RefreshText();
    CLabel* line = today.GetLine(CTodayView::WarrantyLine);
    QCOMPARE(line->isVisible(), !text.isEmpty());
    if (text.isEmpty()) {
        return;
    }
    QCOMPARE(line->text(), text);
    QCOMPARE(line->y(), today.height() - 125);

    QSignalSpy requested(&today, &CTodayView::warrantiesRequested);
    QTest::mouseClick(line, Qt::LeftButton, {}, {490, 7});
    QCOMPARE(requested.count(), 1);

    CInventoryView inventory(home);
    inventory.FillItems(0);
    QCOMPARE(inventory.GetList()->GetItemCount(), int(endsInDays.size()));
    std::unique_ptr<QMenu> menu(inventory.CreateCategoryMenu());
    menu->actions().at(1)->trigger();
    QVERIFY(inventory.IsShowingWarranties());
    QCOMPARE(inventory.GetList()->GetItemCount(), int(text.section(QLatin1Char(' '), 0, 0).toInt()));
    QCOMPARE(inventory.GetTitle(), QStringLiteral("Home Inventory (Warranties Ending Soon)"));
    menu->actions().at(0)->trigger();
    QVERIFY(!inventory.IsShowingWarranties());
    QCOMPARE(inventory.GetList()->GetItemCount(), int(endsInDays.size()));
}

QTEST_MAIN(TestWarrantyLine)
#include "tst_warrantyline.moc"
