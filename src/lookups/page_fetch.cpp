#include "lookups/page_fetch.h"

#include "lookups/http_client.h"
#include "lookups/request_url.h"

namespace zerlith {

ByteSet fetch_page(const Text& url) {
    return fetch_page(url, FetchLimits{});
}

ByteSet fetch_page(const Text& url, const FetchLimits& limits) {
    if (url.empty())
        return {};
    const std::optional<Text> wire_url = request_url_for(url);
    if (!wire_url)
        return {};
    return http_get(*wire_url, limits);
}

}  // namespace zerlith
