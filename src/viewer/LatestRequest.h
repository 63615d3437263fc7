#pragma once
// Work handed to another thread answers later, and by then the user may have moved on to another
// file. Each request is numbered and remembers the file it was for: an answer is taken only when
// it answers the latest request and that file is still the one selected; an answer for an older
// request or another file is dropped, so a window never shows a result for a selection it has
// left. No Qt: the windows keep one per kind of background work.

#include <cstdint>
#include <string>

namespace lumetra {

class LatestRequest {
  public:
    // A request for `file` begins: its number. Any request before it is no longer wanted.
    std::uint64_t Begin(std::string file);
    // The request in hand is no longer wanted (the picture it was for was cleared, say).
    void Drop() { pending_ = false; }
    // A request is waiting for its answer.
    bool Pending() const { return pending_; }
    // `request` is the one waiting for its answer.
    bool IsLatest(std::uint64_t request) const { return pending_ && request == latest_; }
    // True once, for the answer to the latest request while its file is still `selectedFile`;
    // the request is then answered. False for any other answer, which is to be dropped.
    bool Accept(std::uint64_t request, const std::string& selectedFile);

  private:
    std::uint64_t latest_ = 0;
    std::string file_;
    bool pending_ = false;
};

} // namespace lumetra
