#include "FavouritesService.h"

#include "Pages.h"

#include <ctime>

namespace lzservice {

namespace {

Reply badRequest(std::string_view message)
{
    Reply reply;
    reply.status = 400;
    reply.body = errorPage(400, message);
    return reply;
}

std::string queryErrorText(QueryError error)
{
    switch (error) {
    case QueryError::BadEscape: return "网址中的百分号编码有误。";
    case QueryError::BadUtf8: return "网址中的文字不是有效的 UTF-8 编码。";
    case QueryError::ControlCharacter: return "网址中含有控制字符。";
    case QueryError::TooManyKeys: return "网址中的参数太多。";
    case QueryError::RepeatedKey: return "网址中有重复的参数。";
    case QueryError::None: break;
    }
    return "请求有误。";
}

// Checks one field's length; fills `error` and returns false when it is too long.
bool withinLimit(const std::string &value, std::size_t limit, const char *label, std::string &error)
{
    if (utf8Length(value) <= limit)
        return true;
    error = std::string(label) + "太长（最多 " + std::to_string(limit) + " 个字）。";
    return false;
}

} // namespace

bool isValidDate(std::string_view date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[i] < '0' || date[i] > '9')
            return false;
    }
    const int year = std::stoi(std::string(date.substr(0, 4)));
    const int month = std::stoi(std::string(date.substr(5, 2)));
    const int day = std::stoi(std::string(date.substr(8, 2)));
    if (year < 1900 || month < 1 || month > 12 || day < 1)
        return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : days[month - 1];
    return day <= last;
}

std::string normalisedPassword(std::string_view password)
{
    return trimBlanks(password);
}

bool readFilingRequest(const ParsedQuery &query, const std::string &today, FilingRequest &out,
                       std::string &error)
{
    if (!query.ok()) {
        error = queryErrorText(query.error);
        return false;
    }
    FilingRequest request;
    request.favourite.title = trimBlanks(query.value("ss_title"));
    request.favourite.address = trimBlanks(query.value("ss_addr"));
    request.favourite.category = trimBlanks(query.value("ss_class"));
    request.password = normalisedPassword(query.value("ss_check"));
    const std::string date = query.value("ss_date");

    if (!withinLimit(query.value("ss_title"), FieldLimits::title, "标题", error)
        || !withinLimit(query.value("ss_addr"), FieldLimits::address, "网址", error)
        || !withinLimit(query.value("ss_class"), FieldLimits::category, "分类", error)
        || !withinLimit(query.value("ss_check"), FieldLimits::password, "加密密码", error)
        || !withinLimit(query.value("sql"), FieldLimits::extra, "参数 sql ", error)
        || !withinLimit(query.value("bs"), FieldLimits::extra, "参数 bs ", error))
        return false;
    if (request.favourite.address.empty()) {
        error = "没有要收藏的网址。";
        return false;
    }
    if (date.empty()) {
        request.favourite.date = today;
    } else if (isValidDate(date)) {
        request.favourite.date = date;
    } else {
        error = "日期应写作 yyyy-MM-dd，例如 2024-05-01。";
        return false;
    }
    out = std::move(request);
    return true;
}

FavouritesService::FavouritesService(FavouritesStore &store, std::function<std::string()> today)
    : store_(store), today_(std::move(today))
{
}

Reply FavouritesService::handle(std::string_view method, std::string_view target)
{
    if (method != "GET" && method != "HEAD")
        return badRequest("只接受 GET 请求。");

    const std::size_t mark = target.find('?');
    const std::string_view path = target.substr(0, mark);
    const std::string_view rawQuery =
        mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);

    if (path == "/") {
        Reply reply;
        reply.status = 302;
        reply.location = "/Find.asp";
        return reply;
    }
    // The start page ignores its query ("?bs=1&sql=2006-03-30" and whatever else comes).
    if (equalsIgnoringCase(path, "/Find.asp")) {
        Reply reply;
        reply.body = startPage();
        return reply;
    }
    if (equalsIgnoringCase(path, "/findSubmit.asp"))
        return find(parseQuery(rawQuery));
    if (equalsIgnoringCase(path, "/Internet.asp"))
        return file(parseQuery(rawQuery));
    if (equalsIgnoringCase(path, "/search.asp"))
        return search(parseQuery(rawQuery));

    Reply reply;
    reply.status = 404;
    reply.body = errorPage(404, "没有这个网页。");
    return reply;
}

Reply FavouritesService::find(const ParsedQuery &query)
{
    if (!query.ok())
        return badRequest(queryErrorText(query.error));
    std::string error;
    if (!withinLimit(query.value("strcheck"), FieldLimits::password, "加密密码", error))
        return badRequest(error);

    // One more than shown tells whether the list was cut.
    auto found = store_.find(normalisedPassword(query.value("strcheck")), kMaxListed + 1);
    const bool more = found.size() > kMaxListed;
    if (more)
        found.resize(kMaxListed);

    Reply reply;
    reply.privateData = true;
    reply.body = found.empty() ? noFavouritesPage() : favouritesPage(found, more);
    return reply;
}

Reply FavouritesService::file(const ParsedQuery &query)
{
    FilingRequest request;
    std::string error;
    if (!readFilingRequest(query, today_(), request, error))
        return badRequest(error);

    const auto result = store_.file(request.favourite, request.password);
    Reply reply;
    reply.privateData = true;
    reply.body = filedPage(request.favourite, result == FavouritesStore::FileResult::AlreadyFiled);
    return reply;
}

Reply FavouritesService::search(const ParsedQuery &query)
{
    if (!query.ok())
        return badRequest(queryErrorText(query.error));
    const SearchEngine *engine = findSearchEngine(query.value("se"));
    if (!engine)
        return badRequest("没有这个搜索引擎。");
    const std::string text = trimBlanks(query.value("q"));
    std::string error;
    if (!withinLimit(text, FieldLimits::search, "搜索内容", error))
        return badRequest(error);

    Reply reply;
    reply.status = 302;
    reply.location = text.empty() ? std::string(engine->home) : engine->query + percentEncode(text);
    return reply;
}

std::string localDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace lzservice
