#include "platform/RegistryRoot.h"

#include <QDir>

namespace {

QString FirstOf(const QString& list)
{
    return list.split(QLatin1Char(':'), Qt::SkipEmptyParts).value(0);
}

QString HiveDirectory(RegistryRoot root)
{
    const QString moved = qEnvironmentVariable("HEARTHSTEAD_REGISTRY_DIR");
    if (!moved.isEmpty())
        return moved;
    QString base;
    if (root == RegistryRoot::CurrentUser) {
        base = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (base.isEmpty())
            base = QDir::homePath() + QStringLiteral("/.config");
    } else {
        base = FirstOf(qEnvironmentVariable("XDG_CONFIG_DIRS"));
        if (base.isEmpty())
            base = QStringLiteral("/etc/xdg");
    }
    return base + QStringLiteral("/hearthstead");
}

} // namespace

QString RegistryRootName(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                             : QStringLiteral("HKEY_LOCAL_MACHINE");
}

QString RegistryHivePath(RegistryRoot root)
{
    return HiveDirectory(root) + QLatin1Char('/') + RegistryRootName(root) + QStringLiteral(".reg");
}
