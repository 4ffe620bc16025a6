#pragma once
// What every service the lookups ask answers about a domain, for tests that run whole
// lookups against the loopback server acting as the proxy of the environment.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/gbk.h"
#include "support/loopback_http_server.h"

namespace zerlith::testing {

// A result page in GBK, or in UTF-8 for the services that answer in it.
inline std::string gbk_page(std::string_view utf8_piece) {
    return gbk("<html><head><title>结果</title></head><body><div id=\"r\">") + gbk(utf8_piece) +
           gbk("</div></body></html>\r\n");
}
inline std::string utf8_page(std::string_view utf8_piece) {
    return "<html><body><p>" + std::string(utf8_piece) + "</p></body></html>\n";
}

// The page each of the nine lookups fetches for the domain, by its full URL.
inline std::map<std::string, std::string> service_pages(const std::string& d) {
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

// The nine report lines those pages give, in report order.
inline std::vector<std::string> service_report_lines() {
    return {gbk(" PR：5\r\n"),          gbk(" 百度权重：4\r\n"),    gbk(" 百度快照：2012-1-2\r\n"),
            gbk(" 百度收录：1000\r\n"), gbk(" 谷歌收录：2000\r\n"), gbk(" 搜搜收录：3000\r\n"),
            gbk(" 雅虎外链：4000\r\n"), gbk(" 百度外链：5000\r\n"), gbk(" 谷歌外链：6000\r\n\r\n")};
}

// Answers by exact request target, so that a wrong URL shows as a fallback line.
inline Handler exact_routes(std::map<std::string, std::string> pages) {
    return [pages = std::move(pages)](const ReceivedRequest& r, Connection& c) {
        const auto page = pages.find(r.target);
        c.send(page == pages.end() ? http_response(404, "unknown")
                                   : http_response(200, page->second));
    };
}

}  // namespace zerlith::testing
