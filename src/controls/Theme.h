#pragma once

#include <QColor>
#include <QFont>

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

} // namespace Theme
