#include "runs/domain_list.h"

namespace zerlith {

std::vector<Text> cut_into_lines(const Text& text) {
    std::vector<Text> lines;
    std::size_t line_start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            lines.push_back(text.substr(line_start, pos - line_start));
            pos += 2;
            line_start = pos;
        } else {
            pos += is_gbk_lead_byte(text[pos]) ? 2u : 1u;
        }
    }
    if (line_start < text.size())
        lines.push_back(text.substr(line_start));
    return lines;
}

}  // namespace zerlith
