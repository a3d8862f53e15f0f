#include "platform/Settings.h"

#include "platform/AppVersion.h"

namespace Settings {

SettingValue<quint32> InitialGreetingShown()
{
    return {QStringLiteral("InitialGreetingShown_v") + AppVersion(), 0};
}

} // namespace Settings
