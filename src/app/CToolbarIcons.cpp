#include "app/CToolbarIcons.h"
#include "res/CommandIds.h"

#include "controls/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kBlue = Theme::HeadingColor();
const QColor kRoof(176, 64, 48);
const QColor kWall(246, 236, 210);
const QColor kGreen(74, 140, 72);
const QColor kGold(214, 170, 52);
const int kSize = 48;

void DrawHouse(QPainter& p)
{
    QPainterPath roof;
    roof.moveTo(4, 24);
    roof.lineTo(24, 6);
    roof.lineTo(44, 24);
    roof.closeSubpath();
    p.setBrush(kWall);
    p.drawRect(10, 22, 28, 20);
    p.setBrush(kRoof);
    p.drawPath(roof);
    p.setBrush(kBlue);
    p.drawRect(21, 30, 7, 12);
}

void DrawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(10, 4);
    page.lineTo(30, 4);
    page.lineTo(38, 12);
    page.lineTo(38, 44);
    page.lineTo(10, 44);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(34, 36), 9, 9);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(34, 31, 34, 41);
    p.drawLine(29, 36, 39, 36);
}

void DrawTasks(QPainter& p)
{
    p.setBrush(kWall);
    p.drawRoundedRect(9, 6, 30, 38, 3, 3);
    p.setBrush(kBlue);
    p.drawRect(17, 3, 14, 6);
    p.setPen(QPen(kGreen, 3));
    for (int y : {17, 27, 37}) {
        p.drawLine(13, y, 16, y + 3);
        p.drawLine(16, y + 3, 21, y - 3);
    }
    p.setPen(QPen(Qt::darkGray, 2));
    for (int y : {17, 27, 37})
        p.drawLine(24, y, 35, y);
}

void DrawInventory(QPainter& p)
{
    p.setBrush(QColor(196, 150, 96));
    p.drawRect(6, 18, 36, 26);
    p.setBrush(QColor(222, 184, 135));
    QPainterPath lid;
    lid.moveTo(6, 18);
    lid.lineTo(14, 8);
    lid.lineTo(42, 8);
    lid.lineTo(42, 18);
    lid.closeSubpath();
    p.drawPath(lid);
    p.setBrush(kWall);
    p.drawRect(18, 26, 12, 8);
}

void DrawLocations(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(5, 7, 38, 34);
    p.setPen(QPen(kBlue, 3));
    p.drawLine(24, 7, 24, 26);
    p.drawLine(5, 26, 18, 26);
    p.drawLine(30, 26, 43, 26);
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawRect(8, 10, 13, 13);
}

void DrawLoans(QPainter& p)
{
    p.setBrush(kGold);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    QFont font;
    font.setBold(true);
    font.setPixelSize(26);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("$"));
}

void DrawSync(QPainter& p)
{
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(14, 4, 20, 38, 4, 4);
    p.setBrush(QColor(170, 210, 240));
    p.drawRect(17, 9, 14, 22);
    p.setPen(QPen(kGreen, 3));
    p.drawArc(4, 8, 40, 34, 200 * 16, 140 * 16);
    p.drawLine(41, 30, 44, 24);
}

} // namespace

QIcon CToolbarIcons::Drawn(int commandId)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 48), 1.5));
    switch (commandId) {
    case ID_NEW:
        DrawPage(p);
        break;
    case ID_VIEW_TODAY:
        DrawHouse(p);
        break;
    case ID_VIEW_TASKS:
        DrawTasks(p);
        break;
    case ID_VIEW_INVENTORY:
        DrawInventory(p);
        break;
    case ID_VIEW_LOCATIONS:
        DrawLocations(p);
        break;
    case ID_LOAN_MANAGER:
        DrawLoans(p);
        break;
    case ID_SYNC:
        DrawSync(p);
        break;
    default:
        break;
    }
    return QIcon(pixmap);
}

QIcon CToolbarIcons::Icon(int commandId)
{
    switch (commandId) {
    case ID_NEW:
        return QIcon::fromTheme(QStringLiteral("document-new"), Drawn(commandId));
    case ID_VIEW_TODAY:
        return QIcon::fromTheme(QStringLiteral("go-home"), Drawn(commandId));
    default:
        return Drawn(commandId);
    }
}

QIcon CToolbarIcons::AppIcon()
{
    return Drawn(ID_VIEW_TODAY);
}
