#pragma once
// Batch work over many items (files of a folder, rows of a catalogue) on several threads, with
// the results handed back in item order. RunOrdered(count, work, consume, options) calls
// work(i) for every i in [0, count) on `jobs` threads (default: every core) and consume(i, result)
// on the calling thread, strictly in the order 0, 1, 2, ..., so whatever the consumer writes is
// the same for any number of jobs. Memory stays bounded: workers run at most `window` items ahead
// of the consumer, so at most window + 1 results are held and a slow item holds up the others by
// at most the window. An exception thrown by work(i) reaches the caller when item i's turn comes
// (the first failing item in order, whatever the timing), one thrown by the consumer at once;
// either stops the remaining work. A cancel flag set from anywhere stops the run after the items in
// hand. The threading lives in OrderedJobs.cpp behind a small slot interface; this header only
// adapts typed results to it. No Qt, so the CLI, the windows and the benchmarks share it.

#include <atomic>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace lumetra::batch {

struct JobOptions {
    unsigned jobs = 0;                         // threads; 0 = every core
    std::size_t window = 0;                    // items in flight at most; 0 = 16 per job
    const std::atomic<bool>* cancel = nullptr; // when set to true, no further item starts
};

// The number of cores, at least 1.
unsigned DefaultJobs();

namespace detail {

// What the threading needs from the typed adapter: fill a slot, empty it, hand it over.
class SlotWork {
  public:
    virtual ~SlotWork() = default;
    virtual void Produce(std::size_t index, std::size_t slot) = 0; // on a worker
    virtual void Take(std::size_t slot) = 0;                       // on the caller, under no lock
    virtual void Deliver(std::size_t index) = 0;                   // on the caller, slot freed
};

std::size_t WindowFor(const JobOptions& options, std::size_t count);
std::size_t RunSlots(std::size_t count, std::size_t window, const JobOptions& options,
                     SlotWork& work);

template <typename Result, typename Work, typename Consume>
class TypedSlots final : public SlotWork {
  public:
    TypedSlots(std::size_t window, Work& work, Consume& consume)
        : slots_(window), work_(work), consume_(consume) {}
    void Produce(std::size_t index, std::size_t slot) override {
        slots_[slot].emplace(work_(index));
    }
    void Take(std::size_t slot) override {
        current_.emplace(std::move(*slots_[slot]));
        slots_[slot].reset();
    }
    void Deliver(std::size_t index) override {
        consume_(index, std::move(*current_));
        current_.reset();
    }

  private:
    std::vector<std::optional<Result>> slots_;
    std::optional<Result> current_;
    Work& work_;
    Consume& consume_;
};

} // namespace detail

// Runs work(i) for i in [0, count) and consume(i, std::move(result)) in order of i on the calling
// thread. Returns the number of items consumed: count, or fewer when cancelled.
template <typename Work, typename Consume>
std::size_t RunOrdered(std::size_t count, Work work, Consume consume, JobOptions options = {}) {
    using Result = std::decay_t<std::invoke_result_t<Work&, std::size_t>>;
    const std::size_t window = detail::WindowFor(options, count);
    detail::TypedSlots<Result, Work, Consume> typed(window, work, consume);
    return detail::RunSlots(count, window, options, typed);
}

} // namespace lumetra::batch
