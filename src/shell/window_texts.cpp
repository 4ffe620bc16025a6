#include "shell/window_texts.h"

#include "lookups/gbk_conversion.h"

namespace zerlith {

const WindowTexts& window_texts() {
    static const WindowTexts texts{
        .title = system_text("网站权重 收录 快照 综合分析 批量分析 工具 ZerlithV3.1"),
        .domain_label = system_text("域名"),
        .delay_label = system_text("多行查询延时"),
        .pr_button = system_text("开始查询分析"),
        .batch_button = system_text("开始多行查询分析"),
        .delay_items = {"1000", "2000", "3000", "4000", "5000", "6000", "7000", "8000", "9000",
                        "10000"},
        .domain_changed = system_text("单行域名被修改"),
        .copied_text = system_text("复制成功！"),
        .copied_title = system_text("复制成功提示 "),
        .copy_failed_text = system_text("复制失败！"),
        .copy_failed_title = system_text("复制失败提示 "),
    };
    return texts;
}

}  // namespace zerlith
