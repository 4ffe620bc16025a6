#include "lookups/text.h"

namespace zerlith {

Text join(std::initializer_list<std::string_view> texts) {
    std::size_t size = 0;
    for (std::string_view t : texts)
        size += t.size();
    Text joined;
    joined.reserve(size);
    for (std::string_view t : texts)
        joined.append(t);
    return joined;
}

Text bytes_to_text(std::string_view bytes) {
    return Text(bytes.substr(0, bytes.find('\0')));
}

Text delete_all(std::string_view text, std::string_view needle) {
    if (text.empty() || needle.empty())
        return Text(text);
    Text kept;
    kept.reserve(text.size());
    std::size_t pos = 0;
    while (text.size() - pos >= needle.size()) {
        if (text.compare(pos, needle.size(), needle) == 0) {
            pos += needle.size();
            continue;
        }
        const std::size_t char_size = is_gbk_lead_byte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
        kept.append(text.substr(pos, char_size));
        pos += char_size;
    }
    kept.append(text.substr(pos));
    return kept;
}

}  // namespace zerlith
