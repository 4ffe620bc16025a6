#pragma once
// The texts the main window shows, as GBK, made once from the UTF-8 source.

#include <vector>

#include "lookups/text.h"

namespace zerlith {

struct WindowTexts {
    Text title;
    Text domain_label;              // 标签
    Text delay_label;               // 标签1
    Text pr_button;                 // pr按钮
    Text batch_button;              // 多行按钮
    std::vector<Text> delay_items;  // the list of 延时组合框, in its order
    Text domain_changed;            // 状态框 after each change of 域名编辑框
    Text copied_text;
    Text copied_title;
    Text copy_failed_text;
    Text copy_failed_title;
};

const WindowTexts& window_texts();

}  // namespace zerlith
