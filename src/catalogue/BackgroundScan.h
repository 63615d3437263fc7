#pragma once
// A catalogue scan on a thread of its own, for a window that must stay responsive: it starts at
// once, and the window takes the rows read so far whenever it likes (a timer), in file order.
// Cancelling (or destroying the scan) stops it after the files in hand.

#include "CatalogueScan.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace lumetra::catalogue {

class BackgroundScan {
  public:
    BackgroundScan(std::vector<RowRequest> files, unsigned jobs = 0);
    ~BackgroundScan();
    BackgroundScan(const BackgroundScan&) = delete;
    BackgroundScan& operator=(const BackgroundScan&) = delete;

    // The rows read since the last call, in file order.
    std::vector<CatalogueRow> TakeRows();
    std::size_t Total() const { return total_; }
    // True once every row has been read (and perhaps not yet taken), or the scan was cancelled.
    bool Finished() const { return finished_.load(); }
    void Cancel();

  private:
    const std::size_t total_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{false};
    std::mutex mutex_;
    std::vector<CatalogueRow> ready_;
    std::thread thread_;
};

} // namespace lumetra::catalogue
