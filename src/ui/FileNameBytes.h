#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace lumetra {

// A file name as the bytes the core and the file system use.
inline std::string FileNameBytes(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace lumetra
