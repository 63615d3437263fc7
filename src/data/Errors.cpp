#include "Errors.h"

namespace lumetra {

std::string FormatMessage(const std::string& pattern, const std::string& argument) {
    std::string result = pattern;
    for (const char* placeholder : {"%s", "%d"}) {
        const auto at = result.find(placeholder);
        if (at != std::string::npos)
            return result.replace(at, 2, argument);
    }
    return result;
}

} // namespace lumetra
