#pragma once
// The questions a save asks before it writes: the picture's size, then the file name and format.

#include "surface/ExportRules.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace lumetra {

// A small dialog with width and height in pixels, filled with the initial size; none when
// cancelled.
std::optional<QSize> AskExportSize(QWidget* parent, const QString& title, QSize initial);

// The file dialog with one filter per format, the suggested name without its extension; none
// when cancelled. Throws LumetraError with the reason when the name cannot be used.
std::optional<ExportTarget> AskExportTarget(QWidget* parent, const QString& title,
                                            const QString& suggestedBase,
                                            const std::vector<ExportFormat>& formats);

// The choice for a name and filter, or LumetraError with the reason.
ExportTarget ExportTargetOrThrow(const QString& fileName, const QString& filter,
                                 const std::vector<ExportFormat>& formats);

} // namespace lumetra
