#include "controls/CAutoListCtrl.h"

#include "controls/CAutoListComparer.h"
#include "controls/CAutoListModel.h"
#include "controls/CAutoListOwnerDrawDelegate.h"
#include "controls/CTextWidthCache.h"
#include "controls/ColumnGiveWay.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace {

// Room around a cell's or a heading's text when a column is fitted.
constexpr int kCellMargin = 12;
constexpr int kHeadingMargin = 12;
// A text column giving way to the figures beside it keeps room for this many average characters.
constexpr int kYieldingCharacters = 8;

} // namespace

CAutoListCtrl::CAutoListCtrl(QWidget* parent, unsigned style)
    : QTreeView(parent), m_model(new CAutoListModel(this)),
      m_ownerDrawDelegate(new CAutoListOwnerDrawDelegate(this)), m_plainDelegate(itemDelegate()),
      m_widths(std::make_unique<CTextWidthCache>(font()))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode((style & SingleSelStyle) ? QAbstractItemView::SingleSelection
                                              : QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(0);
    SetSortHeaders(style & SortHeaderStyle);
    SetOwnerDraw(style & OwnerDrawStyle);

    connect(header(), &QHeaderView::sectionClicked, this, &CAutoListCtrl::OnColumnClick);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit itemClicked(index.row()); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit itemDoubleClicked(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit selectedRowsChanged(); });
    connect(m_model, &CAutoListModel::checkChanged, this, &CAutoListCtrl::itemCheckChanged);
    // A column the user drags to a width keeps it until the list has to give way again.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!m_fitting && column < m_wantedWidths.size())
            m_wantedWidths[column] = width;
    });
}

CAutoListCtrl::~CAutoListCtrl() = default;

void CAutoListCtrl::SetSortHeaders(bool on)
{
    m_sortHeaders = on;
    header()->setSectionsClickable(on);
}

void CAutoListCtrl::SetOwnerDraw(bool on)
{
    m_ownerDraw = on;
    setItemDelegate(on ? m_ownerDrawDelegate : m_plainDelegate);
    // Owner-drawn rows show neither the selection nor the focus; the delegate leaves both out.
    setAllColumnsShowFocus(!on);
}

int CAutoListCtrl::InsertColumn(int position, const QString& heading, int format, int width, int)
{
    if (position == -1)
        position = m_columnCount;
    if (position < 0)
        return -1;
    int column = -1;
    {
        const QScopedValueRollback<bool> own(m_fitting, true);
        column = m_model->AddColumn(position, heading, format);
    }
    m_wantedWidths.insert(column, 0);
    m_contentWidths.insert(column, 0);
    m_headingWidths.insert(column, HeadingWidth(heading));
    if (width == -1)
        width = FitWidth(column);
    SetColumnWidth(column, width);
    if (column < m_columnCount) {
        WidenTo(column, width + (column == 0 ? m_imageWidth : 0));
        return column;
    }
    m_columnCount = column + 1;
    if (m_minWidths.size() < m_columnCount) {
        m_minWidths.resize(m_columnCount);
        m_types.resize(m_columnCount);
    }
    m_minWidths[column] = width;
    m_types[column] = LIST_COLUMN_TEXT;
    return column;
}

int CAutoListCtrl::InsertColumn(int position, const AutoListColumn& column)
{
    const int format = (column.mask & LVCF_FMT) ? column.fmt : LVCFMT_LEFT;
    const int width = (column.mask & LVCF_WIDTH) ? column.cx : -1;
    const QString heading = (column.mask & LVCF_TEXT) ? column.text : QString();
    return InsertColumn(position, heading, format, width, column.subItem);
}

bool CAutoListCtrl::DeleteColumn(int column)
{
    const QScopedValueRollback<bool> own(m_fitting, true);
    if (!m_model->RemoveColumn(column))
        return false;
    m_wantedWidths.removeAt(column);
    m_contentWidths.removeAt(column);
    m_headingWidths.removeAt(column);
    if (m_columnCount > 0)
        --m_columnCount;
    return true;
}

