#pragma once
// Which files the Compare window compares: the pinned files, the reference first, then the file
// selected in the main window unless it is pinned itself; at most kMaxComparedFiles. Pinning a
// pinned file unpins it; when the pins are full, a new pin takes the place of the last one, so the
// reference stays. A list handed over whole (the catalogue's rows) is pinned as it is and shown
// without the selection until the selection changes.

#include <cstddef>
#include <string>
#include <vector>

namespace lumetra::compare {

class CompareSelection {
  public:
    // Pins the file, or unpins it when pinned; returns whether it is pinned now.
    bool TogglePin(const std::string& file);
    // Exactly these files (at most kMaxComparedFiles), all pinned; the selection is set aside.
    void PinOnly(const std::vector<std::string>& files);
    void ClearPins();
    // The main window selected a file (empty: none).
    void Select(const std::string& file);

    bool IsPinned(const std::string& file) const;
    const std::vector<std::string>& Pins() const { return pins_; }
    // The files compared, the reference first.
    std::vector<std::string> Files() const;
    // Two or more files to compare.
    bool CanCompare() const { return Files().size() >= 2; }

  private:
    std::vector<std::string> pins_;
    std::string selected_;
};

} // namespace lumetra::compare
