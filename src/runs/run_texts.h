#pragma once
// The texts the runs write, as GBK, made once from the UTF-8 source.

#include "lookups/text.h"

namespace zerlith {

struct RunTexts {
    Text single_header_prefix;  // " 全面分析 "
    Text batch_header_prefix;   // " 域名： "
    Text header_end;            // CR LF CR LF after the domain
    Text run_footer;            // " =====   打完收工  =====" CR LF CR LF
    Text block_footer;          // " =====   报告完毕  =====" CR LF CR LF
    Text rejection_text;        // "你输入的域名不对"
    Text rejection_title;       // "域名不对"
    Text progress_prefix;       // "第 "
    Text progress_suffix;       // " 行查询完成 "
};

const RunTexts& run_texts();

}  // namespace zerlith
