// The pages of the favourites service, answered without any network code: a request's
// method, path and raw query in, status and page out. The HTTP front end only forwards.
#pragma once

#include "FavouritesStore.h"
#include "QueryText.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace lzservice {

// Length limits of the text fields, in characters.
struct FieldLimits {
    static constexpr std::size_t title = 500;
    static constexpr std::size_t address = 2048;
    static constexpr std::size_t category = 64;
    static constexpr std::size_t password = 128;
    static constexpr std::size_t extra = 64;   // "sql", "bs": read and ignored
    static constexpr std::size_t search = 256;
};

// The most favourites one lookup page lists.
constexpr std::size_t kMaxListed = 1000;

struct Reply {
    int status = 200;
    std::string body;
    std::string location;        // for redirects
    bool privateData = false;    // never cached
};

// A filing request read from the query of "/Internet.asp".
struct FilingRequest {
    Favourite favourite;
    std::string password;
};

// Reads and checks a filing request. On failure returns false and says why in `error`
// (a text for the user). A missing date means today.
bool readFilingRequest(const ParsedQuery &query, const std::string &today, FilingRequest &out,
                       std::string &error);

// True for a real calendar date written "yyyy-MM-dd".
bool isValidDate(std::string_view date);

// The password as both pages use it: blanks and control characters around it do not count.
std::string normalisedPassword(std::string_view password);

class FavouritesService {
public:
    // `today` gives the local date as "yyyy-MM-dd".
    FavouritesService(FavouritesStore &store, std::function<std::string()> today);

    // `target` is the raw request target: path and, after "?", the percent-encoded query.
    Reply handle(std::string_view method, std::string_view target);

private:
    Reply find(const ParsedQuery &query);
    Reply file(const ParsedQuery &query);
    Reply search(const ParsedQuery &query);

    FavouritesStore &store_;
    std::function<std::string()> today_;
};

// Today's local date, "yyyy-MM-dd".
std::string localDate();

} // namespace lzservice
