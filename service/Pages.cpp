#include "Pages.h"

#include "QueryText.h"

namespace lzservice {

namespace {

const char *const kStyle = R"css(
body { margin: 0; font-family: "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Microsoft YaHei", sans-serif;
       font-size: 14px; color: #222; background: #f4f6f9; }
main { max-width: 860px; margin: 40px auto; padding: 0 20px; }
h1 { font-size: 26px; font-weight: normal; color: #1d5fa8; margin: 0 0 24px; }
h2 { font-size: 16px; color: #444; margin: 0 0 12px; }
section { background: #fff; border: 1px solid #dde3ea; border-radius: 6px; padding: 18px 20px; margin-bottom: 18px; }
form { display: flex; gap: 8px; flex-wrap: wrap; align-items: center; }
input[type=text], input[type=search], input[type=password], select {
       font-size: 15px; padding: 6px 8px; border: 1px solid #b9c4d0; border-radius: 4px; }
input[type=search] { flex: 1; min-width: 240px; }
button { font-size: 15px; padding: 6px 16px; border: 0; border-radius: 4px; background: #1d5fa8; color: #fff; cursor: pointer; }
button:hover { background: #174c86; }
ul.links { list-style: none; padding: 0; margin: 0; display: flex; flex-wrap: wrap; gap: 10px 22px; }
a { color: #1d5fa8; text-decoration: none; } a:hover { text-decoration: underline; }
table { width: 100%; border-collapse: collapse; table-layout: fixed; }
th, td { text-align: left; padding: 7px 8px; border-bottom: 1px solid #e6eaef; vertical-align: top; word-wrap: break-word; }
th { color: #666; font-weight: normal; background: #f7f9fb; }
td.addr { color: #555; font-size: 13px; }
.note { color: #777; font-size: 13px; }
.error h1 { color: #b03a2e; }
)css";


std::string pageHead(std::string_view title)
{
    std::string html;
    html += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    html += "<meta name=\"referrer\" content=\"no-referrer\">\n";
    html += "<title>";
    html += htmlEscape(title);
    html += "</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n";
    return html;
}

const char *const kBackLink = "<p><a href=\"/Find.asp\">返回首页</a></p>\n";

// A favourite's address: a link when it is safe to follow, plain text otherwise.
std::string addressLink(std::string_view address, std::string_view text)
{
    if (!isLinkableAddress(address))
        return htmlEscape(text);
    return "<a href=\"" + htmlEscape(address) + "\" rel=\"noreferrer noopener\">" + htmlEscape(text) + "</a>";
}

} // namespace

const std::vector<SearchEngine> &searchEngines()
{
    static const std::vector<SearchEngine> engines = {
        {"baidu", "百度", "https://www.baidu.com/s?wd=", "https://www.baidu.com/"},
        {"bing", "必应", "https://cn.bing.com/search?q=", "https://cn.bing.com/"},
        {"sogou", "搜狗", "https://www.sogou.com/web?query=", "https://www.sogou.com/"},
        {"so360", "360搜索", "https://www.so.com/s?q=", "https://www.so.com/"},
        {"duckduckgo", "DuckDuckGo", "https://duckduckgo.com/?q=", "https://duckduckgo.com/"},
    };
    return engines;
}

const SearchEngine *findSearchEngine(std::string_view id)
{
    for (const auto &engine : searchEngines()) {
        if (id == engine.id)
            return &engine;
    }
    return nullptr;
}

bool isLinkableAddress(std::string_view address)
{
    const std::string lower = asciiLower(trimBlanks(address));
    for (const char *scheme : {"http://", "https://", "ftp://", "file:"}) {
        if (lower.rfind(scheme, 0) == 0)
            return lower.size() > std::char_traits<char>::length(scheme);
    }
    return false;
}

std::string startPage()
{
    std::string html = pageHead("岚舟Browser 首页");
    html += "<body>\n<main>\n<h1>岚舟Browser</h1>\n";

    html += "<section>\n<h2>网页搜索</h2>\n";
    html += "<form action=\"/search.asp\" method=\"get\" accept-charset=\"utf-8\" role=\"search\">\n";
    html += "<select name=\"se\" aria-label=\"搜索引擎\">\n";
    for (const auto &engine : searchEngines()) {
        html += "<option value=\"";
        html += engine.id;
        html += "\">";
        html += htmlEscape(engine.name);
        html += "</option>\n";
    }
    html += "</select>\n";
    html += "<input type=\"search\" name=\"q\" maxlength=\"256\" placeholder=\"输入要搜索的内容\" autofocus>\n";
    html += "<button type=\"submit\">搜索</button>\n</form>\n</section>\n";

    html += "<section>\n<h2>我的收藏</h2>\n";
    html += "<form action=\"/findSubmit.asp\" method=\"get\" accept-charset=\"utf-8\">\n";
    html += "<label for=\"strcheck\">加密密码</label>\n";
    html += "<input type=\"password\" id=\"strcheck\" name=\"strcheck\" maxlength=\"128\" autocomplete=\"off\">\n";
    html += "<button type=\"submit\">查看收藏</button>\n</form>\n";
    html += "<p class=\"note\">输入收藏时使用的加密密码，查看所收藏的网址。</p>\n</section>\n";

    html += "<section>\n<h2>常用网址</h2>\n<ul class=\"links\">\n";
    static const char *const links[][2] = {
        {"https://www.baidu.com/", "百度"},
        {"https://www.sina.com.cn/", "新浪"},
        {"https://www.163.com/", "网易"},
        {"https://www.qq.com/", "腾讯"},
        {"https://www.xinhuanet.com/", "新华网"},
        {"https://www.weather.com.cn/", "中国天气"},
        {"https://map.baidu.com/", "百度地图"},
        {"https://zh.wikipedia.org/", "维基百科"},
    };
    for (const auto &link : links)
        html += "<li>" + addressLink(link[0], link[1]) + "</li>\n";
    html += "</ul>\n</section>\n</main>\n</body>\n</html>\n";
    return html;
}

std::string favouritesPage(const std::vector<Favourite> &favourites, bool more)
{
    std::string html = pageHead("我的收藏");
    html += "<body>\n<main>\n<h1>我的收藏</h1>\n<section>\n";
    html += "<p class=\"note\">共 " + std::to_string(favourites.size()) + " 条收藏，最新的在前。";
    if (more)
        html += "只列出最新的 " + std::to_string(favourites.size()) + " 条。";
    html += "</p>\n";
    html += "<table>\n<colgroup><col style=\"width:32%\"><col style=\"width:40%\">"
            "<col style=\"width:12%\"><col style=\"width:16%\"></colgroup>\n";
    html += "<thead><tr><th>标题</th><th>网址</th><th>分类</th><th>日期</th></tr></thead>\n<tbody>\n";
    for (const auto &f : favourites) {
        const std::string &shown = f.title.empty() ? f.address : f.title;
        html += "<tr><td>" + addressLink(f.address, shown) + "</td>";
        html += "<td class=\"addr\">" + htmlEscape(f.address) + "</td>";
        html += "<td>" + htmlEscape(f.category) + "</td>";
        html += "<td>" + htmlEscape(f.date) + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n</section>\n";
    html += kBackLink;
    html += "</main>\n</body>\n</html>\n";
    return html;
}

std::string noFavouritesPage()
{
    std::string html = pageHead("我的收藏");
    html += "<body>\n<main>\n<h1>我的收藏</h1>\n<section>\n";
    html += "<p>这个加密密码下还没有收藏的网址。</p>\n";
    html += "<p class=\"note\">请确认加密密码与收藏时输入的相同（区分大小写）。</p>\n";
    html += "</section>\n";
    html += kBackLink;
    html += "</main>\n</body>\n</html>\n";
    return html;
}

std::string filedPage(const Favourite &favourite, bool alreadyFiled)
{
    std::string html = pageHead("收藏成功");
    html += "<body>\n<main>\n<h1>收藏成功</h1>\n<section>\n<p>";
    html += alreadyFiled ? "这个网址已在收藏中：" : "已收藏：";
    html += addressLink(favourite.address, favourite.title.empty() ? favourite.address : favourite.title);
    html += "</p>\n</section>\n</main>\n</body>\n</html>\n";
    return html;
}

std::string errorPage(int status, std::string_view message)
{
    const char *heading = status == 404 ? "找不到网页" : status >= 500 ? "服务出错" : "请求有误";
    std::string html = pageHead(heading);
    html += "<body class=\"error\">\n<main>\n<h1>";
    html += heading;
    html += "</h1>\n<section>\n<p>";
    html += htmlEscape(message);
    html += "</p>\n<p class=\"note\">错误代码 " + std::to_string(status) + "</p>\n</section>\n";
    html += kBackLink;
    html += "</main>\n</body>\n</html>\n";
    return html;
}

} // namespace lzservice
