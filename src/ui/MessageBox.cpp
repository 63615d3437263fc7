#include "MessageBox.h"

#include "ScreenCentredMessageBox.h"
#include "data/TextEncoding.h"

#include <QMessageBox>

namespace lumetra {

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

void ShowMessage(QWidget* parent, const QString& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    // Texts break lines with a bare carriage return; the box needs line feeds.
    QString shown = text;
    shown.replace("\r\n", "\n").replace('\r', '\n');
    ScreenCentredMessageBox box(QMessageBox::NoIcon, kApplicationTitle, shown, QMessageBox::Ok,
                                parent);
    box.exec();
}

void ShowError(QWidget* parent, const QString& text) {
    ShowMessage(parent, text.endsWith('.') ? text : text + '.');
}

void ReportException(QWidget* parent, const std::exception& error) {
    ShowError(parent, QString::fromStdString(ToUtf8(error.what())));
}

} // namespace lumetra