bool CAutoListCtrl::SetColumnText(int column, const QString& heading)
{
    if (!m_model->SetHeading(column, heading))
        return false;
    m_headingWidths[column] = HeadingWidth(heading);
    if (heading.isEmpty()) {
        SetColumnWidth(column, 0);
        if (column < m_minWidths.size())
            m_minWidths[column] = 0;
        return true;
    }
    SetColumnWidth(column, qMax(FitWidth(column), GetHeaderWidth(column)));
    return true;
}

QString CAutoListCtrl::GetColumnText(int column) const
{
    return m_model->Heading(column);
}

bool CAutoListCtrl::SetColumnType(int column, int type)
{
    if (column < 0 || column >= m_columnCount || type < LIST_COLUMN_TEXT || type > LIST_COLUMN_DATE)
        return false;
    m_types[column] = type;
    return true;
}

int CAutoListCtrl::GetColumnType(int column) const
{
    return column < 0 || column >= m_columnCount ? -1 : m_types.at(column);
}

int CAutoListCtrl::GetHeaderWidth(int column) const
{
    return column >= 0 && column < m_minWidths.size() ? m_minWidths.at(column) : 0;
}

void CAutoListCtrl::SetMinColumnWidth(int column, int width)
{
    WidenTo(column, width + (column == 0 ? m_imageWidth : 0));
}

int CAutoListCtrl::GetColumnWidth(int column) const
{
    if (column < 0 || column >= header()->count() || header()->isSectionHidden(column))
        return 0;
    return header()->sectionSize(column);
}

bool CAutoListCtrl::SetColumnWidth(int column, int width)
{
    if (column < 0 || column >= header()->count() || width < 0)
        return false;
    {
        const QScopedValueRollback<bool> own(m_fitting, true);
        m_wantedWidths[column] = width;
        header()->setSectionHidden(column, width == 0);
        if (width > 0)
            header()->resizeSection(column, width);
    }
    FitColumns();
    return true;
}

int CAutoListCtrl::InsertItem(int position, const QString& text)
{
    AutoListItem item;
    item.mask = LVIF_TEXT;
    item.item = position;
    item.text = text;
    return InsertItem(item);
}

int CAutoListCtrl::InsertItem(int position, const QString& text, int image)
{
    AutoListItem item;
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.item = position;
    item.text = text;
    item.image = image;
    return InsertItem(item);
}

int CAutoListCtrl::InsertItem(unsigned mask, int position, const QString& text, unsigned state,
                              unsigned stateMask, int image, qintptr param)
{
    AutoListItem item;
    item.mask = mask;
    item.item = position;
    item.text = text;
    item.state = state;
    item.stateMask = stateMask;
    item.image = image;
    item.param = param;
    return InsertItem(item);
}

int CAutoListCtrl::InsertItem(const AutoListItem& item)
{
    if (item.subItem != 0)
        return -1;
    int position = item.item;
    if (position < 0 || position > GetItemCount())
        position = GetItemCount();
    const QString text = (item.mask & LVIF_TEXT) ? item.text : QString();
    const int image = (item.mask & LVIF_IMAGE) ? item.image : -1;
    const int row = m_model->AddRow(position, text, image, CellCount());
    ShiftPendingSelection(row, 1);
    if (m_model->columnCount() > 0) {
        NoteContent(0, text);
        WidenTo(0, FitWidth(0) + m_imageWidth);
    }
    if (item.mask & LVIF_STATE)
        ApplyState(row, item.state, item.stateMask);
    return row;
}

bool CAutoListCtrl::SetItemText(int row, int column, const QString& text)
{
    if (!m_model->SetText(row, column, text))
        return false;
    NoteContent(column, text);
    WidenTo(column, FitWidth(column) + (column == 0 ? m_imageWidth : 0));
    return true;
}

