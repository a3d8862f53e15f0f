#pragma once

#include <QWidget>

class CAutoListCtrl;
class CLabel;

// The view in which the user picks the home to work on, and creates, edits and deletes homes.
class CHomeMgrView final : public QWidget
{
    Q_OBJECT
public:
    explicit CHomeMgrView(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CHomeMgrView)

    // Lists every home by description, selecting the one with that id (0: none).
    void FillList(long selectId);
    CAutoListCtrl* GetList() const { return m_list; }

    // The context menu's commands; Delete also answers the Delete key.
    void OnNew();
    void OnDelete();
    void OnProperties();

    // Sets the font the list shares with the other views.
    void SetListFont(const QFont& font);

signals:
    void homeChosen(long homeId);
    void newHomeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Action
    {
        Delete,
        Properties
    };
    void EditOrDelete(Action action);
    void OnItemClicked();
    void OnContextMenu(const QPoint& globalPos);
    void ShowHintWhenEmpty();

    CLabel* m_title;
    CAutoListCtrl* m_list;
    CLabel* m_hint; // shown while there is no home
};
