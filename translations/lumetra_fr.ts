<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Viewer of photometric files: the goniogram and the light pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file to load, selected in its folder, or a folder to browse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Largest intensity difference, %1:</source>
        <translation>Écart d&apos;intensité maximal, %1&#xa0;:</translation>
    </message>
    <message>
        <source>Beyond the tolerance</source>
        <translation>Hors tolérance</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>System units</source>
        <translation>Unités du système</translation>
    </message>
    <message>
        <source>Metric (m, lx)</source>
        <translation>Métrique (m, lx)</translation>
    </message>
    <message>
        <source>Imperial (ft, fc)</source>
        <translation>Impérial (ft, fc)</translation>
    </message>
    <message>
        <source>The new choice takes effect the next time Lumetra starts.</source>
        <translation>Le nouveau choix prendra effet au prochain démarrage de Lumetra.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Enregistrer la photométrie sous</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Saved, but: %1</source>
        <translation>Enregistré, mais&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2 and a new settings file has been written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>lumetra-cli</name>
    <message>
        <source>Usage: lumetra-cli COMMAND [OPTIONS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other
as IES. Arguments that a command cannot use exit with status 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:
  info FILE
      Loads FILE as the viewer does and prints one JSON object: LampLumens,
      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType, VerticalAngles,
      HorizontalAngles, Candela (plane by plane), HeaderLines, Description,
      GlobalMaxCandela, ParseError and Message (the reader&apos;s message, or null).
      The reader&apos;s message also goes to stderr; the exit status stays 0.
      A load that fails prints its error on stderr and exits 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]
      Draws the grid and goniogram of FILE on an S x S area (default 400) as the
      main window does and writes it as PNG or SVG. --plane picks the C-plane
      index (default 0), --fit scales to the drawn planes, --ortho adds the
      orthogonal pair at plane 0.
      Exit status: 0 when written, 1 on an error, 2 for a usage error, 3 when
      written although the reader reported a message about the file (printed
      on stderr).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  render FILE -o OUT.png [--plane N] [--brightness 1..100] [--zoom 1..10000]
         [--radiosity]
      Renders the light pattern as the render window does (defaults: plane 0,
      brightness 15, zoom 500, radiosity off) and writes the 300 x 300 picture as
      an 8-bit grey PNG. Values outside a bar&apos;s range are clamped to it.
      Exit status as for gonio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  check [--json] [--jobs N] PATH...
      Checks IES and EULUMDAT files for what keeps the viewer from reading or
      showing them as meant, and IES files for departures from LM-63. A PATH is a
      file, or a folder searched with its subfolders for *.ies and *.ldt in any
      letter case. Prints each finding as
      FILE:LINE: error|warning: MESSAGE (FILE: ok for a file without findings),
      then &quot;N files, E errors, W warnings&quot;; --json prints one JSON object
      instead: files (path, errors, warnings, findings with severity, line and
      message), unreadable (paths) and summary (files, errors, warnings).
      The files are checked on N threads (--jobs, a whole number from 1 to 256,
      default: every core); the report is the same for any N.
      Errors: a token that is not a number; fewer numbers than the counts
      declare; a count that is not a whole number from 1 to 65535; vertical
      angles not strictly ascending; a grid over 4194304 values; no TILT line or
      nothing after it; a file the viewer refuses (too large, too many lines).
      Warnings: more numbers than the counts declare (ignored); horizontal angles
      none of the LM-63 forms (one plane, 0-90, 0-180, 90-270, 0-360; for types
      A and B 0-90, -90-90); a first vertical angle other than 0, 90 or -90;
      negative candela values, or none above 0; TILT=INCLUDE or a tilt file
      (tilt factors are not applied); a missing or unknown version line;
      keywords in lower case or without brackets; a NUL byte (ends the text).
      EULUMDAT files: the first fault that keeps the viewer from reading the file
      is an error at its line; a light output ratio of the intensities that
      differs from the stated one by more than 5 % of it is a warning.
      A file whose content is plainly the other format (EULUMDAT data named
      .ies, IES text named .ldt) is an error at line 1 that says so.
      A repeating finding is listed ten times, then summed up. A progress line
      goes to stderr when it is a terminal. Exit status: 0 without errors,
      1 with errors, 2 for a usage error or an unreadable path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  summary FILE [--json]
      Prints the photometric summary of FILE: luminous flux (total, downward,
      upward, zonal), lamp flux, light output ratio, efficacy, maximum intensity,
      beam (50 %) and field (10 %) angles, max-based (IES) and centre-based (CIE),
      the BUG rating and the luminance table. Figures are written as the
      Properties window writes them, in the locale&apos;s number format; --json prints
      one JSON object with full precision, null where a value is not defined (the
      last two under the keys BUG and Luminance). A file that fails to load or
      holds no photometric data exits 1. A file that did not read completely has
      no figures: the reader&apos;s message and why go to stderr (with --json every
      figure is null, ParseError true and Notes the reasons); exit 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  bug FILE [--front DEG] [--json]
      Prints the BUG rating of FILE (backlight, uplight, glare; IES TM-15 with
      Addendum A): the lumens in its ten zones, the ratings and the glare table
      used. The street side is centred on C0 for IES files and on C90 for
      EULUMDAT files; --front DEG centres it on another C plane. Types A and B
      need type C photometry and are not rated (null in JSON). Exit status as
      for summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  sheet FILE -o OUT.pdf [--encoding NAME]
      Writes a one-page PDF data sheet of FILE: its name and six-line
      description, the goniogram of plane 0 with the orthogonal pair, the light
      pattern (brightness 15, zoom 9500, radiosity off) and the photometric
      summary. The page is Letter where the locale measures in US units, A4
      otherwise. &quot;.pdf&quot; is added to a name without an extension. --encoding
      reads the header in NAME (windows-1251, gbk, big5, shift_jis, euc-kr, ...)
      instead of the guessed encoding. For a file that did not read completely
      the page says so in place of the summary, and the exit status is 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  compare A B [C D] [--json] [--unit cd|cdklm]
      Compares two to four files with the first one: the photometric summary of
      each side by side with the difference to the first file, absolute and in
      per cent, marked beyond 5 % (2 degrees for angles); then where each file&apos;s
      intensities differ most from the first one&apos;s (value, C, gamma; H and V for
      types A and B), at the stored angles when the files share them, otherwise
      on the union of their angles through the summary&apos;s interpolation.
      --unit cdklm compares intensities per 1,000 lm of lamp flux (of the
      luminaire&apos;s flux for absolute photometry). --json prints one JSON object:
      Files, Summaries (each as summary --json prints it), Differences (per
      further file: File, Figures with Absolute, Percent and BeyondTolerance,
      LargestIntensityDifference) and LargestIntensityDifference over all files
      (File, Value, First, Other, C, Gamma, Unit, SharedGrid, Thinned), null when
      the types differ. A file that fails to load or holds no data exits 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]
      One row per *.ies and *.ldt file of FOLDER (and its subfolders with
      --recursive), in file-name order: file, format, manufacturer, catalogue
      number, luminaire, lamp, luminous and lamp flux, light output ratio, input
      power, efficacy, maximum intensity, beam and field angles (the wider one
      and each plane pair), downward flux fraction, symmetry, photometric type,
      BUG rating, maximum luminance at 65 degrees and status (loads cleanly, the
      reader&apos;s message, or why it fails). Tab-separated
      by default; --csv writes CSV with the units in the column names; --json an
      array of objects with File (relative to FOLDER), Status (clean, message,
      fails), Message, the description fields and every key of summary --json.
      Files over 32 MB are listed as failing, not read. The files are read on N
      threads (--jobs, default: every core); the output is the same for any N.
      -o writes FILE, replacing it only once complete. Exit status: 0 when
      written, 1 for a folder that cannot be read or a file that cannot be
      written, 2 for a usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  diagram FILE --kind polar|cartesian|isocandela|solid -o OUT.png|OUT.svg|OUT.pdf
          [--planes 0,90] [--unit cd|cdklm] [--log] [--lit-half] [--step N]
          [--size W[xH]] [--view AZ,EL]
      Writes a labelled diagram of FILE on white with a caption naming the file:
      polar or cartesian curves of up to four planes (type C: the pairs C and
      C+180, default 0,90; types A and B: the vertical line at H = N, or &quot;V5&quot;
      for the horizontal line at V = 5; default V0,0), isocandela lines over the
      whole sphere, or the shaded photometric solid seen from azimuth AZ and
      elevation EL degrees (default 35,20). --unit cdklm gives cd per 1000 lm of
      lamp flux (cd for absolute photometry, with a note). --log: a logarithmic
      intensity axis (cartesian). --lit-half: only the half space that holds
      the light (polar). --step: degrees between angle labels (default 30).
      --size: pixels, 16 to 4096 a side (default 1000x800); text grows with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  illuminance FILE [--height H] [--size S] [--step D] [--wall X] [--json]
              [-o OUT.png|OUT.svg|OUT.pdf|OUT.csv]
      Computes the illuminance point by point on the floor H metres below the
      luminaire (default 3), over a square of side S (default 10) centred below
      it, on a grid of step D (default 0.5); S / D must be a whole number. --wall
      adds a wall at X metres along C0, facing the luminaire, from the floor up to
      S. Prints E max, E min, E average, uniformity (min/avg) and where the
      maximum is; --json prints one JSON object instead (Height, Size, Step, N,
      X, Y, E with rows by ascending y, Max, Min, Avg, MinOverAvg, MaxAt and
      Vertical for the wall); -o writes the isolux picture (PNG, SVG, PDF) or
      the grid as CSV. Type A and B files are refused: the calculation needs type
      C photometry (with --json the object holds null values). Exit status: 0
      when done, 1 on an error, 2 for a usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  convert IN -o OUT.ies|OUT.ldt [OPTIONS]
  convert FOLDER -o OUTFOLDER --to ies|ldt [OPTIONS] [--jobs N]
      Writes IN (IES or EULUMDAT) as IES LM-63-2002 (--ies-version 2019 for
      LM-63-2019) or EULUMDAT, by OUT&apos;s extension in any letter case. A FOLDER
      is converted with its subfolders into OUTFOLDER, keeping the relative paths
      (--jobs N files at once, default every core), with a progress line on a
      terminal and a summary &quot;N written, M failed: reasons&quot; at the end.
      --lumens L scales the intensities so that the stated lamp flux is L (for
      absolute photometry, so that the computed flux is L); --multiply K
      multiplies them by K; --rotate 90|180|270 turns the C-planes (C becomes
      C + angle). --lenient reads tabs in the numbers as blanks, so that a file
      the viewer reads as zeros is written out clean. Files are written whole
      or not at all; an existing output is replaced only with --force, the
      input never. What the target format cannot hold is said as a note.
      Exit status: 0 when every file was written, 1 otherwise, 2 for a usage
      error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --help
      Shows this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --version
      Shows the version of lumetra-cli.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every command exits with 2 when its arguments are wrong, with the usage line on
