#include "SettingsFixture.h"

namespace lumetra::test {
namespace {

using OpenedFileSettingsTest = SettingsFixture;

TEST_F(OpenedFileSettingsTest, FileOpenedFromOutsideStoresItsFolder) {
    const QString lamp = startFolder + "/lamps/bollard.ies";
    ASSERT_TRUE(QDir(startFolder).mkpath("lamps"));
    ASSERT_TRUE(QFile::copy(QSamplePath("lm1991_bollard_crlf.ies"), lamp));
    Start();
    main->OpenPath(lamp);
    Finish();
    EXPECT_EQ(Stored("Viewer", "LastFileName"), startFolder + "/lamps");
}

} // namespace
} // namespace lumetra::test
