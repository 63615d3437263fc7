#pragma once
// lumetra-cli --help: how to call each command, in the language spoken.

#include <string>

namespace lumetra::cli {

// The whole help text, UTF-8, ending in a newline.
std::string HelpText();

} // namespace lumetra::cli
