#include "Pages.h"
#include "QueryText.h"
#include "ServerOptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace lzservice;

namespace {

struct QueryCase {
    const char *name;
    std::string raw;
    QueryError error;
    std::map<std::string, std::string> values; // checked when error is None
};

std::string manyKeys(int n)
{
    std::string raw;
    for (int i = 0; i < n; ++i)
        raw += "k" + std::to_string(i) + "=v&";
    return raw;
}

std::vector<QueryCase> queryCases()
{
    return {
        {"Plain", "a=1&b=2", QueryError::None, {{"a", "1"}, {"b", "2"}}},
        {"Chinese", "ss_Title=%E4%B8%AD%E6%96%87", QueryError::None, {{"ss_title", "中文"}}},
        {"ReservedCharactersArriveWhole", "v=%26%23%3D%E2%80%96%3F", QueryError::None, {{"v", "&#=‖?"}}},
        {"PlusAndPercent20AreBlanks", "v=a+b%20c", QueryError::None, {{"v", "a b c"}}},
        {"EncodedPlusIsPlus", "v=1%2B1", QueryError::None, {{"v", "1+1"}}},
        {"EmptyValue", "strcheck=", QueryError::None, {{"strcheck", ""}}},
        {"KeyWithoutValue", "flag", QueryError::None, {{"flag", ""}}},
        {"KeysReadWithoutCase", "SS_Check=x", QueryError::None, {{"ss_check", "x"}}},
        {"EmptyPiecesSkipped", "&&a=1&", QueryError::None, {{"a", "1"}}},
        {"RawUtf8Accepted", "v=中", QueryError::None, {{"v", "中"}}},
        {"ValueHoldsEquals", "v=a=b", QueryError::None, {{"v", "a=b"}}},
        {"EscapeCutShort", "v=%4", QueryError::BadEscape, {}},
        {"EscapeNotHex", "v=%zz", QueryError::BadEscape, {}},
        {"LonePercent", "v=%", QueryError::BadEscape, {}},
        {"InvalidByte", "v=%FF", QueryError::BadUtf8, {}},
        {"OverlongSlash", "v=%C0%AF", QueryError::BadUtf8, {}},
        {"Surrogate", "v=%ED%A0%80", QueryError::BadUtf8, {}},
        {"SequenceCutShort", "v=%E4%B8", QueryError::BadUtf8, {}},
        {"BadUtf8InKey", "%FF=1", QueryError::BadUtf8, {}},
        {"Nul", "v=a%00b", QueryError::ControlCharacter, {}},
        {"LineFeed", "v=a%0Ab", QueryError::ControlCharacter, {}},
        {"C1Control", "v=%C2%85", QueryError::ControlCharacter, {}},
        {"RepeatedKeyAnyCase", "a=1&A=2", QueryError::RepeatedKey, {}},
        {"TooManyKeys", manyKeys(static_cast<int>(kMaxQueryKeys) + 1), QueryError::TooManyKeys, {}},
    };
}

class ParseQueryTest : public testing::TestWithParam<QueryCase> {};

TEST_P(ParseQueryTest, DecodesOrRefuses)
{
    const QueryCase &c = GetParam();
    const ParsedQuery parsed = parseQuery(c.raw);
    EXPECT_EQ(parsed.error, c.error);
    if (c.error == QueryError::None)
        EXPECT_EQ(parsed.values, c.values);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseQueryTest, testing::ValuesIn(queryCases()),
                         [](const testing::TestParamInfo<QueryCase> &info) { return info.param.name; });

TEST(ParseQueryTest, AsManyKeysAsAllowedAreRead)
{
    EXPECT_TRUE(parseQuery(manyKeys(static_cast<int>(kMaxQueryKeys))).ok());
}

struct LinkCase {
    const char *address;
    bool linkable;
};

class LinkableAddressTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkableAddressTest, OnlySafeSchemesBecomeLinks)
{
    EXPECT_EQ(isLinkableAddress(GetParam().address), GetParam().linkable) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(Rows, LinkableAddressTest,
                         testing::Values(LinkCase{"http://www.baidu.com/", true},
                                         LinkCase{"HTTPS://WWW.QQ.COM/", true},
                                         LinkCase{"  http://a.cn/", true},
                                         LinkCase{"ftp://ftp.a.cn/pub/", true},
                                         LinkCase{"file:///home/me/a.html", true},
                                         LinkCase{"javascript:alert(1)", false},
                                         LinkCase{" JavaScript:alert(1)", false},
                                         LinkCase{"data:text/html,<script>alert(1)</script>", false},
                                         LinkCase{"vbscript:msgbox", false},
                                         LinkCase{"//evil.example/", false},
                                         LinkCase{"www.baidu.com", false},
                                         LinkCase{"http://", false}));

TEST(TextTest, HtmlEscapeCoversMarkupAndQuotes)
{
    EXPECT_EQ(htmlEscape("<a href=\"x\">&'中"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;中");
}

TEST(TextTest, PercentEncodeKeepsOnlyUnreserved)
{
    EXPECT_EQ(percentEncode("中 &#=‖a-Z_.~+"), "%E4%B8%AD%20%26%23%3D%E2%80%96a-Z_.~%2B");
}

TEST(TextTest, LengthCountsCharactersNotBytes)
{
    EXPECT_EQ(utf8Length("中文ab‖"), 5u);
}

TEST(TextTest, TrimRemovesBlanksAndControlsAtBothEnds)
{
    EXPECT_EQ(trimBlanks("\t a b \r\n"), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
}

struct OptionsCase {
    const char *name;
    std::vector<std::string> args;
    bool ok;
    std::string host;
    int port;
    std::string data;
};

class OptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(OptionsTest, ReadsTheCommandLine)
{
    const OptionsCase &c = GetParam();
    ServerOptions options;
    std::string error;
    ASSERT_EQ(parseOptions(c.args, options, error), c.ok) << error;
    if (!c.ok) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(options.host, c.host);
    EXPECT_EQ(options.port, c.port);
    EXPECT_EQ(options.dataFile, c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptionsTest,
    testing::Values(OptionsCase{"Defaults", {}, true, "127.0.0.1", 8035, ""},
                    OptionsCase{"Separate", {"--host", "0.0.0.0", "--port", "9000", "--data", "/tmp/f.db"}, true,
                                "0.0.0.0", 9000, "/tmp/f.db"},
                    OptionsCase{"Joined", {"--port=0", "--data=a.db"}, true, "127.0.0.1", 0, "a.db"},
                    OptionsCase{"PortTooBig", {"--port", "65536"}, false, "", 0, ""},
                    OptionsCase{"PortNotANumber", {"--port", "80x"}, false, "", 0, ""},
                    OptionsCase{"MissingValue", {"--data"}, false, "", 0, ""},
                    OptionsCase{"Unknown", {"--verbose"}, false, "", 0, ""}),
    [](const testing::TestParamInfo<OptionsCase> &info) { return info.param.name; });

} // namespace
