#pragma once
// Where the reader's message goes: a message box in the viewer, stderr in the CLI, a recorder in
// tests. The reader waits for the call to return, as it waits for a modal box to close.

#include <functional>
#include <string>

namespace lumetra {

using Notifier = std::function<void(const std::string& text)>;

} // namespace lumetra
