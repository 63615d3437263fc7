// The title bars as a window manager reads them: the _NET_WM_NAME and WM_NAME properties of the
// real windows on a private X server (Xvfb). Skipped where no X server can be started.

#include "app/LumetraApplication.h"
#include "ui/MessageBox.h"
#include "ui/Uies.h"
#include "ui/UiesRender.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace lumetra::test {
namespace {

// Xvfb on a display it picks itself, stopped with the object.
class XvfbServer {
  public:
    XvfbServer() {
        int ends[2];
        if (pipe(ends) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ends[0]);
            const std::string fd = std::to_string(ends[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ends[1]);
        if (pid_ > 0)
            display_ = ReadDisplay(ends[0]);
        close(ends[0]);
    }
    ~XvfbServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N" once the server takes connections; empty when it could not start.
    const std::string& Display() const { return display_; }

  private:
    // The server writes its display number and a line feed when it is ready.
    static std::string ReadDisplay(int fd) {
        std::string number;
        pollfd ready{fd, POLLIN, 0};
        char c = 0;
        while (poll(&ready, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            number += c;
        return c == '\n' && !number.empty() ? ":" + number : std::string();
    }

    pid_t pid_ = -1;
    std::string display_;
};

// The bytes of a window's property, as any client of the server reads them.
std::string WindowProperty(const QWidget& window, const char* name) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto atomCookie =
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom)
        return {};
    const auto cookie = xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()),
                                         atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

void ExpectTitle(const QWidget& window, const std::string& title, const char* what) {
    EXPECT_EQ(WindowProperty(window, "_NET_WM_NAME"), title) << what;
    EXPECT_EQ(WindowProperty(window, "WM_NAME"), title) << what;
}

TEST(WindowTitle, RenderWindowReadsRenderAndTheOthersLumetra) {
    const QString xcbPlugin =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so";
    if (!QFile::exists(xcbPlugin))
        GTEST_SKIP() << "no X11 platform plugin";
    const XvfbServer server;
    if (server.Display().empty())
        GTEST_SKIP() << "no X server could be started (Xvfb)";
    setenv("DISPLAY", server.Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    static char name[] = "x11_tests";
    static char* args[] = {name, nullptr};
    static int count = 1;
    LumetraApplication app(count, args);

    TMainWindow main;
    TRenderWindow render(main.Viewer());
    main.show();
    render.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&render));
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
