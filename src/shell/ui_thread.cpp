#include "shell/ui_thread.h"

#include <QMetaObject>
#include <QThread>

#include <utility>

namespace zerlith {

UiThread::UiThread(QObject* parent) : QObject(parent) {}

UiThread::~UiThread() {
    close();
}

bool UiThread::is_current() const {
    return QThread::currentThread() == thread();
}

bool UiThread::run(std::function<void()> operation) {
    if (is_current()) {
        operation();
        return true;
    }
    std::future<bool> ran;
    {
        const std::lock_guard lock(mutex_);
        if (closed_)
            return false;
        queue_.push_back({std::move(operation), {}});
        ran = queue_.back().ran.get_future();
        // Posted under the lock: close() takes the same lock, so once it has returned no
        // worker posts to this object any more and it may be destroyed. The string form
        // keeps the posted call object entirely inside Qt.
        QMetaObject::invokeMethod(this, "drain", Qt::QueuedConnection);
    }
    return ran.get();
}

void UiThread::drain() {
    // One at a time, so that an operation which enters a nested event loop lets the
    // operations queued behind it run there.
    while (true) {
        Pending next;
        {
            const std::lock_guard lock(mutex_);
            if (closed_ || queue_.empty())
                return;
            next = std::move(queue_.front());
            queue_.pop_front();
        }
        next.operation();
        next.ran.set_value(true);
    }
}

void UiThread::close() {
    std::deque<Pending> dropped;
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        dropped.swap(queue_);
    }
    for (Pending& pending : dropped)
        pending.ran.set_value(false);
}

}  // namespace zerlith
