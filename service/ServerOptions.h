// Command line of lzservice.
#pragma once

#include <string>
#include <vector>

namespace lzservice {

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 8035;            // 0: any free port, printed at start
    std::string dataFile;       // empty: "lzservice.db" beside the program
    bool help = false;
};

// Reads "--host H", "--port N", "--data FILE" (also "--opt=value") and "--help".
// On a bad command line returns false with the reason in `error`.
bool parseOptions(const std::vector<std::string> &args, ServerOptions &options, std::string &error);

std::string usageText();

// "lzservice.db" in the folder of the running program, or in the current folder when
// that folder cannot be found.
std::string defaultDataFile();

} // namespace lzservice
