// The settings file's sections as plain values, without windows: what a reading gets through,
// and the keys and forms a writing leaves.

#include "app/IniFile.h"
#include "app/SettingsFile.h"
#include "support/QtSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

class SettingsSectionsTest : public ::testing::Test {
  protected:
    void Write(const QByteArray& text) {
        QFile file(settings.FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
    }
    QString Stored(const char* section, const char* key) const {
        return IniFile(settings.FileName()).ReadString(section, key, "<missing>");
    }

    QtTempFolder folder;
    SettingsFile settings{folder.filePath("ies.ini")};
};

TEST_F(SettingsSectionsTest, MissingKeysReadAsTheSectionsDefaults) {
    const auto viewer = settings.ReadViewer();
    EXPECT_EQ(viewer.keysRead, 9);
    EXPECT_TRUE(viewer.error.empty());
    EXPECT_EQ(viewer.values.width, kMainWindowSize.width());
    EXPECT_FALSE(viewer.values.left.has_value()) << "centred";
    EXPECT_TRUE(viewer.values.autoUpdate && viewer.values.ortho && viewer.values.fit);
    const auto render = settings.ReadRender();
    EXPECT_EQ(render.keysRead, 5);
    EXPECT_EQ(render.values.brightness, kBrightnessBar.initial);
    EXPECT_EQ(render.values.zoom, kZoomBar.initial);
    EXPECT_FALSE(render.values.radiosity);
}

TEST_F(SettingsSectionsTest, AFaultyValueEndsTheReadingWithTheKeysBeforeItRead) {
    struct Row {
        const char* text;
        int keysRead;
        const char* error;
    };
    for (const Row& row :
         {Row{"[Render]\nLeft=$10\nTop=-3\nBrightness=0x20\nZoom=9\nRadiocity=257\n", 5, ""},
          Row{"[Render]\nLeft=100\nTop=120\nBrightness=abc\nZoom=900\n", 2,
              "'abc' is not a valid integer value"},
          Row{"[Render]\nLeft=\n", 0, "'' is not a valid integer value"}}) {
        Write(row.text);
        const auto render = settings.ReadRender();
        EXPECT_EQ(render.keysRead, row.keysRead) << row.text;
        EXPECT_EQ(render.error, row.error) << row.text;
    }
    Write("[Render]\nLeft=$10\nTop=-3\nBrightness=0x20\nRadiocity=257\n");
    const auto read = settings.ReadRender().values;
    EXPECT_EQ(read.left, 16);
    EXPECT_EQ(read.top, -3);
    EXPECT_EQ(read.brightness, 32);
    EXPECT_TRUE(read.radiosity) << "the lowest 8 bits of 257 are 1";
}

TEST_F(SettingsSectionsTest, FlagsReadTheirLowestEightBitsAndAreWrittenAsOneOrZero) {
    struct Row {
        const char* stored;
        const char* flags; // automatic update, orthogonal, fit, radiosity
    };
    for (const Row& row :
         {Row{"[Viewer]\nAuto=0\nOrtho=0\nFit=1\n", "0010"},
          Row{"[Viewer]\nAuto=256\n[Render]\nRadiocity=256\n", "0110"},
          Row{"[Viewer]\nAuto=-1\nOrtho=$100\nFit=2\n[Render]\nRadiocity=257\n", "1011"}}) {
        Write(row.stored);
        const ViewerSection viewer = settings.ReadViewer().values;
        const RenderSection render = settings.ReadRender().values;
        const auto flag = [](bool on) { return on ? '1' : '0'; };
        EXPECT_EQ((std::string{flag(viewer.autoUpdate), flag(viewer.ortho), flag(viewer.fit),
                               flag(render.radiosity)}),
                  row.flags)
            << row.stored;
        settings.WriteViewer(viewer);
        settings.WriteRender(render);
        EXPECT_EQ(Stored("Viewer", "Auto") + Stored("Viewer", "Ortho") + Stored("Viewer", "Fit") +
                      Stored("Render", "Radiocity"),
                  QString(row.flags))
            << row.stored;
    }
}

TEST_F(SettingsSectionsTest, WritingStoresIntegersInDecimalAndFlagsAsOneOrZero) {
    ViewerSection viewer;
    viewer.folder = "/tmp/x";
    viewer.left = -20;
    viewer.top = 30;
    viewer.fit = false;
    viewer.state = 2;
    settings.WriteViewer(viewer);
    EXPECT_EQ(Stored("Viewer", "LastFileName"), "/tmp/x");
    EXPECT_EQ(Stored("Viewer", "Left"), "-20");
    EXPECT_EQ(Stored("Viewer", "Fit"), "0");
    EXPECT_EQ(Stored("Viewer", "Auto"), "1");
    EXPECT_EQ(Stored("Viewer", "State"), "2");
    settings.WriteProperties({400, 300, 5, 6, "Text"});
    EXPECT_EQ(Stored("Properties", "Width"), "400");
    EXPECT_EQ(Stored("Properties", "Tab"), "Text");
    const auto properties = settings.ReadProperties().values;
    EXPECT_EQ(properties.height, 300);
    EXPECT_EQ(properties.top, 6);
}

TEST_F(SettingsSectionsTest, EncodingChoicesAreKeptInTheirOwnSectionOnlyOnceThereAreSome) {
    settings.WriteEncodings({});
    EXPECT_FALSE(QFile::exists(settings.FileName())) << "no choice, no file";
    const std::vector<std::string> entries{"WINDOWS-1251 /a b/x.ies", "GB18030 /y.ldt"};
    settings.WriteEncodings(entries);
    EXPECT_EQ(Stored("Encodings", "Count"), "2");
    EXPECT_EQ(Stored("Encodings", "File1"), "WINDOWS-1251 /a b/x.ies");
    EXPECT_EQ(settings.ReadEncodings(), entries);
    settings.WriteEncodings({entries[1]});
    EXPECT_EQ(settings.ReadEncodings(), std::vector<std::string>{entries[1]});
    Write("[Encodings]\nCount=x\nFile1=UHC /z.ies\n");
    EXPECT_TRUE(settings.ReadEncodings().empty()) << "a faulty count reads as none";
}

} // namespace
} // namespace lumetra::test
