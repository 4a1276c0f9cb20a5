// Connects the favourites service to a cpp-httplib server.
#pragma once

namespace httplib {
class Server;
}

namespace lzservice {

class FavouritesService;

// Sends every GET (and HEAD) request to the service and gives httplib's own error
// answers (unknown method, request too long) the service's error page.
void installRoutes(httplib::Server &server, FavouritesService &service);

} // namespace lzservice
