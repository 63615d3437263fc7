#pragma once
// Where ies.ini lives: beside the executable, as it always has, unless the program is installed in
// a folder the user cannot write (such as /usr/bin); there every close would fail to save, so the
// file goes to the user's configuration folder instead.

#include <QString>

namespace lumetra {

// What the choice depends on, gathered from the file system and the environment.
struct SettingsPlaceFacts {
    QString programFolder;
    bool programFolderWritable = false;
    bool fileBesideProgramWritable = false; // an existing ies.ini there that can be written
    QString xdgConfigHome;                  // $XDG_CONFIG_HOME, possibly empty
    QString home;                           // $HOME
};

// The full name of ies.ini: in the program's folder when that folder or the file there can be
// written, else <config>/lumetra/ies.ini, <config> being $XDG_CONFIG_HOME when it is an absolute
// path and ~/.config otherwise.
QString ChooseSettingsFileName(const SettingsPlaceFacts& facts);

// The choice for the running program; creates the configuration folder when that is chosen.
QString SettingsFileNameFor(const QString& programFolder);

} // namespace lumetra
