#include <gtest/gtest.h>

#include <future>
#include <latch>
#include <thread>
#include <vector>

#include "lookups/page_fetch.h"
#include "support/environment.h"
#include "support/loopback_http_server.h"

namespace zerlith {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::always_answer;
using testing::Connection;
using testing::http_response;
using testing::LoopbackHttpServer;
using testing::ReceivedRequest;

using PageFetch = testing::ProxyFreeTest;

FetchLimits short_limits() {
    FetchLimits limits;
    limits.connect_timeout = 5s;
    limits.idle_timeout = 300ms;
    limits.total_timeout = 20s;
    return limits;
}

TEST_F(PageFetch, SendsAnHttp10GetWithTheClientsHeaders) {
    LoopbackHttpServer server(always_answer(http_response(200, "hello")));
    EXPECT_EQ(fetch_page(server.base_url() + "/tool/pr/index.php?website=a.com"), "hello");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const ReceivedRequest& r = requests[0];
    EXPECT_EQ(r.request_line, "GET /tool/pr/index.php?website=a.com HTTP/1.0");
    EXPECT_EQ(r.header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(r.header_count("Accept"), 1);
    EXPECT_EQ(r.header("Accept"), "*/*");
    EXPECT_EQ(r.header("Host"), "127.0.0.1:" + std::to_string(server.port()));
    EXPECT_EQ(r.header_count("Accept-Encoding"), 0);  // the body arrives as the server sent it
}

TEST_F(PageFetch, BodyComesBackWhateverTheResponseShape) {
    struct Case {
        const char* what;
        std::string response;
        std::string body;
    };
    const Case cases[] = {
        {"error status keeps its body", http_response(500, "<b>oops</b>"), "<b>oops</b>"},
        {"404 body", http_response(404, "gone"), "gone"},
        {"no Content-Length: body until close", http_response(200, "until close", false),
         "until close"},
        {"zero bytes stay in the page", http_response(200, "a\0b\0c"s), "a\0b\0c"s},
        {"empty body is the empty page", http_response(200, ""), ""},
        {"transfer broken off keeps what arrived",
         "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nfirst forty bytes of a hundred........",
         "first forty bytes of a hundred........"},
        {"GBK bytes untouched", http_response(200, "\xb0\xd9\xb6\xc8"), "\xb0\xd9\xb6\xc8"},
    };
    for (const Case& c : cases) {
        LoopbackHttpServer server(always_answer(c.response));
        EXPECT_EQ(fetch_page(server.base_url() + "/"), c.body) << c.what;
    }
}

TEST_F(PageFetch, FollowsRedirectsAndKeepsCookiesForTheProcess) {
    LoopbackHttpServer server([](const ReceivedRequest& r, Connection& c) {
        if (r.target == "/start") {
            c.send(http_response(302, "moved", true,
                                 "Location: /final\r\nSet-Cookie: visit=one; Path=/\r\n"));
        } else if (r.target == "/final") {
            c.send(http_response(200, "final page"));
        } else {
            c.send(http_response(200, "cookie=" + r.header("Cookie")));
        }
    });
    EXPECT_EQ(fetch_page(server.base_url() + "/start"), "final page");
    std::string later;
    std::thread other([&] { later = fetch_page(server.base_url() + "/other"); });
    other.join();
    EXPECT_EQ(later, "cookie=visit=one");
}

TEST_F(PageFetch, RedirectLoopEndsWithTheEmptyPage) {
    LoopbackHttpServer server(
        always_answer(http_response(302, "again", true, "Location: /loop\r\n")));
    EXPECT_EQ(fetch_page(server.base_url() + "/loop"), "");
    EXPECT_GT(server.requests().size(), 5u);
}

TEST_F(PageFetch, UrlIsSentAsTheClientSplitsIt) {
    struct Case {
        const char* what;
        std::string path;
        std::string target;
    };
    const Case cases[] = {
        {"everything from # is dropped", "/baidu?word=a.com#x/", "/baidu?word=a.com"},
        {"dot segments resolved", "/a/./b/../c?q=1", "/a/c?q=1"},
        {"blank goes as %20", "/baidu?word= a.com", "/baidu?word=%20a.com"},
        {"GBK bytes go unencoded", "/baidu?word=\xb0\xd9\xb6\xc8.com",
         "/baidu?word=\xb0\xd9\xb6\xc8.com"},
        {"unsafe bytes unencoded", "/q?w=<b>\"|^`{}", "/q?w=<b>\"|^`{}"},
        {"percent sequences kept", "/s?wd=domain%3Aa.com", "/s?wd=domain%3Aa.com"},
    };
    for (const Case& c : cases) {
        LoopbackHttpServer server(always_answer(http_response(200, "ok")));
        EXPECT_EQ(fetch_page(server.base_url() + c.path), "ok") << c.what;
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), 1u) << c.what;
        EXPECT_EQ(requests[0].target, c.target) << c.what;
    }
}

