<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Compare</name>
    <message>
        <source>Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest intensity difference, %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beyond the tolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric (m, lx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial (ft, fc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new choice takes effect the next time Lumetra starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Photometry As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved, but: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::CatalogueWindow</name>
    <message>
        <source>Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search manufacturer, luminaire, lamp, file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranges, e.g. flux 2,500-3,500; beam &lt; 30; efficacy &gt; 120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Ranges: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separate several with &quot;;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the folder again (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the two selected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files read, %3 shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files, %2 shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Catalogue As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TComplianceTab</name>
    <message>
        <source>BUG rating (IES TM-15-11, Addendum A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street side by the file&apos;s format (IES C0, EULUMDAT C90)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street side centred on C%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Front:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminance (cd/m²)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>γ %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminous opening: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramView</name>
    <message>
        <source>No photometric file loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramsWindow</name>
    <message>
        <source>Diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isocandela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photometric solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Planes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;and:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd/klm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle &amp;labels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit &amp;half only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrams - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd/klm needs a lamp flux; this file gives none (absolute photometry), so intensities are in cd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagram Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TIlluminanceWindow</name>
    <message>
        <source>Illuminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metres and lux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet and foot-candles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mounting &amp;height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area &amp;size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid s&amp;tep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wall along C0 at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Picture As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Grid as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 at (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E average: %8 %3&lt;br&gt;Uniformity (min/avg): %9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/avg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor, %1 %2 below the luminaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>luminaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall at x = %1 %2, facing the luminaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4 %5: %6 %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illuminance of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Illuminance Picture As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Illuminance Grid As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TMainWindow</name>
    <message>
        <source>Catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrams...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TPropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TSavePhotometryDialog</name>
    <message>
        <source>Save Photometry As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IES LM-63-2002 (*.ies)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IES LM-63-2019 (*.ies)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EULUMDAT (*.ldt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale to a lamp flux of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> lm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Multiply intensities by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Turn C-planes by:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::TZoneDiagram</name>
    <message>
        <source>BUG zone diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>front →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>← back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::compare::DiagramView</name>
    <message>
        <source>Polar diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartesian diagram</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::compare::PinnedFileDelegate</name>
    <message>
        <source> (pinned)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::compare::TCompareWindow</name>
    <message>
        <source>Unpin from Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intensities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cd/klm (per 1,000 lm of lamp flux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Against the first file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Comparison Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (pinned)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin a file with &lt;i&gt;Compare with Selected&lt;/i&gt; in the file list, then select another file to compare it with the pinned one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 − 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest difference, %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
