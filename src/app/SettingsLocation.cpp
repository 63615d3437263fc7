#include "SettingsLocation.h"

#include <QDir>
#include <QFileInfo>

namespace lumetra {

namespace {

const QString kFileName = QStringLiteral("ies.ini");

QString ConfigHome(const SettingsPlaceFacts& facts) {
    // A relative $XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    if (QDir::isAbsolutePath(facts.xdgConfigHome))
        return facts.xdgConfigHome;
    return QDir(facts.home).filePath(QStringLiteral(".config"));
}

} // namespace

QString ChooseSettingsFileName(const SettingsPlaceFacts& facts) {
    // Without a home folder there is nowhere better than the program's folder.
    const bool besideProgram = facts.programFolderWritable || facts.fileBesideProgramWritable ||
                               (facts.home.isEmpty() && !QDir::isAbsolutePath(facts.xdgConfigHome));
    if (besideProgram)
        return QDir(facts.programFolder).filePath(kFileName);
    return QDir(ConfigHome(facts)).filePath(QStringLiteral("lumetra/") + kFileName);
}

QString SettingsFileNameFor(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    const QFileInfo file(QDir(programFolder).filePath(kFileName));
    const SettingsPlaceFacts facts{
        programFolder, folder.isDir() && folder.isWritable(), file.isFile() && file.isWritable(),
        qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME")};
    QString chosen = ChooseSettingsFileName(facts);
    QDir().mkpath(QFileInfo(chosen).path());
    return chosen;
}

} // namespace lumetra
