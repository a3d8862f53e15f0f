#include "platform/RegistryHives.h"

#include "platform/CRegistryHive.h"

#include <memory>

namespace {

std::unique_ptr<CRegistryHive> g_hives[2];

int IndexOf(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? 0 : 1;
}

} // namespace

CRegistryHive& LoadedHive(RegistryRoot root)
{
    std::unique_ptr<CRegistryHive>& hive = g_hives[IndexOf(root)];
    if (!hive) {
        hive = std::make_unique<CRegistryHive>(root);
        // An unreadable or unparsable file reads as empty; the hive itself remembers which it was.
        hive->Load();
    }
    return *hive;
}

void ReloadHives()
{
    for (std::unique_ptr<CRegistryHive>& hive : g_hives)
        hive.reset();
}
