#pragma once

#include <QDialog>
#include <QSet>

class CAutoListCtrl;

// "Export Inventory Data": the asset categories to export, all checked at first, and the button that
// asks for a file name, writes the home's inventory there as comma-separated values and offers to
// open it. A file that cannot be made keeps the dialog open for another name.
class CDlgExportInventory final : public QDialog
{
    Q_OBJECT
public:
    CDlgExportInventory(long homeId, const QString& homeDescription, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CDlgExportInventory)

    CAutoListCtrl* GetList() const { return m_list; }
    // The ids of the unchecked categories.
    QSet<long> GetExcludedCategories() const;

    // What the buttons do; public so keyboard, mouse and tests share one path.
    void OnSelectAll() { CheckAll(true); }
    void OnSelectNone() { CheckAll(false); }
    void OnExport();

private:
    void FillCategories();
    void CheckAll(bool checked);

    long m_homeId;
    QString m_homeDescription;
    CAutoListCtrl* m_list;
};
