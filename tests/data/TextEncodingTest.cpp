#include "data/TextEncoding.h"

#include <gtest/gtest.h>
#include <string>

namespace lumetra {
namespace {

TEST(TextEncoding, ValidUtf8IsKeptAsItIs) {
    for (const char* text : {"", "plain ASCII", "90\xc2\xb0 beam", "\xe2\x82\xac 5",
                             "\xf0\x9f\x92\xa1 lamp", "\xef\xbf\xbf"}) {
        EXPECT_TRUE(IsValidUtf8(text)) << text;
        EXPECT_EQ(ToUtf8(text), text);
    }
}

TEST(TextEncoding, InvalidUtf8IsReadAsLatin1) {
    EXPECT_EQ(ToUtf8("90\xb0 beam"), "90\xc2\xb0 beam");
    EXPECT_EQ(ToUtf8("caf\xe9"), "caf\xc3\xa9");
    EXPECT_EQ(ToUtf8("\xff"), "\xc3\xbf");
}

TEST(TextEncoding, MalformedSequencesAreNotUtf8) {
    for (const char* bytes :
         {"\xb0", "\xc0\xaf", "\xc1\xbf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xe2\x82",
          "\xf4\x90\x80\x80", "\xf8\x88\x80\x80\x80", "\xc2 ", "\x82\xa0\x90\x82"}) {
        EXPECT_FALSE(IsValidUtf8(bytes)) << "bytes of length " << std::string(bytes).size();
        EXPECT_TRUE(IsValidUtf8(ToUtf8(bytes))) << "the Latin-1 reading is always valid UTF-8";
    }
}

} // namespace
} // namespace lumetra
