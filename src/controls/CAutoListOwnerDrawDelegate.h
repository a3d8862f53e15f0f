#pragma once

#include <QStyledItemDelegate>

// Draws the rows of an owner-drawn list (the tasks view): blue text in the list's plain font, grey
// struck-through text for rows whose data word is negative, the row's image at 15 x 15 pixels, the
// first column's text left-aligned in a label shortened by 15 pixels and the other columns centred
// from there on. The selection is not drawn.
class CAutoListOwnerDrawDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CAutoListOwnerDrawDelegate(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CAutoListOwnerDrawDelegate)

    void SetImageWidth(int width) { m_imageWidth = width; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_imageWidth = 0;
};
