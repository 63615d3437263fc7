#pragma once
// A drawing surface that keeps nothing but checks every call as it comes: locks balanced,
// coordinates within what any real surface can take, sane pens and fonts, short texts. Keeping
// no log lets a fuzz target draw planes of any length without memory growing with them.

#include "FuzzCheck.h"
#include "gonio/DrawingSurface.h"

#include <cstdlib>
#include <string>

namespace lumetra::fuzz {

class CheckingSurface : public DrawingSurface {
  public:
    // Farther than the goniogram ever places a point (it pulls points in to 2^20 pixels from the
    // origin, plus the centre of the area).
    static constexpr int kFarthest = 1 << 22;
    static constexpr std::size_t kLongestText = 256;

    long calls = 0;
    int lockDepth = 0;
    // Set while a drawing that must hold the lock is running.
    bool lockRequired = false;

    void Rectangle(int l, int t, int r, int b) override { CheckBox(l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { CheckBox(l, t, r, b); }
    void MoveTo(int x, int y) override { CheckPoint(x, y); }
    void LineTo(int x, int y) override {
        CheckPoint(x, y);
        FUZZ_CHECK(pen.width >= 1 && pen.width <= 16, "curve pens are thin");
    }
    void TextOut(int x, int y, const std::string& text) override {
        CheckPoint(x, y);
        FUZZ_CHECK(!text.empty() && text.size() <= kLongestText, "texts are short numbers");
        FUZZ_CHECK(font.height != 0 && std::abs(font.height) <= kFarthest, "font height is sane");
    }
    void Lock() override { ++lockDepth; }
    void Unlock() override {
        FUZZ_CHECK(lockDepth > 0, "unlock only what was locked");
        --lockDepth;
    }

  private:
    void CheckPoint(int x, int y) {
        ++calls;
        FUZZ_CHECK(std::abs(x) <= kFarthest && std::abs(y) <= kFarthest, "coordinates bounded");
        FUZZ_CHECK(!lockRequired || lockDepth > 0, "drawing holds the lock");
    }
    void CheckBox(int l, int t, int r, int b) {
        CheckPoint(l, t);
        CheckPoint(r, b);
    }
};

} // namespace lumetra::fuzz
