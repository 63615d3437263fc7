#include "PropertiesModel.h"

#include <utility>

namespace lumetra {

bool PropertiesModel::Follow(std::string fileBytes, bool failed, bool shown) {
    fileBytes_ = std::move(fileBytes);
    failed_ = failed;
    stale_ = true;
    return shown;
}

int PropertiesModel::Refreshed(int textTab) {
    stale_ = false;
    return failed_ ? textTab : chosenTab_;
}

} // namespace lumetra
