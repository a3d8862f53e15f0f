#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CToolbarIcons.h"
#include "controls/Theme.h"
#include "data/AppPaths.h"
#include "data/CADODataBase.h"
#include "exchange/CBackupRestoreDlg.h"
#include "exchange/SyncWithDevice.h"
#include "platform/CPrompt.h"
#include "platform/Settings.h"
#include "platform/ShowMessageOnce.h"
#include "platform/WindowPlacement.h"
#include "records/CAsset.h"
#include "records/sheets/AssetProperties.h"
#include "records/sheets/HomeProperties.h"
#include "res/AppInfo.h"
#include "res/StringIds.h"
#include "views/CDlgCategories.h"
#include "views/CDlgExportInventory.h"
#include "views/CDlgGeneralTasks.h"
#include "views/CDlgLoanSchedule.h"
#include "views/CDlgRecommendMovie.h"
#include "views/CHomeMgrView.h"
#include "views/CInventoryReport.h"
#include "views/CInventoryView.h"
#include "views/CRoomsView.h"
#include "views/CTasksView.h"
#include "views/CTodayView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

} // namespace

CMainFrame::CMainFrame(CRegistryKey* settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_stack(new QStackedWidget(this)),
      m_homesView(new CHomeMgrView(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(AppName());
    setWindowIcon(CToolbarIcons::AppIcon());

    Theme::SetFixedBackground(*this, Theme::BackgroundColor());

    CreateMenus();
    CreateToolBar();
    statusBar()->setObjectName(QStringLiteral("statusBar"));

    m_homesView->SetListFont(Theme::SmallFont());
    m_stack->setObjectName(QStringLiteral("viewStack"));
    m_stack->addWidget(m_homesView);
    setCentralWidget(m_stack);
    m_activeView = m_homesView;

    connect(m_homesView, &CHomeMgrView::homeChosen, this, &CMainFrame::SelectHome);
    connect(m_homesView, &CHomeMgrView::newHomeRequested, this, &CMainFrame::NewHome);

    // The client area holds the toolbar, the view and the status bar; only the menu bar lies above it.
    setMinimumSize(MinimumClientSize().width(),
                   MinimumClientSize().height() + menuBar()->sizeHint().height());
    resize(720, 600);
    UpdateCommandStates();
}

// The placement is kept however the frame goes: closed by the user or taken down at exit.
CMainFrame::~CMainFrame()
{
    SavePlacement();
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text, bool needsHome)
{
    auto* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    const QString tip = LoadResString(id);
    if (!tip.isEmpty()) {
        action->setStatusTip(tip);
        action->setToolTip(tip);
    }
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_commands.insert(id, action);
    if (needsHome)
        m_homeCommands.append(id);
    return action;
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_newMenu = file->addMenu(tr("&New"));
    m_newMenu->setObjectName(QStringLiteral("newMenu"));
    AddCommand(m_newMenu, ID_NEW_TASKS, tr("&Tasks..."), false);
    AddCommand(m_newMenu, ID_NEW_ASSET, tr("&Asset"), true);
    AddCommand(m_newMenu, ID_NEW_LOCATION, tr("&Location"), true);
    AddCommand(m_newMenu, ID_NEW_VIDEO, tr("&Video/DVD"), true);
    AddCommand(m_newMenu, ID_NEW_HOME, tr("&Home"), false);
    file->addSeparator();
    AddCommand(file, ID_SYNC, tr("&Sync. with Device"), false);
    AddCommand(file, ID_BACKUP, tr("&Backup && Restore..."), false);
    AddCommand(file, ID_EXPORT, tr("E&xport Inventory Data"), true);
    AddCommand(file, ID_INVENTORY_REPORT, tr("Print Inventory &Report..."), true);
    AddCommand(file, ID_PRINT_SHOPPING_LIST, tr("&Print Shopping List..."), false)
        ->setShortcut(QKeySequence::Print);
    file->addSeparator();
    AddCommand(file, ID_APP_EXIT, tr("E&xit"), false)->setShortcut(QKeySequence::Quit);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    AddCommand(tools, ID_VIEW_TASKS, tr("&Tasks"), false);
    AddCommand(tools, ID_VIEW_INVENTORY, tr("&Home Inventory"), true);
    AddCommand(tools, ID_VIEW_LOCATIONS, tr("&Locations"), true);
    AddCommand(tools, ID_LOAN_MANAGER, tr("Loan &Manager"), true);
    AddCommand(tools, ID_LOAN_SCHEDULE, tr("Loan &Schedule..."), true);
    tools->addSeparator();
    AddCommand(tools, ID_RECOMMEND_MOVIE, tr("&Recommend Movie"), true);
    tools->addSeparator();
    AddCommand(tools, ID_SELECT_HOME, tr("Select H&ome..."), false);

    // The tasks view's own menu, in the bar while that view is shown.
    m_tasksMenu = menuBar()->addMenu(tr("&View"));
    m_tasksMenu->setObjectName(QStringLiteral("tasksMenu"));
    m_tasksMenu->menuAction()->setVisible(false);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, ID_APP_ABOUT, tr("&About Hearthstead..."), false);
}

void CMainFrame::CreateToolBar()
{
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(25, 23));
    // Images only: the texts are the tool tips and status texts, and the views below the toolbar
    // count on its image height.
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto* newAction = new QAction(CToolbarIcons::Icon(ID_NEW), LoadResString(ID_NEW), this);
    newAction->setObjectName(QStringLiteral("command%1").arg(ID_NEW));
    newAction->setStatusTip(LoadResString(ID_NEW));
    newAction->setMenu(m_newMenu);
    connect(newAction, &QAction::triggered, this, [this] { OnCommand(ID_NEW); });
    m_commands.insert(ID_NEW, newAction);
    bar->addAction(newAction);
    m_newButton = qobject_cast<QToolButton*>(bar->widgetForAction(newAction));
    m_newButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_newButton->setObjectName(QStringLiteral("newButton"));
    bar->addSeparator();

    // The view buttons show which view is up; Home Today has no menu entry of its own.
    auto* todayAction = new QAction(tr("Home Today"), this);
    todayAction->setObjectName(QStringLiteral("command%1").arg(ID_VIEW_TODAY));
    todayAction->setStatusTip(LoadResString(ID_VIEW_TODAY));
    connect(todayAction, &QAction::triggered, this, [this] { OnCommand(ID_VIEW_TODAY); });
    m_commands.insert(ID_VIEW_TODAY, todayAction);
    m_homeCommands.append(ID_VIEW_TODAY);

    const QList<int> ids = {
        ID_VIEW_TODAY, ID_VIEW_TASKS, ID_VIEW_INVENTORY, ID_VIEW_LOCATIONS, 0, ID_LOAN_MANAGER, 0, ID_SYNC};
    for (int id : ids) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = m_commands.value(id);
        action->setIcon(CToolbarIcons::Icon(id));
        action->setToolTip(LoadResString(id));
        // Only the view buttons stay down; the loan manager and sync open something and return.
        action->setCheckable(id != ID_SYNC && id != ID_LOAN_MANAGER);
        bar->addAction(action);
    }
    AddKeyboardRoutes();
}

