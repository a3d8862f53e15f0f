// Home Today: its lines, the equity from the loans that count toward it, where the picture is
// placed, the default picture, the warranty line, and where each line leads.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/Formatting.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "records/CLoan.h"
#include "views/CInventoryView.h"
#include "views/CTodayView.h"

#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>

class TestTodayView final : public CSessionTest
{
    Q_OBJECT

private slots:
    void linesFollowTheFigures()
    {
        Refresh();
        QCOMPARE(Text(CTodayView::DescriptionLine), "Maple House");
        QVERIFY(!m_view->GetLine(CTodayView::TasksLine)->font().bold());
        QCOMPARE(Text(CTodayView::InventoryLine), "Add an asset to the Home Inventory");

        m_view->SetActiveTaskCount(1);
        m_view->RefreshText();
        QVERIFY(m_view->GetLine(CTodayView::TasksLine)->font().bold());
        m_view->SetActiveTaskCount(7);
        m_view->RefreshText();
        QCOMPARE(Text(CTodayView::TasksLine), "7 Active tasks");

        const int H = m_view->height();
        const CTodayView::LineId lines[] = {CTodayView::DescriptionLine, CTodayView::TasksLine,
                                            CTodayView::InventoryLine, CTodayView::EquityLine};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_view->GetLine(lines[i])->geometry(), QRect(8, H - 100 + 25 * i, 500, 15));
    }

    void equityCountsOnlyTheLoansThatAffectIt()
    {
        m_home.SetCurrentValue(250000.0f);
        AddLoan(m_home.GetId(), 200000.0f, 1);
        AddLoan(m_home.GetId(), 9000.0f, 0);
        AddLoan(m_home.GetId() + 1000, 7000.0f, 1);
        Refresh();
        QCOMPARE(Text(CTodayView::EquityLine), "Home Equity is $50,000.00");

        AddLoan(m_home.GetId(), 100000.0f, 1);
        Refresh();
        QCOMPARE(Text(CTodayView::EquityLine), "Home Equity is " + FormatMoney(-50000.0f));

        // Exactly paid off reads as no equity to speak of.
        m_home.SetCurrentValue(300000.0f);
        Refresh();
        QCOMPARE(Text(CTodayView::EquityLine), "Manage Mortgages and Home Equity");
    }

    void pictureIsPlacedByItsSize()
    {
        const int W = m_view->width();
        const int H = m_view->height();
        m_home.SetPicture(SavedImage("small.png", 100, 50));
        m_view->RefreshPicture();
        QCOMPARE(m_view->GetPictureRect(), QRect((W - 100) / 2, 5, 100, 50));

        m_home.SetPicture(SavedImage("wide.png", W + 300, 100));
        m_view->RefreshPicture();
        QCOMPARE(m_view->GetPictureRect(), QRect(QPoint(5, 5), QPoint(W - 5 - 1, 105 - 1)));

        m_home.SetPicture(SavedImage("tall.png", 200, H));
        m_view->RefreshPicture();
        QCOMPARE(m_view->GetPictureRect(),
                 QRect(QPoint((W - 200) / 2, 5), QPoint((W - 200) / 2 + 200 - 1, H - 110 - 1)));
        const QImage shown = m_view->grab().toImage();
        QCOMPARE(shown.pixelColor(W / 2, H / 2), QColor(Qt::darkGreen));
        QCOMPARE(shown.pixelColor(2, 2), QColor(Qt::white));
    }

    void defaultPictureStandsInAndThePreviousOneStays()
    {
        // No picture at all yet, and no default: the upper part stays empty.
        m_home.SetPicture(m_session->Dir().Path() + "missing.jpg");
        m_view->RefreshPicture();
        QVERIFY(!m_view->GetPicture().IsLoaded());
        QVERIFY(m_view->GetPictureRect().isEmpty());

        SavedImage("default.jpg", 120, 80);
        m_view->RefreshPicture();
        const QRect placed = m_view->GetPictureRect();
        QCOMPARE(placed.size(), QSize(120, 80));

        // Without the default too, the previous picture and its place stay.
        QVERIFY(QFile::remove(m_session->Dir().Path() + "default.jpg"));
        m_view->RefreshPicture();
        QVERIFY(m_view->GetPicture().IsLoaded());
        QCOMPARE(m_view->GetPictureRect(), placed);
    }

    void linesLeadWhereTheyPromise()
    {
        // Where the tasks and inventory lines lead runs through the frame (tst_tasksview, tst_mainframe).
        // The equity line opens the profile on Loans; after OK the lines show the saved home.
        QSignalSpy saved(m_view.get(), &CTodayView::profileSaved);
        m_prompt->ExpectModal([this](QDialog& sheet) {
            auto* tabs = Child<QTabWidget>(sheet, "tabs");
            QCOMPARE(tabs->tabText(tabs->currentIndex()), "Loans");
            m_prompt->PressCancel(sheet);
        });
        Click(CTodayView::EquityLine);
        QCOMPARE(saved.count(), 0);
        m_prompt->ExpectModal([this](QDialog& sheet) {
            Child<QLineEdit>(sheet, "homeDescription")->setText("Oak Lodge");
            Child<QLineEdit>(sheet, "homeValue")->setText("1000");
            m_prompt->PressOk(sheet);
        });
        Click(CTodayView::DescriptionLine);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(Text(CTodayView::DescriptionLine), "Oak Lodge");
        QCOMPARE(Text(CTodayView::EquityLine), "Home Equity is $1,000.00");
    }

    void warrantyLineCountsAndLeads_data()
    {
        QTest::addColumn<QList<int>>("endsInDays");
        QTest::addColumn<QString>("text"); // "": the line stays hidden
        QTest::newRow("none soon") << QList<int>{90, -45} << QString();
        QTest::newRow("one") << QList<int>{12, 90} << "1 warranty ends soon";
        QTest::newRow("three") << QList<int>{0, -30, 60} << "3 warranties end soon";
    }

    // Shown only while a warranty ends soon, above the four lines, and leading to the inventory
    // filtered to those assets.
    void warrantyLineCountsAndLeads()
    {
        QFETCH(QList<int>, endsInDays);
        QFETCH(QString, text);
        for (int days : endsInDays) {
            CAsset asset;
            asset.SetHomeId(m_home.GetId());
            asset.SetCategoryId(4);
            asset.SetWarrantyExpiration(DateTimeValue::FromDate(QDate::currentDate().addDays(days)));
            QVERIFY(asset.Save());
        }
        m_view->RefreshText();
        CLabel* line = m_view->GetLine(CTodayView::WarrantyLine);
        QCOMPARE(line->isVisible(), !text.isEmpty());
        if (text.isEmpty()) {
            return;
        }
        QCOMPARE(line->text(), text);
        QCOMPARE(line->y(), m_view->height() - 125);
        QSignalSpy requested(m_view.get(), &CTodayView::warrantiesRequested);
        Click(CTodayView::WarrantyLine);
        QCOMPARE(requested.count(), 1);

        CInventoryView inventory(m_home);
        std::unique_ptr<QMenu> menu(inventory.CreateCategoryMenu());
        menu->actions().at(1)->trigger();
        QCOMPARE(inventory.GetList()->GetItemCount(), text.section(' ', 0, 0).toInt());
        QCOMPARE(inventory.GetTitle(), "Home Inventory (Warranties Ending Soon)");
        menu->actions().at(0)->trigger();
        QCOMPARE(inventory.GetList()->GetItemCount(), int(endsInDays.size()));
    }

private:
    void SetUp() override
    {
        m_home = CHome();
        m_home.SetDescription("Maple House");
        QVERIFY(m_home.Save());
        m_view = std::make_unique<CTodayView>(m_home);
        m_view->resize(600, 500);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void TearDown() override { m_view.reset(); }

    QString SavedImage(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = m_session->Dir().Path() + name;
        image.save(path);
        return path;
    }

    void AddLoan(long homeId, float principal, short equityFlag)
    {
        CLoan loan;
        loan.SetHomeId(homeId);
        loan.SetPrincipal(principal);
        loan.SetEquityFlag(equityFlag);
        QVERIFY(loan.Save());
    }

    QString Text(CTodayView::LineId id) { return m_view->GetLine(id)->text(); }
    void Refresh()
    {
        m_view->ComputeEquity();
        m_view->RefreshText();
    }
    // Near the right end of the line, well past its text.
    void Click(CTodayView::LineId id)
    {
        QTest::mouseClick(m_view->GetLine(id), Qt::LeftButton, {}, {490, 7});
    }

    CHome m_home;
    std::unique_ptr<CTodayView> m_view;
};

QTEST_MAIN(TestTodayView)
#include "tst_todayview.moc"
