#include "IniFile.h"

#include "data/Errors.h"
#include "data/TextEncoding.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lumetra {

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The first free name of the form "ies.ini.unreadable", "ies.ini.unreadable-2", ...
constexpr int kMaxAsideNames = 1000;
QString AsideName(const QString& fileName, int number) {
    const QString name = fileName + QStringLiteral(".unreadable");
    return number == 1 ? name : name + '-' + QString::number(number);
}

} // namespace

IniFile::IniFile(QString fileName) : fileName_(std::move(fileName)) {
    Load();
}

void IniFile::Load() {
    const QFileInfo info(fileName_);
    if (!info.exists())
        return;
    // A folder or a pipe that would block is not a settings file and is never replaced.
    if (!info.isFile()) {
        state_ = State::NotAFile;
        return;
    }
    // Content too large to be ours, or holding a zero byte, is not a settings file either: the
    // defaults apply and the first write keeps it aside.
    QFile file(fileName_);
    if (info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        state_ = State::Unreadable;
        return;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize ||
        bytes.contains('\0')) {
        state_ = State::Unreadable;
        return;
    }
    text_ = IniText(bytes.toStdString());
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultText) const {
    return ReadOptional(section, key).value_or(defaultText);
}

std::optional<QString> IniFile::ReadOptional(const QString& section, const QString& key) const {
    const auto value = text_.Value(Utf8(section), Utf8(key));
    if (!value)
        return std::nullopt;
    QString text = QString::fromStdString(ToUtf8(*value));
    if (text.size() > kMaxValueLength) {
        text.truncate(kMaxValueLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& text) {
    // A line break would split the entry into lines that read back as something else, and a
    // bracket or an equals sign in a name would end the name early.
    const auto breaksLine = [](const QString& s) { return s.contains('\n') || s.contains('\r'); };
    if (state_ == State::NotAFile || breaksLine(section) || breaksLine(key) || breaksLine(text) ||
        section.contains(']') || key.contains('='))
        ThrowUnableToWrite();
    const QString aside = state_ == State::Unreadable ? MoveAside() : QString();
    text_.SetValue(Utf8(section), Utf8(key), Utf8(text));
    Save();
    if (!aside.isEmpty())
        ShowMessage(nullptr, QCoreApplication::translate(
                                 "Settings", "The settings file %1 could not be read. It has been "
                                             "kept as %2 and a new settings file has been written.")
                                 .arg(fileName_, aside));
}

// Renaming never replaces an existing file, so an earlier kept file is never overwritten, and the
// user's file is kept whole whatever it holds.
QString IniFile::MoveAside() {
    for (int number = 1; number <= kMaxAsideNames; ++number) {
        QString aside = AsideName(fileName_, number);
        if (QFileInfo::exists(aside))
            continue;
        if (!QFile::rename(fileName_, aside))
            break;
        state_ = State::Readable;
        return aside;
    }
    ThrowUnableToWrite();
}

// The new content goes to a temporary file beside the old one, is flushed to disk and then renamed
// over it, so a crash, a kill or a full disk leaves either the old file or the new one, never a
// part of either.
void IniFile::Save() const {
    const std::string& bytes = text_.Bytes();
    QSaveFile file(fileName_);
    // An ies.ini the user may write in a folder they may not (an installed program's folder) can
    // only be rewritten in place.
    file.setDirectWriteFallback(true);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit())
        ThrowUnableToWrite();
}

void IniFile::ThrowUnableToWrite() const {
    throw LumetraError(
        LUMETRA_MESSAGE("Settings", "Unable to write to %1").Arg(fileName_.toStdString()));
}

} // namespace lumetra
