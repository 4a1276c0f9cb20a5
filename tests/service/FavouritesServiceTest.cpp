#include "FavouritesService.h"
#include "QueryText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lzservice;

namespace {

const char *const kToday = "2024-05-01";

std::string repeat(const std::string &piece, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += piece;
    return out;
}

// A filing request as the browser sends it, every value percent-encoded.
std::string filing(const std::string &title, const std::string &address, const std::string &password,
                   const std::string &date = kToday, const std::string &category = "空")
{
    return "/Internet.asp?ss_Title=" + percentEncode(title) + "&ss_Addr=" + percentEncode(address)
        + "&ss_Class=" + percentEncode(category) + "&ss_Check=" + percentEncode(password)
        + "&ss_Date=" + percentEncode(date) + "&sql=2006-03-30";
}

std::string lookup(const std::string &password)
{
    return "/findSubmit.asp?strcheck=" + percentEncode(password);
}

class FavouritesServiceTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.valid());
        store = std::make_unique<FavouritesStore>(dir.file("fav.db"));
        service = std::make_unique<FavouritesService>(*store, [] { return std::string(kToday); });
    }

    TempDir dir;
    std::unique_ptr<FavouritesStore> store;
    std::unique_ptr<FavouritesService> service;
};

struct RequestCase {
    const char *name;
    std::string target;
    int status;
};

std::vector<RequestCase> requestCases()
{
    const std::string address = "http://a.cn/";
    return {
        {"StartPage", "/Find.asp?bs=1&sql=2006-03-30", 200},
        {"StartPageAnyQuery", "/Find.asp?%FF%zz&&==", 200},
        {"StartPageAnyCase", "/find.ASP", 200},
        {"RootRedirects", "/", 302},
        {"UnknownPage", "/admin.asp", 404},
        {"TitleAtLimit", filing(repeat("中", FieldLimits::title), address, "pw"), 200},
        {"TitleOverLimit", filing(repeat("中", FieldLimits::title + 1), address, "pw"), 400},
        {"AddressAtLimit", filing("t", "http://a.cn/" + repeat("x", FieldLimits::address - 12), "pw"), 200},
        {"AddressOverLimit", filing("t", "http://a.cn/" + repeat("x", FieldLimits::address - 11), "pw"), 400},
        {"ClassOverLimit", filing("t", address, "pw", kToday, repeat("类", FieldLimits::category + 1)), 400},
        {"PasswordAtLimit", filing("t", address, repeat("密", FieldLimits::password)), 200},
        {"PasswordOverLimit", filing("t", address, repeat("密", FieldLimits::password + 1)), 400},
        {"SqlOverLimit", "/Internet.asp?ss_Addr=x&sql=" + repeat("1", FieldLimits::extra + 1), 400},
        {"NoAddress", "/Internet.asp?ss_Title=t&ss_Check=pw&ss_Date=2024-05-01", 400},
        {"BlankAddress", filing("t", "   ", "pw"), 400},
        {"LeapDay", filing("t", address, "pw", "2024-02-29"), 200},
        {"NoLeapDay", filing("t", address, "pw", "2023-02-29"), 400},
        {"MonthThirteen", filing("t", address, "pw", "2024-13-01"), 400},
        {"DateWithoutDashes", filing("t", address, "pw", "20240501"), 400},
        {"DateShortForm", filing("t", address, "pw", "2024-5-1"), 400},
        {"BrokenEscape", "/Internet.asp?ss_Title=%E4%B&ss_Addr=x", 400},
        {"NotUtf8", "/Internet.asp?ss_Title=%D6%D0%CE%C4&ss_Addr=x", 400}, // GBK "中文"
        {"ControlCharacter", "/Internet.asp?ss_Title=a%0Db&ss_Addr=x", 400},
        {"RepeatedAddress", "/Internet.asp?ss_Addr=http%3A%2F%2Fa.cn%2F&ss_Addr=javascript:x", 400},
        {"LookupPasswordAtLimit", lookup(repeat("密", FieldLimits::password)), 200},
        {"LookupPasswordOverLimit", lookup(repeat("密", FieldLimits::password + 1)), 400},
        {"LookupNotUtf8", "/findSubmit.asp?strcheck=%FF", 400},
        {"LookupWithoutKey", "/findSubmit.asp", 200},
        {"SearchKnownEngine", "/search.asp?se=bing&q=%E5%B2%9A%E8%88%9F", 302},
        {"SearchUnknownEngine", "/search.asp?se=evil&q=x", 400},
        {"SearchTooLong", "/search.asp?se=baidu&q=" + repeat("a", FieldLimits::search + 1), 400},
    };
}

class RequestStatusTest : public FavouritesServiceTest, public testing::WithParamInterface<RequestCase> {};

