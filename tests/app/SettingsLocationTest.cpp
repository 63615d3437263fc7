#include "app/SettingsLocation.h"

#include "support/QtSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(SettingsLocationTest, BesideTheProgramWhenItCanBeWrittenThereElseInTheConfigFolder) {
    struct Row {
        bool folderWritable;
        bool fileWritable;
        const char* xdgConfigHome;
        const char* home;
        const char* expected;
    };
    const Row rows[] = {
        {true, false, "", "/home/ann", "/opt/lumetra/ies.ini"},
        {true, true, "/home/ann/cfg", "/home/ann", "/opt/lumetra/ies.ini"},
        {false, true, "", "/home/ann", "/opt/lumetra/ies.ini"},
        {false, false, "", "/home/ann", "/home/ann/.config/lumetra/ies.ini"},
        {false, false, "/home/ann/cfg", "/home/ann", "/home/ann/cfg/lumetra/ies.ini"},
        {false, false, "cfg", "/home/ann", "/home/ann/.config/lumetra/ies.ini"},
        {false, false, "/xdg", "", "/xdg/lumetra/ies.ini"},
        {false, false, "", "", "/opt/lumetra/ies.ini"},
    };
    for (const Row& row : rows) {
        const SettingsPlaceFacts facts{"/opt/lumetra", row.folderWritable, row.fileWritable,
                                       row.xdgConfigHome, row.home};
        EXPECT_EQ(ChooseSettingsFileName(facts), row.expected)
            << row.folderWritable << row.fileWritable << " " << row.xdgConfigHome << " "
            << row.home;
    }
}

TEST(SettingsLocationTest, TheChosenConfigFolderIsCreated) {
    test::QtTempFolder config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString chosen = SettingsFileNameFor("/proc/no-such-program-folder");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(chosen, config.filePath("lumetra/ies.ini"));
    EXPECT_TRUE(QDir(config.filePath("lumetra")).exists());
}

} // namespace
} // namespace lumetra
