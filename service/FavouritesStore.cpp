#include "FavouritesStore.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>
#include <sqlite3.h>

namespace lzservice {

namespace {

constexpr int kSecretBytes = 32;

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
            throw StoreError(std::string("cannot prepare statement: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const std::string &text)
    {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int index, const std::string &bytes)
    {
        sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, sqlite3_int64 value) { sqlite3_bind_int64(stmt_, index, value); }

    // True while a row is there; throws on failure.
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw StoreError(std::string("statement failed: ") + sqlite3_errmsg(sqlite3_db_handle(stmt_)));
    }

    std::string text(int column) const
    {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
    }
    std::string blob(int column) const
    {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(stmt_, column));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
    }
    sqlite3_int64 integer(int column) const { return sqlite3_column_int64(stmt_, column); }

private:
    sqlite3_stmt *stmt_ = nullptr;
};

const char *const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS service_secret (
    id     INTEGER PRIMARY KEY CHECK (id = 1),
    secret BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS favourites (
    id        INTEGER PRIMARY KEY AUTOINCREMENT,
    check_key TEXT NOT NULL,
    title     TEXT NOT NULL,
    address   TEXT NOT NULL,
    category  TEXT NOT NULL,
    filed_on  TEXT NOT NULL,
    seq       INTEGER NOT NULL,
    UNIQUE (check_key, title, address)
);
CREATE INDEX IF NOT EXISTS favourites_by_key ON favourites (check_key, filed_on DESC, seq DESC);
)sql";

} // namespace

FavouritesStore::FavouritesStore(const std::string &path)
{
    const int rc = sqlite3_open_v2(path.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError("cannot open " + path + ": " + why);
    }
    try {
        sqlite3_busy_timeout(db_, 5000);
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=FULL");
        exec(kSchema);
        loadSecret();
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

FavouritesStore::~FavouritesStore()
{
    sqlite3_close(db_);
}

void FavouritesStore::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw StoreError(why);
    }
}

void FavouritesStore::loadSecret()
{
    // Made once, at the first start; a second process starting at the same time keeps
    // whichever secret was written first.
    unsigned char fresh[kSecretBytes];
    if (RAND_bytes(fresh, kSecretBytes) != 1)
        throw StoreError("no random bytes for the secret");
    {
        Statement insert(db_, "INSERT OR IGNORE INTO service_secret (id, secret) VALUES (1, ?)");
        insert.bindBlob(1, std::string(reinterpret_cast<const char *>(fresh), kSecretBytes));
        insert.step();
    }
    Statement select(db_, "SELECT secret FROM service_secret WHERE id = 1");
    if (!select.step())
        throw StoreError("the secret is missing");
    secret_ = select.blob(0);
    if (secret_.size() != kSecretBytes)
        throw StoreError("the stored secret is damaged");
}

std::string FavouritesStore::passwordKey(const std::string &password) const
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(EVP_sha256(), secret_.data(), static_cast<int>(secret_.size()),
              reinterpret_cast<const unsigned char *>(password.data()), password.size(), digest, &length))
        throw StoreError("HMAC failed");
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        out += hex[digest[i] >> 4];
        out += hex[digest[i] & 0x0F];
    }
    return out;
}

FavouritesStore::FileResult FavouritesStore::file(const Favourite &favourite, const std::string &password)
{
    const std::string key = passwordKey(password);
    std::lock_guard<std::mutex> lock(mutex_);
    exec("BEGIN IMMEDIATE");
    try {
        bool existed;
        {
            Statement probe(db_, "SELECT 1 FROM favourites WHERE check_key = ? AND title = ? AND address = ?");
            probe.bind(1, key);
            probe.bind(2, favourite.title);
            probe.bind(3, favourite.address);
            existed = probe.step();
        }
        Statement upsert(db_, R"sql(
            INSERT INTO favourites (check_key, title, address, category, filed_on, seq)
            VALUES (?1, ?2, ?3, ?4, ?5, (SELECT COALESCE(MAX(seq), 0) + 1 FROM favourites))
            ON CONFLICT (check_key, title, address) DO UPDATE
            SET category = excluded.category, filed_on = excluded.filed_on, seq = excluded.seq)sql");
        upsert.bind(1, key);
        upsert.bind(2, favourite.title);
        upsert.bind(3, favourite.address);
        upsert.bind(4, favourite.category);
        upsert.bind(5, favourite.date);
        upsert.step();
        exec("COMMIT");
        return existed ? FileResult::AlreadyFiled : FileResult::Added;
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::vector<Favourite> FavouritesStore::find(const std::string &password, std::size_t limit)
{
    const std::string key = passwordKey(password);
    std::lock_guard<std::mutex> lock(mutex_);
    Statement select(db_, R"sql(
        SELECT title, address, category, filed_on FROM favourites
        WHERE check_key = ? ORDER BY filed_on DESC, seq DESC LIMIT ?)sql");
    select.bind(1, key);
    select.bind(2, static_cast<sqlite3_int64>(limit));
    std::vector<Favourite> found;
    while (select.step())
        found.push_back({select.text(0), select.text(1), select.text(2), select.text(3)});
    return found;
}

} // namespace lzservice