stderr.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::CatalogueWindow</name>
    <message>
        <source>Catalogue</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>Catalogue rows</source>
        <translation>Lignes du catalogue</translation>
    </message>
    <message>
        <source>Search manufacturer, luminaire, lamp, file...</source>
        <translation>Rechercher fabricant, luminaire, lampe, fichier...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Ranges, e.g. flux 2,500-3,500; beam &lt; 30; efficacy &gt; 120</source>
        <translation>Plages, p. ex. flux 2500-3500; beam &lt; 30; efficacy &gt; 120</translation>
    </message>
    <message>
        <source>Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Ranges: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separate several with &quot;;&quot;.</source>
        <translation>Colonnes&#xa0;: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Plages&#xa0;: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; séparer plusieurs plages par &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Plages</translation>
    </message>
    <message>
        <source>&amp;Subfolders</source>
        <translation>Sous-&amp;dossiers</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Fichiers lus</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Read the folder again (F5)</source>
        <translation>Relire le dossier (F5)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparer</translation>
    </message>
    <message>
        <source>Compare the two selected files</source>
        <translation>Comparer les deux fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Catalogue - %1</source>
        <translation>Catalogue - %1</translation>
    </message>
    <message>
        <source>%1 of %2 files read, %3 shown</source>
        <translation>%1 fichiers lus sur %2, %3 affichés</translation>
    </message>
    <message>
        <source>%1 files, %2 shown</source>
        <translation>%1 fichiers, %2 affichés</translation>
    </message>
    <message>
        <source>Save Catalogue As</source>
        <translation>Enregistrer le catalogue sous</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>lumetra::FileBrowserPanel</name>
    <message>
        <source>Catalogue...</source>
        <translation>Catalogue...</translation>
    </message>
