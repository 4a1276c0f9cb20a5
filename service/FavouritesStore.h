// The favourites of the service, kept in one SQLite file and filed under a keyed hash of
// the user's password; the password itself is never written.
#pragma once

#include <cstddef>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

namespace lzservice {

struct Favourite {
    std::string title;
    std::string address;
    std::string category;
    std::string date; // "yyyy-MM-dd"
};

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FavouritesStore {
public:
    enum class FileResult { Added, AlreadyFiled };

    // Opens (or creates) the data file. The secret of the keyed hash is made on the first
    // open and kept in the file. Throws StoreError when the file cannot be used.
    explicit FavouritesStore(const std::string &path);
    ~FavouritesStore();
    FavouritesStore(const FavouritesStore &) = delete;
    FavouritesStore &operator=(const FavouritesStore &) = delete;

    // Files one favourite under a password. The same title and address under the same
    // password are kept once: filing them again takes the newer class and date.
    FileResult file(const Favourite &favourite, const std::string &password);

    // The favourites filed under a password, newest first (by date, then by filing order),
    // at most `limit` of them.
    std::vector<Favourite> find(const std::string &password, std::size_t limit);

    // The keyed hash (HMAC-SHA-256, lower-case hex) under which a password's favourites are filed.
    std::string passwordKey(const std::string &password) const;

private:
    void exec(const char *sql);
    void loadSecret();

    sqlite3 *db_ = nullptr;
    std::string secret_;
    std::mutex mutex_;
};

} // namespace lzservice
