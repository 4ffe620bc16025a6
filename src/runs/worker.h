#pragma once
// Runs start on a plain thread of their own, which nothing waits for.

#include <functional>

namespace zerlith {

// Starts the work on a new detached thread and returns at once. A thread that cannot be
// started is ignored: the press then has no effect.
void start_worker(std::function<void()> work);

}  // namespace zerlith
