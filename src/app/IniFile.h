#pragma once
// The settings file as sections of key=value lines. Reading falls back to a default; every write
// replaces the whole file at once and changes only the line of the key it sets.

#include "IniText.h"

#include <QString>
#include <optional>

namespace lumetra {

class IniFile {
  public:
    // Reads the file now; a missing file reads as empty.
    explicit IniFile(QString fileName);

    const QString& FileName() const { return fileName_; }

    // The key's text (at most kMaxValueLength characters), or defaultText when the file, the
    // section or the key is missing. Section and key names ignore letter case.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultText) const;
    // The same, with none for a missing file, section or key.
    std::optional<QString> ReadOptional(const QString& section, const QString& key) const;

    // Sets the key, creating section and key as needed, and rewrites the file. A file that could
    // not be read is first kept under a new name beside it, and a message box names both. Throws
    // LumetraError "Unable to write to <file name>" when the file cannot be replaced.
    void WriteString(const QString& section, const QString& key, const QString& text);

    static constexpr int kMaxValueLength = 2047;
    // A settings file is a few hundred bytes; anything beyond this is not ours to rewrite.
    static constexpr qint64 kMaxFileSize = 1 << 20;

  private:
    enum class State { Readable, Unreadable, NotAFile };
    void Load();
    // Renames the unreadable file to a free name beside it and returns that name.
    QString MoveAside();
    void Save() const;
    [[noreturn]] void ThrowUnableToWrite() const;

    QString fileName_;
    IniText text_;
    State state_ = State::Readable;
};

} // namespace lumetra
