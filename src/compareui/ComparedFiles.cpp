#include "ComparedFiles.h"

#include "data/Errors.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"
#include "translate/Translations.h"

#include <QFileInfo>

namespace lumetra::compare {

namespace {

QString Readable(const std::string& bytes) {
    return QString::fromStdString(ToUtf8(bytes));
}

} // namespace

ComparedFiles LoadCompared(const std::vector<std::string>& paths) {
    ComparedFiles loaded;
    for (const std::string& path : paths) {
        const QString name = QFileInfo(Readable(path)).fileName();
        Luminaire file;
        TextLines lines, header;
        try {
            LoadPhotometryFile(
                path, file.Record, lines, header, [](const Message&) {}, file.Facts);
        } catch (const LumetraError& error) {
            loaded.errors << name + ": " + TranslatedError(error);
            continue;
        }
        loaded.files.push_back(std::move(file));
        loaded.paths.push_back(path);
        loaded.names << name;
    }
    return loaded;
}

} // namespace lumetra::compare
