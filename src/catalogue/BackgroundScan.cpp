#include "BackgroundScan.h"

namespace lumetra::catalogue {

BackgroundScan::BackgroundScan(std::vector<RowRequest> files, unsigned jobs)
    : total_(files.size()) {
    thread_ = std::thread([this, files = std::move(files), jobs] {
        try {
            ScanCatalogue(files, {jobs, 0, &cancel_}, [this](CatalogueRow&& row) {
                const std::lock_guard lock(mutex_);
                ready_.push_back(std::move(row));
            });
        } catch (...) { // out of memory: the window shows what was read
        }
        finished_ = true;
    });
}

BackgroundScan::~BackgroundScan() {
    Cancel();
    thread_.join();
}

std::vector<CatalogueRow> BackgroundScan::TakeRows() {
    const std::lock_guard lock(mutex_);
    std::vector<CatalogueRow> rows;
    rows.swap(ready_);
    return rows;
}

void BackgroundScan::Cancel() {
    cancel_ = true;
}

} // namespace lumetra::catalogue
