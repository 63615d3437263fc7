#pragma once
// The settings file as sections of key=value lines. Reading falls back to a default; every write
// replaces the whole file at once, keeping every section, key and comment it does not touch.

#include <QString>
#include <memory>

namespace lumetra {

class IniFile {
  public:
    // Reads the file now; a missing file reads as empty.
    explicit IniFile(QString fileName);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& FileName() const { return fileName_; }

    // The key's text (at most kMaxValueLength characters), or defaultText when the file, the
    // section or the key is missing. Section and key names ignore letter case.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultText) const;

    // Sets the key, creating section and key as needed, and rewrites the file. Throws
    // LumetraError "Unable to write to <file name>" when the file cannot be replaced.
    void WriteString(const QString& section, const QString& key, const QString& text);

    static constexpr int kMaxValueLength = 2047;
    // A settings file is a few hundred bytes; anything beyond this is not ours to rewrite.
    static constexpr qint64 kMaxFileSize = 1 << 20;

  private:
    struct Document;
    void Load();
    void Save() const;
    [[noreturn]] void ThrowUnableToWrite() const;

    QString fileName_;
    std::unique_ptr<Document> document_;
};

} // namespace lumetra
