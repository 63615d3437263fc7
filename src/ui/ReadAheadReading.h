#pragma once
// The main window's read-ahead (viewer/ReadAhead.h) on a pool thread: after a load, the next
// file of the list in the direction of the step is read when it is large enough to matter, one
// reading at a time; the load that selects it takes the reading, waiting for its end if need be.

#include "viewer/ReadAhead.h"

#include <QFuture>
#include <memory>
#include <string>

namespace lumetra {

class TFileListBox;
class ViewerModel;

class ReadAheadReading {
  public:
    ReadAheadReading() = default;
    ReadAheadReading(const ReadAheadReading&) = delete;
    ReadAheadReading& operator=(const ReadAheadReading&) = delete;
    // A reading still running ends on its own; nothing of the window is in its hands.
    ~ReadAheadReading() = default;

    // After a load of the list's selected file: reads the next one ahead.
    void ReadNext(const TFileListBox& files, const ViewerModel& viewer);
    // Before the selected file is loaded: offers the reading of it to the viewer, finished.
    void Offer(ViewerModel& viewer);

  private:
    std::shared_ptr<ReadAheadFile> ahead_;
    QFuture<void> reading_;
    int previousRow_ = -1;
};

} // namespace lumetra
