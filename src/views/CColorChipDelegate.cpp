#include "views/CColorChipDelegate.h"

#include <QPainter>

namespace {
// The chip's side and the room around it, in pixels.
constexpr int kChip = 10;
constexpr int kRoom = 18;
} // namespace

CColorChipDelegate::CColorChipDelegate(std::function<QColor(int row)> colorOfRow, QObject* parent)
    : QStyledItemDelegate(parent), m_colorOfRow(std::move(colorOfRow))
{
}

void CColorChipDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const QColor color = m_colorOfRow(index.row());
    if (!color.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The selection reaches under the chip, as it does for the text.
    QStyleOptionViewItem textOption = option;
    textOption.rect.adjust(kRoom, 0, 0, 0);
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(QRect(option.rect.left(), option.rect.top(), kRoom, option.rect.height()),
                          option.palette.brush(QPalette::Highlight));
    }
    const QRect chip(option.rect.left() + (kRoom - kChip) / 2, option.rect.center().y() - kChip / 2 + 1,
                     kChip, kChip);
    painter->save();
    painter->setPen(QColor(128, 128, 128));
    painter->setBrush(color);
    painter->drawRect(chip.adjusted(0, 0, -1, -1));
    painter->restore();
    QStyledItemDelegate::paint(painter, textOption, index);
}

QSize CColorChipDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(kRoom, 0);
}
