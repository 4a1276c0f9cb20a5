// lzservice: the favourites service of 岚舟Browser.
#include "FavouritesService.h"
#include "FavouritesStore.h"
#include "HttpFront.h"
#include "ServerOptions.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <thread>

int main(int argc, char *argv[])
{
    using namespace lzservice;

    ServerOptions options;
    std::string error;
    if (!parseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "lzservice: " << error << '\n' << usageText();
        return 2;
    }
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.dataFile.empty())
        options.dataFile = defaultDataFile();

    // SIGINT and SIGTERM end the server cleanly; they are taken by one waiting thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    try {
        FavouritesStore store(options.dataFile);
        FavouritesService service(store, localDate);
        httplib::Server server;
        installRoutes(server, service);

        int port = options.port;
        if (port == 0) {
            port = server.bind_to_any_port(options.host);
            if (port < 0)
                port = 0;
        } else if (!server.bind_to_port(options.host, port)) {
            port = 0;
        }
        if (port == 0) {
            std::cerr << "lzservice: cannot listen on " << options.host << ':' << options.port << '\n';
            return 1;
        }

        std::thread([&server, stopSignals] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            server.stop();
        }).detach();

        std::cout << "listening on " << options.host << ':' << port << std::endl;
        return server.listen_after_bind() ? 0 : 1;
    } catch (const std::exception &e) {
        std::cerr << "lzservice: " << e.what() << '\n';
        return 1;
    }
}
