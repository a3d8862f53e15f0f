#include "controls/Theme.h"

#include <QApplication>
#include <QWidget>

#include <cmath>

namespace {

QFont VerdanaFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Verdana"), QApplication::font().family()});
    return font;
}

double Luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share)
{
    const auto blend = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()));
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

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background)
{
    if (ContrastRatio(text, background) >= kMinimumContrast)
        return text;
    // Towards white on a dark background, towards black on a light one; one of them always reads.
    const QColor end = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor shade = Mix(text, end, step / 20.0);
        if (ContrastRatio(shade, background) >= kMinimumContrast)
            return shade;
    }
    return end;
}

void SetFixedBackground(QWidget& widget, const QColor& background)
{
    const bool dark = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background);
    const QColor text = dark ? QColor(Qt::white) : QColor(Qt::black);
    QPalette colours = widget.palette();
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
        colours.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, text);
    widget.setPalette(colours);
}

} // namespace Theme
