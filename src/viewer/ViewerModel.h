#pragma once
// src/viewer: the rules of the two windows, with no widgets and no Qt.
//   ViewerModel    the selected file and what its load left, the plane selector, the fit,
//                  orthogonal and automatic-update toggles, the render window's controls, the
//                  change tracking (last drawn and last rendered plane and file, render pending)
//                  and every decision the windows act on: what a load shows, when the goniogram
//                  is redrawn, when a render is due, the Render button's rule and its decision,
//                  the wheel steps. It works in place on a ProgramData that main() builds (tests
//                  build their own).
//   PropertiesModel  the Properties window's rules: which load it follows, when it fills its
//                  tabs, which tab it shows
//   WheelNotches   wheel messages counted as whole notches of the vertical wheel
//   PathToOpen     what a file or folder handed over from outside opens
// A window handler reads its event, asks the model and shows what the model returns; a widget's
// signal reaches the model through a setter. Only this folder writes the ProgramData. The model
// uses the core (data, eulumdat, gonio, render: the bars' ranges and the goniogram's view live
// there) and the standard library; src/ui uses it, lumetra-cli does not.

#include "EncodingChoices.h"
#include "FileStamp.h"
#include "ReadAhead.h"
#include "data/Notifier.h"
#include "data/ProgramData.h"
#include "gonio/Goniogram.h"
#include "render/RenderBars.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace lumetra {

// Modifier set of a wheel or mouse event: Shift 1, Alt 2, Ctrl 4, left 8, right 16, middle 32.
enum ShiftStateBits {
    kShiftKey = 1,
    kAltKey = 2,
    kCtrlKey = 4,
    kLeftButton = 8,
    kRightButton = 16,
    kMiddleButton = 32
};

// The plane selector as it is to be shown. Its minimum is always 0.
struct PlaneSelector {
    int position = 0;
    int maximum = 0;
    bool enabled = false;
    bool visible = true;
    bool captionShown = true; // "axially symmetric" in the place of a hidden selector
};

// What the main window does for the Render button, a switch of automatic update or a Shift-wheel
// step.
enum class RenderAction {
    AskForFile,   // nothing selected: "Please select file"
    ShowWindow,   // open the render window, which renders as it shows
    BringToFront, // the picture is current: the render window only comes to the front
    Render,       // render, then the main window takes the front and its focus back
};

class ViewerModel {
  public:
    // Works on the data in place; the data must outlive the model.
    explicit ViewerModel(ProgramData& data) : data_(data) {}

    // The main window's creation: nothing read, drawn or rendered yet, selector disabled at 0.
    void Start();

    // The main window closes: the file's lines are released before the settings are written.
    void ReleaseFileLines() {
        data_.FileLines = TextLines();
        ++loadCount_;
    }

    // The three toggles and the render window, as the windows show them.
    void SetFit(bool down) { fit_ = down; }
    void SetOrtho(bool down) { ortho_ = down; }
    void SetAutoUpdate(bool down) { autoUpdate_ = down; }
    void SetRenderWindowVisible(bool shown) { renderWindowVisible_ = shown; }
    bool Fit() const { return fit_; }
    bool Ortho() const { return ortho_; }
    bool AutoUpdate() const { return autoUpdate_; }
    bool RenderWindowVisible() const { return renderWindowVisible_; }

    // The render window's controls. A bar's position, whoever sets it, marks a render pending.
    void SetBrightness(int position);
    void SetZoom(int position);
    void SetRadiosity(bool checked) { controls_.radiosity = checked; }
    const RenderControls& Controls() const { return controls_; }

    // The Render-button rule: enabled unless automatic update is on while the render window
    // shows.
    bool RenderButtonEnabled() const { return !(autoUpdate_ && renderWindowVisible_); }

    // A new selection (the full file name, empty for none): the selector disabled at 0.
    const PlaneSelector& BeginSelection(std::string fileName);
    // A read-ahead of that file (see ReadAhead.h), starting from a copy of the data as they are.
    std::shared_ptr<ReadAheadFile> ReadAheadOf(std::string file) const;
    // The next load takes what was read ahead (read through) instead of reading the file, when
    // that is exactly what reading it would leave; otherwise it reads the file as ever.
    void OfferReadAhead(std::shared_ptr<ReadAheadFile> ahead) { offered_ = std::move(ahead); }
    // Loads the selected file when it exists and sets the selector up for it; returns whether it
    // was found. Throws LumetraError when the file cannot be read, leaving the selector disabled.
    // A selected file that is gone or cannot be read leaves nothing loaded: no other file's data
    // may show under its name.
    bool LoadSelection(const Notifier& notify);
    // A file was selected but no longer exists: the file list is out of date.
    bool SelectionMissing() const { return !selected_.empty() && nothingLoaded_ && !loadFailed_; }
    // The selected file is not what was read: its size or modification time changed, or it is
    // gone.
    bool SelectedFileChanged() const;
    // Nothing is loaded since a selected file was missing or failed to load.
    bool NothingLoaded() const { return nothingLoaded_; }
    // After a load: a render is due when the file was found, the render window shows and
    // automatic update is on.
    bool AutoRenderDue(bool found) const;
    const std::string& SelectedFile() const { return selected_; }
    // What the last load said: the reader's message or the error that ended it; empty if none.
    const Message& LoadMessage() const { return loadMessage_; }
    // The six-line description of the header in memory as UTF-8 text (header bytes in another
    // encoding decoded for reading), lines ended by carriage returns; empty while nothing is
    // loaded.
    std::string Description() const;
    // The same with its captions as `wording` gives them (BuildDescription).
    std::string Description(std::string (*wording)(const Message& text)) const;
    // The header's lines decoded for reading: in the encoding a person chose for the selected
    // file, else as guessed.
    TextLines ReadableHeader() const;
    // The encoding chosen for the selected file ("" for the guess), and what the guess reads the
    // header as.
    const std::string& HeaderEncoding() const { return encodings_.For(selected_); }
    std::string GuessedEncoding() const;
    // Chooses the header's encoding for the selected file, remembered per file ("" guesses).
    void ChooseHeaderEncoding(const std::string& encoding) {
        encodings_.Choose(selected_, encoding);
    }
    // Every file's choice, as the settings keep them.
    EncodingChoices& Encodings() { return encodings_; }

