#include "ServerOptions.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace lzservice {

bool parseOptions(const std::vector<std::string> &args, ServerOptions &options, std::string &error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        const std::size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        if (name == "-h" || name == "--help") {
            options.help = true;
            continue;
        }
        if (name != "--host" && name != "--port" && name != "--data") {
            error = "unknown option: " + args[i];
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = "missing value for " + name;
                return false;
            }
            value = args[++i];
        }
        if (name == "--host") {
            if (value.empty()) {
                error = "empty host";
                return false;
            }
            options.host = value;
        } else if (name == "--port") {
            char *end = nullptr;
            const long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || port < 0 || port > 65535) {
                error = "bad port: " + value;
                return false;
            }
            options.port = static_cast<int>(port);
        } else {
            if (value.empty()) {
                error = "empty data file name";
                return false;
            }
            options.dataFile = value;
        }
    }
    return true;
}

std::string usageText()
{
    return "usage: lzservice [--host ADDRESS] [--port N] [--data FILE]\n"
           "  --host ADDRESS  address to listen on (default 127.0.0.1)\n"
           "  --port N        port to listen on (default 8035; 0 picks a free port)\n"
           "  --data FILE     SQLite data file (default lzservice.db beside the program)\n"
           "On start it prints \"listening on ADDRESS:PORT\".\n";
}

std::string defaultDataFile()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0) {
        const std::string exe(buffer, static_cast<std::size_t>(n));
        const std::size_t slash = exe.rfind('/');
        if (slash != std::string::npos)
            return exe.substr(0, slash + 1) + "lzservice.db";
    }
    return "lzservice.db";
}

} // namespace lzservice
