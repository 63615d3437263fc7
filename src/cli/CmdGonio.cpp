// Placeholder until the goniogram command is built.
#include "Commands.h"

namespace lumetra::cli {
int RunGonio(const QStringList&) { return Fail("gonio: not available yet"); }
} // namespace lumetra::cli
