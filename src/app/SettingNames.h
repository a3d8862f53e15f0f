#pragma once

// The settings key under HKEY_CURRENT_USER and the names of the values kept there: the one place
// that spells them.
namespace Settings {

inline constexpr char kKeyPath[] = "Software\\Bright Water\\Hearthstead";

inline constexpr char kWindowPlacement[] = "WindowPlacement";             // binary, 40 bytes
inline constexpr char kCurrentVersion[] = "CurrentVersion";               // string
inline constexpr char kAppPath[] = "AppPath";                             // string
inline constexpr char kGreetingPrefix[] = "InitialGreetingShown_v";       // DWORD, followed by the version
inline constexpr char kLastHomeId[] = "LastHomeId";                       // DWORD
inline constexpr char kSyncGreeting[] = "SyncGreeting";                   // DWORD
inline constexpr char kIsFirstSync[] = "IsFirstSync";                     // DWORD
inline constexpr char kMsgSpecialAssetVideos[] = "MsgSpecialAssetVideos"; // DWORD
inline constexpr char kInventoryCategory[] = "InventoryCategory";         // DWORD
inline constexpr char kTasksFilter[] = "TasksFilter";                     // DWORD
inline constexpr char kJumpToShoppingTasks[] = "JumpToShoppingTasks";     // DWORD

} // namespace Settings
