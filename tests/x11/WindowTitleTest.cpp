// The title bars as a window manager reads them: the _NET_WM_NAME and WM_NAME properties of the
// real windows on a private X server (Xvfb). Skipped where no X server can be started.

#include "app/LumetraApplication.h"
#include "ui/MessageBox.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace lumetra::test {
namespace {

// Xvfb on a display it picks itself and names on a pipe once it takes connections.
struct XvfbServer {
    XvfbServer() {
        int ends[2];
        if (pipe(ends) != 0)
            return;
        if ((pid = fork()) == 0) {
            const std::string fd = std::to_string(ends[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ends[1]);
        pollfd ready{ends[0], POLLIN, 0};
        for (char c = 0; poll(&ready, 1, 10000) > 0 && read(ends[0], &c, 1) == 1 && c != '\n';)
            display += c;
        close(ends[0]);
    }
    ~XvfbServer() {
        if (pid > 0 && kill(pid, SIGTERM) == 0)
            waitpid(pid, nullptr, 0);
    }
    pid_t pid = -1;
    std::string display; // the display number; empty when the server did not start
};

// The bytes of a window's property, as any client of the server reads them.
std::string WindowProperty(const QWidget& window, const char* name) {
    xcb_connection_t* x =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto length = static_cast<uint16_t>(std::strlen(name));
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, length, name), nullptr);
    xcb_get_property_reply_t* reply =
        atom ? xcb_get_property_reply(
                   x,
                   xcb_get_property(x, 0, static_cast<xcb_window_t>(window.winId()), atom->atom,
                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                   nullptr)
             : nullptr;
    std::string value;
    if (reply)
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    std::free(atom);
    return value;
}

void ExpectTitle(const QWidget& window, const std::string& title, const char* what) {
    EXPECT_EQ(WindowProperty(window, "_NET_WM_NAME"), title) << what;
    EXPECT_EQ(WindowProperty(window, "WM_NAME"), title) << what;
}

TEST(WindowTitle, RenderWindowReadsRenderAndTheOthersLumetra) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so"))
        GTEST_SKIP() << "no X11 platform plugin";
    const XvfbServer server;
    if (server.display.empty())
        GTEST_SKIP() << "no X server could be started (Xvfb)";
    setenv("DISPLAY", (":" + server.display).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // No session bus for the private display either: without an address libdbus tries to
    // autolaunch one for that display, and its failed attempt leaks its read buffer.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    static char name[] = "x11_tests";
    static char* args[] = {name, nullptr};
    static int count = 1;
    LumetraApplication app(count, args);
    ProgramData data;
    ViewerModel viewer(data);
    TMainWindow main(viewer);
    TRenderWindow render(viewer);
    main.show();
    render.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main) && QTest::qWaitForWindowExposed(&render));
    ExpectTitle(main, "Lumetra", "main window");
    ExpectTitle(render, "Render", "render window");

    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        boxSeen = true;
        ExpectTitle(*box, "Lumetra", "message box");
        box->close();
    });
    ShowMessage(&main, "Please select file");
    EXPECT_TRUE(boxSeen);
}

} // namespace
} // namespace lumetra::test
