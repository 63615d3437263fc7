#pragma once
// The Properties window's rules, without the window: it follows the main window's loads but
// fills its tabs only while it shows, shows the Text tab after a failed load, and otherwise keeps
// the tab the user chose, also across failed loads. A load outdates every tab, but only the tab
// on show is filled at once: the others are filled when they are shown, so stepping from file to
// file never waits for a big table nobody looks at. The file's text is read off the window's
// thread; each reading is numbered, and only the answer to the latest is shown.

#include "LatestRequest.h"

#include <cstdint>
#include <string>

namespace lumetra {

class PropertiesModel {
  public:
    // The main window loaded a file (or failed to), named as the file system names it; true when
    // the window is to fill its tabs now, that is while it shows.
    bool Follow(std::string fileBytes, bool failed, bool shown);
    // The window opens: true when a load came while it was hidden.
    bool OpenRefreshes() const { return stale_; }
    // The tabs are outdated by a load: the tab to show, the Text tab after a failed load, else
    // the chosen one.
    int Refreshed(int textTab);
    // True once for an outdated tab (0..31), when it is to be filled; then it is up to date.
    bool TakeOutdated(int tab);
    // The user chose a tab.
    void ChooseTab(int index) { chosenTab_ = index; }
    int ChosenTab() const { return chosenTab_; }
    bool Failed() const { return failed_; }
    // The followed file; a later refresh reads the same file even when the main window's
    // selection has moved on.
    const std::string& FileBytes() const { return fileBytes_; }

    // A reading of the followed file's text begins: its number.
    std::uint64_t TextRequested() { return textReading_.Begin(fileBytes_); }
    // A reading answered: true when it is the latest for the followed file, false when a newer
    // load asked again (the answer is then dropped).
    bool TextAnswerTaken(std::uint64_t request) { return textReading_.Accept(request, fileBytes_); }

  private:
    std::string fileBytes_;
    bool failed_ = false;
    bool stale_ = false; // a load came while the window was hidden
    int chosenTab_ = 0;
    std::uint32_t outdatedTabs_ = 0; // one bit per tab
    LatestRequest textReading_;
};

} // namespace lumetra
