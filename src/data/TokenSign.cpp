#include "TokenSign.h"

#include "NumericText.h"

namespace lumetra {

TokenSign SignOfConverted(std::string_view token) {
    long double value = 0;
    if (!ConvertToken(token, value))
        return TokenSign::NotANumber;
    if (value < 0)
        return TokenSign::Negative;
    return value > 0 ? TokenSign::Positive : TokenSign::Zero;
}

} // namespace lumetra
