#pragma once
// The system clipboard, for plain text.

#include "lookups/text.h"

namespace zerlith {

// Replaces the clipboard's contents with the text, up to its first zero byte, as plain
// text (the GBK bytes become Unicode here). False when there is no clipboard to set (no
// window system) or it did not take the text. User-interface thread only.
bool set_clipboard_text(const Text& text);

}  // namespace zerlith
