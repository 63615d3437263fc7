#include "LightPatternPicture.h"

#include <cstring>

namespace lumetra {

QImage PictureOf(const LightPatternGrid& grid) {
    QImage picture(kPictureSize, kPictureSize, QImage::Format_Grayscale8);
    for (int y = 0; y < kPictureSize; ++y)
        std::memcpy(picture.scanLine(y), grid.grey.data() + y * kPatternSize, kPictureSize);
    return picture;
}

} // namespace lumetra
