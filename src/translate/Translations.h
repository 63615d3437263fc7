#pragma once
// Speaking the user's language: installs the translations of Lumetra's own texts and of Qt's
// (the standard buttons and dialogs) for one of the languages Lumetra ships. English installs
// nothing, so every text stays the source text. Numbers keep following the locale (QLocale),
// whatever the language.

#include "data/Message.h"
#include "properties/FigureText.h"

#include <QString>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// Installs the translators for `language` (one of kLanguages) into the running application, in
// place of those of a language installed before. Returns false, leaving English, when Lumetra's
// translation for it is missing.
bool InstallTranslations(std::string_view language);

// A core text marked with LUMETRA_TR_NOOP(context, text), in the language spoken now.
QString TranslatedText(const char* context, std::string_view text);

// A core message in the language spoken now: its template and every marked argument translated,
// the placeholders filled; in English, exactly message.English().
QString TranslatedMessage(const Message& message);
// The same as UTF-8, for the command line's output and texts kept as std::string.
std::string TranslatedUtf8(const Message& message);
// Each of the messages, as UTF-8.
std::vector<std::string> TranslatedLines(const std::vector<Message>& messages);

// The number format with its words (captions, "n/a", value words) in the language spoken now.
properties::NumberFormat Worded(properties::NumberFormat format);

// The text of an error for a person: a LumetraError's message translated, any other error's own
// text.
QString TranslatedError(const std::exception& error);

// The language's own name for itself, as a menu of languages lists it ("Deutsch", "中文(简体)").
QString LanguageName(std::string_view language);

} // namespace lumetra
