#include "EncodingChoices.h"

#include "data/ReadableText.h"

#include <algorithm>

namespace lumetra {

const std::string& EncodingChoices::For(const std::string& fileName) const {
    static const std::string kGuessed;
    const auto found = std::find_if(choices_.begin(), choices_.end(),
                                    [&fileName](const Choice& c) { return c.file == fileName; });
    return found == choices_.end() ? kGuessed : found->encoding;
}

void EncodingChoices::Choose(const std::string& fileName, const std::string& encoding) {
    std::erase_if(choices_, [&fileName](const Choice& c) { return c.file == fileName; });
    if (fileName.empty() || encoding.empty())
        return;
    choices_.insert(choices_.begin(), Choice{fileName, encoding});
    if (choices_.size() > kMostFiles)
        choices_.resize(kMostFiles);
}

std::vector<std::string> EncodingChoices::Entries() const {
    std::vector<std::string> entries;
    entries.reserve(choices_.size());
    for (const Choice& choice : choices_)
        entries.push_back(choice.encoding + " " + choice.file);
    return entries;
}

void EncodingChoices::Restore(const std::vector<std::string>& entries) {
    choices_.clear();
    for (const std::string& entry : entries) {
        const auto blank = entry.find(' ');
        if (blank == std::string::npos || blank + 1 == entry.size())
            continue;
        const std::string encoding = KnownEncodingName(entry.substr(0, blank));
        const std::string file = entry.substr(blank + 1);
        if (!encoding.empty() && For(file).empty() && choices_.size() < kMostFiles)
            choices_.push_back(Choice{file, encoding});
    }
}

} // namespace lumetra
