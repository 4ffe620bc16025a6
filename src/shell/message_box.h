#pragma once
// The message box of the system: owned by no window, style 0 is one OK button and no icon.

#include <functional>

#include "lookups/text.h"

namespace zerlith {

class UiThread;

// Shows the box and returns when it is dismissed; OK, Esc and the close button give 0.
// Called on the user-interface thread the box is application-modal. Called from a worker
// the box is shown without modality and only that worker waits, so the main window stays
// usable and several boxes can be up at once. Styles other than 0 are shown as style 0.
// From a worker after `ui` is closed nothing is shown and -1 is returned at once.
int show_message_box(UiThread& ui, const Text& text, int style, const Text& title);

// What a box would have shown, for tests.
struct MessageBoxRequest {
    Text text;
    int style = 0;
    Text title;
    bool from_ui_thread = false;
};
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// While a hook is set, no box appears: every call goes to the hook, on the calling thread,
// and returns its answer. Set it before any worker starts showing boxes; an empty hook
// shows real boxes again.
void set_message_box_hook(MessageBoxHook hook);

}  // namespace zerlith
