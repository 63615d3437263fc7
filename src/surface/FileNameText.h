#pragma once
// Text at the edge between the core and what people read, the same in the windows and in
// lumetra-cli: a file name as the bytes the core and the file system use and as the text shown
// (the file system's own decoding, so a name that is not UTF-8 still opens the same file), and
// the decimal separator of the user's locale.

#include <QFile>
#include <QLocale>
#include <QString>
#include <string>

namespace lumetra {

inline std::string FileNameBytes(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

inline QString FileNameText(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// "." or ",": what the scale's captions, the tables and the figures separate decimals with.
inline std::string DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

} // namespace lumetra
