#pragma once

#include "controls/CAutoListRow.h"
#include "controls/CImageList.h"

#include <QAbstractTableModel>

#include <vector>

// The rows and columns behind CAutoListCtrl. The standard model calls (insertRows, setData) act as
// the bare list would: they add rows without a record and change only the shown texts.
class CAutoListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The caller's data word of a row (0 without a record).
    static constexpr int DataWordRole = Qt::UserRole + 1;

    explicit CAutoListModel(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CAutoListModel)

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    int AddColumn(int position, const QString& heading, int format);
    bool RemoveColumn(int column);
    bool SetHeading(int column, const QString& heading);
    QString Heading(int column) const;

    // Inserts a row holding its record; returns its index.
    int AddRow(int position, const QString& text, int image, int cellCount);
    void RemoveAllRows();
    bool SetText(int row, int column, const QString& text);
    bool SetDataWord(int row, qint32 data, int cellCount);
    bool SetChecked(int row, bool checked);
    bool SetImage(int row, int image);

    const CAutoListRow& Row(int row) const { return m_rows[size_t(row)]; }
    const std::vector<CAutoListRow>& Rows() const { return m_rows; }
    bool IsRow(int row) const { return row >= 0 && row < int(m_rows.size()); }

    // Rows move to the order given (order[i] = the old index of the row that goes to place i).
    void Reorder(const std::vector<int>& order);

    void SetImages(const CImageList& images);
    void SetCheckBoxes(bool on);

    // Between BeginBatch and EndBatch rows change without telling the view, which lays itself out
    // once at the end.
    void BeginBatch();
    void EndBatch();
    bool InBatch() const { return m_batch; }

signals:
    void checkChanged(int row, bool checked);

private:
    struct Column
    {
        QString heading;
        int format = 0;
    };

    void RowChanged(int row);
    QVariant RowColour(const CAutoListRow& row, int role) const;

    std::vector<CAutoListRow> m_rows;
    QList<Column> m_columns;
    CImageList m_images;
    bool m_checkBoxes = false;
    bool m_batch = false;
};