TEST_F(PageFetch, UrlThatCannotBeOneRequestLineSendsNothing) {
    LoopbackHttpServer server(always_answer(http_response(200, "must not be fetched")));
    for (const std::string& bad :
         {"/list?d=a.com\nb.com"s, "/a\rb"s, "/a\tb"s, "/a\x01"s, "/a\x7f"s, "/a\0b"s}) {
        EXPECT_EQ(fetch_page(server.base_url() + bad), "");
    }
    EXPECT_EQ(server.connection_count(), 0u);
}

TEST_F(PageFetch, UrlsThatCannotBeSplitGiveTheEmptyPage) {
    EXPECT_EQ(fetch_page(""), "");
    EXPECT_EQ(fetch_page("not a url"), "");
    EXPECT_EQ(fetch_page("ftp://127.0.0.1:1/x"), "");
    EXPECT_EQ(fetch_page("http://127.0.0.1:99999/"), "");
}

TEST_F(PageFetch, SplitLimitsOfHostUserPasswordAndPath) {
    // Through a loopback proxy, so that a host name is never looked up anywhere. The path
    // with its query (and a fragment, which is dropped only after the split) may take 2048
    // bytes.
    LoopbackHttpServer proxy(always_answer(http_response(200, "via proxy")));
    testing::use_http_proxy(proxy.base_url());
    struct Case {
        std::string url;
        bool fetched;
    };
    const std::string host256 = std::string(252, 'h') + ".tst";
    const Case cases[] = {
        {"http://" + host256 + "/", true},
        {"http://" + host256 + "x/", false},
        {"http://" + std::string(128, 'u') + ":" + std::string(128, 'p') + "@h.tst/", true},
        {"http://" + std::string(129, 'u') + ":p@h.tst/", false},
        {"http://u:" + std::string(129, 'p') + "@h.tst/", false},
        {"http://h.tst/" + std::string(2047, 'a'), true},
        {"http://h.tst/" + std::string(1999, 'a') + "?" + std::string(47, 'q'), true},
        {"http://h.tst/" + std::string(2048, 'a'), false},
        {"http://h.tst/" + std::string(1999, 'a') + "?" + std::string(48, 'q'), false},
        {"http://h.tst/" + std::string(1999, 'a') + "#" + std::string(48, 'f'), false},
    };
    for (const Case& c : cases) {
        const std::size_t before = proxy.requests().size();
        EXPECT_EQ(fetch_page(c.url), c.fetched ? "via proxy" : "") << c.url.size();
        EXPECT_EQ(proxy.requests().size(), before + (c.fetched ? 1 : 0)) << c.url.size();
    }
}

TEST_F(PageFetch, UsesTheProxyOfTheEnvironment) {
    LoopbackHttpServer proxy(always_answer(http_response(200, "proxied page")));
    testing::use_http_proxy(proxy.base_url());
    EXPECT_EQ(fetch_page("http://www.baidu.com/baidu?word=a.com#frag"), "proxied page");
    const auto requests = proxy.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].request_line, "GET http://www.baidu.com/baidu?word=a.com HTTP/1.0");
    EXPECT_EQ(requests[0].header("User-Agent"),
              "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
}

