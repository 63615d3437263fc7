#include "MessageBox.h"

#include "ScreenCentredMessageBox.h"
#include "data/TextEncoding.h"
#include "translate/Translations.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace lumetra {

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

} // namespace

// A box sizes itself to its text; for a short text the title bar would cut the caption. The
// title bar's buttons and margins need room beside it as well.
void WidenForCaption(QMessageBox& box) {
    constexpr int kTitleBarExtras = 160;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

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
    WidenForCaption(box);
    box.exec();
}

void ShowError(QWidget* parent, const QString& text) {
    ShowMessage(parent, text.endsWith('.') ? text : text + '.');
}

void ReportException(QWidget* parent, const std::exception& error) {
    ShowError(parent, TranslatedError(error));
}

} // namespace lumetra