// Every view is a key away, and F10 opens the menu bar as in other desktop programs.
void CMainFrame::AddKeyboardRoutes()
{
    const QList<int> views = {ID_VIEW_TODAY, ID_VIEW_TASKS, ID_VIEW_INVENTORY, ID_VIEW_LOCATIONS};
    for (int number = 1; number <= views.size(); ++number) {
        QAction* action = m_commands.value(views.at(number - 1));
        const QKeySequence keys(QStringLiteral("Ctrl+%1").arg(number));
        action->setShortcut(keys);
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(action->toolTip(), keys.toString(QKeySequence::NativeText)));
    }
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("menuBarKey"));
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().value(0));
    });
    addAction(menuKey);
}

QWidget* CMainFrame::GetActiveView() const
{
    return m_activeView;
}

void CMainFrame::UpdateCommandStates()
{
    const bool hasHome = GetCurrentHomeId() >= 1;
    for (int id : m_homeCommands)
        m_commands.value(id)->setEnabled(hasHome);
    UpdatePrintCommand();
}

// The shopping list prints from the tasks view while it shows the shopping items.
void CMainFrame::UpdatePrintCommand()
{
    m_commands.value(ID_PRINT_SHOPPING_LIST)
        ->setEnabled(m_currentViewIndex == TasksIndex && m_tasksView &&
                     m_tasksView->GetFilter() == CTasksView::ShoppingOnly);
}

