#pragma once
// The "Text Encoding" menu, as text editors have it: "Automatic" (the guess) and the encodings
// photometric files are written in, the one in use checked. The description's context menu and
// the Properties window show the same menu for the loaded file.

#include <QMenu>
#include <functional>
#include <string>

namespace lumetra {

class EncodingMenu : public QMenu {
    Q_OBJECT
  public:
    // chosen receives the iconv name of the entry picked, "" for Automatic.
    EncodingMenu(std::function<void(const std::string&)> chosen, QWidget* parent = nullptr);

    // Checks the entry of the encoding in use ("" for Automatic); guessed names what the guess
    // reads the header as, shown beside Automatic.
    void ShowChoice(const std::string& encoding, const std::string& guessed);

  private:
    QAction* automatic_;
};

} // namespace lumetra
