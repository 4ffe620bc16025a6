#include "shell/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QList>

namespace zerlith {
namespace {

TEST(FontsTest, SongResolvesToAnInstalledFaceThatCoversChinese) {
    const QString chosen = install_song_substitute();
    ASSERT_FALSE(chosen.isEmpty()) << "no Chinese face installed (fonts-arphic-uming)";
    EXPECT_TRUE(QFontDatabase::writingSystems(chosen).contains(QFontDatabase::SimplifiedChinese));

    const QFont song = song_font(14);
    EXPECT_EQ(QFontInfo(song).family(), chosen);
    EXPECT_EQ(QFontInfo(song).pixelSize(), 14);
    EXPECT_TRUE(QFontMetrics(song).inFontUcs4(U'宋'));
}

}  // namespace
}  // namespace zerlith
