// The HTML pages of the favourites service: UTF-8, Simplified Chinese, no scripts.
#pragma once

#include "FavouritesStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace lzservice {

// One search engine of the start page's search box.
struct SearchEngine {
    const char *id;      // value sent by the box
    const char *name;    // shown in the box
    const char *query;   // address the search text is appended to, percent-encoded
    const char *home;    // address opened for an empty search
};
const std::vector<SearchEngine> &searchEngines();
const SearchEngine *findSearchEngine(std::string_view id);

// True for addresses a page may link to: http, https, ftp and file addresses.
// Anything else (javascript:, data:, relative text) is shown as text only.
bool isLinkableAddress(std::string_view address);

std::string startPage();
// The favourites filed under one password; `more` says the list was cut at its limit.
std::string favouritesPage(const std::vector<Favourite> &favourites, bool more);
std::string noFavouritesPage();
std::string filedPage(const Favourite &favourite, bool alreadyFiled);
std::string errorPage(int status, std::string_view message);

} // namespace lzservice
