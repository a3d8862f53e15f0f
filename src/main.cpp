#include "app/CHomeApp.h"
#include "platform/AppVersion.h"
#include "platform/CPrompt.h"
#include "platform/CQtPrompt.h"

#include <QApplication>

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
