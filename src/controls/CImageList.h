#pragma once

#include "controls/AutoListExport.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QSize>

// The small pictures a list shows beside its rows, all of one size. A value: copies share the
// pictures.
class HS_AUTOLIST_EXPORT CImageList final
{
public:
    CImageList() = default;
    // An empty list whose images will be imageSize (the first bitmap added sets it otherwise).
    explicit CImageList(const QSize& imageSize);

    // Adds the bitmap; a bitmap as wide as several images is a strip of them, cut from the left.
    // Returns the index of the first image added, or -1 for an empty bitmap.
    int Add(const QPixmap& bitmap);
    // The same, with every pixel of maskColour transparent.
    int Add(const QPixmap& bitmap, const QColor& maskColour);

    int GetImageCount() const { return int(m_images.size()); }
    bool IsEmpty() const { return m_images.isEmpty(); }
    QSize GetImageSize() const { return m_imageSize; }
    // The image at index, or a null pixmap beyond the list.
    QPixmap GetImage(int index) const;

private:
    QSize m_imageSize;
    QList<QPixmap> m_images;
};