QString CAutoListCtrl::GetItemText(int row, int column) const
{
    return m_model->IsRow(row) ? m_model->Row(row).Text(column) : QString();
}

bool CAutoListCtrl::SetItemData(int row, long data)
{
    return m_model->SetDataWord(row, qint32(data), CellCount());
}

long CAutoListCtrl::GetItemData(int row) const
{
    if (!m_model->IsRow(row) || !m_model->Row(row).hasRecord)
        return 0;
    return m_model->Row(row).data;
}

bool CAutoListCtrl::SetItemImage(int row, int image)
{
    return m_model->SetImage(row, image);
}

int CAutoListCtrl::GetItemImage(int row) const
{
    return m_model->IsRow(row) ? m_model->Row(row).image : -1;
}

int CAutoListCtrl::GetItemCount() const
{
    return m_model->rowCount();
}

bool CAutoListCtrl::DeleteItem(int row)
{
    if (!m_model->removeRows(row, 1))
        return false;
    ShiftPendingSelection(row, -1);
    return true;
}

bool CAutoListCtrl::DeleteAllItems()
{
    m_model->RemoveAllRows();
    m_contentWidths.fill(0);
    m_pendingSelection.clear();
    return true;
}

bool CAutoListCtrl::SetCheck(int row, bool checked)
{
    return m_model->SetChecked(row, checked);
}

bool CAutoListCtrl::GetCheck(int row) const
{
    return m_model->IsRow(row) && m_model->Row(row).checked;
}

int CAutoListCtrl::GetSelectedItems(int capacity, int* indices) const
{
    const QList<int> rows = GetSelectedItems();
    const int count = indices ? qMin(capacity, int(rows.size())) : 0;
    std::copy_n(rows.cbegin(), qMax(0, count), indices);
    return qMax(0, count);
}

QList<int> CAutoListCtrl::GetSelectedItems() const
{
    QList<int> rows;
    if (m_model->InBatch()) {
        rows = m_pendingSelection;
    } else {
        const QItemSelection selection = selectionModel()->selection();
        for (const QItemSelectionRange& range : selection) {
            for (int row = range.top(); row <= range.bottom(); ++row)
                rows.append(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CAutoListCtrl::GetCurSel() const
{
    const QList<int> rows = GetSelectedItems();
    return rows.isEmpty() ? -1 : rows.first();
}

int CAutoListCtrl::SetCurSel(int row)
{
    if (row < 0 || row >= GetItemCount())
        return -1;
    SelectRows({row});
    return 0;
}

bool CAutoListCtrl::EnsureVisible(int row)
{
    if (!m_model->IsRow(row) || m_model->InBatch())
        return false;
    scrollTo(m_model->index(row, 0));
    return true;
}

bool CAutoListCtrl::SelectWhereClicked()
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(m_lastMouse));
    if (!index.isValid())
        return false;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}

CImageList CAutoListCtrl::SetImageList(const CImageList& images, int which)
{
    if (which < LVSIL_NORMAL || which > LVSIL_STATE)
        return CImageList();
    const CImageList previous = std::exchange(m_images[which], images);
    m_imageWidth = images.IsEmpty() ? 0 : images.GetImage(0).width();
    // Keep the selection as visible when the list has no focus as when it has.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
    if (which == LVSIL_SMALL) {
        m_model->SetImages(images);
        setIconSize(images.GetImageSize());
        m_ownerDrawDelegate->SetImageWidth(m_imageWidth);
    }
    return previous;
}

CImageList CAutoListCtrl::GetImageList(int which) const
{
    return which >= LVSIL_NORMAL && which <= LVSIL_STATE ? m_images[which] : CImageList();
}

bool CAutoListCtrl::SetExtendedStyle(unsigned style)
{
    m_extendedStyle = style;
    m_model->SetCheckBoxes(style & LVS_EX_CHECKBOXES);
    return true;
}

void CAutoListCtrl::SetBkColor(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
}

void CAutoListCtrl::SetRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (!on) {
        m_pendingSelection = GetSelectedItems();
        m_model->BeginBatch();
        setUpdatesEnabled(false);
        return;
    }
    m_model->EndBatch();
    FitColumns();
    setUpdatesEnabled(true);
    QList<int> rows = std::exchange(m_pendingSelection, {});
    rows.removeIf([this](int row) { return row >= GetItemCount(); });
    if (!rows.isEmpty())
        SelectRows(rows);
    viewport()->update();
}

void CAutoListCtrl::SortOnColumn(int column)
{
    if (column < 0)
        return;
    if (column == m_sortColumn) {
        m_sortAscending = !m_sortAscending;
    } else {
        m_sortColumn = column;
        m_sortAscending = true;
    }
    const CAutoListComparer comparer(column, TypeOf(column), m_sortAscending);
    m_model->Reorder(comparer.Order(m_model->Rows()));
}

int CAutoListCtrl::CompareItems(int row1, int row2, const CAutoListCtrl& list)
{
    const CAutoListModel& model = *list.m_model;
    if (list.m_sortColumn < 0 || !model.IsRow(row1) || !model.IsRow(row2))
        return 0;
    const CAutoListComparer comparer(list.m_sortColumn, list.TypeOf(list.m_sortColumn), list.m_sortAscending);
    return comparer.Compare(model.Row(row1), model.Row(row2));
}

void CAutoListCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_widths->SetFont(font());
        for (int column = 0; column < m_headingWidths.size(); ++column)
            m_headingWidths[column] = HeadingWidth(m_model->Heading(column));
    }
    QTreeView::changeEvent(event);
}

