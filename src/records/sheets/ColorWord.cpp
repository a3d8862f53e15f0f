#include "records/sheets/ColorWord.h"

QColor ColorFromWord(long word)
{
    return QColor(int(word & 0xFF), int((word >> 8) & 0xFF), int((word >> 16) & 0xFF));
}

long WordFromColor(const QColor& color)
{
    return ColorWord(color.red(), color.green(), color.blue());
}

long ColorWord(int red, int green, int blue)
{
    return long(red) + long(green) * 256 + long(blue) * 65536;
}
