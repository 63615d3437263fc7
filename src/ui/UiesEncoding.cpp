// The main window's "Text Encoding" menu: the selected file's header read in the encoding a person
// chose, remembered for that file.

#include "EncodingMenu.h"
#include "GuardedConnect.h"
#include "Uies.h"
#include "translate/Translations.h"

namespace lumetra {

void TMainWindow::BuildEncodingMenu() {
    MenuEncoding = new EncodingMenu(
        [this](const std::string& encoding) {
            Guarded(this,
                    [this, &encoding] { ChooseHeaderEncoding(QString::fromStdString(encoding)); });
        },
        this);
    DescriptionMenu->addSeparator();
    DescriptionMenu->addMenu(MenuEncoding);
    connect(DescriptionMenu, &QMenu::aboutToShow, this, [this] {
        MenuEncoding->menuAction()->setEnabled(!viewer_.HeaderLines().empty());
        MenuEncoding->ShowChoice(viewer_.HeaderEncoding(), viewer_.GuessedEncoding());
    });
}

void TMainWindow::ChooseHeaderEncoding(const QString& encoding) {
    if (viewer_.SelectedFile().empty())
        return;
    viewer_.ChooseHeaderEncoding(encoding.toStdString());
    SetDescription(QString::fromStdString(viewer_.Description(TranslatedUtf8)));
    emit headerEncodingChanged();
}

} // namespace lumetra
