#include "app/ShowMessageOnce.h"

#include "app/CHomeApp.h"
#include "app/CMainFrame.h"
#include "app/CRegistryKey.h"
#include "platform/CPrompt.h"
#include "res/AppInfo.h"

bool ShowMessageOnce(CRegistryKey& settings, QWidget* owner, const QString& text, const QString& valueName)
{
    quint32 shown = 0;
    if (settings.GetDword(valueName, shown) && shown != 0)
        return false;
    ShowMessage(owner, text, AppName(), MessageIcon::Information);
    settings.SetDword(valueName, 1);
    return true;
}

bool ShowMessageOnce(const QString& text, const QString& valueName)
{
    CHomeApp* app = CHomeApp::Instance();
    return app && ShowMessageOnce(app->GetSettings(), app->GetMainFrame(), text, valueName);
}
