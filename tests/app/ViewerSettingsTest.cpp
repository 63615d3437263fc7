// The section "Viewer": what the main window takes from it at start and gives back at close.

#include "SettingsFixture.h"

namespace lumetra::test {
namespace {

using ViewerSettingsTest = SettingsFixture;

struct Toggles {
    bool update;
    bool ortho;
    bool fit;
    bool operator==(const Toggles&) const = default;
};

Toggles TogglesOf(const TMainWindow& window) {
    return {window.SpeedButtonUpdate->isChecked(), window.SpeedButtonOrtho->isChecked(),
            window.SpeedButtonFit->isChecked()};
}

TEST_F(ViewerSettingsTest, WithoutAFileBothWindowsStartCentredAndTheRunWritesAllFourteenKeys) {
    Start();
    const QSize screen = Screen();
    const QPoint mainAt(Centred(screen.width(), 720), Centred(screen.height(), 401));
    EXPECT_EQ(main->geometry(), QRect(mainAt, QSize(720, 401)));
    EXPECT_EQ(TogglesOf(*main), (Toggles{true, true, true}));
    EXPECT_FALSE(main->isMaximized() || main->isMinimized());
    EXPECT_EQ(main->DirectoryListBox1->Directory(), startFolder);
    const QPoint renderAt(Centred(screen.width(), 358), Centred(screen.height(), 377));
    EXPECT_EQ(render->geometry().topLeft(), renderAt);
    EXPECT_EQ(TrackBar2->value(), 15);
    EXPECT_EQ(TrackBarZoom->value(), 500);
    EXPECT_FALSE(render->CheckBoxRadiosity->isChecked());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();

    Finish();
    const QString expected = QString("[Viewer]\nState=0\nLastFileName=%1\nWidth=720\nHeight=401\n"
                                     "Left=%2\nTop=%3\nFit=1\nAuto=1\nOrtho=1\n\n\n"
                                     "[Render]\nLeft=%4\nTop=%5\nBrightness=15\nZoom=500\n"
                                     "Radiocity=0\n")
                                 .arg(startFolder)
                                 .arg(mainAt.x())
                                 .arg(mainAt.y())
                                 .arg(renderAt.x())
                                 .arg(renderAt.y());
    EXPECT_EQ(QString::fromUtf8(SettingsText()), expected);
}

TEST_F(ViewerSettingsTest, DefaultPlaceCentresTheSizeJustApplied) {
    struct Case {
        const char* stored;
        QRect expected;
    };
    const QSize screen = Screen();
    const auto centred = [&](int w, int h) {
        return QRect(Centred(screen.width(), w), Centred(screen.height(), h), w, h);
    };
    for (const Case& c : {
             Case{"Width=600\nHeight=300\n", centred(600, 300)},
             // Below the window's minimum of 500 by 190: raised, then centred at that size.
             Case{"Width=100\nHeight=50\n", centred(500, 190)},
             Case{"Width=640\nHeight=300\nLeft=30\nTop=20\n", QRect(30, 20, 640, 300)},
         }) {
        WriteSettings(QByteArray("[Viewer]\n") + c.stored);
        Start();
        EXPECT_EQ(main->geometry(), c.expected) << c.stored;
        Finish();
        EXPECT_EQ(Stored("Viewer", "Left").toInt(), c.expected.x()) << c.stored;
        EXPECT_EQ(Stored("Viewer", "Top").toInt(), c.expected.y()) << c.stored;
        EXPECT_EQ(Stored("Viewer", "Width").toInt(), c.expected.width()) << c.stored;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

// The offscreen platform, like a window manager, may nudge a window that starts off the screen;
// the window still starts past the left edge and keeps the place it was given at close.
TEST_F(ViewerSettingsTest, PlacePastTheLeftEdgeIsNotCorrected) {
    WriteSettings("[Viewer]\nLeft=-38\nTop=20\n");
    Start();
    EXPECT_LT(main->frameGeometry().left(), 0);
    EXPECT_LE(main->geometry().left(), 0);
    const int left = main->geometry().left();
    Finish();
    EXPECT_EQ(Stored("Viewer", "Left"), QString::number(left));
}

TEST_F(ViewerSettingsTest, MaximisedWindowStoresItsRestoredBounds) {
    WriteSettings("[Viewer]\nState=2\nWidth=800\n");
    Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->height() != 401; }));
    EXPECT_TRUE(main->isMaximized());
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "2");
    EXPECT_EQ(Stored("Viewer", "Width"), "800");
    EXPECT_EQ(Stored("Viewer", "Height"), "401");
    EXPECT_EQ(Stored("Viewer", "Left"), QString::number(Centred(Screen().width(), 800)));
    EXPECT_EQ(Stored("Viewer", "Top"), QString::number(Centred(Screen().height(), 401)));
}

