#include "SummaryText.h"

namespace lumetra::summary {

std::string TypeName(PhotometricKind type) {
    switch (type) {
    case PhotometricKind::A:
        return "A";
    case PhotometricKind::B:
        return "B";
    case PhotometricKind::C:
        return "C";
    case PhotometricKind::Unknown:
        break;
    }
    return {};
}

} // namespace lumetra::summary
