#include "controls/Theme.h"

#include <QApplication>

namespace {

QFont VerdanaFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Verdana"), QApplication::font().family()});
    return font;
}

} // namespace

namespace Theme {

QColor HeadingColor()
{
    return QColor(55, 96, 157);
}

QColor BackgroundColor()
{
    return QColor(234, 239, 244);
}

QFont BoldFont()
{
    QFont font = VerdanaFont();
    font.setWeight(QFont::Bold);
    return font;
}

QFont SmallFont()
{
    QFont font = VerdanaFont();
    font.setPixelSize(12);
    return font;
}

} // namespace Theme
