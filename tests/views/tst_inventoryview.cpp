// The "Home Inventory" view: the list and its total for all assets or one category, the category
// menu and its counts, the summary pane, and the delete flow with its question. Then the
// "Categories" dialog its sheets open: each type lists only its own rows, New and Rename with their
// name dialog, Delete with the clean-up of the assets that used it, and the id handed back.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "data/DataHelpers.h"
#include "data/Formatting.h"
#include "platform/Settings.h"
#include "records/CAsset.h"
#include "records/CHome.h"
#include "res/StringIds.h"
#include "views/CDlgCategories.h"
#include "views/CDlgCategoryName.h"
#include "views/CInventoryView.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>

class TestInventoryView final : public CSessionTest
{
    Q_OBJECT

private slots:
    void listAndTotalFollowTheFilter()
    {
        QSignalSpy totals(m_view.get(), &CInventoryView::totalChanged);
        CAutoListCtrl& list = *m_view->GetList();
        m_view->FillItems(0);
        QCOMPARE(m_view->GetTitle(), "Home Inventory (All)");
        QCOMPARE(ListTexts(list), QStringList({"Camera A", "Camera B", "Camera C", "Casablanca", "Loose"}));
        QCOMPARE(list.GetItemImage(1), 1);
        QCOMPARE(list.GetItemImage(3), 2);
        QCOMPARE(list.GetItemImage(4), 0);
        QCOMPARE(totals.takeLast().at(0).toFloat(), 180.0f);

        m_view->SetCategoryFilter(CInventoryView::kFirstCategoryCommand + 4);
        m_view->SetCategoryFilter(CInventoryView::kFirstCategoryCommand + 4);
        QCOMPARE(Settings::InventoryCategory.Get(), 4u);
        QCOMPARE(m_view->GetTitle(), "Home Inventory (Cameras)");
        QCOMPARE(list.GetItemCount(), 3);
        QCOMPARE(m_view->GetTotal(), 175.0f);

        // A filter whose category is gone shows an empty name and an empty list.
        m_view->RestoreCategoryFilter(77);
        m_view->FillItems(0);
        QCOMPARE(m_view->GetTitle(), "Home Inventory ()");
        QCOMPARE(list.GetItemCount(), 0);
        QCOMPARE(m_view->GetTotal(), 0.0f);
        m_view->SetCategoryFilter(0);
        QCOMPARE(m_view->GetTitle(), "Home Inventory (All)");
        QCOMPARE(list.GetItemCount(), 5);
    }

    void categoryMenuCountsAndChoice()
    {
        QCOMPARE(MenuTexts(), QStringList({"All Categories *", "-", "Cameras (3)", "Video Library (1)"}));
        // The current filter is listed even without assets, and carries the mark.
        m_view->SetCategoryFilter(CInventoryView::kFirstCategoryCommand + 1);
        QCOMPARE(MenuTexts(), QStringList({"All Categories", "-", "Appliances (0) *", "Cameras (3)",
                                           "Video Library (1)"}));
        std::unique_ptr<QMenu> menu(m_view->CreateCategoryMenu());
        menu->actions().at(3)->trigger();
        QCOMPARE(m_view->GetCategoryFilter(), 4L);
    }

    void selectedAssetShowsItsSummary()
    {
        m_view->FillItems(0);
        CAutoListCtrl& list = *m_view->GetList();
        list.SetCurSel(3);
        QCOMPARE(m_view->GetNotesPane()->toPlainText(), "Year: 2000; Genre: Drama\nNotes of Casablanca");
        list.SetCurSel(0);
        QCOMPARE(m_view->GetNotesPane()->toPlainText(),
                 QString("Current value: " + FormatMoney(50.0f) + "\nNotes of Camera A"));
        list.clearSelection();
        QCOMPARE(m_view->GetNotesPane()->toPlainText(), QString());
    }

