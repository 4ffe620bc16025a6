#include "shell/web_browser.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace zerlith {
namespace {

constexpr int kHangMs = 30000;

TEST(WebBrowserTest, AnOpenerSetForTestsReceivesTheUrlInsteadOfTheDesktop) {
    std::vector<Text> opened;
    set_web_page_opener([&](const Text& url) { opened.push_back(url); });
    open_web_page("http://www.example.org/a?b=1");
    set_web_page_opener({});
    EXPECT_EQ(opened, std::vector<Text>{"http://www.example.org/a?b=1"});
}

// The desktop's opener, replaced by a script on PATH that writes down what it was given.
TEST(WebBrowserTest, TheDesktopOpenerIsStartedWithTheUrlAndTheCallReturnsAtOnce) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString record = bin.filePath(QStringLiteral("opened.txt"));
    const QString release = bin.filePath(QStringLiteral("release"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    // The opener stays until the test releases it, so open_web_page cannot have waited.
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.tmp' && mv '%1.tmp' '%1'\n"
                                "while [ -d '%3' ] && [ ! -e '%2' ]; do sleep 0.01; done\n")
                     .arg(record, release, bin.path())
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);

    open_web_page("http://www.example.org/page");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, kHangMs));
    QFile::copy(record, release);
    qputenv("PATH", path);

    QFile opened(record);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), "http://www.example.org/page");
}

}  // namespace
}  // namespace zerlith