TEST_F(ViewerSettingsTest, MaximisedByTheUserStoresTheBoundsFromBefore) {
    WriteSettings("[Viewer]\nLeft=280\nTop=311\n");
    Start();
    main->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->height() != 401; }));
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "2");
    EXPECT_EQ(Stored("Viewer", "Width"), "720");
    EXPECT_EQ(Stored("Viewer", "Height"), "401");
    EXPECT_EQ(Stored("Viewer", "Left"), "280");
    EXPECT_EQ(Stored("Viewer", "Top"), "311");
}

TEST_F(ViewerSettingsTest, MinimisedStateStartsMinimised) {
    WriteSettings("[Viewer]\nState=1\nWidth=640\nLeft=30\nTop=40\n");
    Start();
    EXPECT_TRUE(main->isMinimized());
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "1");
    EXPECT_EQ(Stored("Viewer", "Width"), "640");
    EXPECT_EQ(Stored("Viewer", "Left"), "30");
    EXPECT_EQ(Stored("Viewer", "Top"), "40");
}

TEST_F(ViewerSettingsTest, UnknownStateOpensNormalAndIsStoredAsNormal) {
    WriteSettings("[Viewer]\nState=7\n");
    Start();
    EXPECT_FALSE(main->isMaximized() || main->isMinimized());
    EXPECT_EQ(main->startState, Qt::WindowNoState);
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "0");
}

TEST_F(ViewerSettingsTest, TogglesTakeTheLowestEightBitsAndAreWrittenAsOneOrZero) {
    struct Case {
        const char* stored;
        Toggles expected;
        const char* written; // Auto, Ortho, Fit
    };
    for (const Case& c : {Case{"Auto=0\nOrtho=0\nFit=1\n", {false, false, true}, "001"},
                          Case{"Auto=256\n", {false, true, true}, "011"},
                          Case{"Auto=-1\nOrtho=$100\nFit=2\n", {true, false, true}, "101"}}) {
        WriteSettings(QByteArray("[Viewer]\n") + c.stored);
        Start();
        EXPECT_EQ(TogglesOf(*main), c.expected) << c.stored;
        Finish();
        const QString written =
            Stored("Viewer", "Auto") + Stored("Viewer", "Ortho") + Stored("Viewer", "Fit");
        EXPECT_EQ(written, c.written) << c.stored;
    }
}

TEST_F(ViewerSettingsTest, EmptyFolderKeepsTheStartFolderAndTheRestApplies) {
    WriteSettings("[Viewer]\nLastFileName=\nWidth=640\nFit=0\n");
    Start();
    EXPECT_EQ(main->DirectoryListBox1->Directory(), startFolder);
    EXPECT_EQ(main->width(), 640);
    EXPECT_FALSE(main->SpeedButtonFit->isChecked());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(ViewerSettingsTest, StoredFolderMovesTheFolderTreeAndTheFileList) {
    const QString other = QDir::cleanPath(folder.filePath("other"));
    ASSERT_TRUE(QDir().mkpath(other));
    QFile ies(other + "/lamp.ies");
    ASSERT_TRUE(ies.open(QIODevice::WriteOnly));
    ies.close();
    WriteSettings(("[Viewer]\nLastFileName=" + other + "\n").toUtf8());
    Start();
    EXPECT_EQ(main->DirectoryListBox1->Directory(), other);
    EXPECT_EQ(main->FileListBox1->Directory(), other);
    EXPECT_EQ(main->FileListBox1->count(), 1);
    Finish();
    EXPECT_EQ(Stored("Viewer", "LastFileName"), other);
}

// The designed state of the main window: 720 by 401 at (286, 213), toggles up, normal.
void ExpectDesignedMainWindow(const TMainWindow& window) {
    EXPECT_EQ(window.geometry(), QRect(286, 213, 720, 401));
    EXPECT_EQ(TogglesOf(window), (Toggles{false, false, false}));
    EXPECT_EQ(window.startState, Qt::WindowNoState);
}

TEST_F(ViewerSettingsTest, FolderThatIsGoneEndsTheReadingThere) {
    const QString gone = folder.filePath("gone");
    WriteSettings(("[Viewer]\nLastFileName=" + gone + "\nWidth=640\nAuto=1\nState=2\n").toUtf8());
    Start();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(gone)) << messages.front().toStdString();
    EXPECT_EQ(main->DirectoryListBox1->Directory(), startFolder);
    ExpectDesignedMainWindow(*main);
    Finish();
    EXPECT_EQ(Stored("Viewer", "LastFileName"), startFolder);
}