    void deleteAsksAndAdjustsTheTotal()
    {
        m_view->FillItems(0);
        CAutoListCtrl& list = *m_view->GetList();
        list.SetCurSel(0);
        list.setFocus();
        m_prompt->ExpectMessage(IDNO)
            .TextId(IDS_DELETE_ASSET_QUESTION)
            .Caption("Hearthstead")
            .Icon(MessageIcon::Exclamation)
            .Buttons(MessageButtons::YesNo);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.GetItemCount(), 5);
        QSignalSpy totals(m_view.get(), &CInventoryView::totalChanged);
        m_prompt->ExpectMessage(IDYES).TextId(IDS_DELETE_ASSET_QUESTION);
        m_view->DoItemAction(CInventoryView::Action::Delete);
        QCOMPARE(list.GetItemCount(), 4);
        QCOMPARE(m_view->GetTotal(), 130.0f);
        QCOMPARE(totals.count(), 1);
        QCOMPARE(RowCount("Assets", "WHERE Description='Camera A'"), 0L);
    }

    void newStoreIsListedSelectedAndHandedBack()
    {
        const long newId = StoredNextId("Categories");
        const long chosen = Run(3, 0, [this](CDlgCategories& dialog) {
            CAutoListCtrl& list = *dialog.GetList();
            QCOMPARE(ListTexts(list),
                     QStringList({"Grocery Store", "Hardware Store", "Pharmacy", "Warehouse Club"}));
            QCOMPARE(list.GetCurSel(), -1);
            // An empty name is kept, and the new row comes first and selected.
            ExpectName(QString(), QString(), true);
            dialog.OnNew();
            QCOMPARE(list.GetCurSel(), 0);
            QCOMPARE(list.GetItemText(0, 0), QString());
            ExpectName(QString(), "Bakery", false);
            dialog.OnNew();
            QCOMPARE(list.GetItemCount(), 5);
            m_prompt->PressCancel(dialog);
        });
        QCOMPARE(chosen, newId);
        QCOMPARE(RowCount("Categories", "WHERE CategoryType=3"), 5L);
    }

    void renameThenCancelHandsBackTheRenamedId()
    {
        const long chosen = Run(2, 21, [this](CDlgCategories& dialog) {
            CAutoListCtrl& list = *dialog.GetList();
            list.SetCurSel(2);
            ExpectName("Maintenance", "Upkeep", true);
            dialog.OnRename();
            QCOMPARE(list.GetItemText(list.GetCurSel(), 0), "Upkeep");
            m_prompt->PressCancel(dialog);
        });
        QCOMPARE(chosen, 23L);
        QCOMPARE(LookupField(23, "Categories", "CategoryId", "Description"), "Upkeep");
        // A plain Cancel hands back the id it was opened with.
        QCOMPARE(Run(2, 24, [this](CDlgCategories& dialog) { m_prompt->PressCancel(dialog); }), 24L);
    }

    void deleteUncategorisesAssetsOfEveryHome()
    {
        // Beside this home's Casablanca, a video of another home.
        AddAsset(m_home.GetId() + 2, "Film", CAsset::kVideoCategory, 0.0f);
        const long chosen = Run(1, CAsset::kVideoCategory, [this](CDlgCategories& dialog) {
            CAutoListCtrl& list = *dialog.GetList();
            QCOMPARE(list.GetItemText(list.GetCurSel(), 0), "Video Library");
            m_prompt->ExpectMessage(IDNO).TextId(IDS_DELETE_CATEGORY_QUESTION);
            dialog.OnDelete();
            QCOMPARE(list.GetItemCount(), 20);
            m_prompt->ExpectMessage(IDYES)
                .TextId(IDS_DELETE_CATEGORY_QUESTION)
                .Caption("Hearthstead")
                .Icon(MessageIcon::Exclamation)
                .Buttons(MessageButtons::YesNo);
            dialog.OnDelete();
            QCOMPARE(list.GetItemCount(), 19);
            QVERIFY(!ListTexts(list).contains("Video Library"));
            m_prompt->PressCancel(dialog);
        });
        QCOMPARE(chosen, CAsset::kVideoCategory);
        QCOMPARE(RowCount("Assets", "WHERE CategoryId=0"), 3L);
        QCOMPARE(RowCount("Categories", "WHERE CategoryId=19"), 0L);
    }

    void okAndDoubleClickHandBackTheRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<long>("expected");
        QTest::newRow("OK on a row") << 1 << false << 2L;
        QTest::newRow("double-click on a row") << 2 << true << 3L;
        QTest::newRow("OK with nothing selected") << -1 << false << 7L;
    }

    void okAndDoubleClickHandBackTheRow()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(long, expected);
        const long chosen = Run(1, 7, [&](CDlgCategories& dialog) {
            CAutoListCtrl& list = *dialog.GetList();
            if (row < 0)
                list.clearSelection();
            else
                list.SetCurSel(row);
            if (doubleClick)
                emit list.itemDoubleClicked(row);
            else
                m_prompt->PressOk(dialog);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(chosen, expected);
    }

private:
    void SetUp() override
    {
        m_home = CHome();
        QVERIFY(m_home.Save());
        AddAsset(m_home.GetId(), "Camera B", 4, 100.0f, "/p/b.jpg");
        AddAsset(m_home.GetId(), "Camera A", 4, 50.0f);
        AddAsset(m_home.GetId(), "Camera C", 4, 25.0f);
        AddAsset(m_home.GetId(), "Loose", 0, 5.0f);
        AddAsset(m_home.GetId(), "Casablanca", CAsset::kVideoCategory, 0.0f);
        AddAsset(m_home.GetId() + 1, "Elsewhere", 2, 1000.0f);
        m_view = std::make_unique<CInventoryView>(m_home);
        m_view->resize(500, 400);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void TearDown() override { m_view.reset(); }

    void AddAsset(long homeId, const QString& name, long category, float value,
                  const QString& picture = QString())
    {
        CAsset asset;
        asset.SetHomeId(homeId);
        asset.SetDescription(name);
        asset.SetCategoryId(category);
        asset.SetCurrentValue(value);
        asset.SetPicture(picture);
        asset.SetMakeModel(category == CAsset::kVideoCategory ? "Drama" : QString());
        asset.SetNotes("Notes of " + name);
        QVERIFY(asset.Save());
    }

    QStringList MenuTexts()
    {
        std::unique_ptr<QMenu> menu(m_view->CreateCategoryMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QString("-")
                                            : action->text() + (action->isChecked() ? " *" : ""));
        return texts;
    }

    long Run(int type, long id, const std::function<void(CDlgCategories&)>& handler)
    {
        m_prompt->ExpectModalOf<CDlgCategories>(handler).Caption("Select Store");
        return SelectCategoryDialog(nullptr, type, id, "Select Store");
    }

    void ExpectName(const QString& shown, const QString& typed, bool save)
    {
        m_prompt
            ->ExpectModalOf<CDlgCategoryName>([this, shown, typed, save](CDlgCategoryName& dialog) {
                auto* edit = Child<QLineEdit>(dialog, "categoryName");
                QCOMPARE(edit->text(), shown);
                edit->setText(typed);
                m_prompt->PressButton(dialog, save ? "Save" : "Cancel");
            })
            .Caption("Category");
    }

    CHome m_home;
    std::unique_ptr<CInventoryView> m_view;
};

QTEST_MAIN(TestInventoryView)
#include "tst_inventoryview.moc"