</context>
<context>
    <name>lumetra::GoniogramPanel</name>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
</context>
<context>
    <name>lumetra::PropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Conformité</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
</context>
<context>
    <name>lumetra::TComplianceTab</name>
    <message>
        <source>BUG rating (IES TM-15-11, Addendum A)</source>
        <translation>Classement BUG (IES TM-15-11, addendum A)</translation>
    </message>
    <message>
        <source>Street side by the file&apos;s format (IES C0, EULUMDAT C90)</source>
        <translation>Côté rue selon le format du fichier (IES C0, EULUMDAT C90)</translation>
    </message>
    <message>
        <source>Street side centred on C%1</source>
        <translation>Côté rue centré sur C%1</translation>
    </message>
    <message>
        <source>&amp;Front:</source>
        <translation>&amp;Avant&#xa0;:</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>Lumens (lm)</translation>
    </message>
    <message>
        <source>Luminance (cd/m²)</source>
        <translation>Luminance (cd/m²)</translation>
    </message>
    <message>
        <source>C%1</source>
        <translation>C%1</translation>
    </message>
    <message>
        <source>γ %1°</source>
        <translation>γ %1°</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>Aucun fichier chargé</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Non classé</translation>
    </message>
    <message>
        <source>Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).</source>
        <translation>Avant&#xa0;: %1. Éblouissement selon le tableau %2 (G%3 asymétrique, G%4 symétrique).</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Remarque&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Luminous opening: %1</source>
        <translation>Surface lumineuse&#xa0;: %1</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Luminance maximale</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramView</name>
    <message>
        <source>No photometric file loaded</source>
        <translation>Aucun fichier photométrique chargé</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramsWindow</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagrammes</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polaire</translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation>Cartésien</translation>
    </message>
    <message>
        <source>Isocandela</source>
        <translation>Isocandela</translation>
    </message>
    <message>
        <source>Photometric solid</source>
        <translation>Solide photométrique</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Planes:</source>
        <translation>&amp;Plans&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;and:</source>
        <translation>e&amp;t&#xa0;:</translation>
    </message>
    <message>
        <source>cd</source>
        <translation>cd</translation>
    </message>
    <message>
        <source>cd/klm</source>
        <translation>cd/klm</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
    <message>
        <source>Angle &amp;labels:</source>
        <translation>&amp;Libellés d&apos;angle&#xa0;:</translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation>L&amp;ogarithmique</translation>
    </message>
    <message>
        <source>Lit &amp;half only</source>
        <translation>&amp;Moitié éclairée seule</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Diagrams - %1</source>
        <translation>Diagrammes - %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>cd/klm needs a lamp flux; this file gives none (absolute photometry), so intensities are in cd.</source>
        <translation>cd/klm nécessite un flux de lampe&#xa0;; ce fichier n&apos;en indique aucun (photométrie absolue), les intensités sont donc en cd.</translation>
    </message>
    <message>
        <source>Diagram Size</source>
        <translation>Taille du diagramme</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Exporter le diagramme</translation>
    </message>
