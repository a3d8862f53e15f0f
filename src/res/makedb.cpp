// Build tool: makes an SQLite file from an SQL script (the delivered HOMEDATA.DAT).
//
//   hs_makedb SCRIPT.sql OUTPUT [--keep-existing]
//
// The file is made beside OUTPUT under a temporary name and renamed into place when complete, so
// a failed run never leaves half a database. With --keep-existing an OUTPUT that is already there
// is left untouched: it may hold a user's data.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool ReadScript(const fs::path& path, std::string& script)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    script = text.str();
    return true;
}

bool RunScript(const fs::path& target, const std::string& script)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(target.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        char* message = nullptr;
        rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK)
            std::fprintf(stderr, "hs_makedb: %s\n", message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
    } else {
        std::fprintf(stderr, "hs_makedb: %s: %s\n", target.c_str(), sqlite3_errmsg(db));
    }
    if (sqlite3_close(db) != SQLITE_OK)
        rc = SQLITE_ERROR;
    return rc == SQLITE_OK;
}

} // namespace

int main(int argc, char** argv)
{
    const bool keepExisting = argc == 4 && std::string(argv[3]) == "--keep-existing";
    if (argc != 3 && !keepExisting) {
        std::fprintf(stderr, "usage: hs_makedb SCRIPT.sql OUTPUT [--keep-existing]\n");
        return 2;
    }
    const fs::path output = argv[2];
    std::error_code error;
    if (keepExisting && fs::exists(output, error))
        return 0;

    std::string script;
    if (!ReadScript(argv[1], script)) {
        std::fprintf(stderr, "hs_makedb: cannot read %s\n", argv[1]);
        return 1;
    }
    if (output.has_parent_path())
        fs::create_directories(output.parent_path(), error);
    fs::path temporary = output;
    temporary += ".new";
    fs::remove(temporary, error);
    if (!RunScript(temporary, script)) {
        fs::remove(temporary, error);
        return 1;
    }
    fs::rename(temporary, output, error);
    if (error) {
        std::fprintf(stderr, "hs_makedb: cannot write %s: %s\n", output.c_str(), error.message().c_str());
        fs::remove(temporary, error);
        return 1;
    }
    return 0;
}