TEST_P(RequestStatusTest, AnswersWithStatus)
{
    const RequestCase &c = GetParam();
    const Reply reply = service->handle("GET", c.target);
    EXPECT_EQ(reply.status, c.status);
    if (c.status != 302)
        EXPECT_NE(reply.body.find("<meta charset=\"utf-8\">"), std::string::npos);
    // A refused filing request files nothing.
    if (c.status != 200)
        EXPECT_TRUE(store->find("pw", 10).empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, RequestStatusTest, testing::ValuesIn(requestCases()),
                         [](const testing::TestParamInfo<RequestCase> &info) { return info.param.name; });

TEST_F(FavouritesServiceTest, OnlyGetAndHeadAreAnswered)
{
    EXPECT_EQ(service->handle("POST", "/Internet.asp?ss_Addr=x").status, 400);
    EXPECT_EQ(service->handle("HEAD", "/Find.asp").status, 200);
    EXPECT_TRUE(store->find("", 10).empty());
}

TEST_F(FavouritesServiceTest, LookupPageEscapesWhatWasFiled)
{
    ASSERT_EQ(service->handle("GET", filing("<b>粗</b> & 细", "http://a.cn/?q=\"x\"&y=<1>", "pw")).status, 200);

    const Reply page = service->handle("GET", lookup("pw"));
    ASSERT_EQ(page.status, 200);
    EXPECT_TRUE(page.privateData);
    EXPECT_NE(page.body.find("&lt;b&gt;粗&lt;/b&gt; &amp; 细"), std::string::npos);
    EXPECT_NE(page.body.find("href=\"http://a.cn/?q=&quot;x&quot;&amp;y=&lt;1&gt;\""), std::string::npos);
    EXPECT_EQ(page.body.find("<b>"), std::string::npos);
    EXPECT_NE(page.body.find("<td>空</td><td>2024-05-01</td>"), std::string::npos);
}

TEST_F(FavouritesServiceTest, ScriptAddressIsShownButNotLinked)
{
    ASSERT_EQ(service->handle("GET", filing("点我", "javascript:alert(document.cookie)", "pw")).status, 200);

    const Reply page = service->handle("GET", lookup("pw"));
    EXPECT_NE(page.body.find("javascript:alert(document.cookie)"), std::string::npos);
    EXPECT_EQ(asciiLower(page.body).find("href=\"javascript"), std::string::npos);
    EXPECT_EQ(page.body.find("<script"), std::string::npos);
}

TEST_F(FavouritesServiceTest, NoFavouritesGivesAClearPage)
{
    service->handle("GET", filing("t", "http://a.cn/", "pw"));
    const Reply page = service->handle("GET", lookup("wrong"));
    EXPECT_EQ(page.status, 200);
    EXPECT_NE(page.body.find("这个加密密码下还没有收藏的网址。"), std::string::npos);
    EXPECT_EQ(page.body.find("http://a.cn/"), std::string::npos);
}

TEST_F(FavouritesServiceTest, BlanksAroundPasswordDoNotSeparateFilingFromLookup)
{
    // The import sends the password as typed, the lookup trimmed; both meet under one key.
    service->handle("GET", filing("t", "http://a.cn/", "  pw "));
    EXPECT_EQ(store->find("pw", 10).size(), 1u);
    EXPECT_NE(service->handle("GET", lookup(" pw ")).body.find("http://a.cn/"), std::string::npos);
}

TEST_F(FavouritesServiceTest, MissingDateMeansToday)
{
    ASSERT_EQ(service->handle("GET", "/Internet.asp?ss_Title=t&ss_Addr=http%3A%2F%2Fa.cn%2F&ss_Check=").status, 200);
    const auto found = store->find("", 10);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().date, kToday);
    EXPECT_EQ(found.front().category, "");
}

TEST_F(FavouritesServiceTest, FilingTwiceSaysSoAndKeepsOne)
{
    const std::string request = filing("百度", "http://www.baidu.com/", "pw");
    EXPECT_NE(service->handle("GET", request).body.find("已收藏"), std::string::npos);
    EXPECT_NE(service->handle("GET", request).body.find("这个网址已在收藏中"), std::string::npos);
    EXPECT_EQ(store->find("pw", 10).size(), 1u);
}

TEST_F(FavouritesServiceTest, SearchGoesToTheChosenEngine)
{
    Reply reply = service->handle("GET", "/search.asp?se=baidu&q=%E5%B2%9A%E8%88%9F+%26+x");
    EXPECT_EQ(reply.location, "https://www.baidu.com/s?wd=%E5%B2%9A%E8%88%9F%20%26%20x");
    reply = service->handle("GET", "/search.asp?se=sogou&q=+");
    EXPECT_EQ(reply.location, "https://www.sogou.com/");
}

TEST_F(FavouritesServiceTest, StartPageOffersSearchLookupAndLinksWithoutScripts)
{
    const std::string page = service->handle("GET", "/Find.asp?bs=1&sql=2006-03-30").body;
    EXPECT_NE(page.find("<html lang=\"zh-CN\">"), std::string::npos);
    EXPECT_NE(page.find("action=\"/search.asp\""), std::string::npos);
    EXPECT_NE(page.find("action=\"/findSubmit.asp\""), std::string::npos);
    EXPECT_NE(page.find("name=\"strcheck\""), std::string::npos);
    EXPECT_NE(page.find("href=\"https://www.baidu.com/\""), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

} // namespace
