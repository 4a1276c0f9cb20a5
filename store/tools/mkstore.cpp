// lzmkstore: makes the delivered store file from its schema script.
//
//   lzmkstore <script.sql> <output file>
//
// The file is built next to the output under a temporary name and renamed into
// place, so an interrupted build never leaves a half-made store behind.

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

int fail(const std::string &what)
{
    std::fprintf(stderr, "lzmkstore: %s\n", what.c_str());
    return 1;
}

bool readScript(const char *path, std::string &script)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    script = text.str();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return fail("usage: lzmkstore <script.sql> <output file>");

    std::string script;
    if (!readScript(argv[1], script))
        return fail(std::string("cannot read ") + argv[1]);

    const std::string output = argv[2];
    const std::string temporary = output + ".new";
    std::remove(temporary.c_str());
    std::remove((temporary + "-wal").c_str());
    std::remove((temporary + "-shm").c_str());

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(temporary.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return fail("cannot create " + temporary + ": " + message);
    }

    char *error = nullptr;
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        sqlite3_close(db);
        std::remove(temporary.c_str());
        return fail(std::string(argv[1]) + ": " + message);
    }

    // Closing the last connection checkpoints the log into the file and removes it.
    if (sqlite3_close(db) != SQLITE_OK) {
        std::remove(temporary.c_str());
        return fail("cannot close " + temporary);
    }

    std::remove((output + "-wal").c_str());
    std::remove((output + "-shm").c_str());
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::remove(temporary.c_str());
        return fail("cannot rename " + temporary + " to " + output);
    }
    return 0;
}
