#pragma once

#include "controls/AutoListExport.h"

#include <QColor>
#include <QPixmap>
#include <QSize>

#include <memory>

// The small pictures a list shows beside its rows, all of one size. A handle: copies share the
// same images, so pictures added after the list is given to a CAutoListCtrl show there too.
class HS_AUTOLIST_EXPORT CImageList final
{
public:
    CImageList();
    // An empty list whose images will be imageSize (the first bitmap added sets it otherwise).
    explicit CImageList(const QSize& imageSize);

    // Adds the bitmap; a bitmap as wide as several images is a strip of them, cut from the left.
    // Returns the index of the first image added, or -1 for an empty bitmap.
    int Add(const QPixmap& bitmap);
    // The same, with every pixel of maskColour transparent.
    int Add(const QPixmap& bitmap, const QColor& maskColour);

    int GetImageCount() const;
    bool IsEmpty() const { return GetImageCount() == 0; }
    QSize GetImageSize() const;
    // The image at index, or a null pixmap beyond the list.
    QPixmap GetImage(int index) const;

private:
    struct Images;
    std::shared_ptr<Images> d;
};
