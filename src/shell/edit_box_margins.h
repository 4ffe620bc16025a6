#pragma once
// The blank space between the edit box's frame and its text, in pixels.

namespace zerlith::edit_box {

constexpr int kLeftMargin = 2;
constexpr int kTopMargin = 1;

}  // namespace zerlith::edit_box
