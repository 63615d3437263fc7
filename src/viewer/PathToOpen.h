#pragma once
// What a path handed to the program from outside (a command-line argument, a file or folder
// dropped on the main window) opens: a file, which the browser selects in its folder; a folder,
// which the browser moves to; or nothing, with the text that tells the user why.

#include "data/Message.h"

#include <string>

namespace lumetra {

struct PathToOpen {
    enum class Kind { File, Folder, Error };
    Kind kind = Kind::Error;
    std::string folder;   // File: the folder that holds it; Folder: the folder itself
    std::string fileName; // File: its name within the folder
    Message error;        // Error: the text the user sees, translated where shown
};

// Paths are file-system bytes; a relative path is taken from the current folder. The decision
// never opens a file that is not a regular one, so a named pipe or a device cannot block it.
PathToOpen WhatPathOpens(const std::string& path);

} // namespace lumetra
