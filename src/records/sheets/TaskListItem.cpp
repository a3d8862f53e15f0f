#include "records/sheets/TaskListItem.h"

#include "controls/CAutoListCtrl.h"
#include "controls/CImageList.h"
#include "records/CTask.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kGeneralImage = 0;
constexpr int kShoppingImage = 1;
constexpr int kCouponImage = 2;
const QColor kOutline(96, 72, 40);

QPixmap BlankImage()
{
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    return image;
}

// A note pad with a tick: something to do.
QPixmap GeneralImage()
{
    QPixmap image = BlankImage();
    QPainter painter(&image);
    painter.setPen(kOutline);
    painter.setBrush(QColor(250, 244, 214));
    painter.drawRect(2, 1, 11, 14);
    painter.setPen(QColor(150, 150, 150));
    for (int y = 5; y <= 12; y += 3) {
        painter.drawLine(8, y, 11, y);
    }
    painter.setPen(QPen(QColor(30, 140, 60), 2));
    painter.drawLine(4, 6, 5, 8);
    painter.drawLine(5, 8, 7, 4);
    return image;
}

// A shopping basket.
QPixmap ShoppingImage()
{
    QPixmap image = BlankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(4, 1.5, 8, 9), 0, 180 * 16);
    painter.setBrush(QColor(214, 160, 84));
    const QPointF basket[] = {{1, 6}, {15, 6}, {13, 14.5}, {3, 14.5}};
    painter.drawPolygon(basket, 4);
    painter.drawLine(QPointF(2, 9.5), QPointF(14, 9.5));
    return image;
}

// The basket with a coupon ticket in front of it.
QPixmap CouponImage()
{
    QPixmap image = ShoppingImage();
    QPainter painter(&image);
    painter.setPen(QColor(160, 20, 20));
    painter.setBrush(QColor(250, 220, 60));
    painter.drawRect(7, 9, 8, 6);
    painter.setPen(QColor(160, 20, 20));
    painter.drawLine(9, 11, 13, 11);
    painter.drawLine(9, 13, 12, 13);
    return image;
}

} // namespace

void SetListItem(const CTask& task, CAutoListCtrl& list, int index, bool checkMode, bool descriptionOnly)
{
    list.SetItemText(index, 0, descriptionOnly ? task.GetDescription() : task.GetDisplayText());
    if (checkMode) {
        list.SetItemData(index, task.GetId());
        list.SetCheck(index, task.GetStatus() != CTask::NotPicked);
    } else if (task.GetStatus() == CTask::Active) {
        list.SetItemData(index, task.GetId());
    } else if (task.GetStatus() == CTask::Done) {
        list.SetItemData(index, -task.GetId());
    }
    int image = kGeneralImage;
    if (task.IsShoppingItem()) {
        image = task.UsesCoupon() ? kCouponImage : kShoppingImage;
    }
    list.SetItemImage(index, image);
}

CImageList TaskImages()
{
    CImageList images(QSize(16, 16));
    images.Add(GeneralImage());
    images.Add(ShoppingImage());
    images.Add(CouponImage());
    return images;
}
