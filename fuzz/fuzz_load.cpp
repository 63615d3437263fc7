// The bytes of a file loaded as the viewer loads it: the reader with its message, the global
// peak and the description. Every input is loaded from memory and again through a real file
// with LoadPhotometry, and both loads must agree.

#include "ViewerLoad.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumetra::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ViewerLoad fromMemory = LoadBytes(bytes);
    CheckLoad(fromMemory);
    const ViewerLoad fromFile = LoadThroughFile(bytes);
    CheckLoad(fromFile);
    CheckSameLoad(fromMemory, fromFile);
    return 0;
}
