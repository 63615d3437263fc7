// Writing the settings at the end of a run, through the event loop as the program ends.

#include "SettingsFixture.h"

#include <QTimer>

namespace lumetra::test {
namespace {

class ShutdownTest : public SettingsFixture {
  protected:
    // Runs the event loop until the program ends, with the given steps as its first event.
    // Returns the loop's result; a loop that does not end within the safety time returns -1.
    int RunEventLoop(const std::function<void()>& steps) {
        QTimer::singleShot(0, main.get(), steps);
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        safety.start(10000);
        return QApplication::exec();
    }
};

TEST_F(ShutdownTest, ClosingTheMainWindowEndsTheRunWithViewerWrittenBeforeRender) {
    Start();
    EXPECT_EQ(RunEventLoop([this] { main->close(); }), 0);
    EXPECT_EQ(Stored("Viewer", "Width"), "720") << "written when the main window closed";
    EXPECT_EQ(Stored("Render", "Zoom"), "<missing>") << "written only as the windows go";
    render.reset();
    main.reset();
    const QByteArray text = SettingsText();
    EXPECT_GE(text.indexOf("[Render]"), 0);
    EXPECT_LT(text.indexOf("[Viewer]"), text.indexOf("[Render]"));
    EXPECT_EQ(Stored("Render", "Zoom"), "500");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(ShutdownTest, UnwritableFolderKeepsTheWindowOpenOnceThenEndsTheProgram) {
    settingsName = folder.filePath("gone/ies.ini");
    const QString error = "Unable to write to " + settingsName + ".";
    Start();
    bool firstClosed = true;
    bool visibleAfterFirst = false;
    bool secondClosed = false;
    const int result = RunEventLoop([&] {
        firstClosed = main->close();
        visibleAfterFirst = main->isVisible();
        secondClosed = main->close();
    });
    EXPECT_EQ(result, 0) << "the second close ends the program";
    EXPECT_FALSE(firstClosed);
    EXPECT_TRUE(visibleAfterFirst);
    EXPECT_TRUE(secondClosed);
    EXPECT_EQ(messages, (QStringList{error, error}));

    render.reset();
    EXPECT_EQ(messages, (QStringList{error, error, error})) << "shutdown reports and goes on";
    EXPECT_FALSE(QFile::exists(settingsName));
}

} // namespace
} // namespace lumetra::test
