#include "ViewerModel.h"

#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "eulumdat/PhotometryFile.h"
#include "gonio/GoniogramView.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

namespace lumetra {

void ViewerModel::Start() {
    ++loadCount_;
    lastRenderedFile_.clear();
    selector_ = PlaneSelector{};
    lastDrawnDegree_ = selector_.position;
    lastRenderedDegree_ = selector_.position;
    data_.FileLines.clear();
    data_.HeaderLines.clear();
}

void ViewerModel::SetBrightness(int position) {
    controls_.brightness = position;
    renderPending_ = true;
}

void ViewerModel::SetZoom(int position) {
    controls_.zoom = position;
    renderPending_ = true;
}

const PlaneSelector& ViewerModel::BeginSelection(std::string fileName) {
    selected_ = std::move(fileName);
    selector_.enabled = false;
    selector_.position = 0;
    return selector_;
}

bool ViewerModel::LoadSelection(const Notifier& notify) {
    std::shared_ptr<ReadAheadFile> ahead = std::move(offered_);
    offered_.reset();
    // Read from the data as they are now, through, and of this file: what a read would leave.
    if (ahead && !(ahead->clean && ahead->startLoad == loadCount_ && ahead->file == selected_))
        ahead.reset();
    ++loadCount_; // whatever the outcome, the record may have changed
    try {
        const bool found = LoadSelectedFile(notify, ahead.get());
        if (!found && !selected_.empty())
            ForgetLoadedFile(false);
        return found;
    } catch (...) {
        ForgetLoadedFile(true);
        throw;
    }
}

bool ViewerModel::LoadSelectedFile(const Notifier& notify, ReadAheadFile* ahead) {
    // Taken before the read, so a change while reading shows as a change next time.
    loadedStamp_ = StampOf(selected_);
    const bool found = FileExistsChecked(selected_);
    if (found) {
        loadMessage_ = Message();
        const bool readAhead = ahead && ahead->stamp && ahead->stamp == loadedStamp_;
        data_.ParseError = readAhead ? TakeReadAhead(*ahead) : LoadRemembered(notify);
        nothingLoaded_ = false;
        loadFailed_ = false;
        const int lastPlane = static_cast<int>(data_.Photometry.HorizontalAngles.size()) - 1;
        // The selector refuses a maximum below its minimum: it keeps the one it had.
        if (lastPlane >= 0)
            selector_.maximum = lastPlane;
        selector_.enabled = lastPlane >= 0;
        // While fit is down the load keeps the peak the curves were scaled to.
        if (!fit_)
            FindPeakOfAllPlanes(data_.Photometry, data_.GlobalMaxCandela);
    }
    selector_.visible = data_.Photometry.HorizontalAngles.size() >= 2;
    selector_.captionShown = !nothingLoaded_;
    return found;
}

// The file as it was read ahead: the same data a read leaves, moved in.
bool ViewerModel::TakeReadAhead(ReadAheadFile& ahead) {
    data_.Photometry = std::move(ahead.record);
    data_.FileLines = std::move(ahead.fileLines);
    data_.HeaderLines = std::move(ahead.headerLines);
    data_.Luminaire = ahead.facts;
    return ahead.parseError;
}

std::shared_ptr<ReadAheadFile> ViewerModel::ReadAheadOf(std::string file) const {
    auto ahead = std::make_shared<ReadAheadFile>();
    ahead->file = std::move(file);
    ahead->startLoad = loadCount_;
    ahead->record = data_.Photometry;
    ahead->fileLines = data_.FileLines;
    ahead->headerLines = data_.HeaderLines;
    ahead->facts = data_.Luminaire;
    return ahead;
}

// The load keeps what it says for the windows that show the file afterwards.
bool ViewerModel::LoadRemembered(const Notifier& notify) {
    const Notifier remember = [this, &notify](const Message& message) {
        loadMessage_ = message;
        if (notify)
            notify(message);
    };
    try {
        return LoadPhotometryFile(selected_, data_.Photometry, data_.FileLines, data_.HeaderLines,
                                  remember, data_.Luminaire);
    } catch (const LumetraError& error) {
        loadMessage_ = error.message();
        throw;
    } catch (const std::exception& error) {
        loadMessage_ = Message::Verbatim(error.what());
        throw;
    }
}

const LuminaireFacts& ViewerModel::Facts() const {
    return data_.Luminaire;
}

void ViewerModel::ForgetLoadedFile(bool failed) {
    data_.Photometry = tIES{};
    data_.FileLines.clear();
    data_.HeaderLines.clear();
    data_.ParseError = false;
    nothingLoaded_ = true;
    loadFailed_ = failed;
    selector_.enabled = false;
    selector_.visible = false;
    selector_.captionShown = false;
}

bool ViewerModel::SelectedFileChanged() const {
    return !selected_.empty() && StampOf(selected_) != loadedStamp_;
}

bool ViewerModel::AutoRenderDue(bool found) const {
    return found && renderWindowVisible_ && autoUpdate_;
}

std::string ViewerModel::Description() const {
    if (nothingLoaded_)
        return {};
    return BuildDescription(HeaderText(ReadableHeader()));
}

std::string ViewerModel::Description(std::string (*wording)(const Message& text)) const {
    if (nothingLoaded_)
        return {};
    return BuildDescription(HeaderText(ReadableHeader()), wording);
}

TextLines ViewerModel::ReadableHeader() const {
    return DecodeReadableLines(data_.HeaderLines, HeaderEncoding()).lines;
}

std::string ViewerModel::GuessedEncoding() const {
    return DecodeReadableLines(data_.HeaderLines).encoding;
}

bool ViewerModel::MovePlane(int position) {
    selector_.position = position;
    return position != lastDrawnDegree_;
}

bool ViewerModel::ReleaseRenders() const {
    return renderWindowVisible_ && selector_.position != lastRenderedDegree_ && autoUpdate_;
}

std::optional<int> ViewerModel::WheelStep(int shiftState, int step) const {
    if (!selector_.enabled || shiftState != kShiftKey)
        return std::nullopt;
    const int position = selector_.position;
    if ((step > 0 && position >= selector_.maximum) || (step < 0 && position <= 0))
        return std::nullopt;
    return position + step;
}

RenderAction ViewerModel::RenderRequest() const {
    if (selected_.empty())
        return RenderAction::AskForFile;
    if (!renderWindowVisible_)
        return RenderAction::ShowWindow;
    if (selector_.position == lastRenderedDegree_ && selected_ == lastRenderedFile_)
        return RenderAction::BringToFront;
    return RenderAction::Render;
}

bool ViewerModel::FitChanged() {
    if (selected_.empty())
        return false;
    if (!fit_ && !data_.Photometry.Candela.empty())
        FindPeakOfAllPlanes(data_.Photometry, data_.GlobalMaxCandela);
    return true;
}

bool ViewerModel::OrthoChangeRedraws() const {
    return selector_.position == 0 && selector_.maximum > 0 && !selected_.empty();
}

GonioView ViewerModel::View(std::string decimalSeparator) const {
    return GoniogramView(selector_.position, fit_, ortho_, data_.GlobalMaxCandela,
                         std::move(decimalSeparator));
}

bool ViewerModel::GoniogramShown() const {
    return !selected_.empty() && !data_.Photometry.Candela.empty();
}

bool ViewerModel::CanRender() const {
    const int plane = selector_.position;
    const tIES& record = data_.Photometry;
    // A failed load can leave angle lists without candela planes: nothing to render then.
    return !record.VerticalAngles.empty() && !record.Candela.empty() && plane >= 0 &&
           plane < static_cast<int>(record.Candela.size()) &&
           plane < static_cast<int>(record.HorizontalAngles.size());
}

RenderSettings ViewerModel::StartRender() {
    lastRenderedDegree_ = selector_.position;
    lastRenderedFile_ = selected_;
    renderPending_ = false;
    return RenderSettingsOf(selector_.position, controls_);
}

} // namespace lumetra
