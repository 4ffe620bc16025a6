#include "shell/screen_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "lookups/gbk_conversion.h"

namespace zerlith {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// One descriptor per thread: iconv descriptors are not shareable, and opening one for every
// painted line would be measurable.
class GbkToUtf8Converter {
  public:
    GbkToUtf8Converter() : cd_(iconv_open("UTF-8", "GBK")) {}
    ~GbkToUtf8Converter() {
        if (valid())
            iconv_close(cd_);
    }
    GbkToUtf8Converter(const GbkToUtf8Converter&) = delete;
    GbkToUtf8Converter& operator=(const GbkToUtf8Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string convert(std::string_view gbk) {
        std::string out;
        if (!valid()) {
            for (std::size_t i = 0; i < gbk.size(); ++i)
                out += kReplacementUtf8;
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // A GBK character takes at most 3 UTF-8 bytes and a replaced byte exactly 3.
        out.resize(gbk.size() * 3 + 4);
        char* in_ptr = const_cast<char*>(gbk.data());
        std::size_t in_left = gbk.size();
        char* out_ptr = out.data();
        std::size_t out_left = out.size();
        while (in_left > 0) {
            if (iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<std::size_t>(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                break;  // E2BIG cannot happen, see above
            // An invalid or cut-off sequence: replace its first byte and go on after it.
            for (const char c : kReplacementUtf8)
                *out_ptr++ = c;
            out_left -= kReplacementUtf8.size();
            ++in_ptr;
            --in_left;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(out.size() - out_left);
        return out;
    }

  private:
    iconv_t cd_;
};

}  // namespace

QString gbk_to_screen(std::string_view gbk) {
    if (gbk.empty())
        return {};
    thread_local GbkToUtf8Converter converter;
    const std::string utf8 = converter.convert(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<Text> screen_to_gbk(const QString& text) {
    // GBK has no character outside the Basic Multilingual Plane, and a lone surrogate is no
    // character at all.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); }))
        return std::nullopt;
    const qsizetype zero = text.indexOf(QChar(u'\0'));
    const QByteArray utf8 = (zero < 0 ? text : text.left(zero)).toUtf8();
    if (utf8.isEmpty())
        return Text{};
    Text gbk =
        utf8_to_gbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (gbk.empty())
        return std::nullopt;
    return gbk;
}

}  // namespace zerlith
