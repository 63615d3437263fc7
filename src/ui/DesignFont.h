#pragma once

#include <QFont>

namespace lumetra {

// The windows' font: "MS Sans Serif" with 11-pixel characters, or a face of the same narrow
// metrics where it is not installed.
QFont DesignFont();

} // namespace lumetra
