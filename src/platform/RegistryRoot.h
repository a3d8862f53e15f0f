#pragma once

#include <QString>

// The root keys the program reads and writes. Each root lives in one hive file.
enum class RegistryRoot
{
    CurrentUser,
    LocalMachine
};

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE", as the hive file's sections name it.
QString RegistryRootName(RegistryRoot root);

// The hive file of a root: the user's under $XDG_CONFIG_HOME/hearthstead (default ~/.config), the
// machine's under the first of $XDG_CONFIG_DIRS (default /etc/xdg). HEARTHSTEAD_REGISTRY_DIR moves
// both into one folder.
QString RegistryHivePath(RegistryRoot root);
