#pragma once

// The two entry points of the table-copying filter library (libadofiltr.so), found by these names.
// Each takes, in order: the desktop database's path, the table list ("Areas..Homes.." : each name
// followed by two periods), the sync flag (0: copy whole tables; nothing else is offered), the
// overwrite flag (nonzero: a file already at the device path may be replaced) and the database's
// path on the handheld ("\My Documents\Hearthstead\HOMEDATA.CDB"). Each returns 0 on success and a
// negative number when nothing was changed.
//
// DESKTOPTODEVICE writes a new database at the device path holding the listed tables (schema and
// rows). DEVICETODESKTOP replaces the rows of the listed tables in the desktop database with the
// device's, in one transaction: all tables or none.
extern "C" {
typedef long (*AdoFilterEntryPoint)(const char* desktopPath, const char* tableList, int syncFlag,
                                    int overwriteFlag, const char* devicePath);
}
