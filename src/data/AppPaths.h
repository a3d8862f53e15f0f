#pragma once

#include <QString>

// The program's directory with a trailing "/" (HEARTHSTEAD_APPDIR replaces it).
QString GetAppPath();
QString GetDatabasePath();
QString GetConnectionString();
// The string-table entry of that id, "" when there is none.
QString LoadResString(int id);
