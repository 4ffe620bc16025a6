#include "shell/hypertext_strip.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <vector>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"
#include "shell/site_links.h"
#include "shell/web_browser.h"

namespace zerlith {
namespace {

constexpr int kHangMs = 5000;

struct Anchor {
    QString href;
    QString text;
    QTextCharFormat format;
    int position = 0;
};

std::vector<Anchor> anchors_of(const QTextDocument& document) {
    std::vector<Anchor> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor())
                anchors.push_back({fragment.charFormat().anchorHref(), fragment.text(),
                                   fragment.charFormat(), fragment.position()});
        }
    return anchors;
}

struct StripFixture : testing::Test {
    HypertextStrip strip{strip_link_fragment(), hypertext_style_sheet()};
    std::vector<Text> opened;

    StripFixture() {
        set_web_page_opener([this](const Text& url) { opened.push_back(url); });
        strip.resize(243, 16);
        strip.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }
    ~StripFixture() override { set_web_page_opener({}); }

    // The middle of the link's first character, in viewport coordinates.
    QPoint point_on(const Anchor& anchor) {
        QTextCursor cursor(strip.document());
        cursor.setPosition(anchor.position);
        const QRect left = strip.cursorRect(cursor);
        cursor.setPosition(anchor.position + 1);
        const QRect right = strip.cursorRect(cursor);
        return {(left.x() + right.x()) / 2, left.center().y()};
    }
    void point_at(QPoint viewport_point) {
        QTest::mouseMove(strip.windowHandle(), strip.viewport()->mapTo(&strip, viewport_point));
    }
    std::vector<bool> underlined() {
        std::vector<bool> flags;
        for (const Anchor& anchor : anchors_of(*strip.document()))
            flags.push_back(anchor.format.fontUnderline());
        return flags;
    }
};

TEST_F(StripFixture, ShowsTheFiveLinksInBlueWithoutUnderlineInSong) {
    const std::vector<Anchor> anchors = anchors_of(*strip.document());
    ASSERT_EQ(anchors.size(), 5u);
    for (std::size_t i = 0; i < anchors.size(); ++i) {
        EXPECT_EQ(anchors[i].href, gbk_to_screen(strip_links()[i].url));
        EXPECT_EQ(anchors[i].text, gbk_to_screen(strip_links()[i].text));
        EXPECT_EQ(anchors[i].format.foreground().color(), QColor(Qt::blue));
        EXPECT_FALSE(anchors[i].format.fontUnderline());
        EXPECT_EQ(anchors[i].format.fontFamilies().toStringList().value(0),
                  QStringLiteral(u"宋体"));
        EXPECT_EQ(anchors[i].format.fontPointSize(), 9.0);
    }
    EXPECT_EQ(anchors.back().text, QStringLiteral(u"软件官方"));
    EXPECT_EQ(strip.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(strip.palette().color(QPalette::Base), strip.palette().color(QPalette::Window));
}

TEST_F(StripFixture, OnlyTheLinkUnderThePointerIsUnderlined) {
    const std::vector<Anchor> anchors = anchors_of(*strip.document());
    point_at(point_on(anchors[1]));
    ASSERT_TRUE(QTest::qWaitFor([&] { return underlined().at(1) == true; }, kHangMs));
    EXPECT_EQ(underlined(), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(anchors_of(*strip.document())[1].format.foreground().color(), QColor(Qt::blue));

    point_at(point_on(anchors[4]));
    ASSERT_TRUE(QTest::qWaitFor([&] { return underlined().at(4) == true; }, kHangMs));
    EXPECT_EQ(underlined(), (std::vector<bool>{false, false, false, false, true}));

    point_at({strip.viewport()->width() - 1, 1});  // past the last link
    EXPECT_TRUE(QTest::qWaitFor([&] { return underlined().at(4) == false; }, kHangMs));
    EXPECT_EQ(underlined(), std::vector<bool>(5, false));
}

TEST_F(StripFixture, AClickOpensTheLinkInTheBrowser) {
    const std::vector<Anchor> anchors = anchors_of(*strip.document());
    for (const std::size_t i : {std::size_t{4}, std::size_t{0}}) {
        const QPoint at = strip.viewport()->mapTo(&strip, point_on(anchors[i]));
        QTest::mouseClick(strip.windowHandle(), Qt::LeftButton, {}, at);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened.size() == 2; }, kHangMs));
    EXPECT_EQ(opened, (std::vector<Text>{strip_links()[4].url, strip_links()[0].url}));
}

TEST(StripFragmentTest, EachLinkOpensInANewWindowAndIsFollowedByOneBlank) {
    const QString fragment = gbk_to_screen(strip_link_fragment());
    EXPECT_EQ(fragment.count(QStringLiteral(" target=\"_blank\">")), 5);
    EXPECT_EQ(fragment.count(QStringLiteral("</a> ")), 5);
    EXPECT_TRUE(fragment.endsWith(QStringLiteral("</a> ")));
    EXPECT_FALSE(fragment.contains(QStringLiteral("  ")));
}

TEST(SiteLinksTest, TheFourthLinkTheExitPageAndTheSampleDomainShareOneSite) {
    const QUrl fourth(gbk_to_screen(strip_links()[3].url));
    const QUrl exit_page(gbk_to_screen(exit_page_url()));
    EXPECT_TRUE(exit_page.isValid());
    EXPECT_EQ(fourth.host(), exit_page.host());
    EXPECT_EQ(gbk_to_screen(sample_domain()), exit_page.host());
    for (const SiteLink& link : strip_links())
        EXPECT_TRUE(QUrl(gbk_to_screen(link.url)).isValid());
}

// The rules Qt's rich text can apply, as they come out of the style sheet.
struct RuleCase {
    const char* name;
    const char* html;
    QColor colour;
    bool bold;
};

class StyleSheetRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(StyleSheetRuleTest, Applies) {
    QTextDocument document;
    document.setDefaultStyleSheet(gbk_to_screen(hypertext_style_sheet()));
    document.setHtml(QString::fromUtf8(GetParam().html));
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const QTextCharFormat format = cursor.charFormat();
    EXPECT_EQ(format.foreground().color(), GetParam().colour);
    EXPECT_EQ(format.fontWeight() >= QFont::Bold, GetParam().bold);
    EXPECT_EQ(format.fontFamilies().toStringList().value(0), QStringLiteral(u"宋体"));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StyleSheetRuleTest,
    testing::Values(RuleCase{"Body", "<p>xx</p>", QColor(Qt::black), false},
                    RuleCase{"H2", "<h2>xx</h2>", QColor(0xff, 0x99, 0x00), true},
                    RuleCase{"H6", "<h6>xx</h6>", QColor(0x62, 0x62, 0x62), false},
                    RuleCase{"Code", "<code>xx</code>", QColor(0x99, 0x00, 0x00), false},
                    RuleCase{"Comment", "<p class=\"comment\">xx</p>", QColor(0, 0x80, 0), false}),
    [](const testing::TestParamInfo<RuleCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zerlith
