#include "IniFile.h"

#include "data/Errors.h"
#include "data/TextEncoding.h"

// Only the byte-string flavour is used: values are taken as bytes and decoded by the caller.
#define SI_NO_CONVERSION
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <SimpleIni.h>
#include <string>
#include <string_view>

namespace lumetra {

namespace {

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

// Calls visit(line, endOfLine) for each line, its line feed included.
template <typename Visit> void ForEachLine(std::string_view text, Visit visit) {
    for (std::size_t start = 0; start < text.size();) {
        const auto lineFeed = text.find('\n', start);
        const std::size_t next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        visit(text.substr(start, next - start), next);
        start = next;
    }
}

constexpr const char* kBlanks = " \t\r\n";

// A section heading, a key line or a line of neither kind: anything but a comment or a blank line.
bool IsEntryLine(std::string_view line) {
    const auto first = line.find_first_not_of(kBlanks);
    return first != std::string_view::npos && line[first] != ';' && line[first] != '#';
}

// Where the last entry line ends; 0 when there is none.
std::size_t EndOfLastEntry(std::string_view text) {
    std::size_t end = 0;
    ForEachLine(text, [&](std::string_view line, std::size_t lineEnd) {
        if (IsEntryLine(line))
            end = lineEnd;
    });
    return end;
}

// A line that is neither a section heading nor a key=value line would be dropped by the parser, so
// it is kept as a key without value ("loose line" becomes "loose line=").
std::string WithLooseLinesAsKeys(std::string_view text) {
    std::string result;
    ForEachLine(text, [&](std::string_view line, std::size_t) {
        const bool loose = IsEntryLine(line) && line[line.find_first_not_of(kBlanks)] != '[' &&
                           line.find('=') == std::string_view::npos;
        if (loose)
            result.append(line.substr(0, line.find_last_not_of(kBlanks) + 1)).append("=\n");
        else
            result.append(line);
    });
    return result;
}

std::string WithoutCarriageReturns(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != '\r')
            result += c;
    if (!result.empty() && result.back() != '\n')
        result += '\n';
    return result;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

struct IniFile::Document {
    // Repeated keys are all kept; reading returns the first.
    CSimpleIniA ini{false, true, false};
    bool readable = true;
    bool signature = false;
    // SimpleIni keeps a comment only with the entry after it, so comment lines that no entry
    // follows are kept here: before the sections when the file has no entry at all, else after.
    std::string head;
    std::string tail;
};

IniFile::IniFile(QString fileName)
    : fileName_(std::move(fileName)), document_(std::make_unique<Document>()) {
    document_->ini.SetSpaces(false);
    Load();
}

IniFile::~IniFile() = default;

void IniFile::Load() {
    const QFileInfo info(fileName_);
    if (!info.exists())
        return;
    // Not a regular file (a folder, a pipe that would block) or one too large to be ours: read
    // the defaults, and refuse to overwrite what could not be read.
    QFile file(fileName_);
    if (!info.isFile() || info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        document_->readable = false;
        return;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    // A zero byte ends the parser's text early; what follows it would be lost on writing.
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize ||
        bytes.contains('\0')) {
        document_->readable = false;
        return;
    }
    std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (text.starts_with(kUtf8Signature)) {
        document_->signature = true;
        text.remove_prefix(kUtf8Signature.size());
    }
    const std::size_t entriesEnd = EndOfLastEntry(text);
    if (entriesEnd == 0) {
        document_->head = WithoutCarriageReturns(text);
        return;
    }
    document_->tail = WithoutCarriageReturns(text.substr(entriesEnd));
    if (document_->ini.LoadData(WithLooseLinesAsKeys(text.substr(0, entriesEnd))) < 0)
        document_->readable = false;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultText) const {
    const char* value = document_->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr);
    if (!value)
        return defaultText;
    QString text = QString::fromStdString(ToUtf8(value));
    if (text.size() > kMaxValueLength) {
        text.truncate(kMaxValueLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& text) {
    // A line break would split the entry into lines that read back as something else.
    const auto breaksLine = [](const QString& s) { return s.contains('\n') || s.contains('\r'); };
    if (!document_->readable || breaksLine(section) || breaksLine(key) || breaksLine(text))
        ThrowUnableToWrite();
    if (document_->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), Utf8(text).c_str(),
                                nullptr, true) < 0)
        ThrowUnableToWrite();
    Save();
}

// The new content goes to a temporary file beside the old one, is flushed to disk and then renamed
// over it, so a crash, a kill or a full disk leaves either the old file or the new one, never a
// part of either.
void IniFile::Save() const {
    std::string text = document_->signature ? std::string(kUtf8Signature) : std::string();
    text += document_->head;
    if (document_->ini.Save(text, false) < 0)
        ThrowUnableToWrite();
    text += document_->tail;

    QSaveFile file(fileName_);
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit())
        ThrowUnableToWrite();
}

void IniFile::ThrowUnableToWrite() const {
    throw LumetraError(FormatMessage("Unable to write to %s", fileName_.toStdString()));
}

} // namespace lumetra
