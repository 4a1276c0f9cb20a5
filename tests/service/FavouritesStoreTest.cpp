#include "FavouritesStore.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <sqlite3.h>

#include <fstream>
#include <memory>

using namespace lzservice;

namespace {

class FavouritesStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.valid());
        store = std::make_unique<FavouritesStore>(dir.file("fav.db"));
    }

    static std::vector<std::string> titles(const std::vector<Favourite> &found)
    {
        std::vector<std::string> out;
        for (const auto &f : found)
            out.push_back(f.title);
        return out;
    }

    TempDir dir;
    std::unique_ptr<FavouritesStore> store;
};

TEST_F(FavouritesStoreTest, FindsNewestFirstByDateThenFilingOrder)
{
    store->file({"一月", "http://a.cn/1", "空", "2024-01-02"}, "pw");
    store->file({"三月早", "http://a.cn/2", "空", "2024-03-01"}, "pw");
    store->file({"三月晚", "http://a.cn/3", "空", "2024-03-01"}, "pw");
    store->file({"二月", "http://a.cn/4", "空", "2024-02-10"}, "pw");

    const auto found = store->find("pw", 100);
    EXPECT_EQ(titles(found), (std::vector<std::string>{"三月晚", "三月早", "二月", "一月"}));
    EXPECT_EQ(found.front().address, "http://a.cn/3");
    EXPECT_EQ(found.front().category, "空");
    EXPECT_EQ(found.front().date, "2024-03-01");
    EXPECT_EQ(store->find("pw", 2).size(), 2u);
}

TEST_F(FavouritesStoreTest, SameTitleAndAddressUnderSamePasswordKeptOnce)
{
    EXPECT_EQ(store->file({"百度", "http://www.baidu.com/", "空", "2024-01-01"}, "pw"),
              FavouritesStore::FileResult::Added);
    EXPECT_EQ(store->file({"百度", "http://www.baidu.com/", "搜索", "2024-02-01"}, "pw"),
              FavouritesStore::FileResult::AlreadyFiled);
    // Different address, different title, different password: each is a favourite of its own.
    store->file({"百度", "http://www.baidu.com/s", "空", "2024-01-01"}, "pw");
    store->file({"百度一下", "http://www.baidu.com/", "空", "2024-01-01"}, "pw");
    store->file({"百度", "http://www.baidu.com/", "空", "2024-01-01"}, "other");

    const auto found = store->find("pw", 100);
    ASSERT_EQ(found.size(), 3u);
    // The repeated filing took the newer class and date.
    EXPECT_EQ(found.front().title, "百度");
    EXPECT_EQ(found.front().address, "http://www.baidu.com/");
    EXPECT_EQ(found.front().category, "搜索");
    EXPECT_EQ(found.front().date, "2024-02-01");
    EXPECT_EQ(store->find("other", 100).size(), 1u);
}

TEST_F(FavouritesStoreTest, OtherPasswordsSeeNothing)
{
    store->file({"t", "http://a.cn/", "空", "2024-01-01"}, "Secret‖1");
    for (const char *wrong : {"", "secret‖1", "Secret‖", "Secret‖1 ", "Secret||1"})
        EXPECT_TRUE(store->find(wrong, 100).empty()) << wrong;
    EXPECT_EQ(store->find("Secret‖1", 100).size(), 1u);
}

TEST_F(FavouritesStoreTest, EmptyPasswordIsAPasswordOfItsOwn)
{
    store->file({"t", "http://a.cn/", "空", "2024-01-01"}, "");
    EXPECT_EQ(store->find("", 100).size(), 1u);
    EXPECT_TRUE(store->find("x", 100).empty());
}

std::string hmacHex(const std::string &key, const std::string &data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
         reinterpret_cast<const unsigned char *>(data.data()), data.size(), digest, &length);
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < length; ++i) {
        out += hex[digest[i] >> 4];
        out += hex[digest[i] & 0x0F];
    }
    return out;
}

TEST_F(FavouritesStoreTest, FileKeepsAKeyedHashNeverThePassword)
{
    const std::string password = "岚舟-Unique-Pa55word";
    store->file({"t", "http://a.cn/", "空", "2024-01-01"}, password);
    store.reset();

    // Read the file as anyone with the file could.
    const std::string path = dir.file("fav.db");
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt *stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT f.check_key, s.secret FROM favourites f, service_secret s",
                                 -1, &stmt, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    const std::string key(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    const std::string secret(static_cast<const char *>(sqlite3_column_blob(stmt, 1)),
                             static_cast<std::size_t>(sqlite3_column_bytes(stmt, 1)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);

    EXPECT_EQ(secret.size(), 32u);
    EXPECT_NE(key, password);
    EXPECT_EQ(key.size(), 64u);
    EXPECT_EQ(key, hmacHex(secret, password));
    // Neither the data file nor its journal holds the password in clear.
    for (const char *suffix : {"", "-wal", "-journal"})
        EXPECT_EQ(readWholeFile(path + suffix).find(password), std::string::npos) << suffix;
}

TEST_F(FavouritesStoreTest, SecretIsMadeOncePerFile)
{
    const std::string key = store->passwordKey("pw");
    store->file({"t", "http://a.cn/", "空", "2024-01-01"}, "pw");
    store.reset();

    FavouritesStore reopened(dir.file("fav.db"));
    EXPECT_EQ(reopened.passwordKey("pw"), key);
    EXPECT_EQ(reopened.find("pw", 10).size(), 1u);

    FavouritesStore other(dir.file("other.db"));
    EXPECT_NE(other.passwordKey("pw"), key);
}

TEST_F(FavouritesStoreTest, FileThatIsNoDatabaseIsRefused)
{
    const std::string path = dir.file("broken.db");
    std::ofstream(path) << std::string(4096, 'x');
    EXPECT_THROW(FavouritesStore{path}, StoreError);
}

} // namespace
