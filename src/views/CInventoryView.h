#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

class CAutoListCtrl;
class CHome;
class CLabel;
class QMenu;
class QPlainTextEdit;

// "Home Inventory": the current home's assets, all or those of one category, with the selected
// asset's summary and notes under the list. It keeps the total current value of the listed assets,
// which Home Today shows as the inventory's worth.
class CInventoryView final : public QWidget
{
    Q_OBJECT
public:
    enum class Action
    {
        Delete,
        Properties,
        View
    };
    // Commands of the category menu: "All Categories", and one per category from the first id on.
    static constexpr int kAllCategoriesCommand = 32808;
    // "Warranties Ending Soon": the assets Home Today's warranty line counts; never kept in the settings.
    static constexpr int kWarrantiesEndingSoonCommand = 32841;
    static constexpr int kFirstCategoryCommand = 60000;
    static constexpr int kLastCategoryCommand = 65000;

    // The home is the main frame's current home; it outlives the view.
    explicit CInventoryView(const CHome& currentHome, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CInventoryView)

    // Rebuilds the list for the current home and filter, selecting that asset (0: none).
    void FillItems(long idToSelect);
    // 0 shows all categories, otherwise the command of one category (60000 + its id). The choice is
    // kept in the settings (InventoryCategory) for the next run.
    void SetCategoryFilter(int commandId);
    // Lists only the assets whose warranty ends soon, until a category filter is chosen.
    void ShowWarrantiesEndingSoon();
    bool IsShowingWarranties() const { return m_warrantyFilter; }
    // Sets the filter without refilling or keeping it in the settings.
    void RestoreCategoryFilter(long categoryId) { m_categoryFilter = categoryId; }
    long GetCategoryFilter() const { return m_categoryFilter; }
    // The category menu, counted afresh from the current home's assets; the caller owns it.
    QMenu* CreateCategoryMenu();
    void ShowCategoryMenu();
    void DoItemAction(Action action);

    float GetTotal() const { return m_total; }
    QString GetTitle() const;
    CAutoListCtrl* GetList() const { return m_list; }
    QPlainTextEdit* GetNotesPane() const { return m_notes; }
    void SetListFont(const QFont& font);

signals:
    // The listed total changed; Home Today's inventory line follows it.
    void totalChanged(float total);
    void newAssetRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LayoutControls();
    void CountCategories();
    void ShowSummary(const QString& text);
    void OnContextMenu(const QPoint& globalPos);

    const CHome& m_home;
    CLabel* m_title;
    CLabel* m_icon;
    CAutoListCtrl* m_list;
    QPlainTextEdit* m_notes;
    float m_total = 0.0f;
    QList<QPair<long, long>> m_categoryCounts;
    long m_shownAssetId = 0;
    long m_categoryFilter = 0;
    bool m_warrantyFilter = false;
};
