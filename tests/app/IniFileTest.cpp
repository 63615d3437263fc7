#include "app/IniFile.h"

#include "data/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace lumetra {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
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

    // A temporary file left behind by a write shows here.
    QStringList Entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static std::string WriteError(IniFile& ini) {
        try {
            ini.WriteString("Viewer", "Width", "800");
        } catch (const LumetraError& error) {
            return error.what();
        }
        return "no error";
    }

    std::string UnableToWrite() const { return "Unable to write to " + Name().toStdString(); }

    QTemporaryDir folder;
};

TEST_F(IniFileTest, ReadsTheKeyOrTheDefault) {
    EXPECT_EQ(IniFile(Name()).ReadString("Viewer", "Width", "720"), "720");
    EXPECT_FALSE(QFile::exists(Name())) << "reading creates nothing";

    WriteRaw("[vIEWER]\nwidth=640\nWidth=800\nLastFileName=\nLong=" + QByteArray(3000, 'a') + "\n");
    const IniFile ini(Name());
    EXPECT_EQ(ini.ReadString("Viewer", "WIDTH", "720"), "640") << "any letter case; first wins";
    EXPECT_EQ(ini.ReadString("Viewer", "Height", "401"), "401");
    EXPECT_EQ(ini.ReadString("Render", "Width", "720"), "720");
    EXPECT_EQ(ini.ReadString("Viewer", "LastFileName", "x"), "") << "empty is not missing";
    EXPECT_EQ(ini.ReadString("Viewer", "Long", ""), QString(IniFile::kMaxValueLength, 'a'));
}

TEST_F(IniFileTest, EveryWriteReplacesTheFileAtOnce) {
    IniFile ini(Name());
    ini.WriteString("Viewer", "State", "0");
    EXPECT_EQ(ReadRaw(), "[Viewer]\nState=0\n");
    ini.WriteString("Viewer", "Width", "720");
    ini.WriteString("Render", "Left", "-38");
    ini.WriteString("VIEWER", "State", "2");
    EXPECT_EQ(ReadRaw(), "[Viewer]\nState=2\nWidth=720\n\n\n[Render]\nLeft=-38\n");
    EXPECT_EQ(Entries(), QStringList{"ies.ini"});
}

TEST_F(IniFileTest, KeepsEverythingItDoesNotWrite) {
    WriteRaw("\xEF\xBB\xBF; written by hand\n\n"
             "[Other]\nColour = blue\nColour=green\n"
             "; about the viewer\n[viewer]\nWidth=640\n# my note\nMystery=42\nloose line\nEmpty=\n"
             "; the very end\n; of the file\n");
    IniFile(Name()).WriteString("Viewer", "Width", "800");
    const QByteArray text = ReadRaw();
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF; written by hand\n")) << text.toStdString();
    for (const char* kept :
         {"[Other]\nColour=blue\nColour=green\n", "; about the viewer\n[viewer]\n", "Width=800\n",
          "# my note\nMystery=42\n", "loose line=\nEmpty=\n"})
        EXPECT_TRUE(text.contains(kept)) << kept << " missing from:\n" << text.toStdString();
    EXPECT_TRUE(text.endsWith("Empty=\n; the very end\n; of the file\n")) << text.toStdString();

    WriteRaw("; nothing but a note\r\n");
    IniFile(Name()).WriteString("Viewer", "State", "0");
    EXPECT_EQ(ReadRaw(), "; nothing but a note\n[Viewer]\nState=0\n");
}

TEST_F(IniFileTest, RefusesWritesThatWouldLoseOrCorruptContent) {
    IniFile inMissingFolder(folder.filePath("gone/ies.ini"));
    EXPECT_EQ(WriteError(inMissingFolder),
              "Unable to write to " + folder.filePath("gone/ies.ini").toStdString());

    ASSERT_TRUE(QDir(folder.path()).mkdir("ies.ini")); // a folder in the file's place
    IniFile onFolder(Name());
    EXPECT_EQ(onFolder.ReadString("Viewer", "Width", "720"), "720");
    EXPECT_EQ(WriteError(onFolder), UnableToWrite());
    ASSERT_TRUE(QDir(folder.path()).rmdir("ies.ini"));

    // Content that could not be read whole is never overwritten.
    for (const QByteArray& unreadable :
         {"[Viewer]\nWidth=640\n" + QByteArray(IniFile::kMaxFileSize, ';'),
          QByteArray("[Viewer]\nWidth=640\n\0[Other]\nKey=1\n", 33)}) {
        WriteRaw(unreadable);
        IniFile ini(Name());
        EXPECT_EQ(ini.ReadString("Viewer", "Width", "720"), "720");
        EXPECT_EQ(WriteError(ini), UnableToWrite());
        EXPECT_EQ(ReadRaw(), unreadable);
    }

    WriteRaw("[Viewer]\nWidth=640\n");
    IniFile ini(Name());
    EXPECT_THROW(ini.WriteString("Viewer", "LastFileName", "/tmp/a\nWidth=1"), LumetraError);
    EXPECT_EQ(ReadRaw(), "[Viewer]\nWidth=640\n") << "a line break would forge a key";
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
    EXPECT_EQ(error, UnableToWrite());
    EXPECT_EQ(ReadRaw(), original);
    EXPECT_EQ(Entries(), QStringList{"ies.ini"}) << "the partial temporary file is removed";

    ini.WriteString("Viewer", "Width", "800");
    EXPECT_EQ(IniFile(Name()).ReadString("Notes", "Note1999", ""), "some text worth keeping");
}

} // namespace
} // namespace lumetra
