// lumetra-cli in another language: the text a person reads is translated, what scripts parse
// (JSON, check's "FILE:LINE: error:" form) stays as it is.

#include "CliProcess.h"

#include <string>

namespace {

class LanguageOutput : public lumetra::test::CliTest {};

const std::string kSample = std::string(LUMETRA_SAMPLES_DIR) + "/lm2002_typeb_full_73x73.ies";
const std::string kTypeC = std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_full_0_345_no360_crlf.ies";
const std::string kNoTilt = std::string(LUMETRA_SAMPLES_DIR) + "/broken_gibberish_no_tilt.ies";
const std::string kBollard = std::string(LUMETRA_SAMPLES_DIR) + "/lm1991_bollard_crlf.ies";

// LANGUAGE chooses among the languages over an English locale (a C locale keeps English, as
// gettext does).
std::string Speaking(const std::string& language) {
    return "LC_ALL=en_US.UTF-8 LANGUAGE=" + language;
}

TEST_F(LanguageOutput, TextIsTranslatedWhileJsonAndReportFormsStay) {
    const struct {
        std::vector<std::string> arguments;
        const char* language;
        const char *shown, *notShown;
    } rows[] = {
        {{"summary", kSample}, "de", "\nLichtstrom: ", "Luminous flux"},
        {{"summary", kSample}, "de", "\nHalbwertswinkel (", "Beam angle"},
        {{"summary", kTypeC}, "de", "\nBUG-Zone FL (vorn niedrig, 0-30°): ", "BUG zone"},
        {{"summary", kSample}, "zh_CN", "\n光通量: ", "Luminous flux"},
        {{"summary", kSample}, "en", "\nLuminous flux: ", "Lichtstrom"},
        {{"check", kNoTilt}, "de", ":1: error: Keine TILT-Zeile: ", "No TILT line"},
        {{"check", kNoTilt}, "fr", ":1: warning: Pas de ligne de version", "No version line"},
        // Counted words take the count's form: one file, two files.
        {{"check", kNoTilt}, "de", "\n1 Datei, 1 Fehler, 1 Warnung\n", "files"},
        {{"check", kNoTilt, kTypeC}, "de", "\n2 Dateien, ", "files"},
        {{"check", kNoTilt}, "en", "\n1 files, 1 errors, 1 warnings\n", "Datei"},
        {{"compare", kTypeC, kBollard}, "de", "\nLichtstrom   ", "Luminous flux"},
        {{"compare", kTypeC, kBollard}, "de", " k. A. ", "n/a"},
        {{"summary", kTypeC}, "de", "\nSymmetrie: keine\n", "none"},
        {{"compare", kTypeC, kBollard},
         "de",
         "\n* außerhalb der Toleranz: 5 %, Winkel 2 Grad\n",
         "beyond"},
        {{"compare", kTypeC, kBollard}, "zh_CN", "\n光通量   ", "Luminous flux"},
        {{"illuminance", kTypeC}, "de", "Boden E max: ", "Floor"},
        {{"catalogue", LUMETRA_SAMPLES_DIR}, "de", "Datei\tFormat\tHersteller\t", "Manufacturer"},
        {{"catalogue", LUMETRA_SAMPLES_DIR}, "de", "\tLädt fehlerfrei\n", "Loads cleanly"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments, Speaking(row.language));
        const std::string where = row.language + (": " + run.out);
        EXPECT_NE(run.out.find(row.shown), std::string::npos) << where;
        EXPECT_EQ(run.out.find(row.notShown), std::string::npos) << where;
    }
}

TEST_F(LanguageOutput, JsonIsTheSameInEveryLanguage) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"summary", "--json", kSample},
                                               {"summary", "--json", kNoTilt},
                                               {"check", "--json", kNoTilt},
                                               {"compare", "--json", kTypeC, kBollard},
                                               {"catalogue", "--json", LUMETRA_SAMPLES_DIR}}) {
        const auto english = RunCli(arguments, Speaking("en"));
        const auto german = RunCli(arguments, Speaking("de"));
        EXPECT_FALSE(english.out.empty()) << arguments.back();
        EXPECT_EQ(german.out, english.out) << arguments.back();
    }
}

TEST_F(LanguageOutput, TheReadersMessageIsTranslatedOnStderr) {
    const auto run = RunCli({"summary", kNoTilt}, Speaking("de"));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("nicht aussagekräftig"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Zeile 1: error: Keine TILT-Zeile"), std::string::npos) << run.err;
}

} // namespace
