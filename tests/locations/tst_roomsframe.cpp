// The rooms view in the main frame: Tools / Locations, File / New / Location, the toolbar's New on
// the rooms view, and a newly selected home's rooms listed with none selected.

#include "CTestSession.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "records/CArea.h"
#include "records/CHome.h"
#include "views/CRoomsView.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestRoomsFrame final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectingAHomeListsItsRoomsAndToolsShowsThem();
    void newLocationShowsItSelectedInTheRoomsView();

private:
    long StoredHome(const QString& description, const QStringList& rooms);
    void ExpectLocationSheet(const QString& description);

    std::unique_ptr<CTestSession> m_session;
    CScriptedPrompt* m_prompt = nullptr;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestRoomsFrame::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    m_prompt = &m_session->Prompt();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->CreateViews();
}

void TestRoomsFrame::cleanup()
{
    m_frame.reset();
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

long TestRoomsFrame::StoredHome(const QString& description, const QStringList& rooms)
{
    CHome home;
    home.SetDescription(description);
    if (!home.Save())
        return -1;
    for (const QString& room : rooms) {
        CArea area;
        area.SetHomeId(home.GetId());
        area.SetDescription(room);
        area.Save();
    }
    return home.GetId();
}

void TestRoomsFrame::ExpectLocationSheet(const QString& description)
{
    m_prompt
        ->ExpectModal([this, description](QDialog& sheet) {
            if (description.isEmpty()) {
                m_prompt->PressCancel(sheet);
                return;
            }
            sheet.findChild<QComboBox*>(QStringLiteral("areaDescription"))->setEditText(description);
            m_prompt->PressOk(sheet);
        })
        .Caption(QStringLiteral("Location Properties"));
}

void TestRoomsFrame::selectingAHomeListsItsRoomsAndToolsShowsThem()
{
    const long cottage =
        StoredHome(QStringLiteral("Cottage"), {QStringLiteral("Den"), QStringLiteral("Attic")});
    const long flat = StoredHome(QStringLiteral("Flat"), {QStringLiteral("Kitchen")});
    CAutoListCtrl& list = *m_frame->GetRoomsView()->GetList();
    m_frame->SelectHome(cottage);
    QCOMPARE(list.GetItemCount(), 2);
    list.SetCurSel(1);
    m_frame->OnCommand(ID_VIEW_LOCATIONS);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetRoomsView()));
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::LocationsIndex));
    QVERIFY(m_frame->GetCommand(ID_VIEW_LOCATIONS)->isChecked());
    QVERIFY(!m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());

    m_frame->SelectHome(flat);
    QCOMPARE(list.GetItemCount(), 1);
    QCOMPARE(list.GetItemText(0, 0), QStringLiteral("Kitchen"));
    QCOMPARE(list.GetCurSel(), -1);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::TodayIndex));
}

void TestRoomsFrame::newLocationShowsItSelectedInTheRoomsView()
{
    const long cottage = StoredHome(QStringLiteral("Cottage"), {QStringLiteral("Den")});
    m_frame->SelectHome(cottage);
    ExpectLocationSheet(QString());
    m_frame->OnCommand(ID_NEW_LOCATION);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::TodayIndex));

    ExpectLocationSheet(QStringLiteral("Attic"));
    m_frame->OnCommand(ID_NEW_LOCATION);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::LocationsIndex));
    CAutoListCtrl& list = *m_frame->GetRoomsView()->GetList();
    QCOMPARE(list.GetItemText(list.GetCurSel(), 0), QStringLiteral("Attic"));

    ExpectLocationSheet(QStringLiteral("Study"));
    m_frame->GetNewButton()->click();
    QCOMPARE(list.GetItemCount(), 3);
    QCOMPARE(list.GetItemText(list.GetCurSel(), 0), QStringLiteral("Study"));
    CArea study;
    study.SetId(list.GetItemData(list.GetCurSel()));
    QVERIFY(study.Load());
    QCOMPARE(study.GetHomeId(), cottage);
}

QTEST_MAIN(TestRoomsFrame)
#include "tst_roomsframe.moc"
