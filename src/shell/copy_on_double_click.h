#pragma once
// The double-click handler of pr编辑框 and 多行域名编辑框: the box's whole text onto the
// clipboard, then a message saying whether it went there. Knows nothing of the toolkit.

#include "shell/view_operations.h"

namespace zerlith {

void copy_on_double_click(ViewOperations& view, Control box);

}  // namespace zerlith
