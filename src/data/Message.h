#pragma once
// A message for a person, kept as its English template and its arguments rather than as finished
// text, so that the windows and lumetra-cli can show it in the user's language while the core
// links no Qt. The template is a text marked with LUMETRA_TR_NOOP(context, text) (so the
// translation tools collect it) with placeholders %1 to %9; an argument is either text shown as it
// is (a file name, a number, a quoted token) or a marked phrase or message of its own, translated
// with it. English() gives the English text exactly as the core wrote it before; the Qt side
// translates with TranslatedMessage (src/translate). LUMETRA_MESSAGE(context, text) makes one.

#include <string>
#include <string_view>
#include <vector>

// A message from a marked template: the translation tools read it as they read
// LUMETRA_TR_NOOP(context, text) (scripts/translations.sh).
#define LUMETRA_MESSAGE(context, text) (::lumetra::Message(context, text))

namespace lumetra {

class Message {
  public:
    Message() = default;
    // A marked template; context and pattern are string literals.
    Message(const char* context, const char* pattern) : context_(context), text_(pattern) {}

    // Text shown as it is, never translated.
    static Message Verbatim(std::string text);

    // Fills the next placeholder (%1, then %2, ...).
    Message& Arg(Message argument) &;
    Message&& Arg(Message argument) &&;
    Message& Arg(std::string text) &;
    Message&& Arg(std::string text) &&;

    // Shown on one line: its line breaks become single blanks, once the text is filled.
    Message&& OnOneLine() &&;
    // Shown at the start of a sentence: a first ASCII letter in lower case is made upper case
    // (a reason written to follow "Line 12 of the file: " leading a sentence of its own).
    Message&& StartingSentence() &&;

    // The context the template was marked in; empty for verbatim text.
    const char* context() const { return context_; }
    const std::string& text() const { return text_; }
    const std::vector<Message>& arguments() const { return arguments_; }
    bool oneLine() const { return oneLine_; }
    bool startsSentence() const { return startsSentence_; }
    bool empty() const { return text_.empty() && arguments_.empty(); }

    // The text in English, with its arguments in English.
    std::string English() const;

  private:
    const char* context_ = "";
    std::string text_;
    std::vector<Message> arguments_;
    bool oneLine_ = false;
    bool startsSentence_ = false;
};

// Gives a message in the language of the person reading it (the windows' and lumetra-cli's
// TranslatedUtf8); where none is given, texts stay English.
using Wording = std::string (*)(const Message& text);

// Fills %1..%9 of pattern with arguments in one pass, so that an argument holding "%2" stays
// as it is; a placeholder without an argument stays as written.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& arguments);

// The text as shown: on one line and starting a sentence as the message asks.
std::string Shaped(const Message& message, std::string text);

// Line breaks (CR, LF) made single blanks, runs of them one blank, none at the end.
std::string OneLine(std::string_view text);

} // namespace lumetra
