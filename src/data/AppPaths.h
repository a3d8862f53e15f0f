#pragma once

#include <QString>

// The folder of the data file with a trailing "/": the program's folder, or the user's data folder
// when the program is installed (CAppFolders says which; HEARTHSTEAD_APPDIR replaces both).
QString GetAppPath();
QString GetDatabasePath();
// The folder of the files delivered with the program (default.jpg), with a trailing "/".
QString GetDeliveredPath();
// Makes the user's data folder ready before the database is opened; false when it cannot be.
bool PrepareDataFolder();
QString GetConnectionString();
// The string-table entry of that id, "" when there is none.
QString LoadResString(int id);
