#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// One picture loaded from a file (or none), as the Today view and the picture page show it.
// GIF, JPEG, BMP and PNG files are read; the format is told by the file's content, not its name.
class CPicture final
{
public:
    CPicture() = default;

    // False when the file cannot be opened for reading. Otherwise the held picture is released and
    // the whole file decoded; the result is true even when the file holds no readable picture.
    bool Load(const QString& path);
    bool IsLoaded() const { return !m_image.isNull(); }
    // The picture's size in device-independent pixels; (0, 0) without a picture.
    QSize GetSizeInPixels() const;
    // Draws the picture stretched into left..right, top..bottom (right and bottom exclusive).
    // An all-zero rectangle draws it at its own size at (0, 0); an empty or inverted rectangle and
    // a missing picture draw nothing.
    void Draw(QPainter& painter, int left, int top, int right, int bottom) const;

private:
    QImage m_image;
};
