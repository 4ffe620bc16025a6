#include "shell/site_links.h"

#include "lookups/gbk_conversion.h"

namespace zerlith {

namespace {

// The exit page's site, also the fourth link and the sample domain.
constexpr const char* kAffiliateHost = "www.zerlith-links.org";

}  // namespace

const std::vector<SiteLink>& strip_links() {
    static const std::vector<SiteLink> links = {
        {system_text("http://www.zerlith-project.org/"), system_text("作者主页")},
        {system_text("http://tools.zerlith-project.org/"), system_text("工具")},
        {system_text("http://learn.zerlith-project.org/"), system_text("教程")},
        {join({"http://", kAffiliateHost, "/"}), system_text("友链")},
        {system_text("http://www.zerlith-project.org/zerlith/"), system_text("软件官方")},
    };
    return links;
}

Text strip_link_fragment() {
    Text fragment;
    for (const SiteLink& link : strip_links())
        fragment += join({"<a href=\"", link.url, "\" target=\"_blank\">", link.text, "</a> "});
    return fragment;
}

const Text& exit_page_url() {
    static const Text url = join({"http://", kAffiliateHost, "/"});
    return url;
}

const Text& sample_domain() {
    static const Text domain = kAffiliateHost;
    return domain;
}

}  // namespace zerlith
