#include "runs/run_texts.h"

#include "lookups/gbk_conversion.h"

namespace zerlith {

const RunTexts& run_texts() {
    static const RunTexts texts{
        .single_header_prefix = system_text(" 全面分析 "),
        .batch_header_prefix = system_text(" 域名： "),
        .header_end = "\r\n\r\n",
        .run_footer = system_text(" =====   打完收工  =====\r\n\r\n"),
        .block_footer = system_text(" =====   报告完毕  =====\r\n\r\n"),
        .rejection_text = system_text("你输入的域名不对"),
        .rejection_title = system_text("域名不对"),
        .progress_prefix = system_text("第 "),
        .progress_suffix = system_text(" 行查询完成 "),
    };
    return texts;
}

}  // namespace zerlith
