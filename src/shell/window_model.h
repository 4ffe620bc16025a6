#pragma once
// The window model: every control of the main window with its kind, parent, place and size.

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

#include "shell/view_operations.h"

namespace zerlith {

enum class ControlKind {
    MultiLineEdit,   // 编辑框, multi-line
    SingleLineEdit,  // 编辑框, single-line
    Button,          // 按钮
    ComboBox,        // 组合框
    Label,           // 标签
    GroupBox,        // 分组框
    BalloonTooltip,  // 气球提示框
    Hypertext,       // 简单超文本框
};

struct ControlModel {
    Control control;
    ControlKind kind;
    std::optional<Control> parent;  // none: the main window
    // Relative to the parent's client area (the inside of a parent group box).
    QRect place;
};

// The main window's outer size, frame and caption included.
inline constexpr QSize kOuterSize{555, 450};
// The closed 延时组合框 and its open list together.
inline constexpr int kDelayBoxWithListHeight = 160;
// Character heights in pixels of the 宋体 texts.
inline constexpr int kButtonFontPixels = 14;
inline constexpr int kDomainLabelFontPixels = 20;
inline constexpr int kDelayLabelFontPixels = 14;

// In the order of the window model; the first lies on top of those after it.
const std::vector<ControlModel>& window_model();

// The control's model name, its widget's objectName.
QString control_name(Control control);

}  // namespace zerlith
