#pragma once
// The program's modal message box: one OK button, captioned with the application title.

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace lumetra {

inline const char* const kApplicationTitle = "Lumetra";

void ShowMessage(QWidget* parent, const QString& text);

// Makes the box at least as wide as its title bar needs to show the whole caption.
void WidenForCaption(QMessageBox& box);

// The error report: the error's text with a full stop added when it does not end in one.
void ShowError(QWidget* parent, const QString& text);

// Runs a user-interface handler; an error that escapes it is reported and the event loop goes on.
template <typename Handler> void Guarded(QWidget* parent, Handler&& handler);

// Tests see message boxes through this hook instead of a blocking modal box.
using MessageBoxHook = std::function<void(const QString& text)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace lumetra

#include <exception>

namespace lumetra {

void ReportException(QWidget* parent, const std::exception& error);

template <typename Handler> void Guarded(QWidget* parent, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportException(parent, error);
    }
}

} // namespace lumetra
