#pragma once
// Tests set proxy variables themselves and never inherit one: a fetch in a test goes to
// the loopback server it names and nowhere else.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace zerlith::testing {

inline void clear_proxy_environment() {
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
        unsetenv(name);
    }
}

// Routes every http fetch of the process through the given proxy (a loopback server).
inline void use_http_proxy(const std::string& proxy_url) {
    clear_proxy_environment();
    setenv("http_proxy", proxy_url.c_str(), 1);
}

class ProxyFreeTest : public ::testing::Test {
  protected:
    void SetUp() override { clear_proxy_environment(); }
    void TearDown() override { clear_proxy_environment(); }
};

}  // namespace zerlith::testing
