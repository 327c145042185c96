// Build-time tool: makes the shipped database from the schema and the seed
// scripts. Usage: make_database <output file> <script.sql>...
// The scripts run into a temporary file beside the output, which replaces the
// output only when every script succeeded, so a failed build leaves no
// half-made database behind.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_database <output file> <script.sql>...\n";
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path output = argv[1];
    fs::path temporary = output;
    temporary += ".tmp";
    std::error_code ignored;
    fs::create_directories(output.parent_path(), ignored);
    fs::remove(temporary, ignored);

    // SQLite takes file names in UTF-8 on every system (a path's own
    // characters are wchar_t on Windows).
    const std::u8string temporaryName = temporary.u8string();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(reinterpret_cast<const char*>(temporaryName.c_str()), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::cerr << "make_database: cannot create " << temporary << ": " << sqlite3_errmsg(db) << '\n';
        sqlite3_close(db);
        return 1;
    }
    bool ok = true;
    for (int i = 2; i < argc && ok; ++i) {
        std::string sql;
        if (!readFile(argv[i], sql)) {
            std::cerr << "make_database: cannot read " << argv[i] << '\n';
            ok = false;
            break;
        }
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::cerr << "make_database: " << argv[i] << ": " << (error ? error : "unknown error") << '\n';
            sqlite3_free(error);
            ok = false;
        }
    }
    if (sqlite3_close(db) != SQLITE_OK)
        ok = false;
    if (!ok) {
        fs::remove(temporary, ignored);
        return 1;
    }
    fs::rename(temporary, output);
    return 0;
}
