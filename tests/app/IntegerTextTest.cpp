#include "app/IntegerText.h"

#include "data/Errors.h"

#include <climits>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

struct Accepted {
    const char* text;
    int value;
};

TEST(IntegerFromTextTest, ReadsDecimalWithBlanksAndSign) {
    for (const Accepted& c :
         {Accepted{"0", 0}, Accepted{"720", 720}, Accepted{"-38", -38}, Accepted{"+15", 15},
          Accepted{"   401", 401}, Accepted{"  -7", -7}, Accepted{"007", 7}, Accepted{"-0", 0},
          Accepted{"0000000000000000000000123", 123}})
        EXPECT_EQ(IntegerFromText(c.text), c.value) << c.text;
}

TEST(IntegerFromTextTest, ReadsHexadecimalAfterEachMarkInEitherCase) {
    for (const Accepted& c :
         {Accepted{"$320", 800}, Accepted{"0x1F4", 500}, Accepted{"0X1f4", 500},
          Accepted{"x10", 16}, Accepted{"X10", 16}, Accepted{"$aBcD", 0xABCD},
          Accepted{"-$10", -16}, Accepted{"+0x10", 16}, Accepted{"  x0", 0}, Accepted{"0x0", 0}})
        EXPECT_EQ(IntegerFromText(c.text), c.value) << c.text;
}

TEST(IntegerFromTextTest, AcceptsExactlyTheSigned32BitRange) {
    EXPECT_EQ(IntegerFromText("2147483647"), INT_MAX);
    EXPECT_EQ(IntegerFromText("-2147483648"), INT_MIN);
    EXPECT_EQ(IntegerFromText("$7FFFFFFF"), INT_MAX);
    EXPECT_EQ(IntegerFromText("-$80000000"), INT_MIN);
    for (const char* text : {"2147483648", "-2147483649", "$80000000", "0xFFFFFFFF", "-0x80000001",
                             "99999999999999999999999999999999"})
        EXPECT_THROW(IntegerFromText(text), LumetraError) << text;
}

TEST(IntegerFromTextTest, RejectsEverythingElseWithTheTextInTheMessage) {
    for (const char* text :
         {"",    " ",   "+",   "-",    "$",   "0x",  "x",  "abc",  "12a", "1 2", "12 ",
          "--1", "+-1", "$-1", "0x-1", "1.5", "1e3", "$g", "0xx1", "\t5", "٣"}) {
        try {
            IntegerFromText(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const LumetraError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("'") + text + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace lumetra
