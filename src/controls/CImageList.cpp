#include "controls/CImageList.h"

#include <QBitmap>

CImageList::CImageList(const QSize& imageSize) : m_imageSize(imageSize) {}

int CImageList::Add(const QPixmap& bitmap)
{
    if (bitmap.isNull())
        return -1;
    if (m_imageSize.isEmpty())
        m_imageSize = bitmap.size();
    const int first = GetImageCount();
    const int pieces = qMax(1, bitmap.width() / m_imageSize.width());
    const int pieceWidth = pieces > 1 ? m_imageSize.width() : bitmap.width();
    for (int i = 0; i < pieces; ++i) {
        QPixmap piece = bitmap.copy(i * pieceWidth, 0, pieceWidth, bitmap.height());
        if (piece.size() != m_imageSize)
            piece = piece.scaled(m_imageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_images.append(piece);
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

QPixmap CImageList::GetImage(int index) const
{
    if (index < 0 || index >= m_images.size())
        return QPixmap();
    return m_images.at(index);
}
