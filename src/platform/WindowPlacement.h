#pragma once

#include <QByteArray>

class CRegistryKey;
class QWidget;

// The window-placement record as the settings keep it: 40 bytes, little-endian: flags (u32), show
// command (u32), minimised position x, y, maximised position x, y, normal rectangle left, top,
// right, bottom (i32 each). The rectangle is the window's area inside its frame.
namespace WindowPlacement {

constexpr int kSize = 40;
// Up to the size of the record with its leading length field; anything longer is not a placement.
constexpr int kMaxStoredSize = 44;

enum ShowCommand : quint32
{
    ShowNormal = 1,
    ShowMinimized = 2,
    ShowMaximized = 3
};

QByteArray Take(const QWidget& window);
// Applies the normal rectangle (moved onto a screen when it lies on none) and the maximised state.
// False, leaving the window alone, for a record shorter than 40 bytes or longer than 44, or with an
// empty rectangle.
bool Apply(const QByteArray& record, QWidget& window);

// The window's placement written to the key's WindowPlacement value, and applied from it; loading
// fails, leaving the window alone, unless the value is binary and a placement as above.
bool Save(CRegistryKey& key, const QWidget& window);
bool Load(const CRegistryKey& key, QWidget& window);

} // namespace WindowPlacement
