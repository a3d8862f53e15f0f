#pragma once

#include <QDialog>

class CAutoListCtrl;

// The "Categories" dialog: the categories of one type (1 asset categories, 2 task categories,
// 3 stores), in which the user creates, renames and deletes them and picks one.
class CDlgCategories final : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgCategories(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgCategories)

    void SetCategoryType(int type) { m_categoryType = type; }
    int GetCategoryType() const { return m_categoryType; }
    // In: the category to preselect (0 none). Out: the one chosen, created or renamed last.
    void SetCategoryId(long id) { m_categoryId = id; }
    long GetCategoryId() const { return m_categoryId; }
    CAutoListCtrl* GetList() const { return m_list; }

    // What the buttons do; public so keyboard, mouse and tests share one path.
    void OnNew();
    void OnRename();
    void OnDelete();
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();
    bool SetName(long id, const QString& name, bool withType);
    // Assets of a deleted category become uncategorised; nothing else points at it by force.
    static void UncategoriseAssets(long id);

    int m_categoryType = 1;
    long m_categoryId = 0;
    CAutoListCtrl* m_list;
};

// Runs the "Categories" dialog for the type, preselecting id, with the opener's caption ("" keeps
// "Categories"). Returns the dialog's category id however it was closed.
long SelectCategoryDialog(QWidget* parent, int type, long id, const QString& caption);
