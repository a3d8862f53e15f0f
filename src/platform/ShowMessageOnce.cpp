#include "platform/ShowMessageOnce.h"

#include "platform/CPrompt.h"
#include "res/AppInfo.h"

bool ShowMessageOnce(CRegistryKey& settings, QWidget* owner, const QString& text,
                     const SettingValue<quint32>& shown)
{
    if (shown.Get(settings) != 0)
        return false;
    ShowMessage(owner, text, AppName(), MessageIcon::Information);
    shown.Set(settings, 1);
    return true;
}

bool ShowMessageOnce(QWidget* owner, const QString& text, const SettingValue<quint32>& shown)
{
    return AppSettings() && ShowMessageOnce(*AppSettings(), owner, text, shown);
}
