#pragma once
// The web addresses the window leads to, all chosen here: the maker's and affiliated sites,
// the program's own page, the exit page and the sample domain of 域名编辑框.

#include <vector>

#include "lookups/text.h"

namespace zerlith {

struct SiteLink {
    Text url;
    Text text;
};

// The five links of 简单超文本框1, in their order; the fifth is the program's own page.
const std::vector<SiteLink>& strip_links();

// The content of 简单超文本框1: the five links as anchors that open in a new window, each
// followed by one blank.
Text strip_link_fragment();

// The page opened when the main window goes: the home page of the fourth link's site.
const Text& exit_page_url();

// The domain shown in 域名编辑框 when the window is built: the exit page's host name.
const Text& sample_domain();

}  // namespace zerlith
