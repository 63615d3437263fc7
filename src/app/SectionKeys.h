#pragma once
// One section of the settings file, key by key: text, integers (IntegerFromText's forms on
// reading, plain decimal on writing), flags (1 or 0; on reading only the lowest 8 bits count),
// lists of integers ("120,80,95") and decimal numbers (with a point, whatever the locale).

#include "IniFile.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace lumetra {

// Reads keys of one section, counting those read; a faulty value throws LumetraError.
class SectionReader {
  public:
    SectionReader(const IniFile& file, QString section)
        : file_(file), section_(std::move(section)) {}
    QString Text(const QString& key, const QString& defaultText);
    int Integer(const QString& key, int defaultValue);
    // None when the key is missing.
    std::optional<int> OptionalInteger(const QString& key);
    bool Flag(const QString& key, bool defaultDown);
    // Integers separated by commas; empty when the key is missing or blank.
    std::vector<int> IntegerList(const QString& key);
    // A finite decimal number with a point ("2.5"); anything else throws.
    long double Decimal(const QString& key, long double defaultValue);
    int KeysRead() const { return keysRead_; }

  private:
    const IniFile& file_;
    QString section_;
    int keysRead_ = 0;
};

// Writes keys of one section; each write replaces the file.
class SectionWriter {
  public:
    SectionWriter(IniFile& file, QString section) : file_(file), section_(std::move(section)) {}
    void Text(const QString& key, const QString& text) { file_.WriteString(section_, key, text); }
    void Integer(const QString& key, int value) { Text(key, QString::number(value)); }
    void Flag(const QString& key, bool down) { Text(key, down ? "1" : "0"); }
    void IntegerList(const QString& key, const std::vector<int>& values);
    // The shortest text that reads back as the same double.
    void Decimal(const QString& key, long double value);

  private:
    IniFile& file_;
    QString section_;
};

} // namespace lumetra