TEST_F(ViewerSettingsTest, EmptyWidthIsAConversionErrorNotTheDefault) {
    WriteSettings("[Viewer]\nWidth=\nHeight=300\nLeft=10\nTop=10\nAuto=1\nOrtho=1\nFit=1\nState=2\n"
                  "[Render]\nBrightness=40\n");
    Start();
    EXPECT_EQ(messages, QStringList{"'' is not a valid integer value."});
    ExpectDesignedMainWindow(*main);
    EXPECT_EQ(TrackBar2->value(), 40) << "the other section is read all the same";
}

TEST_F(ViewerSettingsTest, HexadecimalValuesAreReadAndWrittenBackInDecimal) {
    WriteSettings("[Viewer]\nWidth=$320\nHeight=0x1F4\nLeft=x10\nTop=+0X8\nAuto=0x0\n"
                  "[Render]\nBrightness=$1e\nZoom=0XBB8\nLeft= -$A\nTop=X14\n");
    Start();
    EXPECT_EQ(main->geometry(), QRect(16, 8, 800, 500));
    EXPECT_FALSE(main->SpeedButtonUpdate->isChecked());
    EXPECT_EQ(render->geometry().topLeft(), QPoint(-10, 20));
    EXPECT_EQ(TrackBar2->value(), 30);
    EXPECT_EQ(TrackBarZoom->value(), 3000);
    Finish();
    EXPECT_EQ(Stored("Viewer", "Width"), "800");
    EXPECT_EQ(Stored("Viewer", "Height"), "500");
    EXPECT_EQ(Stored("Viewer", "Left"), "16");
    EXPECT_EQ(Stored("Viewer", "Top"), "8");
    EXPECT_EQ(Stored("Render", "Brightness"), "30");
    EXPECT_EQ(Stored("Render", "Zoom"), "3000");
    EXPECT_EQ(Stored("Render", "Left"), "-10");
}

TEST_F(ViewerSettingsTest, FarOutValuesAreKeptWithinWhatTheScreenCanShow) {
    WriteSettings("[Viewer]\nWidth=2147483647\nHeight=2147483647\nLeft=-2147483648\n"
                  "Top=2147483647\n");
    settings = std::make_unique<SettingsFile>(settingsName);
    main = std::make_unique<TMainWindow>(settings.get());
    // As applied, before the platform places the window.
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(main->geometry(), QRect(-32768, 32767, 2 * desktop.width(), 2 * desktop.height()));
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(ViewerSettingsTest, UnknownSectionsKeysAndCommentsSurviveARun) {
    WriteSettings("; kept by hand\n"
                  "\n"
                  "[Tools]\n"
                  "Editor=vi\n"
                  "[viewer]\n"
                  "; width as I like it\n"
                  "WIDTH=640\n"
                  "Theme=dark\n"
                  "[Render]\n"
                  "zoom=900\n"
                  "; last words\n");
    Start();
    EXPECT_EQ(main->width(), 640);
    EXPECT_EQ(TrackBarZoom->value(), 900);
    Finish();
    const QByteArray text = SettingsText();
    for (const char* kept : {"; kept by hand\n", "[Tools]\nEditor=vi\n", "; width as I like it\n",
                             "Theme=dark\n", "; last words\n"})
        EXPECT_TRUE(text.contains(kept)) << kept << " missing from:\n" << text.toStdString();
    EXPECT_EQ(text.count("[viewer]"), 1) << text.toStdString();
    EXPECT_EQ(text.count("[Render]"), 1) << text.toStdString();
    EXPECT_FALSE(text.contains("[Viewer]")) << "the section is found whatever its letter case";
    for (const char* key : {"State", "LastFileName", "Width", "Height", "Left", "Top", "Fit",
                            "Auto", "Ortho"})
        EXPECT_NE(Stored("Viewer", key), "<missing>") << key;
    for (const char* key : {"Left", "Top", "Brightness", "Zoom", "Radiocity"})
        EXPECT_NE(Stored("Render", key), "<missing>") << key;
    EXPECT_EQ(Stored("Viewer", "Width"), "640");
    EXPECT_EQ(Stored("Render", "Zoom"), "900");
}

} // namespace
} // namespace lumetra::test
