// The main frame: which commands a current home enables, the window titles, the New button by view,
// its placement, the commands that open a dialog of their own, the homes view (its order, choosing,
// editing and deleting a home) and the inventory as the frame offers it.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CLabel.h"
#include "data/AppPaths.h"
#include "data/Formatting.h"
#include "platform/Settings.h"
#include "platform/WindowPlacement.h"
#include "res/StringIds.h"
#include "views/CHomeMgrView.h"
#include "views/CInventoryView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

const QList<int> kHomeCommands = {ID_VIEW_TODAY,      ID_VIEW_INVENTORY,  ID_VIEW_LOCATIONS, ID_LOAN_MANAGER,
                                  ID_RECOMMEND_MOVIE, ID_NEW_ASSET,       ID_NEW_LOCATION,   ID_NEW_VIDEO,
                                  ID_EXPORT,          ID_INVENTORY_REPORT};
const QList<int> kAlwaysCommands = {ID_VIEW_TASKS, ID_SELECT_HOME, ID_NEW_TASKS, ID_NEW_HOME, ID_SYNC,
                                    ID_NEW,        ID_BACKUP,      ID_APP_ABOUT, ID_APP_EXIT};

} // namespace

class TestMainFrame final : public CSessionTest
{
    Q_OBJECT

private slots:
    void commandsFollowTheCurrentHome()
    {
        auto enabled = [this](int id) { return m_frame->GetCommand(id)->isEnabled(); };
        for (int id : kHomeCommands)
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
        for (int id : kAlwaysCommands)
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));

        const long id = StoredHome("Willow Cottage");
        m_frame->SelectHome(id);
        QCOMPARE(m_frame->GetCurrentHomeId(), id);
        QVERIFY(m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());
        QCOMPARE(m_frame->windowTitle(), "Willow Cottage - Hearthstead");
        for (int command : kHomeCommands + kAlwaysCommands)
            QVERIFY2(enabled(command), qPrintable(QString::number(command)));

        // A home that cannot load leaves none current; the registry keeps the last one that did.
        m_frame->SelectHome(id + 50);
        QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
        QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
        QCOMPARE(m_frame->windowTitle(), "Hearthstead");
        for (int command : kHomeCommands)
            QVERIFY(!enabled(command));
        quint32 last = 0;
        QVERIFY(m_session->Settings().GetDword("LastHomeId", last));
        QCOMPARE(long(last), id);
        // A disabled command does nothing even when run by id.
        m_frame->OnCommand(ID_VIEW_TODAY);
        QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));

        // "Select Home..." drops the current home again.
        m_frame->SelectHome(id);
        m_frame->OnCommand(ID_SELECT_HOME);
        QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
        QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
        QVERIFY(!m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());
    }

    // The title the window system is given, not only the one the widget keeps.
    void titleShowsTheDescriptionExactly()
    {
        for (const QString description : {"Flat [*] & Co.", "[*][*] b [*]"}) {
            m_frame->SelectHome(StoredHome(description));
            QCOMPARE(m_frame->windowHandle()->title(), description + " - Hearthstead");
        }
    }

    void newButtonDependsOnTheView()
    {
        // On the homes view, New makes a home; saved, it becomes current and is listed.
        m_prompt
            ->ExpectModal([this](QDialog& sheet) {
                Child<QLineEdit>(sheet, "homeDescription")->setText("Harbour Flat");
                m_prompt->PressOk(sheet);
            })
            .Caption("Home Profile");
        m_frame->GetNewButton()->click();
        QCOMPARE(m_frame->windowTitle(), "Harbour Flat - Hearthstead");
        QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);

        // On Home Today, New is about tasks, never a home or asset sheet.
        m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass("CDlgGeneralTasks");
        m_frame->OnCommand(ID_NEW);
    }

    void windowKeepsItsMinimumAndSavesItsPlacement()
    {
        // The smallest area under the menu bar, toolbar and status bar included, is 460 x 450.
        m_frame->resize(100, 100);
        QCOMPARE(m_frame->width(), 460);
        QCOMPARE(m_frame->height() - m_frame->menuBar()->height(), 450);

        m_frame->resize(700, 560);
        QVERIFY(m_frame->close());
        CRegistryKey reread;
        QVERIFY(reread.Open(RegistryRoot::CurrentUser, Settings::kKeyPath));
        QWidget other;
        QVERIFY(WindowPlacement::Load(reread, other));
        QCOMPARE(other.size(), m_frame->size());
    }

    void toolbarShowsImagesAndTheTitleTakesTheBackground()
    {
        auto* bar = Child<QToolBar>(*m_frame, "toolBar");
        QCOMPARE(bar->iconSize(), QSize(25, 23));
        for (int id : {ID_NEW, ID_VIEW_TODAY, ID_VIEW_TASKS, ID_VIEW_INVENTORY, ID_VIEW_LOCATIONS,
                       ID_LOAN_MANAGER, ID_SYNC}) {
            QAction* action = m_frame->GetCommand(id);
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            QVERIFY2(button, qPrintable(QString::number(id)));
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            // The view buttons add their shortcut in brackets.
            QVERIFY(button->toolTip().startsWith(LoadResString(id)));
            QCOMPARE(action->statusTip(), LoadResString(id));
        }
        // The homes view's title sits on the frame's background, set after the title was made.
        QCOMPARE(Child<CLabel>(*m_frame, "homesTitle")->GetBkColor(), QColor(234, 239, 244));
    }

    void commandOpensItsDialog_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("dialogClass"); // "": the report's file chooser
        QTest::newRow("export") << int(ID_EXPORT) << "CDlgExportInventory";
        QTest::newRow("movie") << int(ID_RECOMMEND_MOVIE) << "CDlgRecommendMovie";
        QTest::newRow("about") << int(ID_APP_ABOUT) << "CAboutDlg";
        QTest::newRow("loan manager") << int(ID_LOAN_MANAGER) << "CPropertySheet";
        QTest::newRow("loan schedule") << int(ID_LOAN_SCHEDULE) << "CDlgLoanSchedule";
        QTest::newRow("report") << int(ID_INVENTORY_REPORT) << QString();
    }

    void commandOpensItsDialog()
    {
        QFETCH(int, command);
        QFETCH(QString, dialogClass);
        m_frame->SelectHome(StoredHome("Maple House"));
        if (dialogClass.isEmpty())
            m_prompt->ExpectFile(QString()).DefaultName("Maple House Inventory Report");
        else
            m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass(dialogClass);
        m_frame->OnCommand(command);
        // Opening something leaves the shown view's button the only one down.
        QVERIFY(!m_frame->GetCommand(ID_LOAN_MANAGER)->isChecked());
        QVERIFY(m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());
    }

    void todayLineLeadsToAFirstAssetThenToTheView()
    {
        m_frame->SelectHome(StoredHome("Maple House"));
        m_prompt
            ->ExpectModal([this](QDialog& sheet) {
                Child<QLineEdit>(sheet, "assetDescription")->setText("Piano");
                Child<QLineEdit>(sheet, "assetCurrentValue")->setText("2500");
                m_prompt->PressOk(sheet);
            })
            .Caption("Asset Properties");
        QTest::mouseClick(InventoryLine(), Qt::LeftButton);
        CInventoryView* view = m_frame->GetInventoryView();
        QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(view));
        QVERIFY(m_frame->GetCommand(ID_VIEW_INVENTORY)->isChecked());
        QCOMPARE(view->GetList()->GetItemText(view->GetList()->GetCurSel(), 0), "Piano");
        QCOMPARE(InventoryLine()->text(), "Home Inventory is worth " + FormatMoney(2500.0f));

        // With a worth, the line leads to the view, and New there makes an asset.
        m_frame->OnCommand(ID_VIEW_TODAY);
        QTest::mouseClick(InventoryLine(), Qt::LeftButton);
        QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(view));
        m_prompt->ExpectModal([this](QDialog& sheet) { m_prompt->PressCancel(sheet); })
            .Caption("Asset Properties");
        m_frame->OnCommand(ID_NEW);
    }

    void newVideoExplainsTheLibraryOnce()
    {
        m_frame->SelectHome(StoredHome("Maple House"));
        auto expectTitleSheet = [this] {
            m_prompt->ExpectModal([this](QDialog& sheet) {
                QCOMPARE(Child<QTabWidget>(sheet, "tabs")->tabText(1), "Title Information");
                m_prompt->PressOk(sheet);
            });
        };
        m_prompt->ExpectMessage(IDOK).TextId(IDS_VIDEO_LIBRARY_INTRO).Icon(MessageIcon::Information);
        expectTitleSheet();
        m_frame->OnCommand(ID_NEW_VIDEO);
        expectTitleSheet();
        m_frame->OnCommand(ID_NEW_VIDEO);
        QCOMPARE(m_frame->GetInventoryView()->GetList()->GetItemCount(), 2);
        QCOMPARE(RowCount("Assets", "WHERE CategoryId=19"), 2L);
    }

    void inventoryFilterKeptAcrossARestart()
    {
        const long homeId = StoredHome("Maple House");
        m_frame->SelectHome(homeId);
        m_frame->GetInventoryView()->SetCategoryFilter(CInventoryView::kFirstCategoryCommand + 9);
        MakeFrame();
        m_frame->SelectHome(homeId);
        QCOMPARE(m_frame->GetInventoryView()->GetCategoryFilter(), 9L);
        QCOMPARE(m_frame->GetInventoryView()->GetTitle(), "Home Inventory (Furniture)");
    }

    void homesListedByDescriptionAndChosenByClick()
    {
        const long cottage = StoredHome("Cottage");
        const long beach = StoredHome("beach house");
        StoredHome("Apartment");
        m_frame->FillHomesList(beach);
        CAutoListCtrl& list = *Homes().GetList();
        QCOMPARE(ListTexts(list), QStringList({"Apartment", "beach house", "Cottage"}));
        QCOMPARE(list.geometry(), QRect(0, 25, Homes().width(), Homes().height() - 27));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(2, 0)).center());
        QCOMPARE(m_frame->GetCurrentHomeId(), cottage);
    }

    void homeDeleteAsksFirst()
    {
        const long keep = StoredHome("Keep");
        const long drop = StoredHome("Drop");
        m_frame->FillHomesList(drop);
        // No by the key is in tst_keyboard.
        m_prompt->ExpectMessage(IDYES)
            .TextId(IDS_DELETE_HOME_QUESTION)
            .Caption("Hearthstead")
            .Icon(MessageIcon::Exclamation)
            .Buttons(MessageButtons::YesNo);
        Homes().OnDelete();
        QCOMPARE(ListTexts(*Homes().GetList()), QStringList({"Keep"}));
        QCOMPARE(StoredRecord<CHome>(drop).GetDescription(), "(not stored)");
        QCOMPARE(StoredRecord<CHome>(keep).GetDescription(), "Keep");

        // Nothing selected: nothing asked.
        Homes().GetList()->SetCurSel(-1);
        Homes().GetList()->clearSelection();
        Homes().OnDelete();
        Homes().OnProperties();
    }

    void renamedHomeReordersAndTheRowIndexStaysSelected()
    {
        StoredHome("Alder");
        StoredHome("Birch");
        m_frame->FillHomesList(StoredHome("Cedar"));
        CAutoListCtrl& list = *Homes().GetList();
        m_prompt->ExpectModal([this](QDialog& sheet) {
            auto* description = Child<QLineEdit>(sheet, "homeDescription");
            QCOMPARE(description->text(), "Cedar");
            description->setText("Aaron's Cedar");
            m_prompt->PressOk(sheet);
        });
        Homes().OnProperties();
        QCOMPARE(ListTexts(list), QStringList({"Aaron's Cedar", "Alder", "Birch"}));
        QCOMPARE(list.GetCurSel(), 2);
    }

private:
    void SetUp() override
    {
        MakeFrame();
        m_frame->FillHomesList(0);
    }
    void TearDown() override { m_frame.reset(); }

    void MakeFrame()
    {
        m_frame = std::make_unique<CMainFrame>(&m_session->Settings());
        m_frame->show();
        m_frame->CreateViews();
    }

    CHomeMgrView& Homes() const { return *m_frame->GetHomesView(); }
    CLabel* InventoryLine() const { return m_frame->GetTodayView()->GetLine(CTodayView::InventoryLine); }

    std::unique_ptr<CMainFrame> m_frame;
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
