#include "controls/CAutoListOwnerDrawDelegate.h"

#include "controls/CAutoListModel.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kShortening = 15;
constexpr int kImageSide = 15;
constexpr int kInset = 3;
const int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;

} // namespace

CAutoListOwnerDrawDelegate::CAutoListOwnerDrawDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void CAutoListOwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    const QRect cell = option.rect;
    const bool done = index.data(CAutoListModel::DataWordRole).toInt() < 0;
    QFont font = option.font;
    font.setStrikeOut(done);

    painter->save();
    painter->fillRect(cell, option.palette.base());
    painter->setFont(font);
    painter->setPen(done ? QColor(0x80, 0x80, 0x80) : QColor(0, 0, 255));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (index.column() == 0) {
        const QPixmap image = index.data(Qt::DecorationRole).value<QPixmap>();
        if (!image.isNull() && !cell.isEmpty())
            painter->drawPixmap(QRect(cell.left() + kInset, cell.top() + 1, kImageSide, kImageSide), image);
        QRect label(cell.left() + m_imageWidth, cell.top(), cell.width() - m_imageWidth - kShortening,
                    cell.height());
        // A column giving way to the ones beside it cuts its text short with an ellipsis.
        const QRect inset = label.adjusted(kInset, 0, -kInset, 0);
        painter->drawText(inset, Qt::AlignLeft | kTextFlags,
                          painter->fontMetrics().elidedText(text, Qt::ElideRight, inset.width()));
    } else if (!text.isEmpty()) {
        // Each further column starts where the shortened one before it ended.
        const QRect shifted = cell.translated(-kShortening, 0);
        painter->drawText(shifted.adjusted(kInset, 0, -kInset, 0), Qt::AlignHCenter | kTextFlags, text);
    }
    painter->restore();
}

QSize CAutoListOwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), kImageSide + 2));
    return size;
}
