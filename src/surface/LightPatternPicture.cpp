#include "LightPatternPicture.h"

#include "ExportRules.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace lumetra {

QImage PictureOf(const LightPatternGrid& grid) {
    QImage picture(kPictureSize, kPictureSize, QImage::Format_Grayscale8);
    for (int y = 0; y < kPictureSize; ++y)
        std::memcpy(picture.scanLine(y), grid.grey.data() + y * kPatternSize, kPictureSize);
    return picture;
}

QImage PictureForExport(const QImage& picture, QSize requested) {
    if (requested == picture.size())
        return picture;
    QImage scaled(requested, QImage::Format_RGB32);
    scaled.fill(Qt::white);
    const QRect square = CentredSquare(requested, std::min(requested.width(), requested.height()));
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(square, picture);
    return scaled;
}

} // namespace lumetra
