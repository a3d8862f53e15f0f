#pragma once

#include "controls/AutoListExport.h"
#include "controls/AutoListTypes.h"
#include "controls/CImageList.h"

#include <QList>
#include <QPoint>
#include <QTreeView>

#include <memory>

class CAutoListModel;
class CAutoListOwnerDrawDelegate;
class CTextWidthCache;
class QHelpEvent;

// The report-style list every view and list dialog uses. Each row keeps its cells' texts and one
// caller-owned data word; each column has a type (text, number, size, date) that decides how a
// header click sorts it; columns grow to fit what is put in them and never narrow on their own,
// except that a shown list too narrow for all of them narrows its left-aligned text columns (the
// widest first) so that figures and dates stay in view; a text cut short there shows an ellipsis
// and, as its tool tip, the whole text.
// Rows whose data word is 0 are drawn white on black, negative ones in grey.
class HS_AUTOLIST_EXPORT CAutoListCtrl : public QTreeView
{
    Q_OBJECT
public:
    // Styles chosen when the list is made.
    enum Style : unsigned
    {
        DefaultStyle = 0x0,
        SortHeaderStyle = 0x1, // a header click sorts on that column
        OwnerDrawStyle = 0x2,  // rows drawn as the tasks view draws them
        SingleSelStyle = 0x4,  // at most one row selected
    };

    explicit CAutoListCtrl(QWidget* parent = nullptr, unsigned style = DefaultStyle);
    ~CAutoListCtrl() override;
    Q_DISABLE_COPY_MOVE(CAutoListCtrl)

    void SetSortHeaders(bool on);
    bool HasSortHeaders() const { return m_sortHeaders; }
    void SetOwnerDraw(bool on);
    bool IsOwnerDraw() const { return m_ownerDraw; }

    // Columns. position -1 appends; width -1 fits the heading. Returns the new column or -1.
    int InsertColumn(int position, const QString& heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    int InsertColumn(int position, const AutoListColumn& column);
    bool DeleteColumn(int column);
    // An empty heading hides the column (width 0, minimum 0).
    bool SetColumnText(int column, const QString& heading);
    QString GetColumnText(int column) const;
    bool SetColumnType(int column, int type);
    int GetColumnType(int column) const;
    int GetColumnCount() const { return m_columnCount; }
    // The column's minimum width.
    int GetHeaderWidth(int column) const;
    // Widens the column to width (plus the image width for column 0); never narrows it.
    void SetMinColumnWidth(int column, int width);
    // The width shown, which a text column giving way makes smaller than the one set.
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);

    // Rows. position -1 (or any past the end) appends; rows are not re-sorted. Returns the new row
    // or -1.
    int InsertItem(int position, const QString& text);
    int InsertItem(int position, const QString& text, int image);
    int InsertItem(unsigned mask, int position, const QString& text, unsigned state, unsigned stateMask,
                   int image, qintptr param);
    int InsertItem(const AutoListItem& item);
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    bool SetItemData(int row, long data);
    // 0 for a row without a record.
    long GetItemData(int row) const;
    // The row's image in the small image list; -1 for none.
    int GetItemImage(int row) const;
    bool SetItemImage(int row, int image);
    int GetItemCount() const;
    bool DeleteItem(int row);
    bool DeleteAllItems();
    bool SetCheck(int row, bool checked);
    bool GetCheck(int row) const;

    // Selection.
    int GetSelectedItems(int capacity, int* indices) const;
    QList<int> GetSelectedItems() const;
    int GetCurSel() const;
    // Selects only that row and makes it the current (focused) row, so what a screen reader
    // announces is what Delete acts on; -1 and no change when the row does not exist.
    int SetCurSel(int row);
    bool EnsureVisible(int row);
    // Selects and focuses the row under the last mouse position the list saw.
    bool SelectWhereClicked();

    // Returns the list installed before. Records the image width from the list's first image, 0
    // when it has none yet (images added later still show, but do not widen the first column).
    CImageList SetImageList(const CImageList& images, int which = LVSIL_SMALL);
    CImageList GetImageList(int which = LVSIL_SMALL) const;
    int GetImageWidth() const { return m_imageWidth; }
    // LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES.
    bool SetExtendedStyle(unsigned style);
    unsigned GetExtendedStyle() const { return m_extendedStyle; }
    void SetBkColor(const QColor& colour);

    // While off, rows can be added and removed in bulk; the list lays itself out and repaints once
    // when it is turned back on.
    void SetRedraw(bool on);

    // Sorting. -1 does nothing; the sort column again reverses the direction.
    void SortOnColumn(int column);
    int GetSortColumn() const { return m_sortColumn; }
    bool IsSortAscending() const { return m_sortAscending; }
    // The sort's comparison of two rows under the list's sort column and direction; negative
    // when row1 comes first.
    static int CompareItems(int row1, int row2, const CAutoListCtrl& list);

signals:
    void itemClicked(int row);
    void itemDoubleClicked(int row);
    // Enter, keypad Enter or Space on the current row: the list's default action (Space only in a
    // list without check boxes; there it checks the row). While something listens, the key stays in
    // the list instead of reaching a dialog's default button.
    void itemActivated(int row);
    void selectedRowsChanged();
    void itemCheckChanged(int row, bool checked);
    void keyPressed(int key);
    void deleteKeyPressed();
    // The screen position, or (-1, -1) when the menu key asked.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void OnColumnClick(int column);
    int CellWidth(const QString& text);
    int HeadingWidth(const QString& heading) const;
    int FitWidth(int column) const;
    void NoteContent(int column, const QString& text);
    void WidenTo(int column, int width);
    void FitColumns();
    bool Yields(int column) const;
    bool ShowFullText(const QHelpEvent& help);
    int CellCount() const;
    int TypeOf(int column) const;
    void ApplyState(int row, unsigned state, unsigned stateMask);
    void SelectRows(const QList<int>& rows);
    bool ActivateCurrent(const QKeyEvent& event);
    void ShiftPendingSelection(int row, int delta);

    CAutoListModel* m_model;
    CAutoListOwnerDrawDelegate* m_ownerDrawDelegate;
    QAbstractItemDelegate* m_plainDelegate;
    std::unique_ptr<CTextWidthCache> m_widths;
    QList<int> m_minWidths;
    QList<int> m_wantedWidths; // each column's width before any gives way
    QList<int> m_types;
    QList<int> m_contentWidths; // widest cell put into each shown column
    QList<int> m_headingWidths; // each shown column's heading, measured when it is set
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    int m_imageWidth = 0;
    int m_columnCount = 0;
    CImageList m_images[3];
    unsigned m_extendedStyle = 0;
    bool m_sortHeaders = false;
    bool m_ownerDraw = false;
    bool m_redraw = true;
    bool m_fitting = false;        // the list itself is sizing its columns
    QList<int> m_pendingSelection; // rows to select when redrawing is back on
    QPoint m_lastMouse;            // screen position
};
