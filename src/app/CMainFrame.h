#pragma once

#include "records/CHome.h"
#include "res/CommandIds.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>

class CHomeMgrView;
class CInventoryView;
class CRegistryKey;
class CRoomsView;
class CTasksView;
class CTodayView;
class QAction;
class QActionGroup;
class QMenu;
class QStackedWidget;
class QToolButton;

// The program's one top-level window. It owns the current home, shows one view at a time and routes
// every menu and toolbar command to the view, sheet or dialog that carries it out.
class CMainFrame final : public QMainWindow
{
    Q_OBJECT
public:
    enum ViewIndex
    {
        HomesViewIndex = -1,
        TodayIndex = 0,
        InventoryIndex = 1,
        LocationsIndex = 2,
        TasksIndex = 3
    };

    // The settings key is not owned; it receives LastHomeId and the window placement.
    explicit CMainFrame(CRegistryKey* settings = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;
    Q_DISABLE_COPY_MOVE(CMainFrame)

    void CreateViews();
    // Refills the homes view's list, selecting that home id (0: none).
    void FillHomesList(long selectId);
    void SelectHome(long id);
    void ShowHomesView();
    void NewHome();
    // After the data file was replaced: homes refilled, no current home, homes view shown.
    void ReloadAll();
    void ShowView(QWidget* view, int index, int commandId);

    long GetCurrentHomeId() const { return m_currentHome.GetId(); }
    CHome& GetCurrentHome() { return m_currentHome; }
    int GetCurrentViewIndex() const { return m_currentViewIndex; }
    QWidget* GetActiveView() const;
    CHomeMgrView* GetHomesView() const { return m_homesView; }
    CTodayView* GetTodayView() const { return m_todayView; }
    CInventoryView* GetInventoryView() const { return m_inventoryView; }
    CRoomsView* GetRoomsView() const { return m_roomsView; }
    CTasksView* GetTasksView() const { return m_tasksView; }
    QAction* GetCommand(int id) const { return m_commands.value(id); }
    QToolButton* GetNewButton() const { return m_newButton; }
    QMenu* GetNewMenu() const { return m_newMenu; }

    // Client area below which the window may not shrink.
    static QSize MinimumClientSize() { return {460, 450}; }

    // Runs a command by id, as a menu or toolbar choice would.
    void OnCommand(int id);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text, bool needsHome);
    void CreateMenus();
    void CreateToolBar();
    void AddKeyboardRoutes();
    void UpdateCommandStates();
    void UpdatePrintCommand();
    void UpdateTitle();
    void SyncViewButtons();
    void OnNewButton();
    void OnNewAsset(long categoryId);
    void CreateInventoryView();
    void CreateTasksView();
    void OnNewTasks();
    void OnAbout();
    void OnBackupRestore();
    void SavePlacement();

    CRegistryKey* m_settings;
    CHome m_currentHome;
    QStackedWidget* m_stack;
    CHomeMgrView* m_homesView;
    CTodayView* m_todayView = nullptr;
    CInventoryView* m_inventoryView = nullptr;
    CRoomsView* m_roomsView = nullptr;
    CTasksView* m_tasksView = nullptr;
    QMenu* m_tasksMenu = nullptr;
    QWidget* m_activeView = nullptr;
    int m_currentViewIndex = HomesViewIndex;
    int m_checkedCommand = -1;
    QHash<int, QAction*> m_commands;
    QList<int> m_homeCommands;
    QMenu* m_newMenu = nullptr;
    QToolButton* m_newButton = nullptr;
    bool m_placementSaved = false;
};
