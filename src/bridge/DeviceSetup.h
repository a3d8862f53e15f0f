#pragma once

#include <QString>

// What the hearthstead-device tool does to a folder, for people (making a memory card into a
// handheld) and for tests (making devices in temporary folders).
namespace DeviceSetup {

inline const QString kKeyPath = QStringLiteral("Software\\BrightWater\\Hearthstead");
inline const QString kDefaultVersion = QStringLiteral("1.3");
inline const QString kDefaultDbPath = QStringLiteral("\\My Documents\\Hearthstead\\HOMEDATA.CDB");
inline const QString kTableList =
    QStringLiteral("Areas..Assets..Categories..Homes..Loans..TableIds..Tasks..");

// Makes an existing folder a device: its registry with CurrentVersion and DBPath (a value left empty
// is not written), and at DBPath a database of the seven tables as delivered, with no homes and only
// the starting categories and id counters (replacing any there).
// False, with *error saying why, for a missing folder, a DBPath outside it or a file that fails.
bool MakeDevice(const QString& folder, const QString& version, const QString& dbPath, QString* error);

// The device's registry values and the row count of each table of its database, a line each.
// False, with *error saying why, when the folder is not a device.
bool DescribeDevice(const QString& folder, QString& description, QString* error);

// The local path of the device's database (its DBPath); false when there is none.
bool DeviceDatabase(const QString& folder, QString& localPath);

} // namespace DeviceSetup
