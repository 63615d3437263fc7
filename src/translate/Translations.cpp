#include "Translations.h"

#include "data/Errors.h"
#include "data/TextEncoding.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

// Outside any namespace, as the resource's registration function is.
static void RegisterTranslationResources() {
    Q_INIT_RESOURCE(lumetra_translations); // a static library's resources register on request
}

namespace lumetra {

namespace {

// The translators installed for the language spoken now.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

void RemoveInstalled() {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
}

// Installs one translator; false when its file cannot be loaded.
bool InstallTranslator(const QString& fileName, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileName, folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    Installed().push_back(std::move(translator));
    return true;
}

} // namespace

bool InstallTranslations(std::string_view language) {
    if (QCoreApplication::instance() == nullptr)
        return false;
    RemoveInstalled();
    if (language == "en")
        return true;
    RegisterTranslationResources();
    const QString name =
        QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size()));
    if (!InstallTranslator(QStringLiteral("lumetra_") + name, QStringLiteral(":/i18n")))
        return false;
    // Qt's own texts (Cancel, Yes, the file dialog) come with Qt; without them, English stays.
    InstallTranslator(QStringLiteral("qtbase_") + name,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString TranslatedText(const char* context, std::string_view text) {
    const std::string source(text); // translate() wants a terminated string
    return QCoreApplication::translate(context, source.c_str());
}

std::string TranslatedUtf8(const Message& message) {
    std::string pattern = *message.context() == '\0'
                              ? ToUtf8(message.text())
                              : TranslatedText(message.context(), message.text()).toStdString();
    std::vector<std::string> arguments;
    arguments.reserve(message.arguments().size());
    for (const Message& argument : message.arguments())
        arguments.push_back(TranslatedUtf8(argument));
    return Shaped(message, arguments.empty() ? pattern : FillPlaceholders(pattern, arguments));
}

std::vector<std::string> TranslatedLines(const std::vector<Message>& messages) {
    std::vector<std::string> lines;
    lines.reserve(messages.size());
    for (const Message& message : messages)
        lines.push_back(TranslatedUtf8(message));
    return lines;
}

QString TranslatedMessage(const Message& message) {
    return QString::fromStdString(TranslatedUtf8(message));
}

properties::NumberFormat Worded(properties::NumberFormat format) {
    format.wording = TranslatedUtf8;
    return format;
}

QString TranslatedError(const std::exception& error) {
    if (const auto* lumetra = dynamic_cast<const LumetraError*>(&error))
        return TranslatedMessage(lumetra->message());
    return QString::fromStdString(ToUtf8(error.what()));
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
