#include "app/IniFile.h"

#include "data/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace lumetra {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString Name() const { return folder.filePath("ies.ini"); }

    void WriteRaw(const QByteArray& bytes) const {
        QFile file(Name());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray ReadRaw() const {
        QFile file(Name());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The folder's entries: a temporary file left behind by a write shows here.
    QStringList Entries() const {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::string WriteError(IniFile& ini) const {
        try {
            ini.WriteString("Viewer", "Width", "800");
        } catch (const LumetraError& error) {
            return error.what();
        }
        return "no error";
    }

    QTemporaryDir folder;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    {
        const IniFile missing(Name());
        EXPECT_EQ(missing.ReadString("Viewer", "Width", "720"), "720");
    }
    EXPECT_FALSE(QFile::exists(Name())) << "reading creates nothing";

    WriteRaw("[Viewer]\nWidth=800\n");
    const IniFile ini(Name());
    EXPECT_EQ(ini.ReadString("Viewer", "Height", "401"), "401");
    EXPECT_EQ(ini.ReadString("Render", "Width", "720"), "720");
    EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "800");
}

TEST_F(IniFileTest, EmptyValueIsReadAsEmptyNotAsTheDefault) {
    WriteRaw("[Viewer]\nLastFileName=\nWidth=   \n");
    const IniFile ini(Name());
    EXPECT_EQ(ini.ReadString("Viewer", "LastFileName", "x"), "");
    EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "");
}

TEST_F(IniFileTest, SectionAndKeyNamesIgnoreLetterCase) {
    WriteRaw("[vIEWER]\nwidth=640\n");
    IniFile ini(Name());
    EXPECT_EQ(ini.ReadString("Viewer", "WIDTH", "720"), "640");
    ini.WriteString("VIEWER", "Width", "800");
    const QString text = QString::fromUtf8(ReadRaw());
    EXPECT_EQ(text.count("[", Qt::CaseInsensitive), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("[vIEWER]\n")) << "the section keeps its own spelling";
    EXPECT_EQ(IniFile(Name()).ReadString("viewer", "width", ""), "800");
}

TEST_F(IniFileTest, RepeatedKeyReadsItsFirstValue) {
    WriteRaw("[Viewer]\nWidth=640\nWidth=800\n");
    EXPECT_EQ(IniFile(Name()).ReadString("Viewer", "Width", ""), "640");
}

TEST_F(IniFileTest, LongValueIsCutAt2047Characters) {
    const QByteArray value(3000, 'a');
    WriteRaw("[Viewer]\nLastFileName=" + value + "\n");
    const QString read = IniFile(Name()).ReadString("Viewer", "LastFileName", "");
    EXPECT_EQ(read.size(), IniFile::kMaxValueLength);
    EXPECT_EQ(read, QString(IniFile::kMaxValueLength, 'a'));
}

TEST_F(IniFileTest, WriteCreatesFileSectionAndKeyAtOnce) {
    IniFile ini(Name());
    ini.WriteString("Viewer", "State", "0");
    EXPECT_EQ(ReadRaw(), "[Viewer]\nState=0\n") << "written by the first call already";
    ini.WriteString("Viewer", "Width", "720");
    ini.WriteString("Render", "Left", "-38");
    ini.WriteString("Viewer", "State", "2");
    EXPECT_EQ(ReadRaw(), "[Viewer]\nState=2\nWidth=720\n\n\n[Render]\nLeft=-38\n");
    EXPECT_EQ(Entries(), QStringList{"ies.ini"}) << "no temporary file stays behind";
}

