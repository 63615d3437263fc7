#pragma once

#include <QApplication>

namespace lumetra {

// The program's name and version, as the title, "--version" and the session see them.
void NameApplication();

class WindowSettings;

// Installs the translations of the language the settings or the locale choose.
void SpeakChosenLanguage(WindowSettings& settings);

// The application object: its default error handling reports any error that escapes an event
// handler in a message box and lets the event loop go on.
class LumetraApplication : public QApplication {
  public:
    LumetraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lumetra
