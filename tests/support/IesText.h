#pragma once
// A small LM-63 file built in code, one part per line so that each part's line number is fixed:
// the header lines, the TILT line and its block, the leading numbers, the ballast line, the
// vertical and horizontal angles and the candela lines. Tests change the part they are about and
// keep the rest sound.

#include <string>
#include <vector>

namespace lumetra::test {

// By default a valid LM-63-2002 file of 3 vertical and 2 horizontal angles: header 1-3, TILT 4,
// the leading numbers 5-6, vertical angles 7, horizontal angles 8, candela values 9-10.
struct IesFile {
    std::vector<std::string> header = {"IESNA:LM-63-2002", "[TEST] 12345", "[MANUFAC] Acme"};
    std::string tilt = "TILT=NONE";
    std::vector<std::string> tiltBlock;
    std::string leading = "1 1000 1 3 2 1 1 0 0 0";
    std::string ballast = "1 1 100";
    std::string vertical = "0 45 90";
    std::string horizontal = "0 90";
    std::vector<std::string> candela = {"100 50 10", "100 40 5"};

    // The file's bytes, every line ended by lineBreak.
    std::string Text(const std::string& lineBreak = "\n") const {
        std::string text;
        const auto add = [&](const std::string& line) { text += line + lineBreak; };
        for (const auto& line : header)
            add(line);
        add(tilt);
        for (const auto& line : tiltBlock)
            add(line);
        for (const auto& line : {leading, ballast, vertical, horizontal})
            add(line);
        for (const auto& line : candela)
            add(line);
        return text;
    }
};

} // namespace lumetra::test
