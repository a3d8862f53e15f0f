#include "platform/WindowPlacement.h"

#include "platform/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtEndian>

namespace WindowPlacement {
namespace {

constexpr int kShowOffset = 4;
constexpr int kMinPositionOffset = 8;
constexpr int kMaxPositionOffset = 16;
constexpr int kNormalRectOffset = 24;

void Put(QByteArray& record, int offset, qint32 value)
{
    qToLittleEndian(value, record.data() + offset);
}

qint32 Get(const QByteArray& record, int offset)
{
    return qFromLittleEndian<qint32>(record.constData() + offset);
}

quint32 ShowCommandOf(const QWidget& window)
{
    if (window.isMaximized())
        return ShowMaximized;
    return window.isMinimized() ? ShowMinimized : ShowNormal;
}

qint64 Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// A rectangle less than half on the screens (a screen gone, or saved at another scale) is centred on
// the primary screen, shrunk to fit it.
QRect OnAScreen(QRect rect)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return rect;
    qint64 shown = 0;
    for (const QScreen* screen : QGuiApplication::screens())
        shown += Area(rect.intersected(screen->availableGeometry()));
    if (shown * 2 >= Area(rect))
        return rect;
    const QRect area = primary->availableGeometry();
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveCenter(area.center());
    return rect;
}

} // namespace

QByteArray Take(const QWidget& window)
{
    QRect normal = window.normalGeometry();
    if (!normal.isValid())
        normal = window.geometry();
    QByteArray record(kSize, '\0');
    Put(record, kShowOffset, qint32(ShowCommandOf(window)));
    // No minimised or maximised position is kept: -1 lets the system choose.
    for (int offset = kMinPositionOffset; offset < kNormalRectOffset; offset += 4)
        Put(record, offset, -1);
    Put(record, kNormalRectOffset, normal.left());
    Put(record, kNormalRectOffset + 4, normal.top());
    Put(record, kNormalRectOffset + 8, normal.left() + normal.width());
    Put(record, kNormalRectOffset + 12, normal.top() + normal.height());
    return record;
}

bool Apply(const QByteArray& record, QWidget& window)
{
    if (record.size() < kSize || record.size() > kMaxStoredSize)
        return false;
    const int left = Get(record, kNormalRectOffset);
    const int top = Get(record, kNormalRectOffset + 4);
    const qint64 width = qint64(Get(record, kNormalRectOffset + 8)) - left;
    const qint64 height = qint64(Get(record, kNormalRectOffset + 12)) - top;
    if (width <= 0 || height <= 0 || width > QWIDGETSIZE_MAX || height > QWIDGETSIZE_MAX)
        return false;
    window.setGeometry(OnAScreen(QRect(left, top, int(width), int(height))));
    const bool maximized = quint32(Get(record, kShowOffset)) == ShowMaximized;
    window.setWindowState(maximized ? window.windowState() | Qt::WindowMaximized
                                    : window.windowState() & ~Qt::WindowMaximized);
    return true;
}

bool Save(CRegistryKey& key, const QWidget& window)
{
    return Settings::WindowPlacement.Set(key, Take(window));
}

bool Load(const CRegistryKey& key, QWidget& window)
{
    QByteArray record;
    return Settings::WindowPlacement.Read(key, record) && Apply(record, window);
}

} // namespace WindowPlacement
