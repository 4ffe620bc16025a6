// The lookups' own cost: extraction alone on realistic 200 KB pages, and a whole domain's
// nine lookups against a loopback server beside nine bare libcurl GETs of the same URLs.

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench_report.h"
#include "lookups/gbk_conversion.h"
#include "lookups/lookup_procedure.h"
#include "lookups/lookups.h"
#include "lookups/page_fetch.h"
#include "support/loopback_http_server.h"

namespace zerlith {
namespace {

constexpr std::size_t kPageBytes = 200 * 1024;
const Text kDomain = "example.com";

// A search-result page: many result entries, the looked-for piece near the end.
std::string result_page(std::string_view piece_utf8, bool utf8) {
    const std::string entry =
        "<div class=\"result\"><h3><a href=\"http://www.example.com/news/2011/0506/page.html\">"
        "网站权重 收录 快照 综合分析 示例标题</a></h3><p class=\"c\">这是一段结果描述，包含"
        "<em>关键词</em>、日期 2011-5-6 和数字 12,345，<strong>重点</strong>。</p>"
        "<span class=\"g\">www.example.com/news/ 58K 2011-5-6</span></div>\r\n";
    const std::string entry_bytes = utf8 ? entry : system_text(entry);
    std::string page = "<html><head><title>results</title></head><body>\r\n";
    while (page.size() < kPageBytes - 1024)
        page += entry_bytes;
    page += utf8 ? std::string(piece_utf8) : system_text(piece_utf8);
    page += "\r\n</body></html>\r\n";
    return page;
}

// The piece each lookup finds, in table order.
const char* const kPieces[kLookupCount] = {
    "<img src=\"../img/pr/6\r\n\">",
    "example.com 的百度权重值为5，累计找到 1200 个关键词",
    "<b>example.com</b>/ 2011-5-6 </span>",
    "找到相关结果数约12,345个",
    "找到约 1,230 条结果",
    "搜索到约 5,678 项结果",
    "<strong>4321</strong>",
    "找到相关结果约 987 个",
    "获得约 6,543 条结果",
};

std::string page_for(std::size_t row) {
    return result_page(kPieces[row], lookup_table()[row].decoding == Decoding::Utf8ToGbk);
}

void BM_Extraction(benchmark::State& state, std::size_t row) {
    const LookupDefinition& lookup = lookup_table()[row];
    const std::string page = page_for(row);
    const Text fallback = lookup.fallback_line;
    for (auto _ : state) {
        Text line = report_line_from_page(lookup, kDomain, page);
        if (line == fallback)
            state.SkipWithError("the piece was not found");
        benchmark::DoNotOptimize(line);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}

// Baseline: one plain scan of the same page for a literal near its end.
void BM_ScanBaseline(benchmark::State& state) {
    const std::string page = page_for(3);
    const std::string needle = system_text("找到相关结果");
    for (auto _ : state)
        benchmark::DoNotOptimize(page.find(needle));
}

// One loopback server acting as the proxy of the environment serves every lookup's page.
class Services {
  public:
    Services() : server_(testing::route_table(pages())) {
        setenv("http_proxy", server_.base_url().c_str(), 1);
        unsetenv("no_proxy");
        unsetenv("NO_PROXY");
    }
    static Services& instance() {
        static Services services;
        return services;
    }

  private:
    static std::map<std::string, std::string> pages() {
        std::map<std::string, std::string> routes;
        for (std::size_t row = 0; row < kLookupCount; ++row) {
            routes[lookup_url(lookup_table()[row], kDomain)] = page_for(row);
        }
        return routes;
    }
    testing::LoopbackHttpServer server_;
};

void BM_NineLookups(benchmark::State& state) {
    Services::instance();
    for (auto _ : state) {
        for (Lookup lookup : kLookupsInReportOrder)
            benchmark::DoNotOptimize(lookup(kDomain));
    }
}

// The fetches alone, to tell the client's share of the overhead from the extraction's.
void BM_NinePageFetches(benchmark::State& state) {
    Services::instance();
    std::vector<std::string> urls;
    for (const LookupDefinition& lookup : lookup_table())
        urls.push_back(lookup_url(lookup, kDomain));
    for (auto _ : state) {
        for (const std::string& url : urls)
            benchmark::DoNotOptimize(fetch_page(url));
    }
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

// Baseline: the same nine GETs with nothing around them but libcurl.
void BM_NineBareCurlGets(benchmark::State& state) {
    Services::instance();
    curl_global_init(CURL_GLOBAL_DEFAULT);
    std::vector<std::string> urls;
    for (const LookupDefinition& lookup : lookup_table())
        urls.push_back(lookup_url(lookup, kDomain));
    for (auto _ : state) {
        for (const std::string& url : urls) {
            std::string body;
            CURL* h = curl_easy_init();
            curl_easy_setopt(h, CURLOPT_URL, url.c_str());
            curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &collect);
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
            curl_easy_perform(h);
            curl_easy_cleanup(h);
            benchmark::DoNotOptimize(body);
        }
    }
}

}  // namespace
}  // namespace zerlith

int main(int argc, char** argv) {
    using namespace zerlith;
    std::vector<bench::Comparison> comparisons;
    for (std::size_t row = 0; row < kLookupCount; ++row) {
        const std::string name = "extraction/" + lookup_table()[row].name;
        benchmark::RegisterBenchmark(name.c_str(), BM_Extraction, row)
            ->Unit(benchmark::kMicrosecond);
        comparisons.push_back({"extraction per 200 KB page, lookup " + std::to_string(row + 1),
                               name, "scan_baseline", "under 1 ms"});
    }
    benchmark::RegisterBenchmark("scan_baseline", BM_ScanBaseline)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("nine_lookups", BM_NineLookups)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("nine_page_fetches", BM_NinePageFetches)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("nine_bare_curl_gets", BM_NineBareCurlGets)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    comparisons.push_back({"nine page fetches vs bare GETs", "nine_page_fetches/real_time",
                           "nine_bare_curl_gets/real_time", "ratio <= 1.3"});
    comparisons.push_back({"one domain, nine lookups vs bare GETs", "nine_lookups/real_time",
                           "nine_bare_curl_gets/real_time", "ratio <= 1.3"});
    return bench::run_and_compare(argc, argv, comparisons);
}
