#include "Message.h"

namespace lumetra {

Message Message::Verbatim(std::string text) {
    Message message;
    message.text_ = std::move(text);
    return message;
}

Message& Message::Arg(Message argument) & {
    arguments_.push_back(std::move(argument));
    return *this;
}

Message&& Message::Arg(Message argument) && {
    arguments_.push_back(std::move(argument));
    return std::move(*this);
}

Message& Message::Arg(std::string text) & {
    return Arg(Verbatim(std::move(text)));
}

Message&& Message::Arg(std::string text) && {
    return std::move(*this).Arg(Verbatim(std::move(text)));
}

Message&& Message::OnOneLine() && {
    oneLine_ = true;
    return std::move(*this);
}

Message&& Message::StartingSentence() && {
    startsSentence_ = true;
    return std::move(*this);
}

std::string Message::English() const {
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const Message& argument : arguments_)
        filled.push_back(argument.English());
    return Shaped(*this, arguments_.empty() ? text_ : FillPlaceholders(text_, filled));
}

std::string Shaped(const Message& message, std::string text) {
    if (message.startsSentence() && !text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return message.oneLine() ? OneLine(text) : text;
}

std::string FillPlaceholders(const std::string& pattern,
                             const std::vector<std::string>& arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            text += arguments[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (!lineBreak)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace lumetra