    const PlaneSelector& Selector() const { return selector_; }
    int Plane() const { return selector_.position; }
    // The selector moved: true when the goniogram is to be redrawn for the new position.
    bool MovePlane(int position);
    // The goniogram now shows this plane.
    void PlaneDrawn(int position) { lastDrawnDegree_ = position; }
    // The selector's key or left-button release renders when automatic update is on, the render
    // window shows and the plane was not the last rendered.
    bool ReleaseRenders() const;
    // A Shift-wheel step of one plane (+1 toward the user, -1 away): the new position, or none.
    std::optional<int> WheelStep(int shiftState, int step) const;
    // The wheel turned with the middle button alone held says "Click!".
    static bool WheelSaysClick(int shiftState) { return shiftState == kMiddleButton; }
    // The decision of the Render button, a switch of automatic update and a Shift-wheel step.
    RenderAction RenderRequest() const;

    // The paint area draws curves only while a file is selected.
    bool DrawsCurves() const { return !selected_.empty() && !nothingLoaded_; }
    // The fit toggle changed: recomputes the global peak when fit went up; true to redraw.
    bool FitChanged();
    // The orthogonal toggle redraws only at plane 0 of a file with several planes.
    bool OrthoChangeRedraws() const;
    GonioView View(std::string decimalSeparator) const;
    // The goniogram's menu saves and copies only while a loaded file is selected.
    bool GoniogramShown() const;

    // A render pass has something to render: angles, and candela values at the plane.
    bool CanRender() const;
    // The start of a pass: records plane and file as last rendered, clears the pending mark, and
    // returns what the pass computes with the controls.
    RenderSettings StartRender();
    // A bar moved since the last render pass.
    bool RenderPending() const { return renderPending_; }
    // The plane the goniogram was last drawn for.
    int LastDrawnDegree() const { return lastDrawnDegree_; }
    // The plane and the file of the last render pass.
    int LastRenderedDegree() const { return lastRenderedDegree_; }
    const std::string& LastRenderedFile() const { return lastRenderedFile_; }
    // The radiosity box renders only while the record holds a candela plane.
    bool HasCandela() const { return !data_.Photometry.Candela.empty(); }
    const tIES& Record() const { return data_.Photometry; }
    // Counts the loads (and the start and the close): the data change only with it.
    std::uint64_t LoadCount() const { return loadCount_; }
    const TextLines& HeaderLines() const { return data_.HeaderLines; }
    const TextLines& FileLines() const { return data_.FileLines; }
    bool ParseError() const { return data_.ParseError; }
    // The peak the curves are scaled to.
    long double GlobalMaxCandela() const { return data_.GlobalMaxCandela; }
    // What the loaded file says about its luminaire.
    const LuminaireFacts& Facts() const;

  private:
    // ahead: a read-ahead fit to take, or null.
    bool LoadSelectedFile(const Notifier& notify, ReadAheadFile* ahead);
    bool TakeReadAhead(ReadAheadFile& ahead);
    void ForgetLoadedFile(bool failed);
    bool LoadRemembered(const Notifier& notify);

    ProgramData& data_;
    std::uint64_t loadCount_ = 0;
    std::shared_ptr<ReadAheadFile> offered_;
    std::string selected_;
    Message loadMessage_;
    std::optional<FileStamp> loadedStamp_; // of the selected file, taken as it was read
    EncodingChoices encodings_;
    bool nothingLoaded_ = false;
    bool loadFailed_ = false;
    PlaneSelector selector_;
    bool fit_ = false;
    bool ortho_ = false;
    bool autoUpdate_ = false;
    bool renderWindowVisible_ = false;
    RenderControls controls_;
    int lastDrawnDegree_ = 0;
    int lastRenderedDegree_ = 0;
    std::string lastRenderedFile_;
    bool renderPending_ = false;
};

} // namespace lumetra
