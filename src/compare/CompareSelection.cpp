#include "CompareSelection.h"

#include "Comparison.h"

#include <algorithm>

namespace lumetra::compare {

bool CompareSelection::TogglePin(const std::string& file) {
    if (file.empty())
        return false;
    const auto pinned = std::find(pins_.begin(), pins_.end(), file);
    if (pinned != pins_.end()) {
        pins_.erase(pinned);
        return false;
    }
    if (pins_.size() + 1 >= kMaxComparedFiles)
        pins_.pop_back(); // room for the selection beside the pins; the reference stays
    pins_.push_back(file);
    return true;
}

void CompareSelection::PinOnly(const std::vector<std::string>& files) {
    pins_.clear();
    for (const std::string& file : files)
        if (!file.empty() && !IsPinned(file) && pins_.size() < kMaxComparedFiles)
            pins_.push_back(file);
    selected_.clear();
}

void CompareSelection::ClearPins() {
    pins_.clear();
}

void CompareSelection::Select(const std::string& file) {
    selected_ = file;
}

bool CompareSelection::IsPinned(const std::string& file) const {
    return std::find(pins_.begin(), pins_.end(), file) != pins_.end();
}

std::vector<std::string> CompareSelection::Files() const {
    std::vector<std::string> files = pins_;
    if (!selected_.empty() && !IsPinned(selected_) && files.size() < kMaxComparedFiles)
        files.push_back(selected_);
    return files;
}

} // namespace lumetra::compare
