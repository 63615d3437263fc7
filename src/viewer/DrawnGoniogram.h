#pragma once
// What the goniogram's image holds. The handlers draw the goniogram at once, outside a paint
// event, and every paint event would draw it again before showing the image; stepping from file
// to file drew it twice. The paint area notes here what it drew on which image, and a paint
// event that would draw the very picture the image already holds only shows it. No Qt.

#include "gonio/Goniogram.h"

#include <cstdint>
#include <optional>

namespace lumetra {

// What a picture with curves shows: the image drawn on, the record (by the viewer model's load
// count) and the view.
struct GoniogramScene {
    std::uint64_t image = 0; // which image: a new one (resized, another density) starts blank
    std::uint64_t load = 0;  // ViewerModel::LoadCount() when drawn
    GonioView view;
    bool operator==(const GoniogramScene&) const = default;
};

class DrawnGoniogram {
  public:
    // The image was cleared and the bare grid drawn (the grid depends on the image alone).
    void GridDrawn(std::uint64_t image);
    // Curves were drawn: over the bare grid of the same image they make the scene's picture;
    // over anything else, a picture no paint event draws.
    void CurvesDrawn(const GoniogramScene& scene);
    // The image holds what a paint event draws: the bare grid, with the scene's curves over it
    // when `curves`.
    bool Holds(const GoniogramScene& scene, bool curves) const;
    // Drawn elsewhere or unknown: the next paint event draws.
    void Forget();

  private:
    std::optional<std::uint64_t> bareGrid_;
    std::optional<GoniogramScene> withCurves_;
};

} // namespace lumetra
