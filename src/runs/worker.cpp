#include "runs/worker.h"

#include <system_error>
#include <thread>

namespace zerlith {

void start_worker(std::function<void()> work) {
    try {
        std::thread(std::move(work)).detach();
    } catch (const std::system_error&) {
        // No thread could be had; nothing is reported.
    }
}

}  // namespace zerlith