void CMainFrame::UpdateTitle()
{
    // Qt reads "[*]" in a title as the modified marker and shows "[*][*]" as "[*]"; a description
    // is shown exactly as typed.
    const QString marker = QStringLiteral("[*]");
    if (GetCurrentHomeId() >= 1)
        setWindowTitle(QString(m_currentHome.GetDescription()).replace(marker, marker + marker) +
                       QStringLiteral(" - ") + AppName());
    else
        setWindowTitle(AppName());
}

void CMainFrame::CreateViews()
{
    CreateInventoryView();
    CreateTasksView();
    m_roomsView = new CRoomsView(m_currentHome, this);
    m_roomsView->SetListFont(Theme::SmallFont());
    m_stack->addWidget(m_roomsView);
    m_todayView = new CTodayView(m_currentHome, this);
    m_stack->addWidget(m_todayView);
    connect(m_todayView, &CTodayView::profileSaved, this, [this] {
        UpdateTitle();
        FillHomesList(0);
    });
    connect(m_todayView, &CTodayView::newAssetRequested, this, [this] { OnCommand(ID_NEW_ASSET); });
    connect(m_todayView, &CTodayView::inventoryRequested, this, [this] { OnCommand(ID_VIEW_INVENTORY); });
    connect(m_todayView, &CTodayView::newTasksRequested, this, [this] { OnCommand(ID_NEW_TASKS); });
    connect(m_todayView, &CTodayView::tasksRequested, this, [this] { OnCommand(ID_VIEW_TASKS); });
    connect(m_todayView, &CTodayView::warrantiesRequested, this, [this] {
        if (m_inventoryView) {
            m_inventoryView->ShowWarrantiesEndingSoon();
            ShowView(m_inventoryView, InventoryIndex, ID_VIEW_INVENTORY);
        }
    });
    m_tasksView->FillTasks();
}

void CMainFrame::CreateTasksView()
{
    m_tasksView = new CTasksView(this);
    m_tasksView->SetListFont(Theme::SmallFont());
    m_stack->addWidget(m_tasksView);
    connect(m_tasksView, &CTasksView::activeCountChanged, this, [this](int count) {
        if (m_todayView) {
            m_todayView->SetActiveTaskCount(count);
            m_todayView->RefreshText();
        }
    });
    connect(m_tasksView, &CTasksView::newTasksRequested, this, [this] { OnCommand(ID_NEW_TASKS); });
    connect(m_tasksView, &CTasksView::filterChanged, this, &CMainFrame::UpdatePrintCommand);
    connect(m_tasksMenu, &QMenu::aboutToShow, m_tasksView,
            [this] { m_tasksView->FillViewMenu(m_tasksMenu); });
}

// The picks are written as they are made, so the list follows however the dialog is left.
void CMainFrame::OnNewTasks()
{
    CDlgGeneralTasks dialog(this);
    const bool closed = Prompt().RunModal(dialog) == QDialog::Accepted;
    if (!m_tasksView) {
        return;
    }
    m_tasksView->FillTasks();
    if (closed) {
        ShowView(m_tasksView, TasksIndex, ID_VIEW_TASKS);
    }
}

