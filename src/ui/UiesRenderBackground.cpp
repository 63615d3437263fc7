// The render window's passes on a thread of the pool. Automatic update renders at every file
// selection; done on the window's thread, a large file's pass would hold up the next step. The
// record is copied for the pass, so the next load may replace it meanwhile; the answer comes back
// through a future watcher on the window's thread, where only the latest pass for the selected
// file is shown. A pass's rows are not reported: the picture's size is fixed, so a pass takes a
// few milliseconds whatever the file, and repainting the main window's bar at every report would
// cost the window's thread more than the pass.

#include "GuardedConnect.h"
#include "UiesRender.h"
#include "render/LightPattern.h"
#include "surface/LightPatternPicture.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QScopeGuard>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace lumetra {

namespace {

void RenderOnPoolThread(QPromise<RenderedPicture>& promise, const tIES& record,
                        const RenderSettings& settings) {
    RenderedPicture result;
    result.plane = settings.plane;
    try {
        LightPatternGrid grid;
        RenderLightPattern(record, settings, nullptr, grid);
        result.picture = PictureOf(grid).convertToFormat(QImage::Format_RGB32);
    } catch (...) {
        result.error = std::current_exception();
    }
    promise.addResult(std::move(result));
}

} // namespace

void TRenderWindow::RenderInBackground() {
    if (!viewer_.CanRender())
        return;
    const RenderSettings settings = viewer_.StartRender();
    ++renderCount_;
    const std::uint64_t pass = background_.Begin(viewer_.SelectedFile());
    passStart_ = std::chrono::steady_clock::now();
    emit renderStarted();
    WatchBackgroundPass(pass, QtConcurrent::run(RenderOnPoolThread, viewer_.Record(), settings));
}

void TRenderWindow::WatchBackgroundPass(std::uint64_t pass,
                                        const QFuture<RenderedPicture>& future) {
    auto* watch = new QFutureWatcher<RenderedPicture>(this);
    connect(watch, &QFutureWatcherBase::finished, this, [this, watch, pass] {
        watch->deleteLater();
        Guarded(this, [&] { BackgroundPassEnded(pass, watch->result()); });
    });
    watch->setFuture(future);
}

// Only a completed pass for the selected file replaces the picture; an error is reported as a
// pass in the foreground reports it. The latest pass ends in the main window either way.
void TRenderWindow::BackgroundPassEnded(std::uint64_t pass, const RenderedPicture& result) {
    const bool latest = background_.IsLatest(pass);
    const auto finished = qScopeGuard([this, latest] {
        if (latest)
            EndBackgroundPass();
    });
    if (!background_.Accept(pass, viewer_.SelectedFile()))
        return;
    if (result.error)
        std::rethrow_exception(result.error);
    Image1->SetPicture(result.picture);
    DescribePicture(result.plane);
}

void TRenderWindow::EndBackgroundPass() {
    emit renderFinished(RenderTimeText(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - passStart_)));
}

void TRenderWindow::ClearPicture() {
    if (background_.Pending()) {
        background_.Drop();
        EndBackgroundPass();
    }
    Image1->SetPicture({});
}

} // namespace lumetra
