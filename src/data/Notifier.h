#pragma once
// Where the reader's message goes: a message box in the viewer, stderr in the CLI, a recorder in
// tests. The reader waits for the call to return, as it waits for a modal box to close.

#include "Message.h"

#include <functional>

namespace lumetra {

using Notifier = std::function<void(const Message& message)>;

} // namespace lumetra