void CMainFrame::CreateInventoryView()
{
    m_inventoryView = new CInventoryView(m_currentHome, this);
    m_inventoryView->SetListFont(Theme::SmallFont());
    m_stack->addWidget(m_inventoryView);
    connect(m_inventoryView, &CInventoryView::totalChanged, this, [this](float total) {
        if (!m_todayView) {
            return;
        }
        m_todayView->SetInventoryTotal(total);
        m_todayView->RefreshText();
    });
    connect(m_inventoryView, &CInventoryView::newAssetRequested, this, [this] { OnCommand(ID_NEW_ASSET); });
}

void CMainFrame::OnNewAsset(long categoryId)
{
    CAsset asset;
    asset.SetHomeId(GetCurrentHomeId());
    asset.SetCategoryId(categoryId);
    if (!EditProperties(asset, this, &SelectCategoryDialog)) {
        return;
    }
    m_inventoryView->FillItems(asset.GetId());
    ShowView(m_inventoryView, InventoryIndex, ID_VIEW_INVENTORY);
}

void CMainFrame::FillHomesList(long selectId)
{
    m_homesView->FillList(selectId);
}

void CMainFrame::ShowView(QWidget* view, int index, int commandId)
{
    if (index == m_currentViewIndex)
        return;
    m_activeView = view;
    m_stack->setCurrentWidget(view);
    // The keyboard starts in the view just shown (its list, or its first line).
    view->setFocus(Qt::OtherFocusReason);
    m_currentViewIndex = index;
    m_checkedCommand = commandId;
    m_tasksMenu->menuAction()->setVisible(index == TasksIndex);
    UpdatePrintCommand();
    SyncViewButtons();
}

void CMainFrame::SelectHome(long id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_currentHome = CHome();
    m_currentHome.SetId(id);
    if (m_currentHome.Load()) {
        if (m_settings)
            Settings::LastHomeId.Set(*m_settings, quint32(id));
        if (m_inventoryView) {
            m_inventoryView->FillItems(0);
        }
        if (m_roomsView) {
            m_roomsView->Refresh(0);
        }
        if (m_todayView) {
            // Equity first, so the lines never show the previous home's figure. Kept on purpose:
            // text before equity would show the last home's equity until the next refresh.
            m_todayView->ComputeEquity();
            m_todayView->RefreshText();
            m_todayView->RefreshPicture();
            ShowView(m_todayView, TodayIndex, ID_VIEW_TODAY);
        }
        UpdateTitle();
        UpdateCommandStates();
    } else {
        ShowHomesView();
    }
    QApplication::restoreOverrideCursor();
}

void CMainFrame::ShowHomesView()
{
    ShowView(m_homesView, HomesViewIndex, -1);
    m_currentHome = CHome();
    UpdateTitle();
    UpdateCommandStates();
}

void CMainFrame::NewHome()
{
    CHome home;
    if (!EditProperties(home, this))
        return;
    FillHomesList(home.GetId());
    SelectHome(home.GetId());
}

void CMainFrame::ReloadAll()
{
    FillHomesList(0);
    if (m_tasksView) {
        m_tasksView->FillTasks();
    }
    ShowHomesView();
}

void CMainFrame::OnNewButton()
{
    switch (m_currentViewIndex) {
    case HomesViewIndex:
        NewHome();
        break;
    case TodayIndex:
    case TasksIndex:
        OnCommand(ID_NEW_TASKS);
        break;
    case InventoryIndex:
        OnCommand(ID_NEW_ASSET);
        break;
    case LocationsIndex:
        OnCommand(ID_NEW_LOCATION);
        break;
    default:
        break;
    }
}

