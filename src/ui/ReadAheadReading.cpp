#include "ReadAheadReading.h"

#include "FileBrowser.h"
#include "viewer/ViewerModel.h"

#include <QtConcurrent/QtConcurrentRun>
#include <filesystem>
#include <system_error>

namespace lumetra {

namespace {

bool WorthReadingAhead(const std::string& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return !error && size >= kReadAheadBytes;
}

} // namespace

void ReadAheadReading::ReadNext(const TFileListBox& files, const ViewerModel& viewer) {
    const int row = files.currentIndex().row();
    const std::optional<int> next = ReadAheadRow(previousRow_, row, files.count());
    previousRow_ = row;
    // One reading at a time: the pool also renders and reads the Properties window's text.
    if (!next || (ahead_ && !reading_.isFinished()))
        return;
    const std::string file = files.PathAt(*next);
    if (!WorthReadingAhead(file))
        return;
    ahead_ = viewer.ReadAheadOf(file);
    reading_ = QtConcurrent::run([ahead = ahead_] { ReadAhead(*ahead); });
}

void ReadAheadReading::Offer(ViewerModel& viewer) {
    if (!ahead_ || ahead_->file != viewer.SelectedFile())
        return;
    reading_.waitForFinished();
    viewer.OfferReadAhead(std::move(ahead_));
    ahead_.reset();
}

} // namespace lumetra
