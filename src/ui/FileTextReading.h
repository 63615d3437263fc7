#pragma once
// The Properties window's Text tab reads the whole file again, decodes it and joins its lines;
// for a file of a megabyte that takes longer than a frame, so it is done on a thread of the
// global pool and handed back as a future. The answer is a plain value: the window decides on
// its own thread whether it is still wanted.

#include <QFuture>
#include <QString>
#include <string>

namespace lumetra {

struct FileTextAnswer {
    QString text;           // the text to show, or why it cannot be shown
    bool shortened = false; // very long lines or very many lines were cut
};

// The text of the file named by `fileBytes` (as the file system names it), IES or EULUMDAT by
// its name; empty for no name.
FileTextAnswer ReadFileText(const std::string& fileBytes);

// ReadFileText on a pool thread.
QFuture<FileTextAnswer> ReadFileTextInBackground(std::string fileBytes);

} // namespace lumetra
