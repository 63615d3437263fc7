#pragma once
// Speaking the user's language: installs the translations of Lumetra's own texts and of Qt's
// (the standard buttons and dialogs) for one of the languages Lumetra ships. English installs
// nothing, so every text stays the source text. Numbers keep following the locale (QLocale),
// whatever the language.

#include <QString>
#include <string_view>

namespace lumetra {

// Installs the translators for `language` (one of kLanguages) into the running application, in
// place of those of a language installed before. Returns false, leaving English, when Lumetra's
// translation for it is missing.
bool InstallTranslations(std::string_view language);

// A core text marked with LUMETRA_TR_NOOP(context, text), in the language spoken now.
QString TranslatedText(const char* context, std::string_view text);

// The language's own name for itself, as a menu of languages lists it ("Deutsch", "中文(简体)").
QString LanguageName(std::string_view language);

} // namespace lumetra
