#include "shell/window_model.h"

namespace zerlith {

const std::vector<ControlModel>& window_model() {
    using enum Control;
    using K = ControlKind;
    static const std::vector<ControlModel> model = {
        {多行编辑框, K::MultiLineEdit, {}, {371, 6, 175, 409}},
        {状态框, K::SingleLineEdit, 分组框5, {249, 10, 112, 16}},
        {气球提示框, K::BalloonTooltip, 分组框3, {-7, 0, 24, 16}},
        {简单超文本框1, K::Hypertext, 分组框5, {2, 12, 243, 16}},
        {分组框5, K::GroupBox, {}, {2, 385, 366, 30}},
        {延时组合框, K::ComboBox, 分组框3, {99, 326, 80, 20}},
        {标签1, K::Label, 分组框3, {10, 328, 88, 16}},
        {多行按钮, K::Button, 分组框3, {3, 351, 179, 30}},
        {多行域名编辑框, K::MultiLineEdit, 分组框3, {5, 8, 175, 312}},
        {分组框3, K::GroupBox, {}, {183, 0, 185, 385}},
        {标签, K::Label, {}, {8, 10, 40, 18}},
        {域名编辑框, K::SingleLineEdit, {}, {51, 8, 130, 22}},
        {pr编辑框, K::MultiLineEdit, {}, {7, 75, 174, 304}},
        {pr按钮, K::Button, {}, {7, 40, 174, 32}},
        {分组框1, K::GroupBox, {}, {2, 0, 184, 34}},
        {分组框2, K::GroupBox, {}, {2, 30, 184, 355}},
        {分组框4, K::GroupBox, 分组框3, {2, 317, 180, 32}},
    };
    return model;
}

QString control_name(Control control) {
    switch (control) {
        case Control::多行编辑框:
            return QStringLiteral("多行编辑框");
        case Control::状态框:
            return QStringLiteral("状态框");
        case Control::气球提示框:
            return QStringLiteral("气球提示框");
        case Control::简单超文本框1:
            return QStringLiteral("简单超文本框1");
        case Control::分组框5:
            return QStringLiteral("分组框5");
        case Control::延时组合框:
            return QStringLiteral("延时组合框");
        case Control::标签1:
            return QStringLiteral("标签1");
        case Control::多行按钮:
            return QStringLiteral("多行按钮");
        case Control::多行域名编辑框:
            return QStringLiteral("多行域名编辑框");
        case Control::分组框3:
            return QStringLiteral("分组框3");
        case Control::标签:
            return QStringLiteral("标签");
        case Control::域名编辑框:
            return QStringLiteral("域名编辑框");
        case Control::pr编辑框:
            return QStringLiteral("pr编辑框");
        case Control::pr按钮:
            return QStringLiteral("pr按钮");
        case Control::分组框1:
            return QStringLiteral("分组框1");
        case Control::分组框2:
            return QStringLiteral("分组框2");
        case Control::分组框4:
            return QStringLiteral("分组框4");
    }
    return {};
}

}  // namespace zerlith