TEST_F(PageFetch, UnreachableServerGivesTheEmptyPage) {
    std::string url;
    {
        LoopbackHttpServer closed(always_answer(""));
        url = closed.base_url() + "/";
    }  // the port is free again: nobody listens
    EXPECT_EQ(fetch_page(url), "");
}

TEST_F(PageFetch, ServerThatSendsNothingIsLeftAfterTheIdleTime) {
    std::promise<bool> client_left;
    LoopbackHttpServer server(
        [&](const ReceivedRequest&, Connection& c) { client_left.set_value(c.hold(60s)); });
    EXPECT_EQ(fetch_page(server.base_url() + "/", short_limits()), "");
    EXPECT_TRUE(client_left.get_future().get());  // the client hung up, not the server
}

TEST_F(PageFetch, ServerThatStallsMidBodyKeepsWhatArrived) {
    std::promise<bool> client_left;
    LoopbackHttpServer server([&](const ReceivedRequest&, Connection& c) {
        c.send("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\nthe first part");
        client_left.set_value(c.hold(60s));
    });
    EXPECT_EQ(fetch_page(server.base_url() + "/", short_limits()), "the first part");
    EXPECT_TRUE(client_left.get_future().get());
}

TEST_F(PageFetch, TricklingServerIsCutAtTheOverallLimit) {
    std::promise<bool> client_left;
    LoopbackHttpServer server([&](const ReceivedRequest&, Connection& c) {
        c.send("HTTP/1.0 200 OK\r\n\r\n");
        // A byte every 100 ms is never idle for long, yet would take 100 s to finish.
        client_left.set_value(!c.trickle(std::string(1000, 'x'), 100ms));
    });
    FetchLimits limits = short_limits();
    limits.idle_timeout = 5s;
    limits.total_timeout = 1500ms;
    const ByteSet page = fetch_page(server.base_url() + "/", limits);
    EXPECT_GT(page.size(), 0u);
    EXPECT_LT(page.size(), 1000u);
    EXPECT_EQ(page, std::string(page.size(), 'x'));
    EXPECT_TRUE(client_left.get_future().get());
}

TEST_F(PageFetch, HugeBodyIsCutAtThirtyTwoMebibytes) {
    const std::size_t announced = std::size_t{40} << 20;
    LoopbackHttpServer server([&](const ReceivedRequest&, Connection& c) {
        c.send("HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(announced) + "\r\n\r\n");
        const std::string chunk(1 << 20, 'z');
        for (std::size_t sent = 0; sent < announced; sent += chunk.size()) {
            if (!c.send(chunk))
                return;
        }
    });
    const ByteSet page = fetch_page(server.base_url() + "/");
    EXPECT_EQ(page.size(), std::size_t{32} << 20);
    EXPECT_EQ(page.find_first_not_of('z'), std::string::npos);
}

TEST_F(PageFetch, ConcurrentFirstFetchesShareOneClient) {
    // Each test runs in a process of its own, so these are the process's first fetches.
    LoopbackHttpServer server([](const ReceivedRequest& r, Connection& c) {
        c.send(http_response(200, "page " + r.target, true, "Set-Cookie: seen=yes\r\n"));
    });
    constexpr int kThreads = 8;
    std::latch start(kThreads);
    std::vector<std::string> pages(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            pages[static_cast<std::size_t>(i)] =
                fetch_page(server.base_url() + "/" + std::to_string(i));
        });
    }
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(pages[static_cast<std::size_t>(i)], "page /" + std::to_string(i));
    }
    // The cookie any of them received is sent by the next fetch: one shared client state.
    fetch_page(server.base_url() + "/after");
    EXPECT_NE(server.requests().back().header("Cookie").find("seen=yes"), std::string::npos);
}

}  // namespace
}  // namespace zerlith
