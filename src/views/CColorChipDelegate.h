#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <functional>

// Draws a small chip of a row's colour before the row's text, so a list of rooms shows each room's
// first remembered colour at a glance. Rows without a colour are drawn as usual.
class CColorChipDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // `colorOfRow` gives the chip's colour for a list row, or an invalid colour for none.
    CColorChipDelegate(std::function<QColor(int row)> colorOfRow, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CColorChipDelegate)

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<QColor(int row)> m_colorOfRow;
};