void CAutoListCtrl::keyPressEvent(QKeyEvent* event)
{
    emit keyPressed(event->key());
    if (event->key() == Qt::Key_Delete)
        emit deleteKeyPressed();
    if (ActivateCurrent(*event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool CAutoListCtrl::ActivateCurrent(const QKeyEvent& event)
{
    const int key = event.key();
    // In a list of check boxes Space belongs to the box of the current row.
    const bool spaceChecks = (m_extendedStyle & LVS_EX_CHECKBOXES) != 0;
    const bool activating =
        key == Qt::Key_Return || key == Qt::Key_Enter || (key == Qt::Key_Space && !spaceChecks);
    const QModelIndex current = currentIndex();
    if (!activating || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !current.isValid() ||
        !isSignalConnected(QMetaMethod::fromSignal(&CAutoListCtrl::itemActivated)))
        return false;
    if (!selectionModel()->isRowSelected(current.row()))
        SelectRows({current.row()});
    emit itemActivated(current.row());
    return true;
}

void CAutoListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        emit contextMenuRequested(QPoint(-1, -1));
    } else {
        m_lastMouse = event->globalPos();
        emit contextMenuRequested(event->globalPos());
    }
    event->accept();
}

bool CAutoListCtrl::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        m_lastMouse = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        break;
    case QEvent::ToolTip:
        if (ShowFullText(*static_cast<QHelpEvent*>(event)))
            return true;
        break;
    case QEvent::Show:
    case QEvent::Resize:
        FitColumns();
        break;
    default:
        break;
    }
    return QTreeView::viewportEvent(event);
}

void CAutoListCtrl::OnColumnClick(int column)
{
    if (m_sortHeaders)
        SortOnColumn(column);
}

int CAutoListCtrl::CellWidth(const QString& text)
{
    return text.isEmpty() ? 0 : m_widths->Width(text) + kCellMargin;
}

int CAutoListCtrl::HeadingWidth(const QString& heading) const
{
    return heading.isEmpty() ? 0 : header()->fontMetrics().horizontalAdvance(heading) + kHeadingMargin;
}

int CAutoListCtrl::FitWidth(int column) const
{
    if (column < 0 || column >= m_contentWidths.size())
        return 0;
    return qMax(m_headingWidths.at(column), m_contentWidths.at(column));
}

