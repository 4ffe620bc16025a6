#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <thread>
#include <vector>

#include "lookups/lookup_procedure.h"
#include "lookups/lookups.h"
#include "support/environment.h"
#include "support/gbk.h"
#include "support/loopback_http_server.h"
#include "support/service_pages.h"

namespace zerlith {
namespace {

using namespace std::string_literals;
using testing::exact_routes;
using testing::gbk;
using testing::gbk_page;
using testing::hex_bytes;
using testing::LoopbackHttpServer;
using testing::service_pages;
using testing::utf8_page;

enum Row {
    kPR,
    k百度权重,
    k百度快照,
    k百度收录,
    k谷歌收录,
    k搜搜收录,
    k雅虎外链,
    k百度外链,
    k谷歌外链
};

struct ExtractionCase {
    const char* what;
    Row row;
    std::string domain;
    std::string page;      // as the server sends it
    std::string expected;  // GBK report line
};

// Names the case in test output and in ctest.
void PrintTo(const ExtractionCase& c, std::ostream* out) {
    *out << c.what;
}

class Extraction : public ::testing::TestWithParam<ExtractionCase> {};

TEST_P(Extraction, FormsTheReportLineFromThePage) {
    const ExtractionCase& c = GetParam();
    const LookupDefinition& lookup = lookup_table()[c.row];
    EXPECT_EQ(report_line_from_page(lookup, c.domain, c.page), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Extraction,
    ::testing::Values(
        ExtractionCase{"PR digits ending a line", kPR, "a.com",
                       gbk_page("<img src=\"../img/pr/4\r\n\">"), gbk(" PR：4\r\n")},
        ExtractionCase{"PR digits ending the page text", kPR, "a.com", "x ../img/pr/10",
                       gbk(" PR：10\r\n")},
        ExtractionCase{"PR digits before .gif are no match", kPR, "a.com",
                       gbk_page("<img src=\"../img/pr/4.gif\">"), gbk(" PR：0\r\n")},
        ExtractionCase{"百度权重 from a UTF-8 page", k百度权重, "a.com",
                       utf8_page("a.com 的百度权重值为3，累计找到 120 个关键词"),
                       gbk(" 百度权重：3\r\n")},
        ExtractionCase{"百度权重 page with one stray byte", k百度权重, "a.com",
                       utf8_page("百度权重值为3，累计找到\xff"), gbk(" 百度权重：超时\r\n")},
        ExtractionCase{"百度权重 page in GBK is not UTF-8", k百度权重, "a.com",
                       gbk_page("百度权重值为3，累计找到"), gbk(" 百度权重：超时\r\n")},
        ExtractionCase{"百度快照 date after the bold domain", k百度快照, "a.com",
                       gbk_page("<span><b>a.com</b>/ 2011-5-6 </span>"),
                       gbk(" 百度快照：2011-5-6\r\n")},
        ExtractionCase{"百度快照 deletes full stops too", k百度快照, "a.com",
                       gbk_page("<b>a.com</b>/ 2011.5.6 </span>"), gbk(" 百度快照：201156\r\n")},
        ExtractionCase{"百度快照 domain dot matches any byte", k百度快照, "a.org",
                       gbk_page("<b>axorg</b> 2011-5-6</span>"), gbk(" 百度快照：2011-5-6\r\n")},
        ExtractionCase{"百度快照 domain not in bold", k百度快照, "a.com",
                       gbk_page("<b>b.com</b> 2011-5-6</span>"),
                       gbk(" 百度快照：首页不在前十\r\n")},
        ExtractionCase{"百度快照 unmatched parenthesis in the domain", k百度快照, "a(b.com",
                       gbk_page("<b>a(b.com</b> 2011-5-6</span>"),
                       gbk(" 百度快照：首页不在前十\r\n")},
        ExtractionCase{"百度快照 unmatched bracket in the domain", k百度快照, "a[b.com",
                       gbk_page("<b>a[b.com</b> 2011-5-6</span>"),
                       gbk(" 百度快照：首页不在前十\r\n")},
        ExtractionCase{"百度收录 count", k百度收录, "a.com", gbk_page("找到相关结果数约12,345个"),
                       gbk(" 百度收录：12345\r\n")},
        ExtractionCase{"百度收录 first occurrence decides", k百度收录, "a.com",
                       gbk_page("找到相关结果约7个 ... 找到相关结果约9个"),
                       gbk(" 百度收录：7\r\n")},
        ExtractionCase{"百度收录 lazy group across a line break keeps CR LF", k百度收录, "a.com",
                       gbk_page("找到相关结果\r\n约 5 个"), gbk(" 百度收录：") + "\r\n5\r\n"},
        ExtractionCase{"百度收录 约 split across two characters stays", k百度收录, "a.com",
                       gbk("找到相关结果") + hex_bytes("b0 d4 bc b0") + gbk("个"),
                       gbk(" 百度收录：") + hex_bytes("b0 d4 bc b0") + "\r\n"},
        ExtractionCase{"百度收录 match behind a zero byte is not seen", k百度收录, "a.com",
                       "<html>\0"s + gbk("找到相关结果约5个"), gbk(" 百度收录：0\r\n")},
        ExtractionCase{"谷歌收录 count with spaces", k谷歌收录, "a.com",
                       gbk_page("找到约 1,230 条结果"), gbk(" 谷歌收录：1230\r\n")},
        ExtractionCase{"搜搜收录 count", k搜搜收录, "a.com", gbk_page("搜索到约 5,678 项结果"),
                       gbk(" 搜搜收录：5678\r\n")},
        ExtractionCase{"雅虎外链 count", k雅虎外链, "a.com", gbk_page("共 <strong>321</strong> 条"),
                       gbk(" 雅虎外链：321\r\n")},
        ExtractionCase{"雅虎外链 empty first strong gives an empty value", k雅虎外链, "a.com",
                       gbk_page("<strong></strong> <strong>5</strong>"),
                       gbk(" 雅虎外链：") + "\r\n"},
        ExtractionCase{"百度外链 count", k百度外链, "a.com", gbk_page("找到相关结果数约 89 个"),
                       gbk(" 百度外链：89\r\n")},
        ExtractionCase{"谷歌外链 from a UTF-8 page ends with an empty line", k谷歌外链, "a.com",
                       utf8_page("获得约 1,234 条结果"), gbk(" 谷歌外链：1234\r\n\r\n")},
        ExtractionCase{"谷歌外链 GBK page is not UTF-8", k谷歌外链, "a.com",
                       gbk_page("获得约 1,234 条结果"), gbk(" 谷歌外链：0\r\n\r\n")},
        ExtractionCase{"empty page", k谷歌收录, "a.com", "", gbk(" 谷歌收录：0\r\n")}));

const std::vector<std::string> kFallbackLines = {
    gbk(" PR：0\r\n"),       gbk(" 百度权重：超时\r\n"), gbk(" 百度快照：首页不在前十\r\n"),
    gbk(" 百度收录：0\r\n"), gbk(" 谷歌收录：0\r\n"),    gbk(" 搜搜收录：0\r\n"),
    gbk(" 雅虎外链：0\r\n"), gbk(" 百度外链：0\r\n"),    gbk(" 谷歌外链：0\r\n\r\n"),
};

std::vector<std::string> all_lines(const Text& domain) {
    std::vector<std::string> lines;
    for (Lookup lookup : kLookupsInReportOrder)
        lines.push_back(lookup(domain));
    return lines;
}

using NineLookups = testing::ProxyFreeTest;

TEST_F(NineLookups, UnreachableEndpointsGiveExactlyTheFallbackLines) {
    std::string closed_proxy;
    {
        LoopbackHttpServer gone(testing::always_answer(""));
        closed_proxy = gone.base_url();
    }
    testing::use_http_proxy(closed_proxy);
    EXPECT_EQ(all_lines("a.com"), kFallbackLines);
}

TEST_F(NineLookups, AskEachServiceForTheDomainAndReadItsAnswer) {
    LoopbackHttpServer services(exact_routes(service_pages("a.com")));
    testing::use_http_proxy(services.base_url());
    EXPECT_EQ(all_lines("a.com"), testing::service_report_lines());
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 9u);
    for (const auto& r : requests)
        EXPECT_EQ(r.version, "HTTP/1.0") << r.target;
}

TEST_F(NineLookups, DomainGoesIntoTheUrlUnchangedUpToANumberSign) {
    LoopbackHttpServer services(exact_routes({}));
    testing::use_http_proxy(services.base_url());
    PR("Ab.com#frag");
    百度权重(" \xb0\xd9\xb6\xc8.com");
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "http://pr.links.cn/tool/pr/index.php?website=Ab.com");
    EXPECT_EQ(requests[1].target, "http://rank.aizhan.com/baidu/%20\xb0\xd9\xb6\xc8.com/");
}

TEST_F(NineLookups, ConcurrentRunsEachGetTheirOwnLines) {
    std::map<std::string, std::string> pages;
    const std::vector<std::string> domains = {"one.com", "two.net", "three.org", "four.cn"};
    for (const auto& d : domains)
        pages.merge(service_pages(d));
    LoopbackHttpServer services(exact_routes(std::move(pages)));
    testing::use_http_proxy(services.base_url());

    std::vector<std::vector<std::string>> results(domains.size());
    std::vector<std::thread> runs;
    for (std::size_t i = 0; i < domains.size(); ++i) {
        runs.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round)
                results[i] = all_lines(domains[i]);
        });
    }
    for (auto& t : runs)
        t.join();
    for (std::size_t i = 0; i < domains.size(); ++i) {
        EXPECT_EQ(results[i], testing::service_report_lines()) << domains[i];
    }
}

}  // namespace
}  // namespace zerlith
