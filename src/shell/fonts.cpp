#include "shell/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

#include <memory>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"

namespace zerlith {

namespace {

// The language whose coverage makes a face a stand-in for SimSun.
constexpr const char* kChineseLanguage = "zh-cn";

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

QString fontconfig_song_family() {
    const Pattern wanted(FcPatternCreate());
    if (!wanted)
        return {};
    FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("serif"));
    FcLangSet* languages = FcLangSetCreate();
    FcLangSetAdd(languages, reinterpret_cast<const FcChar8*>(kChineseLanguage));
    FcPatternAddLangSet(wanted.get(), FC_LANG, languages);
    FcLangSetDestroy(languages);
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, wanted.get(), &result));
    if (!match)
        return {};
    // fontconfig always answers with something; only a face that covers Chinese will do.
    FcLangSet* covered = nullptr;
    FcChar8* family = nullptr;
    if (FcPatternGetLangSet(match.get(), FC_LANG, 0, &covered) != FcResultMatch ||
        FcLangSetHasLang(covered, reinterpret_cast<const FcChar8*>(kChineseLanguage)) !=
            FcLangEqual ||
        FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

QString first_chinese_family() {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace

QString song_family() {
    static const QString family = gbk_to_screen(system_text("宋体"));
    return family;
}

QString install_song_substitute() {
    QString family = fontconfig_song_family();
    if (family.isEmpty())
        family = first_chinese_family();
    if (!family.isEmpty())
        QFont::insertSubstitution(song_family(), family);
    return family;
}

QFont song_font(int pixel_height) {
    QFont font(song_family());
    font.setPixelSize(pixel_height);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace zerlith
