// Messages kept as template and arguments: filled in one pass, nested, shaped.

#include "data/Message.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumetra {
namespace {

TEST(Message, FillsEachPlaceholderOnceWithWhatItIsGiven) {
    struct Row {
        const char* pattern;
        std::vector<std::string> arguments;
        const char* filled;
    };
    const Row rows[] = {
        {"Line %1: %2", {"12", "text"}, "Line 12: text"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"an argument's %2 stays: %1", {"%2", "y"}, "an argument's y stays: %2"},
        {"5 % of %1, %3 has no argument", {"it"}, "5 % of it, %3 has no argument"},
        {"%1", {""}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FillPlaceholders(row.pattern, row.arguments), row.filled) << row.pattern;
}

TEST(Message, EnglishFillsNestedMessagesAndShapesTheResult) {
    const Message reason = Message("C", "the %1 is empty").Arg(Message("C", "lamp type"));
    EXPECT_EQ(Message("C", "Line %1: %2").Arg("3").Arg(reason).English(),
              "Line 3: the lamp type is empty");
    EXPECT_EQ(Message(reason).StartingSentence().English(), "The lamp type is empty");
    EXPECT_EQ(Message("C", "Error!\r\rLine %1").Arg("21").OnOneLine().English(), "Error! Line 21");
    EXPECT_EQ(Message::Verbatim("%1 stays").Arg("x").English(), "x stays");
    EXPECT_TRUE(Message().empty());
    EXPECT_FALSE(Message::Verbatim("text").empty());
}

} // namespace
} // namespace lumetra
