#pragma once
// The window's fonts. The window model names the Windows face "宋体" (SimSun), which Linux
// does not have; it is mapped to an installed Song (Ming) face that covers Chinese.

#include <QFont>
#include <QString>

namespace zerlith {

// "宋体" as the window toolkit names the family.
QString song_family();

// Makes "宋体" resolve to an installed Chinese Song face: fontconfig's choice of a serif
// face for Simplified Chinese, else the first family that covers it. Call once at start-up,
// after the application object exists. Returns the family chosen, empty when none is.
QString install_song_substitute();

// "宋体" with a character height in pixels, normal weight.
QFont song_font(int pixel_height);

}  // namespace zerlith
