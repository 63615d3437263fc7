// The section "Viewer": what the main window takes from it at start and gives back at close.

#include "SettingsFixture.h"

namespace lumetra::test {
namespace {

using ViewerSettingsTest = SettingsFixture;

// The down states of the automatic-update, orthogonal and fit toggles, as "1" and "0".
QString Toggles(const TMainWindow& window) {
    QString states;
    for (const QToolButton* button :
         {window.SpeedButtonUpdate, window.SpeedButtonOrtho, window.SpeedButtonFit})
        states += button->isChecked() ? '1' : '0';
    return states;
}

TEST_F(ViewerSettingsTest, WithoutAFileBothWindowsStartCentredAndTheRunWritesAllFourteenKeys) {
    Start();
    const QSize screen = Screen();
    const QPoint mainAt(Centred(screen.width(), 720), Centred(screen.height(), 401));
    const QPoint renderAt(Centred(screen.width(), 358), Centred(screen.height(), 377));
    EXPECT_EQ(main->geometry(), QRect(mainAt, QSize(720, 401)));
    EXPECT_EQ(Toggles(*main), "111");
    EXPECT_FALSE(main->isMaximized() || main->isMinimized());
    EXPECT_EQ(render->geometry().topLeft(), renderAt);
    EXPECT_EQ(TrackBar2->value(), 15);
    EXPECT_EQ(TrackBarZoom->value(), 500);
    EXPECT_FALSE(render->CheckBoxRadiosity->isChecked());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();

    Finish();
    const QString expected = QString("[Viewer]\nState=0\nLastFileName=%1\nWidth=720\nHeight=401\n"
                                     "Left=%2\nTop=%3\nFit=1\nAuto=1\nOrtho=1\n"
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
    const QSize screen = Screen();
    // 100 by 50 is below the window's minimum: raised to 500 by 190, then centred at that size.
    for (const QSize size : {QSize(600, 300), QSize(100, 50)}) {
        WriteSettings(QString("[Viewer]\nWidth=%1\nHeight=%2\n")
                          .arg(size.width())
                          .arg(size.height())
                          .toUtf8());
        Start();
        const QSize applied = size.expandedTo(QSize(500, 190));
        EXPECT_EQ(main->geometry(), QRect(Centred(screen.width(), applied.width()),
                                          Centred(screen.height(), applied.height()),
                                          applied.width(), applied.height()));
        Finish();
    }
}

// The offscreen platform, like a window manager, may nudge a window that starts off the screen;
// the window still starts past the left edge and keeps the place it was given at close.
TEST_F(ViewerSettingsTest, PlacePastTheLeftEdgeIsNotCorrected) {
    WriteSettings("[Viewer]\nLeft=-38\nTop=20\n");
    Start();
    EXPECT_LT(main->frameGeometry().left(), 0);
    const int left = main->geometry().left();
    Finish();
    EXPECT_EQ(Stored("Viewer", "Left"), QString::number(left));
}

TEST_F(ViewerSettingsTest, MaximisedWindowStoresItsRestoredBounds) {
    WriteSettings("[Viewer]\nState=2\nWidth=800\nLeft=30\nTop=40\n");
    Start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->height() != 401; }));
    EXPECT_TRUE(main->isMaximized());
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "2");
    EXPECT_EQ(StoredBounds(), "800 401 30 40");

    // Normal at start, maximised by the user.
    WriteSettings("[Viewer]\nLeft=280\nTop=311\n");
    Start();
    main->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->height() != 401; }));
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "2");
    EXPECT_EQ(StoredBounds(), "720 401 280 311");
}

TEST_F(ViewerSettingsTest, StateOneStartsMinimisedAndOtherNumbersNormal) {
    WriteSettings("[Viewer]\nState=1\nWidth=640\nLeft=30\nTop=40\n");
    Start();
    EXPECT_TRUE(main->isMinimized());
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "1");
    EXPECT_EQ(StoredBounds(), "640 401 30 40");

    WriteSettings("[Viewer]\nState=7\n");
    Start();
    EXPECT_FALSE(main->isMaximized() || main->isMinimized());
    Finish();
    EXPECT_EQ(Stored("Viewer", "State"), "0");
}

