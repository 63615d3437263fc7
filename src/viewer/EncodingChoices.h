#pragma once
// The header encodings people chose for files whose guess read wrong, remembered per file. The
// most recent choices are kept, a bounded number of them, so the settings file cannot grow
// without end; a choice of the guess itself is no choice and is forgotten.

#include <cstddef>
#include <string>
#include <vector>

namespace lumetra {

class EncodingChoices {
  public:
    static constexpr std::size_t kMostFiles = 100;

    // The encoding chosen for the file (as iconv names it), or "" for the guess.
    const std::string& For(const std::string& fileName) const;
    // Remembers the choice as the most recent one; "" forgets the file's choice.
    void Choose(const std::string& fileName, const std::string& encoding);

    // The choices as the settings keep them, most recent first: "WINDOWS-1251 /path/to/a.ies"
    // (iconv names hold no blank, paths may).
    std::vector<std::string> Entries() const;
    // Restores entries written by Entries(), most recent first; entries with an encoding iconv
    // does not know, without a file, or beyond kMostFiles are left out.
    void Restore(const std::vector<std::string>& entries);

  private:
    struct Choice {
        std::string file;
        std::string encoding;
    };
    std::vector<Choice> choices_; // most recent first
};

} // namespace lumetra
