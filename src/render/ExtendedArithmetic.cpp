#include "ExtendedArithmetic.h"

namespace lumetra {

void RaiseInvalidOperation() {
    throw FloatingPointError(kInvalidOperationText);
}

void RaiseDivisionByZero() {
    throw FloatingPointError(kDivisionByZeroText);
}

void RaiseOverflow() {
    throw FloatingPointError(kOverflowText);
}

} // namespace lumetra
