// The main frame: which commands a current home enables, the window titles, the New button by view,
// selecting homes (and failing to), the loan manager, what the frame keeps in the settings key, and
// the commands that open a dialog of their own.

#include "CSessionTest.h"
#include "ViewTestSupport.h"
#include "app/CMainFrame.h"
#include "controls/CAutoListCtrl.h"
#include "controls/CLabel.h"
#include "data/AppPaths.h"
#include "platform/Settings.h"
#include "platform/WindowPlacement.h"
#include "records/CHome.h"
#include "views/CHomeMgrView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <memory>

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
    void commandsFollowTheCurrentHome();
    void titleShowsTheDescriptionExactly_data();
    void titleShowsTheDescriptionExactly();
    void newButtonDependsOnTheView();
    void loanManagerOpensTheProfileOnLoans();
    void windowKeepsItsMinimumAndSavesItsPlacement();
    void toolbarShowsImagesAndTheTitleTakesTheBackground();
    void commandOpensItsDialog_data();
    void commandOpensItsDialog();

private:
    void SetUp() override;
    void TearDown() override { m_frame.reset(); }
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainFrame::SetUp()
{
    m_frame = std::make_unique<CMainFrame>(&m_session->Settings());
    m_frame->show();
    m_frame->CreateViews();
    m_frame->FillHomesList(0);
}

void TestMainFrame::commandsFollowTheCurrentHome()
{
    auto enabled = [this](int id) { return m_frame->GetCommand(id)->isEnabled(); };
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Hearthstead"));
    for (int id : kHomeCommands)
        QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
    for (int id : kAlwaysCommands)
        QVERIFY2(enabled(id), qPrintable(QString::number(id)));

    const long id = StoredHome(QStringLiteral("Willow Cottage"));
    m_frame->SelectHome(id);
    QCOMPARE(m_frame->GetCurrentHomeId(), id);
    QCOMPARE(m_frame->GetActiveView(), static_cast<QWidget*>(m_frame->GetTodayView()));
    QVERIFY(m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Willow Cottage - Hearthstead"));
    for (int command : kHomeCommands + kAlwaysCommands)
        QVERIFY2(enabled(command), qPrintable(QString::number(command)));
    quint32 last = 0;
    QVERIFY(m_session->Settings().GetDword(QStringLiteral("LastHomeId"), last));
    QCOMPARE(long(last), id);

    // A home that cannot load leaves none current; the registry keeps the last one that did.
    m_frame->SelectHome(id + 50);
    QCOMPARE(m_frame->GetCurrentHomeId(), -1L);
    QCOMPARE(m_frame->GetCurrentViewIndex(), int(CMainFrame::HomesViewIndex));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Hearthstead"));
    for (int command : kHomeCommands)
        QVERIFY(!enabled(command));
    QVERIFY(m_session->Settings().GetDword(QStringLiteral("LastHomeId"), last));
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

void TestMainFrame::titleShowsTheDescriptionExactly_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("marker") << QStringLiteral("Flat [*] & Co.");
    QTest::newRow("doubled marker") << QStringLiteral("[*][*]");
    QTest::newRow("two markers") << QStringLiteral("a [*] b [*]");
}

// The title the window system is given, not only the one the widget keeps.
void TestMainFrame::titleShowsTheDescriptionExactly()
{
    QFETCH(QString, description);
    m_frame->SelectHome(StoredHome(description));
    QVERIFY(m_frame->windowHandle());
    QCOMPARE(m_frame->windowHandle()->title(), description + QStringLiteral(" - Hearthstead"));
}

void TestMainFrame::newButtonDependsOnTheView()
{
    // On the homes view, New makes a home: here the sheet is cancelled and nothing changes.
    m_prompt->ExpectModal([this](QDialog& sheet) { m_prompt->PressCancel(sheet); })
        .Caption(QStringLiteral("Home Profile"));
    m_frame->OnCommand(ID_NEW);
    QCOMPARE(m_frame->GetCurrentHomeId(), -1L);

    // A saved new home becomes current and is listed.
    m_prompt->ExpectModal([this](QDialog& sheet) {
        sheet.findChild<QLineEdit*>(QStringLiteral("homeDescription"))
            ->setText(QStringLiteral("Harbour Flat"));
        m_prompt->PressOk(sheet);
    });
    m_frame->GetNewButton()->click();
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Harbour Flat - Hearthstead"));
    QCOMPARE(m_frame->GetHomesView()->GetList()->GetItemCount(), 1);

    // On Home Today, New is about tasks, never a home or asset sheet.
    m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); })
        .DialogClass(QStringLiteral("CDlgGeneralTasks"));
    m_frame->OnCommand(ID_NEW);
    QCOMPARE(m_prompt->Shown().size(), 3);
}

void TestMainFrame::loanManagerOpensTheProfileOnLoans()
{
    m_frame->SelectHome(StoredHome(QStringLiteral("Pine Ridge")));
    m_prompt->ExpectModal([this](QDialog& sheet) {
        auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("tabs"));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Loans"));
        m_prompt->PressCancel(sheet);
    });
    m_frame->OnCommand(ID_LOAN_MANAGER);
    QVERIFY(!m_frame->GetCommand(ID_LOAN_MANAGER)->isChecked());
    QVERIFY(m_frame->GetCommand(ID_VIEW_TODAY)->isChecked());
}

void TestMainFrame::windowKeepsItsMinimumAndSavesItsPlacement()
{
    // The smallest area under the menu bar, toolbar and status bar included, is 460 x 450.
    m_frame->resize(100, 100);
    QCOMPARE(m_frame->width(), 460);
    QCOMPARE(m_frame->height() - m_frame->menuBar()->height(), 450);

    m_frame->resize(700, 560);
    QVERIFY(m_frame->close());
    CRegistryKey reread;
    QVERIFY(reread.Open(RegistryRoot::CurrentUser, Settings::kKeyPath));
    auto other = std::make_unique<QWidget>();
    QVERIFY(WindowPlacement::Load(reread, *other));
    QCOMPARE(other->size(), m_frame->size());
}

void TestMainFrame::toolbarShowsImagesAndTheTitleTakesTheBackground()
{
    auto* bar = m_frame->findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(bar);
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
    auto* title = m_frame->findChild<CLabel*>(QStringLiteral("homesTitle"));
    QVERIFY(title);
    QCOMPARE(title->GetBkColor(), QColor(234, 239, 244));
}

void TestMainFrame::commandOpensItsDialog_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("dialogClass"); // "": the report's file chooser
    QTest::newRow("export") << int(ID_EXPORT) << "CDlgExportInventory";
    QTest::newRow("movie") << int(ID_RECOMMEND_MOVIE) << "CDlgRecommendMovie";
    QTest::newRow("about") << int(ID_APP_ABOUT) << "CAboutDlg";
    QTest::newRow("report") << int(ID_INVENTORY_REPORT) << QString();
}

void TestMainFrame::commandOpensItsDialog()
{
    QFETCH(int, command);
    QFETCH(QString, dialogClass);
    m_frame->SelectHome(StoredHome("Maple House"));
    if (dialogClass.isEmpty())
        m_prompt->ExpectFile(QString()).DefaultName("Maple House Inventory Report");
    else
        m_prompt->ExpectModal([](QDialog& dialog) { dialog.reject(); }).DialogClass(dialogClass);
    m_frame->OnCommand(command);
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
