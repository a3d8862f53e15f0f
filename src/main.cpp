#include "app/CHomeApp.h"
#include "platform/CPrompt.h"
#include "platform/CQtPrompt.h"
#include "res/AppInfo.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// Answered before any widget exists, so it works without a display.
bool WantsVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    }
    return false;
}

// The drawing the applications menu shows, at each size it is delivered in.
QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/desktop/hearthstead-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    if (WantsVersion(argc, argv)) {
        std::printf("%s\n", ProductLine().toUtf8().constData());
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppName());
    QApplication::setApplicationVersion(AppVersion());
    // Lets the desktop match the window with its entry in the applications menu.
    QGuiApplication::setDesktopFileName(AppId());
    QApplication::setWindowIcon(AppIcon());
    CQtPrompt prompt;
    InstallPrompt(&prompt);
    int status = 1;
    {
        CHomeApp homeApp;
        if (homeApp.InitInstance()) {
            status = QApplication::exec();
            homeApp.ExitInstance();
        }
    }
    InstallPrompt(nullptr);
    return status;
}
