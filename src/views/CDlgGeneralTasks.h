#pragma once

#include <QDialog>

class CAutoListCtrl;
class QRadioButton;

// The "General Tasks" dialog: every general task or every shopping item, each with a box that picks
// it for the tasks view (checked: status 1, cleared: status 0, written at once). Entries are made,
// edited and removed here. The kind shown when it opens is the one shown last time.
class CDlgGeneralTasks final : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgGeneralTasks(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgGeneralTasks)

    // Shows the shopping items (true) or the general tasks, and keeps the choice for next time.
    void ShowShopping(bool shopping);
    bool IsShowingShopping() const { return m_showingShopping; }
    CAutoListCtrl* GetList() const { return m_list; }

    // What the buttons do; public so keyboard, mouse and tests share one path.
    void OnNew();
    void OnEdit();
    void OnRemove();

private:
    void Fill(long idToSelect);
    void OnCheckChanged(int row, bool checked);

    CAutoListCtrl* m_list;
    QRadioButton* m_general;
    QRadioButton* m_shopping;
    bool m_showingShopping = false;
    bool m_filling = false;
};
