// Placeholder until the rendergram command is built.
#include "Commands.h"

namespace lumetra::cli {
int RunRender(const QStringList&) { return Fail("render: not available yet"); }
} // namespace lumetra::cli
