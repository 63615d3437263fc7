#include "LatestRequest.h"

#include <utility>

namespace lumetra {

std::uint64_t LatestRequest::Begin(std::string file) {
    file_ = std::move(file);
    pending_ = true;
    return ++latest_;
}

bool LatestRequest::Accept(std::uint64_t request, const std::string& selectedFile) {
    const bool wanted = pending_ && request == latest_ && selectedFile == file_;
    if (request == latest_)
        pending_ = false; // answered, taken or not
    return wanted;
}

} // namespace lumetra
