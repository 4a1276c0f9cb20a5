#include "HttpFront.h"

#include "FavouritesService.h"
#include "Pages.h"

#include <httplib.h>

#include <exception>

namespace lzservice {

namespace {

const char *const kHtml = "text/html; charset=utf-8";

void setCommonHeaders(httplib::Response &res)
{
    res.set_header("X-Content-Type-Options", "nosniff");
    // The lookup page's own address carries the password: it is never sent on as a referrer.
    res.set_header("Referrer-Policy", "no-referrer");
    res.set_header("Content-Security-Policy",
                   "default-src 'none'; style-src 'unsafe-inline'; form-action 'self' http: https:; "
                   "base-uri 'none'; frame-ancestors 'self'");
}

} // namespace

void installRoutes(httplib::Server &server, FavouritesService &service)
{
    server.Get(".*", [&service](const httplib::Request &req, httplib::Response &res) {
        const Reply reply = service.handle(req.method, req.target);
        res.status = reply.status;
        setCommonHeaders(res);
        if (!reply.location.empty())
            res.set_header("Location", reply.location);
        res.set_header("Cache-Control", reply.privateData ? "no-store" : "no-cache");
        res.set_content(reply.body, kHtml);
    });

    server.set_exception_handler([](const httplib::Request &, httplib::Response &res, std::exception_ptr) {
        res.status = 500;
        setCommonHeaders(res);
        res.set_content(errorPage(500, "服务暂时无法处理这个请求，请稍后再试。"), kHtml);
    });

    // httplib's own refusals: a request line too long (414) is bad input like any other.
    server.set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request &, httplib::Response &res) {
        if (!res.body.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        if (res.status == 414)
            res.status = 400;
        setCommonHeaders(res);
        const char *message = res.status == 404 ? "没有这个网页。" : "请求有误或太长。";
        res.set_content(errorPage(res.status, message), kHtml);
        return httplib::Server::HandlerResponse::Handled;
    }));
}

} // namespace lzservice
