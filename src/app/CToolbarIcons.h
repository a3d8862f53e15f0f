#pragma once

#include <QIcon>

// The toolbar's pictures: the desktop theme's icon where the theme has a fitting one, otherwise
// one drawn here in the program's own colours.
class CToolbarIcons final
{
public:
    static QIcon Icon(int commandId);
    static QIcon AppIcon();

private:
    static QIcon Drawn(int commandId);
};
