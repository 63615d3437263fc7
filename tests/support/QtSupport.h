#pragma once
// The shared test support for tests that speak QString: the one temporary folder and the sample
// names, with their paths as Qt text. Only Qt test programs include this header.

#include "Samples.h"
#include "TempFolder.h"

#include <QDir>
#include <QString>

namespace lumetra::test {

// TempFolder with its names as QString, for tests that hand paths to Qt and to windows.
class QtTempFolder {
  public:
    QString path() const { return QString::fromStdString(folder_.path().string()); }
    QString filePath(const QString& name) const { return QDir(path()).filePath(name); }
    const std::filesystem::path& fsPath() const { return folder_.path(); }

  private:
    TempFolder folder_;
};

#ifdef LUMETRA_SAMPLES_DIR
inline QString QSamplePath(const std::string& name) {
    return QString::fromStdString(SamplePath(name));
}
#endif

#ifdef LUMETRA_LDT_SAMPLES_DIR
inline QString QLdtSamplePath(const std::string& name) {
    return QString::fromStdString(LdtSamplePath(name));
}
#endif

} // namespace lumetra::test
