#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The looks the program's windows share: one place for its colours and fonts.
namespace Theme {

// Headings and the example texts under fields: RGB(55, 96, 157).
QColor HeadingColor();
// The main frame's face behind the views.
QColor BackgroundColor();
// The bold face of headings and the notes label, and the small face of the views' lists: Verdana
// where the desktop has it, else the application's font.
QFont BoldFont();
QFont SmallFont();

// Readable text: at least this contrast between a text and what it is drawn on, light or dark theme.
constexpr double kMinimumContrast = 4.5;
// The contrast ratio of two colours, from 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);
// The colour itself where it reads on that background; else a lighter shade of it on a dark
// background or a darker one on a light background, just far enough to read.
QColor ReadableOn(const QColor& text, const QColor& background);
// Whoever fixes a background fixes the text drawn on it too: sets the widget's window and base
// colours to the background (button faces too: headers and tool buttons sit on it) and its texts
// to black or white, whichever reads.
void SetFixedBackground(QWidget& widget, const QColor& background);

} // namespace Theme
