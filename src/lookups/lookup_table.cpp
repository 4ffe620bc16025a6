#include "lookups/lookup_table.h"

#include <initializer_list>

#include "lookups/gbk_conversion.h"

namespace zerlith {

std::string_view endpoint_host(Endpoint endpoint) {
    switch (endpoint) {
        case Endpoint::PageRankService:
            return "pr.links.cn";  // a PageRank lookup page per site
        case Endpoint::SiteWeightService:
            return "rank.aizhan.com";  // site-weight pages under /baidu/<domain>/
        case Endpoint::BaiduSearch:
            return "www.baidu.com";  // Baidu web search: 百度快照, 百度收录, 百度外链
        case Endpoint::GoogleSearch:
            return "www.google.com.hk";  // Google's Chinese web search: 谷歌收录, 谷歌外链
        case Endpoint::SosoSearch:
            return "www.soso.com";  // Soso web search
        case Endpoint::YahooSiteMap:
            return "sitemap.cn.yahoo.com";  // Yahoo's site-map search for links
    }
    return {};
}

namespace {

// One row as written in the source: UTF-8 texts, turned into GBK once.
struct Row {
    std::string_view name;
    Endpoint endpoint;
    std::string_view path_and_query;
    std::string_view suffix;
    Decoding decoding;
    std::string_view pattern_head;
    bool domain_in_pattern;
    std::string_view pattern_tail;
    std::initializer_list<std::string_view> deletions;
    std::string_view line_end;
    std::string_view fallback_value;
};

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLastLineEnd = "\r\n\r\n";  // the block ends with an empty line

LookupDefinition make_definition(const Row& row) {
    LookupDefinition d{
        .name = system_text(row.name),
        .endpoint = row.endpoint,
        .path_and_query = system_text(row.path_and_query),
        .suffix = system_text(row.suffix),
        .decoding = row.decoding,
        .pattern_head = system_text(row.pattern_head),
        .domain_in_pattern = row.domain_in_pattern,
        .pattern_tail = system_text(row.pattern_tail),
        .deletions = {},
        .label = {},
        .line_end = Text(row.line_end),
        .fallback_line = {},
    };
    for (std::string_view deletion : row.deletions)
        d.deletions.push_back(system_text(deletion));
    d.label = join({" ", d.name, system_text("：")});
    d.fallback_line = join({d.label, system_text(row.fallback_value), d.line_end});
    return d;
}

std::array<LookupDefinition, kLookupCount> build_table() {
    using enum Endpoint;
    using enum Decoding;
    const Row rows[kLookupCount] = {
        {"PR",
         PageRankService,
         "/tool/pr/index.php?website=",
         "",
         AsReceived,
         "../img/pr/([0-9]+$)",
         false,
         "",
         {},
         kLineEnd,
         "0"},
        {"百度权重",
         SiteWeightService,
         "/baidu/",
         "/",
         Utf8ToGbk,
         "百度权重值为(.*?)，累计找到",
         false,
         "",
         {},
         kLineEnd,
         "超时"},
        {"百度快照",
         BaiduSearch,
         "/baidu?word=",
         "",
         AsReceived,
         "<b>",
         true,
         "</b>(.*?)</span>",
         {".", "/", " "},
         kLineEnd,
         "首页不在前十"},
        {"百度收录",
         BaiduSearch,
         "/baidu?word=site%3A",
         "",
         AsReceived,
         "找到相关结果(.*?)个",
         false,
         "",
         {"数", "约", ",", " "},
         kLineEnd,
         "0"},
        {"谷歌收录",
         GoogleSearch,
         "/search?&ie=gb2312&oe=gb2312&hl=zh-CN&q=site%3A",
         "",
         AsReceived,
         "找到(.*?)条结果",
         false,
         "",
         {",", "约", " "},
         kLineEnd,
         "0"},
        {"搜搜收录",
         SosoSearch,
         "/q?pid=s.idx&w=site%3A",
         "",
         AsReceived,
         "搜索到(.*?)项结果",
         false,
         "",
         {",", "约", " "},
         kLineEnd,
         "0"},
        {"雅虎外链",
         YahooSiteMap,
         "/search?bwm=i&bwmo=d&p=",
         "",
         AsReceived,
         "<strong>([0-9]*?)</strong>",
         false,
         "",
         {},
         kLineEnd,
         "0"},
        {"百度外链",
         BaiduSearch,
         "/s?wd=domain%3A",
         "",
         AsReceived,
         "找到相关结果(.*?)个",
         false,
         "",
         {"数", "约", ",", " "},
         kLineEnd,
         "0"},
        {"谷歌外链",
         GoogleSearch,
         "/search?&ie=gb2312&oe=gb2312&hl=zh-CN&q=link%3A",
         "",
         Utf8ToGbk,
         "获得(.*?)条结果",
         false,
         "",
         {",", "约", " "},
         kLastLineEnd,
         "0"},
    };
    std::array<LookupDefinition, kLookupCount> table;
    for (std::size_t i = 0; i < kLookupCount; ++i)
        table[i] = make_definition(rows[i]);
    return table;
}

}  // namespace

const std::array<LookupDefinition, kLookupCount>& lookup_table() {
    static const std::array<LookupDefinition, kLookupCount> table = build_table();
    return table;
}

}  // namespace zerlith
