// lumetra-cli: the viewer's core without windows.

#include "Commands.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kHelp =
    "Usage: lumetra-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  info FILE\n"
    "      Loads FILE as the viewer does and prints one JSON object: LampLumens,\n"
    "      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType, VerticalAngles,\n"
    "      HorizontalAngles, Candela (plane by plane), HeaderLines, Description,\n"
    "      GlobalMaxCandela, ParseError and Message (the reader's message, or null).\n"
    "      A load that fails prints its error on stderr and exits 1.\n"
    "\n"
    "  gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]\n"
    "      Draws the grid and goniogram of FILE on an S x S area (default 400) as the\n"
    "      main window does and writes it as PNG or SVG. --plane picks the C-plane\n"
    "      index (default 0), --fit scales to the drawn planes, --ortho adds the\n"
    "      orthogonal pair at plane 0.\n"
    "\n"
    "  render FILE -o OUT.png [--plane N] [--brightness 1..100] [--zoom 1..10000]\n"
    "         [--radiosity]\n"
    "      Renders the light pattern as the render window does (defaults: plane 0,\n"
    "      brightness 15, zoom 500, radiosity off) and writes the 300 x 300 picture as\n"
    "      an 8-bit grey PNG. Values outside a bar's range are clamped to it.\n"
    "\n"
    "  --help\n"
    "      Shows this text.\n";

} // namespace

namespace lumetra::cli {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace lumetra::cli

int main(int argc, char* argv[]) {
    // Drawing text into images needs a GUI application, never a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty() || arguments.front() == "--help" || arguments.front() == "-h") {
        std::fputs(kHelp, arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString command = arguments.takeFirst();
    if (command == "info")
        return lumetra::cli::RunInfo(arguments);
    if (command == "gonio")
        return lumetra::cli::RunGonio(arguments);
    if (command == "render")
        return lumetra::cli::RunRender(arguments);
    std::fprintf(stderr, "Unknown command '%s'.\n\n%s", command.toLocal8Bit().constData(), kHelp);
    return 2;
}