TEST_F(IniFileTest, KeepsEverythingItDoesNotWrite) {
    const QByteArray original = "\xEF\xBB\xBF; written by hand\n"
                                "\n"
                                "[Other]\n"
                                "Colour = blue\n"
                                "Colour=green\n"
                                "; about the viewer\n"
                                "[Viewer]\n"
                                "Width=640\n"
                                "# my note\n"
                                "Mystery=42\n"
                                "loose line\n"
                                "Empty=\n"
                                "; the very end\n"
                                "; of the file\n";
    WriteRaw(original);
    IniFile(Name()).WriteString("Viewer", "Width", "800");
    const QByteArray text = ReadRaw();
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF; written by hand\n")) << text.toStdString();
    for (const char* kept : {"[Other]\n", "Colour=blue\n", "Colour=green\n",
                             "; about the viewer\n[Viewer]\n", "Width=800\n", "# my note\n",
                             "Mystery=42\n", "loose line=\n", "Empty=\n",
                             "; the very end\n; of the file\n"})
        EXPECT_TRUE(text.contains(kept)) << kept << " missing from:\n" << text.toStdString();
    EXPECT_FALSE(text.contains("640"));
    EXPECT_TRUE(text.endsWith("; of the file\n")) << "end comments stay at the end";
    EXPECT_LT(text.indexOf("[Other]"), text.indexOf("[Viewer]")) << "sections keep their order";

    const IniFile again(Name());
    EXPECT_EQ(again.ReadString("Other", "Colour", ""), "blue");
    EXPECT_EQ(again.ReadString("Viewer", "Mystery", ""), "42");
}

TEST_F(IniFileTest, CommentOnlyFileKeepsItsCommentsAtTheTop) {
    WriteRaw("; nothing but a note\r\n");
    IniFile(Name()).WriteString("Viewer", "State", "0");
    EXPECT_EQ(ReadRaw(), "; nothing but a note\n[Viewer]\nState=0\n");
}

TEST_F(IniFileTest, FailedWriteNamesTheFile) {
    const QString inMissingFolder = folder.filePath("gone/ies.ini");
    IniFile ini(inMissingFolder);
    EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "720");
    try {
        ini.WriteString("Viewer", "Width", "800");
        FAIL() << "write into a missing folder succeeded";
    } catch (const LumetraError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + inMissingFolder.toStdString());
    }
}

TEST_F(IniFileTest, WhatCannotBeReadIsNeverOverwritten) {
    // A folder in the file's place, and a file too large to be a settings file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("ies.ini"));
    {
        IniFile ini(Name());
        EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "720");
        EXPECT_EQ(WriteError(ini), "Unable to write to " + Name().toStdString());
    }
    ASSERT_TRUE(QDir(folder.path()).rmdir("ies.ini"));

    const QByteArray huge = "[Viewer]\nWidth=640\n" + QByteArray(IniFile::kMaxFileSize, ';');
    WriteRaw(huge);
    IniFile ini(Name());
    EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "720");
    EXPECT_EQ(WriteError(ini), "Unable to write to " + Name().toStdString());
    EXPECT_EQ(ReadRaw(), huge);
}

TEST_F(IniFileTest, ValueWithLineBreakIsRefusedNotSplit) {
    WriteRaw("[Viewer]\nWidth=640\n");
    IniFile ini(Name());
    EXPECT_THROW(ini.WriteString("Viewer", "LastFileName", "/tmp/a\nWidth=1"), LumetraError);
    EXPECT_EQ(ReadRaw(), "[Viewer]\nWidth=640\n");
}

// The file size limit makes the write fail part-way, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(IniFileTest, WriteFailingPartWayLeavesThePreviousFileIntact) {
    QByteArray original = "[Viewer]\nWidth=640\n[Notes]\n";
    for (int i = 0; i < 2000; ++i)
        original += "Note" + QByteArray::number(i) + "=some text worth keeping\n";
    WriteRaw(original);
    IniFile ini(Name());
    std::string error;
    {
        const FileSizeLimit limit(4096);
        error = WriteError(ini);
    }
    EXPECT_EQ(error, "Unable to write to " + Name().toStdString());
    EXPECT_EQ(ReadRaw(), original);
    EXPECT_EQ(Entries(), QStringList{"ies.ini"}) << "the partial temporary file is removed";

    ini.WriteString("Viewer", "Width", "800"); // without the limit the same write succeeds
    EXPECT_EQ(IniFile(Name()).ReadString("Viewer", "Width", ""), "800");
    EXPECT_EQ(IniFile(Name()).ReadString("Notes", "Note1999", ""), "some text worth keeping");
}

} // namespace
} // namespace lumetra
