#include "app/IniFile.h"

#include "data/Errors.h"
#include "support/QtSupport.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

namespace lumetra {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    QString Name() const { return folder.filePath("ies.ini"); }

    void WriteRaw(const QByteArray& bytes, const QString& name = "ies.ini") const {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray ReadRaw(const QString& name = "ies.ini") const {
        QFile file(folder.filePath(name));
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

    test::QtTempFolder folder;
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

// Reading matches what the settings file has always meant: the first line of a key wins, even
// across repeated sections, and a line without "=" is a key without value.
TEST_F(IniFileTest, ReadsTheFirstOccurrenceOfAKey) {
    struct Row {
        QByteArray file;
        const char* section;
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {"[Viewer]\nWidth=1\n[Render]\nWidth=5\n[viewer]\nwidth=2\nHeight=3\n", "VIEWER", "width",
         "1"},
        {"[Viewer]\nWidth=1\n[Render]\nWidth=5\n[viewer]\nwidth=2\nHeight=3\n", "Viewer", "HEIGHT",
         "3"},
        {"[ Render ] trailing\r\n  Left = a b \t\r\n", "Render", "Left", "a b"},
        {"[Viewer]\rTop=7\rLeft=8", "Viewer", "Left", "8"},
        {"[Viewer]\n=9\nloose line \n", "Viewer", "loose line", ""},
        {"[Viewer]\n; Width=9\n# Width=8\nWidth=7\n", "Viewer", "Width", "7"},
        {"[Viewer]\n[Render\nZoom=4\n", "Viewer", "Zoom", "4"},
        {"\xEF\xBB\xBF[Viewer]\nZoom=4\n", "Viewer", "Zoom", "4"},
        {"Zoom=4\n[Viewer]\n", "Viewer", "Zoom", "none"},
    };
    for (const Row& row : rows) {
        WriteRaw(row.file);
        EXPECT_EQ(IniFile(Name()).ReadString(row.section, row.key, "none"), row.value)
            << row.file.toStdString();
    }
}

// Every row sets Viewer's Width to 800 and Render's Zoom to 500.
TEST_F(IniFileTest, WritesChangeOnlyTheLinesOfTheirKeys) {
    const QByteArray fresh = "[Viewer]\nWidth=800\n[Render]\nZoom=500\n";
    const QByteArray huge = "[Viewer]\nWidth=640\n" + QByteArray(IniFile::kMaxFileSize, ';');
    const QByteArray withZero("[Viewer]\nWidth=640\n\0[Other]\nKey=1\n", 33);
    struct Row {
        const char* what;
        std::optional<QByteArray> before;
        QByteArray after;
        const char* keptAs = nullptr; // the unreadable file's new name
    };
    const Row rows[] = {
        {"no file", std::nullopt, fresh},
        {"CRLF, comments, blank lines",
         "; mine\r\n\r\n[Viewer]\r\nWidth = 640 \r\n\r\n; render\r\n[Render]\r\nTop=1\r\n",
         "; mine\r\n\r\n[Viewer]\r\nWidth = 800 \r\n\r\n; "
         "render\r\n[Render]\r\nTop=1\r\nZoom=500\r\n"},
        {"loose line, missing key", "[viewer]\nloose line\nHeight=401\n\n; next\n[Render]\n",
         "[viewer]\nloose line\nHeight=401\nWidth=800\n\n; next\n[Render]\nZoom=500\n"},
        {"repeated sections and keys",
         "[Viewer]\nWidth=1\n[Render]\nTop=2\n[VIEWER]\nWidth=3\nZoom=9\n",
         "[Viewer]\nWidth=800\n[Render]\nTop=2\nZoom=500\n[VIEWER]\nWidth=3\nZoom=9\n"},
        {"missing sections, no last line break", "\xEF\xBB\xBF[Other]\nKey=1",
         "\xEF\xBB\xBF[Other]\nKey=1\n" + fresh},
        {"key without value", "[Viewer]\n; Width=1\n  Width\t\n[Render]\nZoom=\t\n",
         "[Viewer]\n; Width=1\n  Width=800\t\n[Render]\nZoom=500\t\n"},
        {"old Mac line breaks", "[Viewer]\rWidth=1\r", "[Viewer]\rWidth=800\r[Render]\rZoom=500\r"},
        {"only a note", "; note", "; note\n" + fresh},
        {"holds a zero byte", withZero, fresh, "ies.ini.unreadable"},
        {"too large, earlier one kept", huge, fresh, "ies.ini.unreadable-2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(QDir(folder.path()).removeRecursively() && QDir().mkpath(folder.path()));
        if (row.before)
            WriteRaw(*row.before);
        const bool earlier = row.keptAs && QByteArray(row.keptAs).endsWith("-2");
        if (earlier)
            WriteRaw("earlier", "ies.ini.unreadable");
        QStringList messages;
        SetMessageBoxHook([&](const QString& text) { messages << text; });
        IniFile ini(Name());
        ini.WriteString("Viewer", "Width", "800");
        ini.WriteString("Render", "Zoom", "500");
        SetMessageBoxHook({});
        EXPECT_EQ(ReadRaw().toStdString(), row.after.toStdString());
        EXPECT_EQ(Entries().size(), 1 + (row.keptAs ? 1 : 0) + (earlier ? 1 : 0))
            << Entries().join(' ').toStdString();
        if (!row.keptAs) {
            EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
            continue;
        }
        EXPECT_EQ(ReadRaw(row.keptAs), *row.before) << "the unreadable file is kept whole";
        if (earlier) {
            EXPECT_EQ(ReadRaw("ies.ini.unreadable"), "earlier");
        }
        ASSERT_EQ(messages.size(), 1);
        const QString kept = folder.filePath(row.keptAs);
        EXPECT_TRUE(messages[0].contains(Name()) && messages[0].contains(kept))
            << messages[0].toStdString();
    }
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
