#include "shell/hypertext_strip.h"

#include <QMetaObject>
#include <QPalette>
#include <QTextDocument>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"
#include "shell/web_browser.h"

namespace zerlith {

namespace {

// Qt's rich text applies the link pseudo-class but has no pointer state: the strip renders
// the hover rule itself by pointing it at the hovered link through its href.
QString hover_rule_for(const QString& style_sheet, const QString& href) {
    if (href.isEmpty())
        return style_sheet;
    QString escaped = href;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    QString sheet = style_sheet;
    sheet.replace(QStringLiteral("a:hover"), QStringLiteral("a[href=\"%1\"]").arg(escaped));
    return sheet;
}

}  // namespace

const Text& hypertext_style_sheet() {
    static const Text sheet = system_text(
        "body{font-size:9pt;color:black;font-family:\"宋体\",Verdana}\r\n"
        "p{font-size:9pt;color:black;font-family:\"宋体\",Verdana}\r\n"
        "h1{font-size:14pt;color:black;font-family:\"宋体\",Verdana;font-weight:bold}\r\n"
        "h2{font-size:13pt;color:#ff9900;font-family:\"宋体\",Verdana;font-weight:bold}\r\n"
        "h3{font-size:12pt;color:#ff9900;font-family:\"宋体\",Arial;font-weight:bold}\r\n"
        "h4{font-size:10pt;color:black;font-family:\"宋体\",Verdana;font-weight:bold}\r\n"
        "h5{font-size:9pt;color:#ff9900;font-family:\"宋体\",Verdana;font-weight:bold}\r\n"
        "h6{font-size:65%;color:#626262;font-family:\"宋体\",Verdana;font-weight:normal}\r\n"
        "pre{font-size:9pt;font-family:\"宋体\",\"Courier\";background-color:#fbedbb}\r\n"
        "code{color:#990000;font-family:\"宋体\",Arial}\r\n"
        "a:link{text-decoration:none;color:blue}\r\n"
        "a:hover{text-decoration:underline;color:blue}\r\n"
        "sub{font-size:65%;vertical-align:bottom}\r\n"
        "sup{font-size:65%;vertical-align:top}\r\n"
        "big{font-size:125%}\r\n"
        "small{font-size:75%}\r\n"
        ".comment{color:green}\r\n");
    return sheet;
}

HypertextStrip::HypertextStrip(const Text& fragment, const Text& style_sheet, QWidget* parent)
    : QTextBrowser(parent),
      html_(gbk_to_screen(fragment)),
      style_sheet_(gbk_to_screen(style_sheet)) {
    setObjectName(QStringLiteral("简单超文本框1"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::NoWrap);
    setOpenLinks(false);
    setFocusPolicy(Qt::StrongFocus);
    // The strip sits on the window's own background, not on an edit field's.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
    document()->setDocumentMargin(0);
    render();

    connect(this, &QTextBrowser::highlighted, this, &HypertextStrip::show_hovered);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl& link) {
        open_web_page(screen_to_gbk(link.toString(QUrl::FullyEncoded)).value_or(Text{}));
    });
}

void HypertextStrip::show_hovered(const QUrl& link) {
    const QString href = link.toString(QUrl::FullyEncoded);
    if (href == hovered_)
        return;
    hovered_ = href;
    // Not while the text control is still handling the pointer move that got us here.
    QMetaObject::invokeMethod(this, &HypertextStrip::render, Qt::QueuedConnection);
}

void HypertextStrip::render() {
    document()->setDefaultStyleSheet(hover_rule_for(style_sheet_, hovered_));
    // The fragment is the body of the strip's page, so the body rule applies to it.
    setHtml(QStringLiteral("<html><body>%1</body></html>").arg(html_));
}

}  // namespace zerlith
