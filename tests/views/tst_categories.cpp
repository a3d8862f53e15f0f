// The "Categories" dialog through SelectCategoryDialog and the prompt seam: each type lists only its
// own rows, New and Rename with their name dialog, Delete with its question and the clean-up of the
// assets that used the category, and the id handed back after either button.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "data/DataHelpers.h"
#include "records/CAsset.h"
#include "res/StringIds.h"
#include "views/CDlgCategories.h"
#include "views/CDlgCategoryName.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

#include <functional>
#include <memory>

namespace {

} // namespace

class TestCategories final : public CSessionTest
{
    Q_OBJECT

private slots:
    void newStoreIsListedSelectedAndHandedBack();
    void renameThenCancelHandsBackTheRenamedId();
    void deleteUncategorisesAssetsOfEveryHome();
    void okAndDoubleClickHandBackTheRow_data();
    void okAndDoubleClickHandBackTheRow();

private:
    long Run(int type, long id, const std::function<void(CDlgCategories&)>& handler);
    void ExpectName(const QString& shown, const QString& typed, bool save);
};

long TestCategories::Run(int type, long id, const std::function<void(CDlgCategories&)>& handler)
{
    m_prompt->ExpectModalOf<CDlgCategories>(handler).Caption(QStringLiteral("Select Store"));
    return SelectCategoryDialog(nullptr, type, id, QStringLiteral("Select Store"));
}

void TestCategories::ExpectName(const QString& shown, const QString& typed, bool save)
{
    m_prompt
        ->ExpectModalOf<CDlgCategoryName>([this, shown, typed, save](CDlgCategoryName& dialog) {
            auto* edit = Child<QLineEdit>(dialog, "categoryName");
            QCOMPARE(edit->text(), shown);
            edit->setText(typed);
            if (save)
                m_prompt->PressButton(dialog, QStringLiteral("Save"));
            else
                m_prompt->PressButton(dialog, QStringLiteral("Cancel"));
        })
        .Caption(QStringLiteral("Category"));
}

void TestCategories::newStoreIsListedSelectedAndHandedBack()
{
    const long newId = StoredNextId(QStringLiteral("Categories"));
    const long chosen = Run(3, 0, [this](CDlgCategories& dialog) {
        CAutoListCtrl& list = *dialog.GetList();
        QCOMPARE(ListTexts(list),
                 QStringList({u"Grocery Store"_s, u"Hardware Store"_s, u"Pharmacy"_s, u"Warehouse Club"_s}));
        QCOMPARE(list.GetCurSel(), -1);
        // An empty name is kept, and the new row comes first and selected.
        ExpectName(QString(), QString(), true);
        dialog.OnNew();
        QCOMPARE(list.GetItemCount(), 5);
        QCOMPARE(list.GetCurSel(), 0);
        QCOMPARE(list.GetItemText(0, 0), QString());
        ExpectName(QString(), QStringLiteral("Bakery"), false);
        dialog.OnNew();
        QCOMPARE(list.GetItemCount(), 5);
        m_prompt->PressCancel(dialog);
    });
    QCOMPARE(chosen, newId);
    QCOMPARE(
        QueryNumber(QStringLiteral("SELECT CategoryType FROM Categories WHERE CategoryId=%1;").arg(newId)),
        3L);
    QCOMPARE(RowCount(QStringLiteral("Categories"), QStringLiteral("WHERE CategoryType=3")), 5L);
}

void TestCategories::renameThenCancelHandsBackTheRenamedId()
{
    const long chosen = Run(2, 21, [this](CDlgCategories& dialog) {
        CAutoListCtrl& list = *dialog.GetList();
        QCOMPARE(list.GetItemText(list.GetCurSel(), 0), QStringLiteral("Cleaning"));
        list.SetCurSel(2);
        ExpectName(QStringLiteral("Maintenance"), QStringLiteral("Upkeep"), true);
        dialog.OnRename();
        QCOMPARE(list.GetItemText(list.GetCurSel(), 0), QStringLiteral("Upkeep"));
        m_prompt->PressCancel(dialog);
    });
    QCOMPARE(chosen, 23L);
    QCOMPARE(LookupField(23, QStringLiteral("Categories"), QStringLiteral("CategoryId"),
                         QStringLiteral("Description")),
             QStringLiteral("Upkeep"));
    // A plain Cancel hands back the id it was opened with.
    QCOMPARE(Run(2, 24, [this](CDlgCategories& dialog) { m_prompt->PressCancel(dialog); }), 24L);
}

void TestCategories::deleteUncategorisesAssetsOfEveryHome()
{
    for (long home : {1L, 1L, 2L}) {
        CAsset asset;
        asset.SetHomeId(home);
        asset.SetCategoryId(CAsset::kVideoCategory);
        QVERIFY(asset.Save());
    }
    const long chosen = Run(1, CAsset::kVideoCategory, [this](CDlgCategories& dialog) {
        CAutoListCtrl& list = *dialog.GetList();
        const int row = list.GetCurSel();
        QCOMPARE(list.GetItemText(row, 0), QStringLiteral("Video Library"));
        m_prompt->ExpectMessage(IDNO).TextId(IDS_DELETE_CATEGORY_QUESTION);
        dialog.OnDelete();
        QCOMPARE(list.GetItemCount(), 20);
        m_prompt->ExpectMessage(IDYES)
            .TextId(IDS_DELETE_CATEGORY_QUESTION)
            .Caption(QStringLiteral("Hearthstead"))
            .Icon(MessageIcon::Exclamation)
            .Buttons(MessageButtons::YesNo);
        dialog.OnDelete();
        QCOMPARE(list.GetItemCount(), 19);
        QVERIFY(!ListTexts(list).contains(QStringLiteral("Video Library")));
        m_prompt->PressCancel(dialog);
    });
    QCOMPARE(chosen, CAsset::kVideoCategory);
    QCOMPARE(RowCount(QStringLiteral("Assets"), QStringLiteral("WHERE CategoryId=0")), 3L);
    QCOMPARE(RowCount(QStringLiteral("Categories"), QStringLiteral("WHERE CategoryId=19")), 0L);
}

void TestCategories::okAndDoubleClickHandBackTheRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<long>("expected");
    QTest::newRow("OK on a row") << 1 << false << 2L;
    QTest::newRow("double-click on a row") << 2 << true << 3L;
    QTest::newRow("OK with nothing selected") << -1 << false << 7L;
}

void TestCategories::okAndDoubleClickHandBackTheRow()
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

QTEST_MAIN(TestCategories)
#include "tst_categories.moc"
