#pragma once

#include <QColor>

// Location colours are stored as red-green-blue words: red in the low byte, green in the next, blue
// in the third. Bits above the third byte are ignored.
QColor ColorFromWord(long word);
long WordFromColor(const QColor& color);
// The word of three components, each 0 to 255: red + green * 256 + blue * 65536.
long ColorWord(int red, int green, int blue);
