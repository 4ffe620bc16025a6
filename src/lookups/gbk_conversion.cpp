#include "lookups/gbk_conversion.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace zerlith {

namespace {

// An iconv descriptor is not safe to share between threads, and opening one for every page
// is measurable, so each thread keeps its own, reset before every conversion.
class Utf8ToGbkConverter {
  public:
    Utf8ToGbkConverter() : cd_(iconv_open("GBK", "UTF-8")) {}
    ~Utf8ToGbkConverter() {
        if (valid())
            iconv_close(cd_);
    }
    Utf8ToGbkConverter(const Utf8ToGbkConverter&) = delete;
    Utf8ToGbkConverter& operator=(const Utf8ToGbkConverter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    ByteSet convert(std::string_view utf8) {
        if (!valid())
            return {};
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // A GBK character never takes more bytes than its UTF-8 form, so one pass suffices;
        // the loop only guards against a converter that thinks otherwise.
        ByteSet out(utf8.size() + 16, '\0');
        char* in_ptr = const_cast<char*>(utf8.data());
        std::size_t in_left = utf8.size();
        std::size_t written = 0;
        while (true) {
            char* out_ptr = out.data() + written;
            std::size_t out_left = out.size() - written;
            const std::size_t rc = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
            written = out.size() - out_left;
            if (rc != static_cast<std::size_t>(-1))
                break;
            if (errno != E2BIG)
                return {};  // EILSEQ: invalid or no GBK form; EINVAL: cut off
            out.resize(out.size() * 2);
        }
        out.resize(written);
        return out;
    }

  private:
    iconv_t cd_;
};

}  // namespace

ByteSet utf8_to_gbk(std::string_view utf8) {
    if (utf8.empty())
        return {};
    thread_local Utf8ToGbkConverter converter;
    return converter.convert(utf8);
}

Text system_text(std::string_view utf8) {
    ByteSet gbk = utf8_to_gbk(utf8);
    if (gbk.empty() != utf8.empty() || gbk.find('\0') != ByteSet::npos) {
        std::fprintf(stderr, "zerlith: a built-in text has no GBK form\n");
        std::abort();
    }
    return gbk;
}

}  // namespace zerlith
