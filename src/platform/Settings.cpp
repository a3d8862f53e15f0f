#include "platform/Settings.h"

#include "res/AppInfo.h"

namespace Settings {

SettingValue<quint32> InitialGreetingShown()
{
    return {QStringLiteral("InitialGreetingShown_v") + AppVersion(), 0};
}

} // namespace Settings
