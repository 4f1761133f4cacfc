#pragma once

#include <atomic>

// How far a long piece of work has come and whether the user asked it to stop; the thread
// doing the work writes it, the interface reads it.
class WorkProgress {
public:
    void setTotal(int total) { total_ = total; }
    // One more step done; false when the work should stop.
    bool advance() {
        done_.fetch_add(1, std::memory_order_relaxed);
        return !cancelled();
    }
    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }
    int done() const { return done_; }
    int total() const { return total_; }

private:
    std::atomic<int> done_{0};
    std::atomic<int> total_{0};
    std::atomic<bool> cancelled_{false};
};
