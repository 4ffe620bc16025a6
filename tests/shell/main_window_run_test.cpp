// Single-domain runs started from the real window, answered by a loopback server standing
// in for every service.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/ui_thread.h"
#include "shell/view_operations.h"
#include "support/environment.h"
#include "support/gbk.h"
#include "support/loopback_http_server.h"

namespace zerlith {
namespace {

using testing::gbk;

constexpr int kRunMs = 120000;

std::string gbk_page(std::string_view utf8_piece) {
    return gbk("<html><body><div>") + gbk(utf8_piece) + gbk("</div></body></html>\r\n");
}
std::string utf8_page(std::string_view utf8_piece) {
    return "<html><body><p>" + std::string(utf8_piece) + "</p></body></html>\n";
}

// What each service answers about the domain.
std::map<std::string, std::string> service_pages(const std::string& d) {
    return {
        {"http://pr.links.cn/tool/pr/index.php?website=" + d, gbk_page("../img/pr/5\r\n")},
        {"http://rank.aizhan.com/baidu/" + d + "/", utf8_page("百度权重值为4，累计找到")},
        {"http://www.baidu.com/baidu?word=" + d, gbk_page("<b>" + d + "</b> 2012-1-2 </span>")},
        {"http://www.baidu.com/baidu?word=site%3A" + d, gbk_page("找到相关结果数约1,000个")},
        {"http://www.google.com.hk/search?&ie=gb2312&oe=gb2312&hl=zh-CN&q=site%3A" + d,
         gbk_page("找到约 2,000 条结果")},
        {"http://www.soso.com/q?pid=s.idx&w=site%3A" + d, gbk_page("搜索到约 3,000 项结果")},
        {"http://sitemap.cn.yahoo.com/search?bwm=i&bwmo=d&p=" + d,
         gbk_page("<strong>4000</strong>")},
        {"http://www.baidu.com/s?wd=domain%3A" + d, gbk_page("找到相关结果约5,000个")},
        {"http://www.google.com.hk/search?&ie=gb2312&oe=gb2312&hl=zh-CN&q=link%3A" + d,
         utf8_page("获得约 6,000 条结果")},
    };
}

// The eleven appends of one run, in their order.
std::vector<std::string> block_of(const std::string& d) {
    return {gbk(" 全面分析 " + d + "\r\n\r\n"),
            gbk(" PR：5\r\n"),
            gbk(" 百度权重：4\r\n"),
            gbk(" 百度快照：2012-1-2\r\n"),
            gbk(" 百度收录：1000\r\n"),
            gbk(" 谷歌收录：2000\r\n"),
            gbk(" 搜搜收录：3000\r\n"),
            gbk(" 雅虎外链：4000\r\n"),
            gbk(" 百度外链：5000\r\n"),
            gbk(" 谷歌外链：6000\r\n\r\n"),
            gbk(" =====   打完收工  =====\r\n\r\n")};
}

std::string joined(const std::vector<std::string>& pieces) {
    std::string all;
    for (const auto& piece : pieces)
        all += piece;
    return all;
}

// True when the text is the pieces of a and of b, each piece whole, each list in its order.
bool is_interleaving(const std::string& text, const std::vector<std::string>& a,
                     const std::vector<std::string>& b) {
    std::map<std::pair<std::size_t, std::size_t>, bool> known;
    auto from = [&](auto& self, std::size_t i, std::size_t j, std::size_t at) -> bool {
        if (i == a.size() && j == b.size())
            return at == text.size();
        const auto key = std::make_pair(i, j);
        if (const auto found = known.find(key); found != known.end())
            return found->second;
        bool ok = (i < a.size() && text.compare(at, a[i].size(), a[i]) == 0 &&
                   self(self, i + 1, j, at + a[i].size())) ||
                  (j < b.size() && text.compare(at, b[j].size(), b[j]) == 0 &&
                   self(self, i, j + 1, at + b[j].size()));
        known[key] = ok;
        return ok;
    };
    return from(from, 0, 0, 0);
}

testing::Handler exact_routes(std::map<std::string, std::string> pages) {
    return [pages = std::move(pages)](const testing::ReceivedRequest& r, testing::Connection& c) {
        const auto page = pages.find(r.target);
        c.send(page == pages.end() ? testing::http_response(404, "unknown")
                                   : testing::http_response(200, page->second));
    };
}

struct Shown {
    Text text;
    Text title;
};

struct SingleDomainRunFromTheWindow : testing::ProxyFreeTest {
    std::map<std::string, std::string> pages = [] {
        auto all = service_pages("a.com");
        all.merge(service_pages("b.net"));
        return all;
    }();
    testing::LoopbackHttpServer services{exact_routes(pages)};
    UiThread ui;
    MainWindow window{ui};
    std::mutex mutex;
    std::vector<Shown> shown;

    void SetUp() override {
        testing::ProxyFreeTest::SetUp();
        testing::use_http_proxy(services.base_url());
        set_message_box_hook([this](const MessageBoxRequest& request) {
            const std::lock_guard lock(mutex);
            shown.push_back({request.text, request.title});
            return 0;
        });
        window.show();
    }
    // A run still going when a test ends is parked before the window goes.
    ~SingleDomainRunFromTheWindow() override { ui.close(); }

    void TearDown() override {
        set_message_box_hook({});
        testing::ProxyFreeTest::TearDown();
    }

    void press_for(const Text& domain) {
        window.view().set_control_text(Control::域名编辑框, domain);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pr按钮")), Qt::LeftButton);
    }
    Text report() { return window.view().read_control_text(Control::pr编辑框); }
    std::size_t shown_count() {
        const std::lock_guard lock(mutex);
        return shown.size();
    }
};

TEST_F(SingleDomainRunFromTheWindow, PressAppendsHeaderNineLinesAndFooter) {
    press_for("a.com");
    const std::string expected = joined(block_of("a.com"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return report().size() >= expected.size(); }, kRunMs));
    EXPECT_EQ(report(), expected);
    EXPECT_EQ(services.requests().size(), 9u);
    EXPECT_EQ(shown_count(), 0u);
}

TEST_F(SingleDomainRunFromTheWindow, ATooShortDomainIsRefusedAndNothingIsAppended) {
    window.view().set_control_text(Control::pr编辑框, "before");
    press_for("abc");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown_count() == 1; }, kRunMs));
    {
        const std::lock_guard lock(mutex);
        EXPECT_EQ(shown[0].text, gbk("你输入的域名不对"));
        EXPECT_EQ(shown[0].title, gbk("域名不对"));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(report(), "before");
    EXPECT_TRUE(services.requests().empty());
}

TEST_F(SingleDomainRunFromTheWindow, TwoPressesGiveTwoWholeBlocksEachInItsOwnOrder) {
    window.view().set_control_text(Control::pr编辑框, "");
    press_for("a.com");
    // The second run starts once the first has read its domain and begun.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !report().empty(); }, kRunMs));
    press_for("b.net");
    const auto a = block_of("a.com");
    const auto b = block_of("b.net");
    const std::size_t total = joined(a).size() + joined(b).size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return report().size() >= total; }, kRunMs));
    EXPECT_TRUE(is_interleaving(report(), a, b));
    EXPECT_EQ(services.requests().size(), 18u);
}

}  // namespace
}  // namespace zerlith
