#include "DesignFont.h"

#include <QStringList>

namespace lumetra {

QFont DesignFont() {
    QFont font;
    font.setFamilies(QStringList{"MS Sans Serif", "Liberation Sans", "Arial"});
    font.setPixelSize(11);
    return font;
}

} // namespace lumetra
