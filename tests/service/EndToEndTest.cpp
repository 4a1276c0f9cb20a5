// Runs the real lzservice on a free loopback port and files and looks up favourites over HTTP.
#include "QueryText.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

extern char **environ;

namespace {

// The program, started with "--port 0"; it is ended with SIGTERM.
class ServiceProcess {
public:
    explicit ServiceProcess(const std::string &dataFile)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        std::vector<std::string> args = {LZSERVICE_PROGRAM, "--host", "127.0.0.1", "--port", "0",
                                         "--data", dataFile};
        std::vector<char *> argv;
        for (auto &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, LZSERVICE_PROGRAM, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        out_ = fds[0];
    }

    ~ServiceProcess()
    {
        if (pid_ > 0 && !stopped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            close(out_);
    }

    // Waits (up to 20 s) for "listening on 127.0.0.1:PORT"; returns the port or 0.
    int waitForPort()
    {
        std::string line;
        while (pid_ > 0 && line.find('\n') == std::string::npos) {
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, 20000) <= 0)
                return 0;
            char buffer[256];
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n <= 0)
                return 0;
            line.append(buffer, static_cast<std::size_t>(n));
        }
        const std::string prefix = "listening on 127.0.0.1:";
        if (line.rfind(prefix, 0) != 0)
            return 0;
        return std::stoi(line.substr(prefix.size()));
    }

    // Sends SIGTERM and returns the exit status (-1 when it did not exit normally).
    int stop()
    {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        stopped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool stopped_ = false;
};

using lzservice::htmlEscape;
using lzservice::percentEncode;

struct Filed {
    std::string title, address, category, password, date;
};

std::string filingPath(const Filed &f)
{
    return "/Internet.asp?ss_Title=" + percentEncode(f.title) + "&ss_Addr=" + percentEncode(f.address)
        + "&ss_Class=" + percentEncode(f.category) + "&ss_Check=" + percentEncode(f.password)
        + "&ss_Date=" + percentEncode(f.date) + "&sql=2006-03-30";
}

std::size_t count(const std::string &text, const std::string &piece)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

TEST(EndToEndTest, FilesAndFindsThroughTheRealProgram)
{
    TempDir dir;
    ASSERT_TRUE(dir.valid());
    ServiceProcess service(dir.file("service.db"));
    const int port = service.waitForPort();
    ASSERT_GT(port, 0);

    httplib::Client client("127.0.0.1", port);
    client.set_url_encode(false);

    auto start = client.Get("/Find.asp?bs=1&sql=2006-03-30");
    ASSERT_TRUE(start);
    EXPECT_EQ(start->status, 200);
    EXPECT_EQ(start->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(start->get_header_value("Referrer-Policy"), "no-referrer");

    const std::string password = "密码 & #‖=?";
    const Filed older{"新闻 & 天气 #1 ‖ 岚舟", "http://example.com/a?x=1&y=2#frag", "空", password, "2024-05-01"};
    const Filed newer{"<图>“引号”", "https://example.com/q?s=\"中文\"&t=‖", "空", password, "2024-05-02"};
    const Filed elsewhere{"别人的", "http://example.org/", "空", "别的密码", "2024-05-03"};
    for (const Filed *f : {&older, &newer, &older, &elsewhere}) {
        auto reply = client.Get(filingPath(*f));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->status, 200) << f->title;
        EXPECT_EQ(reply->get_header_value("Cache-Control"), "no-store");
    }

    auto page = client.Get("/findSubmit.asp?strcheck=" + percentEncode(password));
    ASSERT_TRUE(page);
    ASSERT_EQ(page->status, 200);
    const std::string &body = page->body;
    const std::size_t newerAt = body.find(htmlEscape(newer.title));
    const std::size_t olderAt = body.find(htmlEscape(older.title));
    ASSERT_NE(newerAt, std::string::npos);
    ASSERT_NE(olderAt, std::string::npos);
    EXPECT_LT(newerAt, olderAt);
    EXPECT_NE(body.find("href=\"" + htmlEscape(older.address) + "\""), std::string::npos);
    EXPECT_NE(body.find("href=\"" + htmlEscape(newer.address) + "\""), std::string::npos);
    EXPECT_EQ(count(body, "<tr><td>"), 2u); // the repeated filing is kept once
    EXPECT_EQ(body.find("别人的"), std::string::npos);

    // The password cut at "&" or "#" (as a browser that does not encode would send it) sees nothing.
    for (const std::string wrong : {"密码 ", "密码", "%E5%AF%86%E7%A0%81%20&%20"}) {
        auto other = client.Get("/findSubmit.asp?strcheck=" + (wrong[0] == '%' ? wrong : percentEncode(wrong)));
        ASSERT_TRUE(other);
        EXPECT_EQ(other->status, 200);
        EXPECT_EQ(count(other->body, "<tr><td>"), 0u) << wrong;
    }

    // Bad input is refused with a page, and the program keeps answering.
    const std::string tooLongTitle(600, 'a');
    const std::string tooLongRequest(9000, 'a');
    for (const std::string path : {"/Internet.asp?ss_Title=" + tooLongTitle + "&ss_Addr=x",
                                   "/Internet.asp?ss_Title=" + tooLongRequest + "&ss_Addr=x",
                                   std::string("/Internet.asp?ss_Title=%C0%AF&ss_Addr=x"),
                                   std::string("/findSubmit.asp?strcheck=%")}) {
        auto bad = client.Get(path);
        ASSERT_TRUE(bad);
        EXPECT_EQ(bad->status, 400) << path.substr(0, 60);
        EXPECT_NE(bad->body.find("<meta charset=\"utf-8\">"), std::string::npos);
    }
    auto again = client.Get("/Find.asp");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 200);

    EXPECT_EQ(service.stop(), 0);
}

TEST(EndToEndTest, FavouritesOutliveARestart)
{
    TempDir dir;
    ASSERT_TRUE(dir.valid());
    const Filed f{"重启以后", "http://example.com/", "空", "", "2024-05-01"};
    {
        ServiceProcess service(dir.file("service.db"));
        const int port = service.waitForPort();
        ASSERT_GT(port, 0);
        httplib::Client client("127.0.0.1", port);
        client.set_url_encode(false);
        auto reply = client.Get(filingPath(f));
        ASSERT_TRUE(reply);
        ASSERT_EQ(reply->status, 200);
        EXPECT_EQ(service.stop(), 0);
    }
    ServiceProcess service(dir.file("service.db"));
    const int port = service.waitForPort();
    ASSERT_GT(port, 0);
    httplib::Client client("127.0.0.1", port);
    client.set_url_encode(false);
    auto page = client.Get("/findSubmit.asp?strcheck=");
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find("重启以后"), std::string::npos);
    EXPECT_EQ(service.stop(), 0);
}

} // namespace
