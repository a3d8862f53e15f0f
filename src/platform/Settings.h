#pragma once

#include "platform/SettingValue.h"

// Every value the program keeps under its settings key, with its type and its default: the one
// place that spells them.
namespace Settings {

inline const QString kKeyPath = QStringLiteral("Software\\Bright Water\\Hearthstead");

// The main window's placement record (WindowPlacement); none: the window is centred.
inline const SettingValue<QByteArray> WindowPlacement{QStringLiteral("WindowPlacement"), {}};
// Written at every start for other programs; never read.
inline const SettingValue<QString> CurrentVersion{QStringLiteral("CurrentVersion"), {}};
inline const SettingValue<QString> AppPath{QStringLiteral("AppPath"), {}};
// The home current when the program last ran; missing until a home is first selected.
inline const SettingValue<quint32> LastHomeId{QStringLiteral("LastHomeId"), 0};
// 1 once the message of that name was shown (ShowMessageOnce).
inline const SettingValue<quint32> SyncGreeting{QStringLiteral("SyncGreeting"), 0};
inline const SettingValue<quint32> IsFirstSync{QStringLiteral("IsFirstSync"), 0};
inline const SettingValue<quint32> MsgSpecialAssetVideos{QStringLiteral("MsgSpecialAssetVideos"), 0};
// The inventory's category filter: 0 all categories, else a CategoryId.
inline const SettingValue<quint32> InventoryCategory{QStringLiteral("InventoryCategory"), 0};
// The tasks view's filter: 0 all tasks, 1 general tasks only, 2 shopping items only.
inline const SettingValue<quint32> TasksFilter{QStringLiteral("TasksFilter"), 0};
// Nonzero when the "General Tasks" dialog opens on the shopping tasks.
inline const SettingValue<quint32> JumpToShoppingTasks{QStringLiteral("JumpToShoppingTasks"), 0};

// 1 once this version's welcome was shown: "InitialGreetingShown_v" followed by the version, so
// each new version greets once more.
SettingValue<quint32> InitialGreetingShown();

} // namespace Settings
