// The inventory as the main frame offers it: File / New / Asset and Video/DVD with its one-time
// message, the Today line that leads to a first asset or to the view, and the category filter kept
// across a restart.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/Formatting.h"
#include "platform/CRegistryKey.h"
#include "platform/Settings.h"
#include "records/CHome.h"
#include "res/StringIds.h"
#include "views/CInventoryView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestInventoryFrame final : public CSessionTest
{
    Q_OBJECT

private slots:
    void todayLineLeadsToAFirstAssetThenToTheView();
    void newVideoExplainsTheLibraryOnce();
    void filterKeptAcrossARestart();

private:
    void SetUp() override
    {
        m_homeId = StoredHome(QStringLiteral("Maple House"));
        MakeFrame();
    }
    void TearDown() override { m_frame.reset(); }
    void MakeFrame();
    QString InventoryLine() const
    {
        return m_frame->GetTodayView()->GetLine(CTodayView::InventoryLine)->text();
    }

    std::unique_ptr<CMainFrame> m_frame;
    long m_homeId = -1;
};

void TestInventoryFrame::MakeFrame()
{
    m_frame = std::make_unique<CMainFrame>(&m_session->Settings());
    m_frame->show();
    m_frame->CreateViews();
    m_frame->SelectHome(m_homeId);
}

void TestInventoryFrame::todayLineLeadsToAFirstAssetThenToTheView()
{
    QCOMPARE(InventoryLine(), QStringLiteral("Add an asset to the Home Inventory"));
    m_prompt
        ->ExpectModal([this](QDialog& sheet) {
            Child<QLineEdit>(sheet, "assetDescription")->setText(QStringLiteral("Piano"));
            Child<QLineEdit>(sheet, "assetCurrentValue")->setText(QStringLiteral("2500"));
            m_prompt->PressOk(sheet);
        })
        .Caption(QStringLiteral("Asset Properties"));
    QTest::mouseClick(m_frame->GetTodayView()->GetLine(CTodayView::InventoryLine), Qt::LeftButton);
    CInventoryView* view = m_frame->GetInventoryView();
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(view));
    QVERIFY(m_frame->GetCommand(ID_VIEW_INVENTORY)->isChecked());
    QCOMPARE(view->GetList()->GetItemText(view->GetList()->GetCurSel(), 0), QStringLiteral("Piano"));
    QCOMPARE(InventoryLine(), QStringLiteral("Home Inventory is worth ") + FormatMoney(2500.0f));

    // With a worth, the line leads to the view, and New there makes an asset.
    m_frame->OnCommand(ID_VIEW_TODAY);
    QTest::mouseClick(m_frame->GetTodayView()->GetLine(CTodayView::InventoryLine), Qt::LeftButton);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(view));
    m_prompt->ExpectModal([this](QDialog& sheet) { m_prompt->PressCancel(sheet); })
        .Caption(QStringLiteral("Asset Properties"));
    m_frame->OnCommand(ID_NEW);
    QCOMPARE(m_prompt->Remaining(), 0);
}

void TestInventoryFrame::newVideoExplainsTheLibraryOnce()
{
    auto expectTitleSheet = [this] {
        m_prompt->ExpectModal([this](QDialog& sheet) {
            auto* tabs = Child<QTabWidget>(sheet, "tabs");
            QCOMPARE(tabs->tabText(1), QStringLiteral("Title Information"));
            m_prompt->PressOk(sheet);
        });
    };
    m_prompt->ExpectMessage(IDOK).TextId(IDS_VIDEO_LIBRARY_INTRO).Icon(MessageIcon::Information);
    expectTitleSheet();
    m_frame->OnCommand(ID_NEW_VIDEO);
    expectTitleSheet();
    m_frame->OnCommand(ID_NEW_VIDEO);
    QCOMPARE(m_frame->GetInventoryView()->GetList()->GetItemCount(), 2);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE CategoryId=19")), 2L);
}

void TestInventoryFrame::filterKeptAcrossARestart()
{
    m_frame->GetInventoryView()->SetCategoryFilter(CInventoryView::kFirstCategoryCommand + 9);
    QCOMPARE(Settings::InventoryCategory.Get(m_session->Settings()), 9u);
    MakeFrame();
    QCOMPARE(m_frame->GetInventoryView()->GetCategoryFilter(), 9L);
    QCOMPARE(m_frame->GetInventoryView()->GetTitle(), QStringLiteral("Home Inventory (Furniture)"));
}

QTEST_MAIN(TestInventoryFrame)
#include "tst_inventoryframe.moc"
