#include "controls/CImageList.h"

#include <QBitmap>
#include <QList>

struct CImageList::Images
{
    QSize size;
    QList<QPixmap> pictures;
};

CImageList::CImageList() : d(std::make_shared<Images>()) {}

CImageList::CImageList(const QSize& imageSize) : d(std::make_shared<Images>(Images{imageSize, {}})) {}

int CImageList::Add(const QPixmap& bitmap)
{
    if (bitmap.isNull())
        return -1;
    if (d->size.isEmpty())
        d->size = bitmap.size();
    const int first = GetImageCount();
    const int pieces = qMax(1, bitmap.width() / d->size.width());
    const int pieceWidth = pieces > 1 ? d->size.width() : bitmap.width();
    for (int i = 0; i < pieces; ++i) {
        QPixmap piece = bitmap.copy(i * pieceWidth, 0, pieceWidth, bitmap.height());
        if (piece.size() != d->size)
            piece = piece.scaled(d->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        d->pictures.append(piece);
    }
    return first;
}

int CImageList::Add(const QPixmap& bitmap, const QColor& maskColour)
{
    if (bitmap.isNull())
        return -1;
    QPixmap masked = bitmap;
    masked.setMask(bitmap.createMaskFromColor(maskColour, Qt::MaskInColor));
    return Add(masked);
}

int CImageList::GetImageCount() const
{
    return int(d->pictures.size());
}

QSize CImageList::GetImageSize() const
{
    return d->size;
}

QPixmap CImageList::GetImage(int index) const
{
    if (index < 0 || index >= d->pictures.size())
        return QPixmap();
    return d->pictures.at(index);
}