void CAutoListCtrl::NoteContent(int column, const QString& text)
{
    if (column >= 0 && column < m_contentWidths.size())
        m_contentWidths[column] = qMax(m_contentWidths.at(column), CellWidth(text));
}

void CAutoListCtrl::WidenTo(int column, int width)
{
    if (column >= 0 && column < m_wantedWidths.size() && m_wantedWidths.at(column) < width)
        SetColumnWidth(column, width);
}

// Text columns narrow until the figures and dates beside them are in view again.
void CAutoListCtrl::FitColumns()
{
    if (!isVisible() || m_model->InBatch())
        return;
    QList<int> widths;
    QList<int> floors;
    const int least = fontMetrics().averageCharWidth() * kYieldingCharacters;
    for (int column = 0; column < m_wantedWidths.size(); ++column) {
        const bool hidden = header()->isSectionHidden(column);
        widths.append(hidden ? 0 : m_wantedWidths.at(column));
        floors.append(!hidden && Yields(column) ? qMax(least, m_headingWidths.value(column)) : -1);
    }
    widths = GiveWay(widths, floors, viewport()->width());
    const QScopedValueRollback<bool> own(m_fitting, true);
    for (int column = 0; column < widths.size(); ++column) {
        if (!header()->isSectionHidden(column) && header()->sectionSize(column) != widths.at(column))
            header()->resizeSection(column, widths.at(column));
    }
}

bool CAutoListCtrl::Yields(int column) const
{
    const auto alignment =
        m_model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
    return TypeOf(column) == LIST_COLUMN_TEXT && (alignment & Qt::AlignLeft);
}

// A cell too narrow for its text shows it elided; the tool tip shows it whole.
bool CAutoListCtrl::ShowFullText(const QHelpEvent& help)
{
    const QModelIndex index = indexAt(help.pos());
    const QString text = index.data().toString();
    const QRect cell = visualRect(index);
    if (!index.isValid() || CellWidth(text) + (index.column() == 0 ? m_imageWidth : 0) <= cell.width())
        return false;
    QToolTip::showText(help.globalPos(), text, viewport(), cell);
    return true;
}

int CAutoListCtrl::CellCount() const
{
    return qMax(1, m_columnCount);
}

int CAutoListCtrl::TypeOf(int column) const
{
    return column >= 0 && column < m_types.size() ? m_types.at(column) : LIST_COLUMN_TEXT;
}

void CAutoListCtrl::ApplyState(int row, unsigned state, unsigned stateMask)
{
    if (stateMask & LVIS_STATEIMAGEMASK)
        SetCheck(row, ((state & stateMask & LVIS_STATEIMAGEMASK) >> 12) == 2);
    if ((stateMask & state & LVIS_SELECTED) != 0) {
        QList<int> rows = GetSelectedItems();
        rows.append(row);
        SelectRows(rows);
    }
    if ((stateMask & state & LVIS_FOCUSED) != 0 && !m_model->InBatch())
        selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
}

void CAutoListCtrl::SelectRows(const QList<int>& rows)
{
    if (m_model->InBatch()) {
        m_pendingSelection = rows;
        return;
    }
    // The current row follows the selection: a screen reader announces the current row.
    if (!rows.isEmpty())
        selectionModel()->setCurrentIndex(m_model->index(rows.first(), 0), QItemSelectionModel::NoUpdate);
    const int lastColumn = qMax(0, m_model->columnCount() - 1);
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_model->index(row, 0), m_model->index(row, lastColumn));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Keeps the rows to select once redrawing is back on pointing at the same rows.
void CAutoListCtrl::ShiftPendingSelection(int row, int delta)
{
    if (!m_model->InBatch())
        return;
    if (delta < 0)
        m_pendingSelection.removeAll(row);
    for (int& pending : m_pendingSelection) {
        if (pending > row || (delta > 0 && pending == row))
            pending += delta;
    }
}
