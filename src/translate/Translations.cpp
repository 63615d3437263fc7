#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Outside any namespace, as the resource's registration function is.
static void RegisterTranslationResources() {
    Q_INIT_RESOURCE(lumetra_translations); // a static library's resources register on request
}

namespace lumetra {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Installs one translator owned by the application; false when the file cannot be loaded.
bool InstallTranslator(const QString& fileName, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(fileName, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

bool InstallTranslations(std::string_view language) {
    if (language == "en" || QCoreApplication::instance() == nullptr)
        return false;
    RegisterTranslationResources();
    const QString name = Text(language);
    if (!InstallTranslator(QStringLiteral("lumetra_") + name, QStringLiteral(":/i18n")))
        return false;
    // Qt's own texts (Cancel, Yes, the file dialog) come with Qt; without them, English stays.
    InstallTranslator(QStringLiteral("qtbase_") + name,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(name));
    return true;
}

QString LanguageName(std::string_view language) {
    if (language == "de")
        return QStringLiteral("Deutsch");
    if (language == "fr")
        return QStringLiteral("Français");
    if (language == "es")
        return QStringLiteral("Español");
    if (language == "zh_CN")
        return QStringLiteral("中文(简体)");
    return QStringLiteral("English");
}

} // namespace lumetra
