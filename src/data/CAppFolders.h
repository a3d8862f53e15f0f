#pragma once

#include <QString>

// Where the data file lives and where the delivered files (the pristine HOMEDATA.DAT, default.jpg)
// are read from, for a program started from a given folder:
// - HEARTHSTEAD_APPDIR names one folder for both;
// - a program folder holding HOMEDATA.DAT (a build tree, an unpacked folder) is both;
// - otherwise the program is installed: the data lives in $XDG_DATA_HOME/hearthstead (default
//   ~/.local/share/hearthstead) and the delivered files in the installed share/hearthstead.
class CAppFolders
{
public:
    explicit CAppFolders(const QString& programDir);

    // Both folders end with "/".
    QString DataPath() const { return m_dataPath; }
    QString DeliveredPath() const { return m_deliveredPath; }
    bool IsInstalled() const { return m_installed; }

    // Installed: creates the data folder and copies the delivered HOMEDATA.DAT into it when it has
    // none (an existing file is never touched). False, with the folder named on standard error, when
    // the folder cannot be created or seeded.
    bool Prepare() const;

private:
    static QString UserDataPath();

    QString m_dataPath;
    QString m_deliveredPath;
    bool m_installed = false;
};
