#pragma once
// The sample files loaded as the viewer loads them, and
// the text of the floating-point fault that an operation meets.

#include "data/Errors.h"
#include "data/Loading.h"
#include "data/Photometry.h"
#include "support/Records.h"
#include "support/Samples.h"

#include <string>
#include <vector>

namespace lumetra::test {

inline tIES LoadSample(const std::string& name) {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    LoadPhotometry(SamplePath(name), record, fileLines, headerLines, nullptr);
    return record;
}

// The text of the FloatingPointError that operation throws, or "none".
template <typename Operation> std::string FaultText(Operation operation) {
    try {
        operation();
    } catch (const FloatingPointError& error) {
        return error.what();
    }
    return "none";
}

} // namespace lumetra::test
