#include "LumetraApplication.h"

#include "language/LanguageChoice.h"
#include "translate/Translations.h"
#include "ui/DesignFont.h"
#include "ui/MessageBox.h"
#include "ui/WindowSettings.h"

namespace lumetra {

void NameApplication() {
    QCoreApplication::setApplicationName(kApplicationTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMETRA_VERSION));
}

void SpeakChosenLanguage(WindowSettings& settings) {
    const std::string setting = settings.ReadLanguage().language.toStdString();
    InstallTranslations(ChooseLanguage(LocaleEnvironment::OfProcess(), setting));
}

LumetraApplication::LumetraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name would be appended to every window's title bar, and the
    // render window's reads "Render" alone.
    NameApplication();
    QApplication::setFont(lumetra::DesignFont());
}

bool LumetraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(activeWindow(), error);
    }
    return false;
}

} // namespace lumetra
