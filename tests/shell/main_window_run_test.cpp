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
#include "support/service_pages.h"

namespace zerlith {
namespace {

using testing::exact_routes;
using testing::gbk;
using testing::service_pages;

constexpr int kRunMs = 120000;

// The eleven appends of one run, in their order.
std::vector<std::string> block_of(const std::string& d) {
    std::vector<std::string> block = {gbk(" 全面分析 " + d + "\r\n\r\n")};
    for (const std::string& line : testing::service_report_lines())
        block.push_back(line);
    block.push_back(gbk(" =====   打完收工  =====\r\n\r\n"));
    return block;
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
