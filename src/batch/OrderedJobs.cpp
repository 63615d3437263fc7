#include "OrderedJobs.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace lumetra::batch {

unsigned DefaultJobs() {
    return std::max(1U, std::thread::hardware_concurrency());
}

namespace detail {

namespace {

unsigned JobsFor(const JobOptions& options) {
    return options.jobs != 0 ? options.jobs : DefaultJobs();
}

bool Cancelled(const JobOptions& options) {
    return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

// One job: every item in turn on the calling thread, no threads started.
std::size_t RunInline(std::size_t count, const JobOptions& options, SlotWork& work) {
    for (std::size_t index = 0; index < count; ++index) {
        if (Cancelled(options))
            return index;
        work.Produce(index, 0);
        work.Take(0);
        work.Deliver(index);
    }
    return count;
}

// The shared state of a threaded run. Workers claim the next index while it lies within the
// window ahead of the consumer, fill its slot and mark it done; the consumer waits for the slot
// of the next index in order, empties it, frees it and hands the result over.
class ThreadedRun {
  public:
    ThreadedRun(std::size_t count, std::size_t window, const JobOptions& options, SlotWork& work)
        : count_(count), window_(window), options_(options), work_(work), done_(window),
          errors_(window) {}

    void Work() {
        std::unique_lock lock(mutex_);
        for (;;) {
            slotFreed_.wait(lock, [&] { return MayClaim(); });
            if (stop_ || nextClaim_ >= count_)
                return;
            if (Cancelled(options_))
                return StopLocked();
            const std::size_t index = nextClaim_++;
            lock.unlock();
            std::exception_ptr error;
            try {
                work_.Produce(index, index % window_);
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            errors_[index % window_] = error;
            done_[index % window_] = true;
            slotDone_.notify_all(); // the consumer waits for one particular slot
        }
    }

    std::size_t Consume() {
        for (std::size_t index = 0; index < count_; ++index) {
            const std::size_t slot = index % window_;
            if (!AwaitSlot(slot))
                return index;
            work_.Take(slot); // the slot is the consumer's until freed below
            {
                const std::lock_guard lock(mutex_);
                done_[slot] = false;
                ++nextConsume_;
            }
            slotFreed_.notify_one();
            work_.Deliver(index);
        }
        return count_;
    }

    void Stop() {
        const std::lock_guard lock(mutex_);
        StopLocked();
    }

  private:
    bool MayClaim() const {
        return stop_ || nextClaim_ >= count_ || nextClaim_ < nextConsume_ + window_ ||
               Cancelled(options_);
    }

    void StopLocked() {
        stop_ = true;
        slotDone_.notify_all();
        slotFreed_.notify_all();
    }

    // Waits until the slot is done; false when the run was cancelled. Rethrows the item's error.
    bool AwaitSlot(std::size_t slot) {
        std::unique_lock lock(mutex_);
        if (Cancelled(options_)) {
            StopLocked();
            return false;
        }
        slotDone_.wait(lock, [&] { return done_[slot] || stop_; });
        if (!done_[slot])
            return false;
        if (errors_[slot]) {
            StopLocked();
            std::rethrow_exception(errors_[slot]);
        }
        return true;
    }

    const std::size_t count_;
    const std::size_t window_;
    const JobOptions& options_;
    SlotWork& work_;
    std::mutex mutex_;
    std::condition_variable slotDone_;
    std::condition_variable slotFreed_;
    std::vector<bool> done_;
    std::vector<std::exception_ptr> errors_;
    std::size_t nextClaim_ = 0;
    std::size_t nextConsume_ = 0;
    bool stop_ = false;
};

// Stops the run before the threads are joined, whichever way the caller leaves.
struct StopOnExit {
    ThreadedRun& run;
    ~StopOnExit() { run.Stop(); }
};

} // namespace

std::size_t WindowFor(const JobOptions& options, std::size_t count) {
    const std::size_t wanted = options.window != 0 ? options.window : 16 * JobsFor(options);
    return std::clamp<std::size_t>(wanted, 1, std::max<std::size_t>(count, 1));
}

std::size_t RunSlots(std::size_t count, std::size_t window, const JobOptions& options,
                     SlotWork& work) {
    const std::size_t jobs = std::min<std::size_t>(JobsFor(options), count);
    if (jobs <= 1)
        return RunInline(count, options, work);
    ThreadedRun run(count, window, options, work);
    std::vector<std::jthread> threads; // joined after the stop below
    const StopOnExit stopper{run};
    threads.reserve(jobs);
    for (std::size_t j = 0; j < jobs; ++j)
        threads.emplace_back([&run] { run.Work(); });
    return run.Consume();
}

} // namespace detail

} // namespace lumetra::batch