// How a stored flag reads is the sections' rule (SettingsSectionsTest); here the toggles take the
// values read and give theirs back.
TEST_F(ViewerSettingsTest, TogglesTakeTheLowestEightBitsAndAreWrittenAsOneOrZero) {
    WriteSettings("[Viewer]\nAuto=-1\nOrtho=$100\nFit=2\n");
    Start();
    EXPECT_EQ(Toggles(*main), "101");
    Finish();
    EXPECT_EQ(Stored("Viewer", "Auto") + Stored("Viewer", "Ortho") + Stored("Viewer", "Fit"),
              "101");
}

TEST_F(ViewerSettingsTest, StoredFolderMovesTheFolderTreeAndAnEmptyOneKeepsTheStartFolder) {
    const QString other = QDir::cleanPath(folder.filePath("other"));
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_TRUE(QFile(other + "/lamp.ies").open(QIODevice::WriteOnly));
    WriteSettings(("[Viewer]\nLastFileName=" + other + "\n").toUtf8());
    Start();
    EXPECT_EQ(main->DirectoryListBox1->Directory(), other);
    EXPECT_EQ(main->FileListBox1->count(), 1) << "the file list follows";
    Finish();
    EXPECT_EQ(Stored("Viewer", "LastFileName"), other);

    WriteSettings("[Viewer]\nLastFileName=\nWidth=640\nFit=0\n");
    Start();
    EXPECT_EQ(main->DirectoryListBox1->Directory(), startFolder);
    EXPECT_EQ(main->width(), 640);
    EXPECT_EQ(Toggles(*main), "110");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

// The designed state of the main window: 720 by 401 at (286, 213), toggles up, normal.
void ExpectDesignedMainWindow(const TMainWindow& window) {
    EXPECT_EQ(window.geometry(), QRect(286, 213, 720, 401));
    EXPECT_EQ(Toggles(window), "000");
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
    EXPECT_EQ(Toggles(*main), "011");
    EXPECT_EQ(render->geometry().topLeft(), QPoint(-10, 20));
    EXPECT_EQ(TrackBar2->value(), 30);
    EXPECT_EQ(TrackBarZoom->value(), 3000);
    Finish();
    EXPECT_EQ(StoredBounds(), "800 500 16 8");
    EXPECT_EQ(Stored("Render", "Left") + " " + Stored("Render", "Brightness") + " " +
                  Stored("Render", "Zoom"),
              "-10 30 3000");
}

TEST_F(ViewerSettingsTest, FarOutValuesAreKeptWithinWhatTheScreenCanShow) {
    WriteSettings("[Viewer]\nWidth=2147483647\nHeight=2147483647\nLeft=-2147483648\n"
                  "Top=2147483647\n");
    settings = std::make_unique<SettingsFile>(settingsName);
    viewer = std::make_unique<ViewerModel>(data);
    main = std::make_unique<TMainWindow>(*viewer, settings.get());
    // As applied, before the platform places the window.
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(main->geometry(), QRect(-32768, 32767, 2 * desktop.width(), 2 * desktop.height()));
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
}

TEST_F(ViewerSettingsTest, UnknownSectionsKeysAndCommentsSurviveARun) {
    WriteSettings("; kept by hand\n\n[Tools]\nEditor=vi\n[viewer]\n; width as I like it\n"
                  "WIDTH=640\nTheme=dark\n[Render]\nzoom=900\n; last words\n");
    Start();
    EXPECT_EQ(main->width(), 640);
    EXPECT_EQ(TrackBarZoom->value(), 900);
    Finish();
    const QByteArray text = SettingsText();
    for (const char* kept : {"; kept by hand\n", "[Tools]\nEditor=vi\n", "[viewer]\n",
                             "; width as I like it\n", "Theme=dark\n", "; last words\n"})
        EXPECT_TRUE(text.contains(kept)) << kept << " missing from:\n" << text.toStdString();
    EXPECT_EQ(text.count('['), 3) << "no section added twice:\n" << text.toStdString();
    EXPECT_EQ(text.count('='), 2 + 9 + 5) << "no key added twice:\n" << text.toStdString();
}

} // namespace
} // namespace lumetra::test
