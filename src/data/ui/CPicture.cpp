#include "data/ui/CPicture.h"

#include <QFile>
#include <QPainter>
#include <QRect>

bool CPicture::Load(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    m_image = QImage::fromData(file.readAll());
    return true;
}

QSize CPicture::GetSizeInPixels() const
{
    if (m_image.isNull())
        return QSize(0, 0);
    return m_image.deviceIndependentSize().toSize();
}

void CPicture::Draw(QPainter& painter, int left, int top, int right, int bottom) const
{
    if (m_image.isNull())
        return;
    if (left == 0 && top == 0 && right == 0 && bottom == 0) {
        painter.drawImage(QPoint(0, 0), m_image);
        return;
    }
    const QRect target(left, top, right - left, bottom - top);
    if (target.isEmpty())
        return;
    painter.drawImage(target, m_image);
}
