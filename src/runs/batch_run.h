#pragma once
// The batch run: every line of the saved domain list into 多行编辑框.

#include <chrono>
#include <functional>

#include "shell/persisted_state.h"
#include "shell/view_operations.h"

namespace zerlith {

using Pause = std::function<void(std::chrono::milliseconds)>;

// The run itself, on the calling thread. `pause` sleeps; it is asked for every positive
// delay, after every line.
void batch_run(ViewOperations& view, PersistedState& state, const Pause& pause);

// Sleeps on the calling thread.
void sleep_pause(std::chrono::milliseconds delay);

}  // namespace zerlith
