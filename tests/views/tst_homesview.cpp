// The homes view: its list of homes by description, choosing a home with a click, and editing and
// deleting the selected home.

#include "CSessionTest.h"
#include "RecordTestSupport.h"
#include "ViewTestSupport.h"
#include "controls/CAutoListCtrl.h"
#include "records/CHome.h"
#include "res/StringIds.h"
#include "views/CHomeMgrView.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

} // namespace

class TestHomesView final : public CSessionTest
{
    Q_OBJECT

private slots:
    void listedByDescriptionAndChosenByClick();
    void deleteAsksFirst();
    void renamedHomeReordersAndTheRowIndexStaysSelected();

private:
    void SetUp() override;
    void TearDown() override { m_view.reset(); }
    std::unique_ptr<CHomeMgrView> m_view;
};

void TestHomesView::SetUp()
{
    m_view = std::make_unique<CHomeMgrView>();
    m_view->resize(400, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestHomesView::listedByDescriptionAndChosenByClick()
{
    StoredHome(QStringLiteral("Cottage"));
    const long beach = StoredHome(QStringLiteral("beach house"));
    StoredHome(QStringLiteral("Apartment"));
    m_view->FillList(beach);
    CAutoListCtrl& list = *m_view->GetList();
    QCOMPARE(ListTexts(list), QStringList({"Apartment", "beach house", "Cottage"}));
    QCOMPARE(list.GetCurSel(), 1);
    QCOMPARE(list.geometry(), QRect(0, 25, m_view->width(), m_view->height() - 27));

    QSignalSpy chosen(m_view.get(), &CHomeMgrView::homeChosen);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(2, 0)).center());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<long>(), list.GetItemData(2));
}

void TestHomesView::deleteAsksFirst()
{
    const long keep = StoredHome(QStringLiteral("Keep"));
    const long drop = StoredHome(QStringLiteral("Drop"));
    m_view->FillList(drop);
    CAutoListCtrl& list = *m_view->GetList();

    // No changes nothing, whether asked by the key or the command.
    m_prompt->ExpectMessage(IDNO)
        .TextId(IDS_DELETE_HOME_QUESTION)
        .Caption(QStringLiteral("Hearthstead"))
        .Icon(MessageIcon::Exclamation)
        .Buttons(MessageButtons::YesNo);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(ListTexts(list), QStringList({"Drop", "Keep"}));
    m_prompt->ExpectMessage(IDYES).TextId(IDS_DELETE_HOME_QUESTION);
    m_view->OnDelete();
    QCOMPARE(ListTexts(list), QStringList({"Keep"}));
    QCOMPARE(StoredRecord<CHome>(drop).GetDescription(), QStringLiteral("(not stored)"));
    QCOMPARE(StoredRecord<CHome>(keep).GetDescription(), QStringLiteral("Keep"));

    // Nothing selected: nothing asked.
    list.SetCurSel(-1);
    list.clearSelection();
    m_view->OnDelete();
    m_view->OnProperties();
}

void TestHomesView::renamedHomeReordersAndTheRowIndexStaysSelected()
{
    StoredHome(QStringLiteral("Alder"));
    StoredHome(QStringLiteral("Birch"));
    m_view->FillList(StoredHome(QStringLiteral("Cedar")));
    CAutoListCtrl& list = *m_view->GetList();
    QCOMPARE(list.GetCurSel(), 2);

    m_prompt->ExpectModal([this](QDialog& sheet) {
        auto* description = sheet.findChild<QLineEdit*>(QStringLiteral("homeDescription"));
        QCOMPARE(description->text(), QStringLiteral("Cedar"));
        description->setText(QStringLiteral("Aaron's Cedar"));
        m_prompt->PressOk(sheet);
    });
    m_view->OnProperties();
    QCOMPARE(ListTexts(list), QStringList({"Aaron's Cedar", "Alder", "Birch"}));
    QCOMPARE(list.GetCurSel(), 2);
}

QTEST_MAIN(TestHomesView)
#include "tst_homesview.moc"
