#include "shell/edit_box_gbk_chars.h"

#include <iconv.h>

#include <array>
#include <vector>

namespace zerlith::edit_box {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;

// What glibc's iconv makes of every GBK byte and byte pair, asked once: the painter needs
// to know how many bytes each shown character takes, which a whole-line iconv cannot say.
class GbkTable {
  public:
    GbkTable() : pairs_((kLastLead - kFirstLead + 1) * 256, 0) {
        iconv_t cd = iconv_open("UTF-16LE", "GBK");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return;
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            const char in[1] = {static_cast<char>(byte)};
            singles_[byte - 0x80] = convert(cd, in, 1);
        }
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pairs_[(lead - kFirstLead) * 256 + trail] = convert(cd, in, 2);
            }
        }
        iconv_close(cd);
    }

    // 0 when the byte alone is no GBK character.
    char16_t single(unsigned char byte) const { return singles_[byte - 0x80u]; }
    // 0 when the pair is no GBK character.
    char16_t pair(unsigned char lead, unsigned char trail) const {
        if (lead < kFirstLead || lead > kLastLead)
            return 0;
        return pairs_[(lead - kFirstLead) * 256u + trail];
    }

  private:
    // The one BMP character the bytes make, or 0.
    static char16_t convert(iconv_t cd, const char* bytes, std::size_t count) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* in_ptr = const_cast<char*>(bytes);
        std::size_t in_left = count;
        unsigned char out[4] = {};
        char* out_ptr = reinterpret_cast<char*>(out);
        std::size_t out_left = sizeof out;
        if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1))
            return 0;
        if (in_left != 0 || out_left != 2)
            return 0;
        return static_cast<char16_t>(out[0] | (out[1] << 8));
    }

    std::array<char16_t, 128> singles_{};
    std::vector<char16_t> pairs_;
};

const GbkTable& gbk_table() {
    static const GbkTable table;
    return table;
}

bool may_lead_pair(unsigned char byte) {
    return byte >= kFirstLead && byte <= kLastLead;
}

}  // namespace

DecodedChar decode_char(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte == 0)
        return {1, kReplacement};
    if (byte < 0x80)
        return {1, byte};
    const GbkTable& table = gbk_table();
    if (pos + 1 < text.size()) {
        const char16_t code = table.pair(byte, static_cast<unsigned char>(text[pos + 1]));
        if (code != 0)
            return {2, code};
    }
    const char16_t code = table.single(byte);
    return {1, code != 0 ? code : kReplacement};
}

std::size_t next_char_boundary(std::string_view text, std::size_t pos) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos + decode_char(text, pos).length;
}

std::size_t previous_char_boundary(std::string_view text, std::size_t pos) {
    // Trail bytes overlap ASCII, so a character start cannot be told from the bytes before
    // `pos` alone. A byte that never leads a pair always ends a character, whether it stands
    // alone or trails; parse forward from just after the nearest such byte.
    std::size_t sync = pos - 1;
    while (sync > 0 && may_lead_pair(static_cast<unsigned char>(text[sync - 1])))
        --sync;
    if (sync > 0 && text[sync - 1] == '\r' && text[sync] == '\n')
        --sync;
    std::size_t boundary = sync;
    while (true) {
        const std::size_t next = next_char_boundary(text, boundary);
        if (next >= pos)
            return boundary;
        boundary = next;
    }
}

}  // namespace zerlith::edit_box
