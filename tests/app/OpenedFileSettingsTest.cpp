#include "SettingsFixture.h"

namespace lumetra::test {
namespace {

using OpenedFileSettingsTest = SettingsFixture;

// The stored name stays a folder when the run opened a file given from outside.
TEST_F(OpenedFileSettingsTest, FileOpenedFromOutsideStoresItsFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("lamps"));
    const QString lamps = QDir::cleanPath(folder.filePath("lamps"));
    ASSERT_TRUE(QFile::copy(QDir(LUMETRA_SAMPLES_DIR).filePath("lm1991_bollard_crlf.ies"),
                            lamps + "/bollard.ies"));
    Start();
    main->OpenPath(lamps + "/bollard.ies");
    EXPECT_EQ(main->SelectedFileName(), lamps + "/bollard.ies");
    Finish();
    EXPECT_EQ(Stored("Viewer", "LastFileName"), lamps);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

} // namespace
} // namespace lumetra::test
