// The core's messages as the windows and lumetra-cli show them: English exactly as the core
// writes it, another language filled with the same arguments, English where a text has no
// translation.

#include "data/Errors.h"
#include "data/Message.h"
#include "eulumdat/EulumdatError.h"
#include "translate/Translations.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>

namespace lumetra::test {
namespace {

Message ReaderMessage() {
    return LUMETRA_MESSAGE("IesReader", "Error!\r\rLine %1").Arg("12");
}

// A reason nested in the EULUMDAT reader's frame, with a marked word nested in the reason.
Message NestedMessage() {
    return EulumdatError(7, LUMETRA_MESSAGE("EulumdatReader", "the %1 is empty")
                                .Arg(Message("EulumdatReader", "luminaire name")))
        .message();
}

Message UntranslatedMessage() {
    return Message("NoSuchContext", "Nothing translates %1 or %2").Arg("50%").Arg("%1");
}

struct Row {
    const char* language;
    Message message;
    const char* shown;
};

TEST(TranslatedMessage, EachLanguageFillsTheSameArguments) {
    const Row rows[] = {
        {"en", ReaderMessage(), "Error!\r\rLine 12"},
        {"en", NestedMessage(), "Line 7 of the EULUMDAT file: the luminaire name is empty"},
        {"en", LUMETRA_MESSAGE("Loading", "Cannot open file %1").Arg("/tmp/ä b.ies"),
         "Cannot open file /tmp/ä b.ies"},
        {"en", UntranslatedMessage(), "Nothing translates 50% or %1"},
        {"de", ReaderMessage(), "Fehler!\r\rZeile 12"},
        {"de", NestedMessage(), "Zeile 7 der EULUMDAT-Datei: der Wert „Leuchtenname“ ist leer"},
        {"de", LUMETRA_MESSAGE("Loading", "Cannot open file %1").Arg("/tmp/ä b.ies"),
         "Die Datei /tmp/ä b.ies kann nicht geöffnet werden"},
        {"de", UntranslatedMessage(), "Nothing translates 50% or %1"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(InstallTranslations(row.language)) << row.language;
        EXPECT_EQ(TranslatedMessage(row.message), QString::fromUtf8(row.shown))
            << row.language << ": " << row.shown;
    }
    InstallTranslations("en");
}

TEST(TranslatedMessage, EnglishIsTheCoresTextByteForByte) {
    InstallTranslations("en");
    for (const Message& message : {ReaderMessage(), NestedMessage(), UntranslatedMessage()})
        EXPECT_EQ(TranslatedUtf8(message), message.English());
}

TEST(TranslatedMessage, AnErrorShowsItsMessageAndAnyOtherErrorItsText) {
    ASSERT_TRUE(InstallTranslations("de"));
    EXPECT_EQ(TranslatedError(LumetraError(ReaderMessage())), "Fehler!\r\rZeile 12");
    EXPECT_EQ(TranslatedError(std::runtime_error("plain")), "plain");
    InstallTranslations("en");
}

} // namespace
} // namespace lumetra::test
