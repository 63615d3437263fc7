#include "HelpText.h"

#include "data/Message.h"
#include "render/RenderBars.h"

#include <QCoreApplication>
#include <string>
#include <vector>

namespace lumetra::cli {

namespace {

// The paragraphs of the help, each translated on its own so that a translator works on one
// command at a time; they are printed with a blank line between them.
const char* const kParagraphs[] = {
    QT_TRANSLATE_NOOP("lumetra-cli", "Usage: lumetra-cli COMMAND [OPTIONS]"),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other\n"
        "as IES. Arguments that a command cannot use exit with status 2."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "Commands:\n"
        "  info FILE\n"
        "      Loads FILE as the viewer does and prints one JSON object: LampLumens,\n"
        "      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType, VerticalAngles,\n"
        "      HorizontalAngles, Candela (plane by plane), HeaderLines, Description,\n"
        "      GlobalMaxCandela, ParseError and Message (the reader's message, or null).\n"
        "      The reader's message also goes to stderr; the exit status stays 0.\n"
        "      A load that fails prints its error on stderr and exits 1."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]\n"
        "      Draws the grid and goniogram of FILE on an S x S area (default 400) as the\n"
        "      main window does and writes it as PNG or SVG. --plane picks the C-plane\n"
        "      index (default 0), --fit scales to the drawn planes, --ortho adds the\n"
        "      orthogonal pair at plane 0.\n"
        "      Exit status: 0 when written, 1 on an error, 2 for a usage error, 3 when\n"
        "      written although the reader reported a message about the file (printed\n"
        "      on stderr)."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  render FILE -o OUT.png [--plane N] [--brightness %1] [--zoom %2]\n"
        "         [--radiosity]\n"
        "      Renders the light pattern as the render window does (defaults: plane 0,\n"
        "      brightness %3, zoom %4, radiosity off) and writes the 300 x 300 picture as\n"
        "      an 8-bit grey PNG. Values outside a bar's range are clamped to it.\n"
        "      Exit status as for gonio."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  check [--json] [--jobs N] PATH...\n"
        "      Checks IES and EULUMDAT files for what keeps the viewer from reading or\n"
        "      showing them as meant, and IES files for departures from LM-63. A PATH is a\n"
        "      file, or a folder searched with its subfolders for *.ies and *.ldt in any\n"
        "      letter case. Prints each finding as\n"
        "      FILE:LINE: error|warning: MESSAGE (FILE: ok for a file without findings),\n"
        "      then \"N files, E errors, W warnings\"; --json prints one JSON object\n"
        "      instead: files (path, errors, warnings, findings with severity, line and\n"
        "      message), unreadable (paths) and summary (files, errors, warnings).\n"
        "      The files are checked on N threads (--jobs, a whole number from 1 to 256,\n"
        "      default: every core); the report is the same for any N.\n"
        "      Errors: a token that is not a number; fewer numbers than the counts\n"
        "      declare; a count that is not a whole number from 1 to 65535; vertical\n"
        "      angles not strictly ascending; a grid over 4194304 values; no TILT line or\n"
        "      nothing after it; a file the viewer refuses (too large, too many lines).\n"
        "      Warnings: more numbers than the counts declare (ignored); horizontal angles\n"
        "      none of the LM-63 forms (one plane, 0-90, 0-180, 90-270, 0-360; for types\n"
        "      A and B 0-90, -90-90); a first vertical angle other than 0, 90 or -90;\n"
        "      negative candela values, or none above 0; TILT=INCLUDE or a tilt file\n"
        "      (tilt factors are not applied); a missing or unknown version line;\n"
        "      keywords in lower case or without brackets; a NUL byte (ends the text).\n"
        "      EULUMDAT files: the first fault that keeps the viewer from reading the file\n"
        "      is an error at its line; a light output ratio of the intensities that\n"
        "      differs from the stated one by more than 5 % of it is a warning.\n"
        "      A file whose content is plainly the other format (EULUMDAT data named\n"
        "      .ies, IES text named .ldt) is an error at line 1 that says so.\n"
        "      A repeating finding is listed ten times, then summed up. A progress line\n"
        "      goes to stderr when it is a terminal. Exit status: 0 without errors,\n"
        "      1 with errors, 2 for a usage error or an unreadable path."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  summary FILE [--json]\n"
        "      Prints the photometric summary of FILE: luminous flux (total, downward,\n"
        "      upward, zonal), lamp flux, light output ratio, efficacy, maximum intensity,\n"
        "      beam (50 %) and field (10 %) angles, max-based (IES) and centre-based (CIE),\n"
        "      the BUG rating and the luminance table. Figures are written as the\n"
        "      Properties window writes them, in the locale's number format; --json prints\n"
        "      one JSON object with full precision, null where a value is not defined (the\n"
        "      last two under the keys BUG and Luminance). A file that fails to load or\n"
        "      holds no photometric data exits 1. A file that did not read completely has\n"
        "      no figures: the reader's message and why go to stderr (with --json every\n"
        "      figure is null, ParseError true and Notes the reasons); exit 3."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  bug FILE [--front DEG] [--json]\n"
        "      Prints the BUG rating of FILE (backlight, uplight, glare; IES TM-15 with\n"
        "      Addendum A): the lumens in its ten zones, the ratings and the glare table\n"
        "      used. The street side is centred on C0 for IES files and on C90 for\n"
        "      EULUMDAT files; --front DEG centres it on another C plane. Types A and B\n"
        "      need type C photometry and are not rated (null in JSON). Exit status as\n"
        "      for summary."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  sheet FILE -o OUT.pdf [--encoding NAME]\n"
        "  sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]\n"
        "      Writes a PDF data sheet of FILE for a report: its name, manufacturer,\n"
        "      catalogue number and luminaire; the polar and cartesian diagrams of the\n"
        "      C0-C180 and C90-C270 planes (cd/klm for EULUMDAT files); the light pattern\n"
        "      of plane 0 (brightness %3, zoom %5, radiosity off); the photometric\n"
        "      summary, the zonal flux, the luminous opening, an EULUMDAT file's\n"
        "      dimensions and lamp sets, the BUG rating and the maximum luminance; a\n"
        "      footer with the file's modification date, the sheet's date and the\n"
        "      program's version. A second page holds what the first has no room for.\n"
        "      The paper is Letter where the locale measures in US units, A4 otherwise.\n"
        "      \".pdf\" is added to a name without an extension. --encoding reads the\n"
        "      header in NAME (windows-1251, gbk, big5, shift_jis, euc-kr, ...) instead\n"
        "      of the guessed encoding. For a file that did not read completely the\n"
        "      sheet says so in place of the figures, and the exit status is 3.\n"
        "      With a FOLDER, every *.ies and *.ldt file below it gets its sheet below\n"
        "      OUTFOLDER, at the same relative path with the extension .pdf; existing\n"
        "      sheets are kept unless --force is given. A progress line shows on a\n"
        "      terminal, then \"N written, M failed: reasons\". Exit status 0 when every\n"
        "      sheet was written, 1 when any failed, else 3 when any file did not read\n"
        "      completely."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  compare A B [C D] [--json] [--unit cd|cdklm]\n"
        "      Compares two to four files with the first one: the photometric summary of\n"
        "      each side by side with the difference to the first file, absolute and in\n"
        "      per cent, marked beyond 5 % (2 degrees for angles); then where each file's\n"
        "      intensities differ most from the first one's (value, C, gamma; H and V for\n"
        "      types A and B), at the stored angles when the files share them, otherwise\n"
        "      on the union of their angles through the summary's interpolation.\n"
        "      --unit cdklm compares intensities per 1,000 lm of lamp flux (of the\n"
        "      luminaire's flux for absolute photometry). --json prints one JSON object:\n"
        "      Files, Summaries (each as summary --json prints it), Differences (per\n"
        "      further file: File, Figures with Absolute, Percent and BeyondTolerance,\n"
        "      LargestIntensityDifference) and LargestIntensityDifference over all files\n"
        "      (File, Value, First, Other, C, Gamma, Unit, SharedGrid, Thinned), null when\n"
        "      the types differ. A file that fails to load or holds no data exits 1."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]\n"
        "            [--encoding NAME]\n"
        "      One row per *.ies and *.ldt file of FOLDER (and its subfolders with\n"
        "      --recursive), in file-name order: file, format, manufacturer, catalogue\n"
        "      number, luminaire, lamp, luminous and lamp flux, light output ratio, input\n"
        "      power, efficacy, maximum intensity, beam and field angles (the wider one\n"
        "      and each plane pair), downward flux fraction, symmetry, photometric type,\n"
        "      BUG rating, maximum luminance at 65 degrees and status (loads cleanly, the\n"
        "      reader's message, or why it fails). Tab-separated\n"
        "      by default; --csv writes CSV with the units in the column names; --json an\n"
        "      array of objects with File (relative to FOLDER), Status (clean, message,\n"
        "      fails), Message, the description fields and every key of summary --json.\n"
        "      Files over 32 MB are listed as failing, not read. The files are read on N\n"
        "      threads (--jobs, default: every core); the output is the same for any N.\n"
        "      The description fields are read in the encoding guessed for each file, or\n"
        "      in NAME with --encoding (windows-1251, gbk, big5, shift_jis, ...).\n"
        "      -o writes FILE, replacing it only once complete. Exit status: 0 when\n"
        "      written, 1 for a folder that cannot be read or a file that cannot be\n"
        "      written, 2 for a usage error."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  diagram FILE --kind polar|cartesian|isocandela|solid -o OUT.png|OUT.svg|OUT.pdf\n"
        "          [--planes 0,90] [--unit cd|cdklm] [--log] [--lit-half] [--step N]\n"
        "          [--size W[xH]] [--view AZ,EL]\n"
        "      Writes a labelled diagram of FILE on white with a caption naming the file:\n"
        "      polar or cartesian curves of up to four planes (type C: the pairs C and\n"
        "      C+180, default 0,90; types A and B: the vertical line at H = N, or \"V5\"\n"
        "      for the horizontal line at V = 5; default V0,0), isocandela lines over the\n"
        "      whole sphere, or the shaded photometric solid seen from azimuth AZ and\n"
        "      elevation EL degrees (default 35,20). --unit cdklm gives cd per 1000 lm of\n"
        "      lamp flux (cd for absolute photometry, with a note). --log: a logarithmic\n"
        "      intensity axis (cartesian). --lit-half: only the half space that holds\n"
        "      the light (polar). --step: degrees between angle labels (default 30).\n"
        "      --size: pixels, 16 to 4096 a side (default 1000x800); text grows with it."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  illuminance FILE [--height H] [--size S] [--step D] [--wall X] [--json]\n"
        "              [-o OUT.png|OUT.svg|OUT.pdf|OUT.csv]\n"
        "      Computes the illuminance point by point on the floor H metres below the\n"
        "      luminaire (default 3), over a square of side S (default 10) centred below\n"
        "      it, on a grid of step D (default 0.5); S / D must be a whole number. --wall\n"
        "      adds a wall at X metres along C0, facing the luminaire, from the floor up to\n"
        "      S. Prints E max, E min, E average, uniformity (min/avg) and where the\n"
        "      maximum is; --json prints one JSON object instead (Height, Size, Step, N,\n"
        "      X, Y, E with rows by ascending y, Max, Min, Avg, MinOverAvg, MaxAt and\n"
        "      Vertical for the wall); -o writes the isolux picture (PNG, SVG, PDF) or\n"
        "      the grid as CSV. Type A and B files are refused: the calculation needs type\n"
        "      C photometry (with --json the object holds null values). Exit status: 0\n"
        "      when done, 1 on an error, 2 for a usage error."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "  convert IN -o OUT.ies|OUT.ldt [OPTIONS]\n"
        "  convert FOLDER -o OUTFOLDER --to ies|ldt [OPTIONS] [--jobs N]\n"
        "      Writes IN (IES or EULUMDAT) as IES LM-63-2002 (--ies-version 2019 for\n"
        "      LM-63-2019) or EULUMDAT, by OUT's extension in any letter case. A FOLDER\n"
        "      is converted with its subfolders into OUTFOLDER, keeping the relative paths\n"
        "      (--jobs N files at once, default every core), with a progress line on a\n"
        "      terminal and a summary \"N written, M failed: reasons\" at the end.\n"
        "      --lumens L scales the intensities so that the stated lamp flux is L (for\n"
        "      absolute photometry, so that the computed flux is L); --multiply K\n"
        "      multiplies them by K; --rotate 90|180|270 turns the C-planes (C becomes\n"
        "      C + angle). --lenient reads tabs in the numbers as blanks, so that a file\n"
        "      the viewer reads as zeros is written out clean. Files are written whole\n"
        "      or not at all; an existing output is replaced only with --force, the\n"
        "      input never. What the target format cannot hold is said as a note.\n"
        "      Exit status: 0 when every file was written, 1 otherwise, 2 for a usage\n"
        "      error."),
    QT_TRANSLATE_NOOP("lumetra-cli", "  --help\n"
                                     "      Shows this text."),
    QT_TRANSLATE_NOOP("lumetra-cli", "  --version\n"
                                     "      Shows the version of lumetra-cli."),
    QT_TRANSLATE_NOOP(
        "lumetra-cli",
        "Every command exits with 2 when its arguments are wrong, with the usage line on\n"
        "stderr.\n"),
};

} // namespace

namespace {

// "1..100": the positions a bar takes.
std::string RangeText(const BarRange& bar) {
    return std::to_string(bar.minimum) + ".." + std::to_string(bar.maximum);
}

// The render bars' facts the paragraphs name, from their one home: %1 and %2 the brightness and
// zoom bars' ranges, %3 and %4 their starting positions, %5 the zoom the render window shows at
// the start (as the data sheet names it).
std::vector<std::string> RenderBarFacts() {
    return {RangeText(kBrightnessBar), RangeText(kZoomBar), std::to_string(kBrightnessBar.initial),
            std::to_string(kZoomBar.initial), std::to_string(ZoomCaption(kZoomBar.initial))};
}

} // namespace

std::string HelpText() {
    const std::vector<std::string> facts = RenderBarFacts();
    std::string text;
    for (const char* paragraph : kParagraphs) {
        if (!text.empty())
            text += "\n\n";
        text += FillPlaceholders(
            QCoreApplication::translate("lumetra-cli", paragraph).toStdString(), facts);
    }
    return text;
}

} // namespace lumetra::cli
