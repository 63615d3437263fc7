#pragma once
// The Properties window's rules, without the window: it follows the main window's loads but
// fills its tabs only while it shows, shows the Text tab after a failed load, and otherwise keeps
// the tab the user chose, also across failed loads.

#include <string>

namespace lumetra {

class PropertiesModel {
  public:
    // The main window loaded a file (or failed to), named as the file system names it; true when
    // the window is to fill its tabs now, that is while it shows.
    bool Follow(std::string fileBytes, bool failed, bool shown);
    // The window opens: true when a load came while it was hidden.
    bool OpenRefreshes() const { return stale_; }
    // The tabs are filled: the tab to show, the Text tab after a failed load, else the chosen one.
    int Refreshed(int textTab);
    // The user chose a tab.
    void ChooseTab(int index) { chosenTab_ = index; }
    int ChosenTab() const { return chosenTab_; }
    bool Failed() const { return failed_; }
    // The followed file; a later refresh reads the same file even when the main window's
    // selection has moved on.
    const std::string& FileBytes() const { return fileBytes_; }

  private:
    std::string fileBytes_;
    bool failed_ = false;
    bool stale_ = false; // a load came while the window was hidden
    int chosenTab_ = 0;
};

} // namespace lumetra