</context>
<context>
    <name>lumetra::TIlluminanceWindow</name>
    <message>
        <source>Illuminance</source>
        <translation>Éclairement</translation>
    </message>
    <message>
        <source>Metres and lux</source>
        <translation>Mètres et lux</translation>
    </message>
    <message>
        <source>Feet and foot-candles</source>
        <translation>Pieds et foot-candles</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités&#xa0;:</translation>
    </message>
    <message>
        <source>Mounting &amp;height:</source>
        <translation>&amp;Hauteur de montage&#xa0;:</translation>
    </message>
    <message>
        <source>Area &amp;size:</source>
        <translation>&amp;Taille de la zone&#xa0;:</translation>
    </message>
    <message>
        <source>Grid s&amp;tep:</source>
        <translation>&amp;Pas de grille&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Wall along C0 at:</source>
        <translation>&amp;Mur le long de C0 à&#xa0;:</translation>
    </message>
    <message>
        <source>Save &amp;Picture As...</source>
        <translation>Enregistrer l&apos;&amp;image sous...</translation>
    </message>
    <message>
        <source>Save &amp;Grid as CSV...</source>
        <translation>Enregistrer la &amp;grille en CSV...</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 at (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E average: %8 %3&lt;br&gt;Uniformity (min/avg): %9</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max&#xa0;: %2 %3 en (%4, %5) %6&lt;br&gt;E min&#xa0;: %7 %3&lt;br&gt;E moy&#xa0;: %8 %3&lt;br&gt;Uniformité (min/moy)&#xa0;: %9</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>E max</source>
        <translation>E max</translation>
    </message>
    <message>
        <source>E min</source>
        <translation>E min</translation>
    </message>
    <message>
        <source>E average</source>
        <translation>E moy</translation>
    </message>
    <message>
        <source>Min/avg</source>
        <translation>Min/moy</translation>
    </message>
    <message>
        <source>Floor, %1 %2 below the luminaire</source>
        <translation>Sol, %1 %2 sous le luminaire</translation>
    </message>
    <message>
        <source>luminaire</source>
        <translation>luminaire</translation>
    </message>
    <message>
        <source>Wall at x = %1 %2, facing the luminaire</source>
        <translation>Mur à x = %1 %2, face au luminaire</translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4 %5: %6 %7</source>
        <translation>%1 = %2, %3 = %4 %5&#xa0;: %6 %7</translation>
    </message>
    <message>
        <source>Illuminance of %1</source>
        <translation>Éclairement de %1</translation>
    </message>
    <message>
        <source>Save Illuminance Picture As</source>
        <translation>Enregistrer l&apos;image d&apos;éclairement sous</translation>
    </message>
    <message>
        <source>Save Illuminance Grid As</source>
        <translation>Enregistrer la grille d&apos;éclairement sous</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>lumetra::TMainWindow</name>
    <message>
        <source>Diagrams...</source>
        <translation>Diagrammes...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Éclairement...</translation>
    </message>
</context>
<context>
    <name>lumetra::TRenderWindow</name>
    <message>
        <source>Light pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No light pattern rendered yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TSavePhotometryDialog</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Enregistrer la photométrie sous</translation>
    </message>
    <message>
        <source>-converted</source>
        <translation>-converti</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>IES LM-63-2002 (*.ies)</source>
        <translation>IES LM-63-2002 (*.ies)</translation>
    </message>
    <message>
        <source>IES LM-63-2019 (*.ies)</source>
        <translation>IES LM-63-2019 (*.ies)</translation>
    </message>
    <message>
        <source>EULUMDAT (*.ldt)</source>
        <translation>EULUMDAT (*.ldt)</translation>
    </message>
    <message>
        <source>Scale to a lamp flux of</source>
        <translation>Mettre à l&apos;échelle sur un flux de lampe de</translation>
    </message>
    <message>
        <source> lm</source>
        <translation> lm</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Multiply intensities by:</source>
        <translation>&amp;Multiplier les intensités par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Turn C-planes by:</source>
        <translation>&amp;Tourner les plans C de&#xa0;:</translation>
    </message>
</context>
<context>
    <name>lumetra::TZoneDiagram</name>
    <message>
        <source>BUG zone diagram</source>
        <translation>Diagramme des zones BUG</translation>
    </message>
    <message>
        <source>front →</source>
        <translation>avant →</translation>
    </message>
    <message>
        <source>← back</source>
        <translation>← arrière</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::DiagramView</name>
    <message>
        <source>Polar diagram</source>
        <translation>Diagramme polaire</translation>
    </message>
    <message>
        <source>Cartesian diagram</source>
        <translation>Diagramme cartésien</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::PinnedFileDelegate</name>
    <message>
        <source> (pinned)</source>
        <translation> (épinglé)</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::TCompareWindow</name>
    <message>
        <source>Unpin from Comparison</source>
        <translation>Désépingler de la comparaison</translation>
    </message>
    <message>
        <source>Compare with Selected</source>
        <translation>Comparer avec la sélection</translation>
    </message>
    <message>
        <source>Compare Window</source>
        <translation>Fenêtre de comparaison</translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>Comparer...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation>&amp;Courbes</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Valeurs</translation>
    </message>
    <message>
        <source>&amp;Intensities</source>
        <translation>&amp;Intensités</translation>
    </message>
    <message>
        <source>cd</source>
        <translation>cd</translation>
    </message>
    <message>
        <source>cd/klm (per 1,000 lm of lamp flux)</source>
        <translation>cd/klm (pour 1000 lm de flux de lampe)</translation>
    </message>
    <message>
        <source>Export &amp;Pictures...</source>
        <translation>Exporter les i&amp;mages...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>&amp;Plan&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Against the first file:</source>
        <translation>Pa&amp;r rapport au premier fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Export Comparison Pictures</source>
        <translation>Exporter les images de comparaison</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation>Exporter la comparaison en PDF</translation>
    </message>
    <message>
        <source> (pinned)</source>
        <translation> (épinglé)</translation>
    </message>
    <message>
        <source>Pin a file with &lt;i&gt;Compare with Selected&lt;/i&gt; in the file list, then select another file to compare it with the pinned one.</source>
        <translation>Épinglez un fichier dans la liste des fichiers avec &lt;i&gt;Comparer avec la sélection&lt;/i&gt;, puis sélectionnez un autre fichier pour le comparer au fichier épinglé.</translation>
    </message>
    <message>
        <source>%1 − 1</source>
        <translation>%1 − 1</translation>
    </message>
    <message>
        <source>Largest difference, %1: %2</source>
        <translation>Écart maximal, %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
