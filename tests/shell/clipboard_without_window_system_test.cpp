// Without a GUI application there is no clipboard to set.
#include <gtest/gtest.h>

#include "shell/clipboard.h"

namespace zerlith {
namespace {

TEST(ClipboardWithoutWindowSystemTest, SettingFails) {
    EXPECT_FALSE(set_clipboard_text("abc"));
}

}  // namespace
}  // namespace zerlith
