#pragma once
// The platform's HTTP client, behind one seam. On Linux it is libcurl
// (http_client_curl.cpp); a Windows build puts WinINet behind the same function.

#include "lookups/page_fetch.h"
#include "lookups/text.h"

namespace zerlith {

// One GET of a URL already checked by request_url_for. Splits it (within the kMaxUrl*
// limits, dot segments resolved, everything from the first "#" dropped), sends an HTTP/1.0
// request with kUserAgent and "Accept: */*" through the system's proxy setting, follows
// redirects, keeps cookies for the process, and returns the body whatever the status.
ByteSet http_get(const Text& url, const FetchLimits& limits);

}  // namespace zerlith
