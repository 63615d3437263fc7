#pragma once

#include "DrawingSurface.h"

namespace lumetra {

// Holds a surface's lock for one scope, so that the lock is released on every exit, also when
// an error escapes the drawing.
class CanvasLock {
  public:
    explicit CanvasLock(DrawingSurface& canvas) : canvas_(canvas) { canvas_.Lock(); }
    ~CanvasLock() { canvas_.Unlock(); }
    CanvasLock(const CanvasLock&) = delete;
    CanvasLock& operator=(const CanvasLock&) = delete;

  private:
    DrawingSurface& canvas_;
};

} // namespace lumetra
