#pragma once

#include <QWidget>

class CAutoListCtrl;
class CLabel;
class QMenu;

// "Tasks": the general tasks and shopping items the user picked, active ones plain and done ones
// grey and struck through, all of them or one kind. A click marks an entry done or active again.
// It keeps the number of active entries, which Home Today shows.
class CTasksView final : public QWidget
{
    Q_OBJECT
public:
    enum Filter
    {
        AllTasks = 0,
        GeneralOnly = 1,
        ShoppingOnly = 2
    };

    explicit CTasksView(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CTasksView)

    // Lists the picked entries of the filter's kind by description and counts the active ones.
    void FillTasks();
    // Sets the filter, keeps it in the settings (TasksFilter) and refills.
    void SetFilter(int filter);
    int GetFilter() const { return m_filter; }
    // Takes the done entries (or all of them) off the list: their status goes back to 0.
    void ClearTasks(bool all);
    // Marks the selected entry done, or active again when it was done.
    void ToggleSelected();
    // Runs the selected entry's editor and rewrites its line when saved.
    void EditSelected();
    // Prints the active shopping items by store and aisle, after the print dialog; an empty list
    // says so instead. False when nothing was printed.
    bool PrintShoppingList();
    // Runs a command of the View menu (the filters, the two clears and the print).
    void OnViewCommand(int id);
    // Puts the View menu's commands into the menu, the current filter checked.
    void FillViewMenu(QMenu* menu);
    void ShowViewMenu();

    int GetActiveCount() const { return m_activeCount; }
    QString GetTitle() const;
    CAutoListCtrl* GetList() const { return m_list; }
    void SetListFont(const QFont& font);

signals:
    // After every fill and toggle; Home Today's tasks line follows it.
    void activeCountChanged(int count);
    // After the filter changed; printing the shopping list follows it.
    void filterChanged(int filter);
    void newTasksRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnContextMenu(const QPoint& globalPos);
    void RemoveSelected();

    CLabel* m_title;
    CLabel* m_icon;
    CAutoListCtrl* m_list;
    int m_filter = AllTasks;
    int m_activeCount = 0;
};
