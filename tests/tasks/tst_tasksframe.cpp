// The tasks as the main frame offers them: New on the toolbar and Today's tasks line open the
// "General Tasks" dialog while nothing is picked, picks lead to the tasks view, and a click there
// updates Today's tasks line.

#include "CTestSession.h"
#include "RecordTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "records/CHome.h"
#include "records/CTask.h"
#include "views/CDlgGeneralTasks.h"
#include "views/CTasksView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

#include <memory>

class TestTasksFrame final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void todayLeadsToPickingThenToTheView();

private:
    QString TasksLine() const { return m_frame->GetTodayView()->GetLine(CTodayView::TasksLine)->text(); }

    std::unique_ptr<CTestSession> m_session;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestTasksFrame::init()
{
    m_session = std::make_unique<CTestSession>();
    QVERIFY2(m_session->Problem().isEmpty(), qPrintable(m_session->Problem()));
    CHome home;
    QVERIFY(home.Save());
    CTask task;
    task.SetType(1);
    task.SetDescription(QStringLiteral("Paint fence"));
    QVERIFY(task.Save());
    m_frame = std::make_unique<CMainFrame>(&m_session->Settings());
    m_frame->show();
    m_frame->CreateViews();
    m_frame->SelectHome(home.GetId());
}

void TestTasksFrame::cleanup()
{
    m_frame.reset();
    const QString problems = m_session->Finish();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestTasksFrame::todayLeadsToPickingThenToTheView()
{
    QCOMPARE(TasksLine(), QStringLiteral("Pick tasks and shopping items"));
    CScriptedPrompt& prompt = m_session->Prompt();
    // Escape leaves the dialog: the pick counts, the view stays.
    prompt.ExpectModalOf<CDlgGeneralTasks>([](CDlgGeneralTasks& dialog) {
        dialog.GetList()->SetCheck(0, true);
        dialog.reject();
    });
    m_frame->OnCommand(ID_NEW);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::TodayIndex));
    QCOMPARE(TasksLine(), QStringLiteral("1 Active task"));

    m_frame->GetTodayView()->GetLine(CTodayView::TasksLine)->clicked(CTodayView::TasksLine);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::TasksIndex));
    QVERIFY(m_frame->findChild<QMenu*>(QStringLiteral("tasksMenu"))->menuAction()->isVisible());
    CTasksView* view = m_frame->GetTasksView();
    view->GetList()->SetCurSel(0);
    view->ToggleSelected();
    QCOMPARE(TasksLine(), QStringLiteral("Pick tasks and shopping items"));

    prompt.ExpectModalOf<CDlgGeneralTasks>(
        [&prompt](CDlgGeneralTasks& dialog) { prompt.PressButton(dialog, QStringLiteral("Close")); });
    m_frame->OnCommand(ID_NEW);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::TasksIndex));
    QVERIFY(m_frame->GetCommand(ID_VIEW_TASKS)->isChecked());
}

QTEST_MAIN(TestTasksFrame)
#include "tst_tasksframe.moc"
