#pragma once
// Opening a web address in the desktop's default browser.

#include <functional>

#include "lookups/text.h"

namespace zerlith {

// Asks the desktop to show the URL in its default browser. Returns at once; a failure is
// not reported. User-interface thread only.
void open_web_page(const Text& url);

// While an opener is set, it receives every URL instead of the desktop; for tests. An empty
// opener restores the desktop.
using WebPageOpener = std::function<void(const Text& url)>;
void set_web_page_opener(WebPageOpener opener);

}  // namespace zerlith
