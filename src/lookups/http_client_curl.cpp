// The HTTP client on Linux: libcurl, set up to behave as the system's Windows client does.

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <string_view>

#include "lookups/http_client.h"

namespace zerlith {

namespace {

using Clock = std::chrono::steady_clock;

// Each read asks for up to this many bytes, the most the Windows client asked for.
constexpr long kReadBufferBytes = 102400;
// The Windows client follows redirects without a limit of its own; a loop must still end.
constexpr long kMaxRedirects = 30;

// The one client state of the process, opened by the first fetch and shared by all threads:
// the cookie jar and DNS cache live in a share handle. It is never closed, so that a worker
// still fetching while the process ends never finds it gone.
class CurlClient {
  public:
    static CurlClient& instance() {
        static CurlClient* const client = new CurlClient;  // opened exactly once
        return *client;
    }
    CURLSH* share() const { return share_; }

  private:
    CurlClient() {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        share_ = curl_share_init();
        if (share_ == nullptr)
            return;
        curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CurlClient::lock);
        curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CurlClient::unlock);
        curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }

    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<CurlClient*>(self)->mutexes_.at(static_cast<std::size_t>(data)).lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<CurlClient*>(self)->mutexes_.at(static_cast<std::size_t>(data)).unlock();
    }

    CURLSH* share_ = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> mutexes_;
};

// What one transfer collects, and when it last heard from the server.
struct Transfer {
    CURL* handle = nullptr;
    ByteSet body;
    std::size_t max_body = 0;
    bool reserved = false;
    bool connected = false;
    Clock::time_point last_activity = Clock::now();
    std::chrono::milliseconds idle_timeout{};
};

std::size_t on_body(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    t.last_activity = Clock::now();
    const std::size_t n = size * count;
    if (!t.reserved) {
        t.reserved = true;
        curl_off_t announced = -1;
        curl_easy_getinfo(t.handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > 0) {
            t.body.reserve(std::min(static_cast<std::size_t>(announced), t.max_body));
        }
    }
    const std::size_t room = t.max_body - t.body.size();
    const std::size_t taken = std::min(n, room);
    t.body.append(data, taken);
    return taken;  // less than offered ends the transfer; what was taken is kept
}

std::size_t on_header(char*, std::size_t size, std::size_t count, void* user) {
    static_cast<Transfer*>(user)->last_activity = Clock::now();
    return size * count;
}

int on_request_ready(void* user, char*, char*, int, int) {
    auto& t = *static_cast<Transfer*>(user);
    t.connected = true;
    t.last_activity = Clock::now();
    return CURL_PREREQFUNC_OK;
}

int on_progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto& t = *static_cast<const Transfer*>(user);
    if (!t.connected)
        return 0;  // until connected, the connect time-out applies
    return Clock::now() - t.last_activity > t.idle_timeout ? 1 : 0;
}

struct CurlEasyDeleter {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct CurlUrlDeleter {
    void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
struct CurlSlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
struct CurlStringDeleter {
    void operator()(char* s) const { curl_free(s); }
};

std::size_t url_part_length(CURLU* url, CURLUPart part) {
    char* raw = nullptr;
    if (curl_url_get(url, part, &raw, 0) != CURLUE_OK)
        return 0;
    const std::unique_ptr<char, CurlStringDeleter> value(raw);
    return std::string_view(value.get()).size();
}

// Splits the URL the way the Windows client cracks it, within its buffer limits, and drops
// the fragment. Dot segments are resolved by curl's parser.
std::unique_ptr<CURLU, CurlUrlDeleter> split_url(const Text& text) {
    std::unique_ptr<CURLU, CurlUrlDeleter> url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, text.c_str(), 0) != CURLUE_OK)
        return {};

    const std::size_t query = url_part_length(url.get(), CURLUPART_QUERY);
    const std::size_t fragment = url_part_length(url.get(), CURLUPART_FRAGMENT);
    const std::size_t path_with_query = url_part_length(url.get(), CURLUPART_PATH) +
                                        (query > 0 ? query + 1 : 0) +
                                        (fragment > 0 ? fragment + 1 : 0);
    if (url_part_length(url.get(), CURLUPART_HOST) > kMaxUrlHostBytes ||
        url_part_length(url.get(), CURLUPART_USER) > kMaxUrlUserBytes ||
        url_part_length(url.get(), CURLUPART_PASSWORD) > kMaxUrlPasswordBytes ||
        path_with_query > kMaxUrlPathWithQueryBytes) {
        return {};
    }
    curl_url_set(url.get(), CURLUPART_FRAGMENT, nullptr, 0);
    return url;
}

}  // namespace

ByteSet http_get(const Text& text, const FetchLimits& limits) {
    CurlClient& client = CurlClient::instance();
    const std::unique_ptr<CURLU, CurlUrlDeleter> url = split_url(text);
    if (!url)
        return {};
    const std::unique_ptr<CURL, CurlEasyDeleter> handle(curl_easy_init());
    if (!handle)
        return {};
    const std::unique_ptr<curl_slist, CurlSlistDeleter> headers(
        curl_slist_append(nullptr, "Accept: */*"));

    Transfer transfer;
    transfer.handle = handle.get();
    transfer.max_body = limits.max_body_bytes;
    transfer.idle_timeout = limits.idle_timeout;

    CURL* h = handle.get();
    curl_easy_setopt(h, CURLOPT_CURLU, url.get());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_SHARE, client.share());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");  // cookies in memory, for the process
    curl_easy_setopt(h, CURLOPT_BUFFERSIZE, kReadBufferBytes);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connect_timeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total_timeout.count()));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &on_body);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &on_header);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_PREREQFUNCTION, &on_request_ready);
    curl_easy_setopt(h, CURLOPT_PREREQDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &on_progress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);

    // The outcome is not examined: a break-off, a limit or an error status all leave the
    // bytes that arrived, and a failure before the first byte leaves none.
    curl_easy_perform(h);
    return std::move(transfer.body);
}

}  // namespace zerlith
