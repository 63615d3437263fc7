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
    outdatedTabs_ = ~std::uint32_t{0};
    return failed_ ? textTab : chosenTab_;
}

bool PropertiesModel::TakeOutdated(int tab) {
    if (tab < 0 || tab >= 32)
        return false;
    const std::uint32_t bit = std::uint32_t{1} << tab;
    const bool outdated = (outdatedTabs_ & bit) != 0;
    outdatedTabs_ &= ~bit;
    return outdated;
}

} // namespace lumetra