void CMainFrame::OnCommand(int id)
{
    QAction* action = m_commands.value(id);
    if (action && !action->isEnabled())
        return;
    switch (id) {
    case ID_NEW:
        OnNewButton();
        break;
    case ID_NEW_HOME:
        NewHome();
        break;
    case ID_NEW_LOCATION:
        if (m_roomsView && m_roomsView->NewLocation()) {
            ShowView(m_roomsView, LocationsIndex, ID_VIEW_LOCATIONS);
        }
        break;
    case ID_VIEW_LOCATIONS:
        if (m_roomsView) {
            ShowView(m_roomsView, LocationsIndex, ID_VIEW_LOCATIONS);
        }
        break;
    case ID_NEW_TASKS:
        OnNewTasks();
        break;
    case ID_VIEW_TASKS:
        if (m_tasksView) {
            ShowView(m_tasksView, TasksIndex, ID_VIEW_TASKS);
        }
        break;
    case ID_VIEW_TODAY:
        if (m_todayView)
            ShowView(m_todayView, TodayIndex, ID_VIEW_TODAY);
        break;
    case ID_NEW_ASSET:
        OnNewAsset(0);
        break;
    case ID_NEW_VIDEO:
        if (m_settings) {
            ShowMessageOnce(*m_settings, this, LoadResString(IDS_VIDEO_LIBRARY_INTRO),
                            Settings::MsgSpecialAssetVideos);
        }
        OnNewAsset(CAsset::kVideoCategory);
        break;
    case ID_VIEW_INVENTORY:
        if (m_inventoryView) {
            ShowView(m_inventoryView, InventoryIndex, ID_VIEW_INVENTORY);
        }
        break;
    case ID_LOAN_MANAGER:
        if (m_todayView)
            m_todayView->OpenProfile(1);
        break;
    case ID_LOAN_SCHEDULE: {
        CDlgLoanSchedule schedule(m_currentHome, this);
        Prompt().RunModal(schedule);
        break;
    }
    case ID_SELECT_HOME:
        ShowHomesView();
        break;
    case ID_SYNC:
        if (SyncWithDevice(this) == SyncOutcome::DeviceToDesktop) {
            ReloadAll();
        }
        break;
    case ID_BACKUP:
        OnBackupRestore();
        break;
    case ID_EXPORT: {
        CDlgExportInventory dialog(GetCurrentHomeId(), m_currentHome.GetDescription(), this);
        Prompt().RunModal(dialog);
        break;
    }
    case ID_INVENTORY_REPORT:
        PrintInventoryReport(this, m_currentHome);
        break;
    case ID_PRINT_SHOPPING_LIST:
        m_tasksView->PrintShoppingList();
        break;
    case ID_RECOMMEND_MOVIE: {
        CDlgRecommendMovie dialog(this);
        Prompt().RunModal(dialog);
        break;
    }
    case ID_APP_ABOUT:
        OnAbout();
        break;
    case ID_APP_EXIT:
        close();
        break;
    default:
        break;
    }
    // Pressing a view button toggles it; only the shown view's button stays checked.
    SyncViewButtons();
}

void CMainFrame::SyncViewButtons()
{
    for (int id : {ID_VIEW_TODAY, ID_VIEW_INVENTORY, ID_VIEW_LOCATIONS, ID_LOAN_MANAGER, ID_VIEW_TASKS})
        m_commands.value(id)->setChecked(id == m_checkedCommand);
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(this);
    Prompt().RunModal(about);
}

void CMainFrame::OnBackupRestore()
{
    CADODataBase* database = AppDatabase();
    if (!database) {
        return;
    }
    CBackupRestoreDlg dialog(*database, this);
    connect(&dialog, &CBackupRestoreDlg::dataFileReplaced, this, &CMainFrame::ReloadAll);
    Prompt().RunModal(dialog);
}

void CMainFrame::SavePlacement()
{
    if (m_placementSaved || !m_settings)
        return;
    m_placementSaved = true;
    WindowPlacement::Save(*m_settings, *this);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SavePlacement();
    QMainWindow::closeEvent(event);
}
