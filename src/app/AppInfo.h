#pragma once

namespace lumetra {

// The application title: every window caption and message box of the program carries it.
inline const char* const kApplicationTitle = "Lumetra";

} // namespace lumetra
