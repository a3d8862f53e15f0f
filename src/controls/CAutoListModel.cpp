#include "controls/CAutoListModel.h"

#include "controls/AutoListTypes.h"

#include <QColor>
#include <QPixmap>

namespace {

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 0x3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QStringList CellsFor(const QString& first, int cellCount)
{
    QStringList cells;
    cells.reserve(qMax(1, cellCount));
    cells.append(first);
    if (cellCount > 1)
        cells.resize(cellCount);
    return cells;
}

} // namespace

CAutoListModel::CAutoListModel(QObject* parent) : QAbstractTableModel(parent) {}

int CAutoListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CAutoListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CAutoListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const CAutoListRow& row = Row(index.row());
    const bool first = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.Text(index.column());
    case Qt::DecorationRole: {
        const QPixmap image = first ? m_images.GetImage(row.image) : QPixmap();
        return image.isNull() ? QVariant() : QVariant(image);
    }
    case Qt::CheckStateRole:
        return first && m_checkBoxes ? QVariant(row.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(AlignmentOf(m_columns.at(index.column()).format));
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        return RowColour(row, role);
    case DataWordRole:
        return row.hasRecord ? row.data : 0;
    default:
        return QVariant();
    }
}

// Rows are coloured by their data word: 0 white on black, negative grey text.
QVariant CAutoListModel::RowColour(const CAutoListRow& row, int role) const
{
    const qint32 word = row.hasRecord ? row.data : 0;
    if (word == 0)
        return QColor(role == Qt::ForegroundRole ? Qt::white : Qt::black);
    if (word < 0 && role == Qt::ForegroundRole)
        return QColor(0x80, 0x80, 0x80);
    return QVariant();
}

bool CAutoListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (role == Qt::CheckStateRole && index.column() == 0 && m_checkBoxes)
        return SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    if (role != Qt::EditRole && role != Qt::DisplayRole)
        return false;
    CAutoListRow& row = m_rows[size_t(index.row())];
    if (row.texts.size() <= index.column())
        row.texts.resize(index.column() + 1);
    row.texts[index.column()] = value.toString();
    RowChanged(index.row());
    return true;
}

QVariant CAutoListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_columns.at(section).heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant(AlignmentOf(m_columns.at(section).format));
    return QVariant();
}

Qt::ItemFlags CAutoListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkBoxes && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

bool CAutoListModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
        return false;
    if (!m_batch)
        beginInsertRows(QModelIndex(), row, row + count - 1);
    m_rows.insert(m_rows.begin() + row, size_t(count), CAutoListRow());
    if (!m_batch)
        endInsertRows();
    return true;
}

bool CAutoListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    if (!m_batch)
        beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    if (!m_batch)
        endRemoveRows();
    return true;
}

int CAutoListModel::AddColumn(int position, const QString& heading, int format)
{
    position = qBound(0, position, int(m_columns.size()));
    if (!m_batch)
        beginInsertColumns(QModelIndex(), position, position);
    m_columns.insert(position, Column{heading, format});
    for (CAutoListRow& row : m_rows) {
        if (row.texts.size() > position)
            row.texts.insert(position, QString());
    }
    if (!m_batch)
        endInsertColumns();
    return position;
}

bool CAutoListModel::RemoveColumn(int column)
{
    if (column < 0 || column >= m_columns.size())
        return false;
    if (!m_batch)
        beginRemoveColumns(QModelIndex(), column, column);
    m_columns.removeAt(column);
    for (CAutoListRow& row : m_rows) {
        if (row.texts.size() > column)
            row.texts.removeAt(column);
    }
    if (!m_batch)
        endRemoveColumns();
    return true;
}

bool CAutoListModel::SetHeading(int column, const QString& heading)
{
    if (column < 0 || column >= m_columns.size())
        return false;
    m_columns[column].heading = heading;
    if (!m_batch)
        emit headerDataChanged(Qt::Horizontal, column, column);
    return true;
}

QString CAutoListModel::Heading(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns.at(column).heading : QString();
}

int CAutoListModel::AddRow(int position, const QString& text, int image, int cellCount)
{
    position = qBound(0, position, rowCount());
    CAutoListRow row;
    row.texts = CellsFor(text, cellCount);
    row.cells = row.texts;
    row.image = image;
    row.hasRecord = true;
    if (!m_batch)
        beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(m_rows.begin() + position, std::move(row));
    if (!m_batch)
        endInsertRows();
    return position;
}

void CAutoListModel::RemoveAllRows()
{
    if (!m_batch)
        beginResetModel();
    std::vector<CAutoListRow>().swap(m_rows);
    if (!m_batch)
        endResetModel();
}

bool CAutoListModel::SetText(int row, int column, const QString& text)
{
    if (!IsRow(row) || column < 0 || column >= m_columns.size())
        return false;
    CAutoListRow& target = m_rows[size_t(row)];
    if (target.texts.size() <= column)
        target.texts.resize(column + 1);
    target.texts[column] = text;
    if (target.hasRecord) {
        if (target.cells.size() <= column)
            target.cells.resize(column + 1);
        target.cells[column] = text;
    }
    RowChanged(row);
    return true;
}

bool CAutoListModel::SetDataWord(int row, qint32 data, int cellCount)
{
    if (!IsRow(row))
        return false;
    CAutoListRow& target = m_rows[size_t(row)];
    if (!target.hasRecord) {
        target.cells = CellsFor(QString(), cellCount);
        target.hasRecord = true;
    }
    target.data = data;
    RowChanged(row);
    return true;
}

bool CAutoListModel::SetImage(int row, int image)
{
    if (!IsRow(row))
        return false;
    m_rows[size_t(row)].image = image;
    RowChanged(row);
    return true;
}

bool CAutoListModel::SetChecked(int row, bool checked)
{
    if (!IsRow(row))
        return false;
    CAutoListRow& target = m_rows[size_t(row)];
    if (target.checked == checked)
        return true;
    target.checked = checked;
    RowChanged(row);
    emit checkChanged(row, checked);
    return true;
}

void CAutoListModel::Reorder(const std::vector<int>& order)
{
    if (!m_batch)
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<CAutoListRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> placeOf(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[size_t(order[i])]));
        placeOf[size_t(order[i])] = int(i);
    }
    m_rows.swap(sorted);
    if (m_batch)
        return;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to.append(index.isValid() ? this->index(placeOf[size_t(index.row())], index.column()) : index);
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CAutoListModel::SetImages(const CImageList& images)
{
    m_images = images;
    if (!m_batch && !m_rows.empty() && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

void CAutoListModel::SetCheckBoxes(bool on)
{
    if (m_checkBoxes == on)
        return;
    m_checkBoxes = on;
    if (!m_batch && !m_rows.empty() && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void CAutoListModel::BeginBatch()
{
    if (m_batch)
        return;
    beginResetModel();
    m_batch = true;
}

void CAutoListModel::EndBatch()
{
    if (!m_batch)
        return;
    m_batch = false;
    endResetModel();
}

void CAutoListModel::RowChanged(int row)
{
    if (!m_batch && !m_columns.isEmpty())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}
