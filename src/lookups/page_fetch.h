#pragma once
// Page fetch: one HTTP/1.0 GET, the response body as a byte set.
//
// Failures are not reported apart from an empty page: a URL that cannot be split or sent,
// a host that cannot be reached, a request that cannot be sent, a fetch with no body bytes.
// A transfer that breaks off, runs into a limit below or is cut keeps what arrived.

#include <chrono>
#include <cstddef>

#include "lookups/text.h"

namespace zerlith {

struct FetchLimits {
    // The Windows client's defaults, which the system has always relied on.
    std::chrono::milliseconds connect_timeout{std::chrono::seconds(60)};
    // Give up once no byte has arrived for this long (bytes already there are kept).
    std::chrono::milliseconds idle_timeout{std::chrono::seconds(30)};
    // A server that trickles a byte now and then must not hold a run for ever.
    std::chrono::milliseconds total_timeout{std::chrono::minutes(5)};
    // A larger body is cut here, so that no server can exhaust the memory.
    std::size_t max_body_bytes = std::size_t{32} << 20;
};

// Limits of the URL split, from the fixed buffers of the Windows client: a URL whose parts
// exceed them cannot be fetched.
inline constexpr std::size_t kMaxUrlHostBytes = 256;
inline constexpr std::size_t kMaxUrlUserBytes = 128;
inline constexpr std::size_t kMaxUrlPasswordBytes = 128;
inline constexpr std::size_t kMaxUrlPathWithQueryBytes = 2048;

// The user agent every request carries.
inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

ByteSet fetch_page(const Text& url);
ByteSet fetch_page(const Text& url, const FetchLimits& limits);

}  // namespace zerlith
