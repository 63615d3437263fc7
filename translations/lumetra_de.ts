<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Compare</name>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Largest intensity difference, %1:</source>
        <translation>Größte Lichtstärkeabweichung, %1:</translation>
    </message>
    <message>
        <source>Beyond the tolerance</source>
        <translation>Außerhalb der Toleranz</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>System units</source>
        <translation>Systemeinheiten</translation>
    </message>
    <message>
        <source>Metric (m, lx)</source>
        <translation>Metrisch (m, lx)</translation>
    </message>
    <message>
        <source>Imperial (ft, fc)</source>
        <translation>Imperial (ft, fc)</translation>
    </message>
    <message>
        <source>The new choice takes effect the next time Lumetra starts.</source>
        <translation>Die Änderung wird beim nächsten Start von Lumetra wirksam.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Photometrie speichern unter</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Saved, but: %1</source>
        <translation>Gespeichert, aber: %1</translation>
    </message>
</context>
<context>
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>lumetra::CatalogueWindow</name>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Catalogue rows</source>
        <translation>Katalogzeilen</translation>
    </message>
    <message>
        <source>Search manufacturer, luminaire, lamp, file...</source>
        <translation>Hersteller, Leuchte, Lampe, Datei suchen...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Ranges, e.g. flux 2,500-3,500; beam &lt; 30; efficacy &gt; 120</source>
        <translation>Bereiche, z. B. flux 2500-3500; beam &lt; 30; efficacy &gt; 120</translation>
    </message>
    <message>
        <source>Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Ranges: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separate several with &quot;;&quot;.</source>
        <translation>Spalten: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Bereiche: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; mehrere mit &quot;;&quot; trennen.</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>&amp;Subfolders</source>
        <translation>Unter&amp;ordner</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Gelesene Dateien</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Read the folder again (F5)</source>
        <translation>Ordner erneut einlesen (F5)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Compare the two selected files</source>
        <translation>Die beiden ausgewählten Dateien vergleichen</translation>
    </message>
    <message>
        <source>Catalogue - %1</source>
        <translation>Katalog - %1</translation>
    </message>
    <message>
        <source>%1 of %2 files read, %3 shown</source>
        <translation>%1 von %2 Dateien gelesen, %3 angezeigt</translation>
    </message>
    <message>
        <source>%1 files, %2 shown</source>
        <translation>%1 Dateien, %2 angezeigt</translation>
    </message>
    <message>
        <source>Save Catalogue As</source>
        <translation>Katalog speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>lumetra::EncodingMenu</name>
    <message>
        <source>Text &amp;Encoding</source>
        <translation>Text&amp;kodierung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
</context>
<context>
    <name>lumetra::TComplianceTab</name>
    <message>
        <source>BUG rating (IES TM-15-11, Addendum A)</source>
        <translation>BUG-Klassifizierung (IES TM-15-11, Addendum A)</translation>
    </message>
    <message>
        <source>Street side by the file&apos;s format (IES C0, EULUMDAT C90)</source>
        <translation>Straßenseite nach Dateiformat (IES C0, EULUMDAT C90)</translation>
    </message>
    <message>
        <source>Street side centred on C%1</source>
        <translation>Straßenseite zentriert auf C%1</translation>
    </message>
    <message>
        <source>&amp;Front:</source>
        <translation>&amp;Vorderseite:</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>Lumen (lm)</translation>
    </message>
    <message>
        <source>Luminance (cd/m²)</source>
        <translation>Leuchtdichte (cd/m²)</translation>
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
        <translation>Keine Datei geladen</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Nicht klassifiziert</translation>
    </message>
    <message>
        <source>Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).</source>
        <translation>Vorderseite: %1. Blendung nach Tabelle %2 (G%3 asymmetrisch, G%4 symmetrisch).</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>Luminous opening: %1</source>
        <translation>Lichtaustrittsfläche: %1</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Maximale Leuchtdichte</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramView</name>
    <message>
        <source>No photometric file loaded</source>
        <translation>Keine Photometriedatei geladen</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramsWindow</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation>Kartesisch</translation>
    </message>
    <message>
        <source>Isocandela</source>
        <translation>Isocandela</translation>
    </message>
    <message>
        <source>Photometric solid</source>
        <translation>Lichtverteilungskörper</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Planes:</source>
        <translation>&amp;Ebenen:</translation>
    </message>
    <message>
        <source>&amp;and:</source>
        <translation>&amp;und:</translation>
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
        <translation>E&amp;inheit:</translation>
    </message>
    <message>
        <source>Angle &amp;labels:</source>
        <translation>Winkel&amp;beschriftung:</translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation>L&amp;ogarithmisch</translation>
    </message>
    <message>
        <source>Lit &amp;half only</source>
        <translation>Nur beleuchtete &amp;Hälfte</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Diagrams - %1</source>
        <translation>Diagramme - %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>cd/klm needs a lamp flux; this file gives none (absolute photometry), so intensities are in cd.</source>
        <translation>cd/klm erfordert einen Lampenlichtstrom; diese Datei enthält keinen (absolute Photometrie), daher werden die Lichtstärken in cd angegeben.</translation>
    </message>
    <message>
        <source>Diagram Size</source>
        <translation>Diagrammgröße</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Diagramm exportieren</translation>
    </message>
</context>
<context>
    <name>lumetra::TIlluminanceWindow</name>
    <message>
        <source>Illuminance</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Metres and lux</source>
        <translation>Meter und Lux</translation>
    </message>
    <message>
        <source>Feet and foot-candles</source>
        <translation>Fuß und Footcandle</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>Mounting &amp;height:</source>
        <translation>Lichtpunkt&amp;höhe:</translation>
    </message>
    <message>
        <source>Area &amp;size:</source>
        <translation>&amp;Flächengröße:</translation>
    </message>
    <message>
        <source>Grid s&amp;tep:</source>
        <translation>&amp;Rasterweite:</translation>
    </message>
    <message>
        <source>&amp;Wall along C0 at:</source>
        <translation>&amp;Wand entlang C0 bei:</translation>
    </message>
    <message>
        <source>Save &amp;Picture As...</source>
        <translation>&amp;Bild speichern unter...</translation>
    </message>
    <message>
        <source>Save &amp;Grid as CSV...</source>
        <translation>Raster als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 at (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E average: %8 %3&lt;br&gt;Uniformity (min/avg): %9</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 bei (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E mittel: %8 %3&lt;br&gt;Gleichmäßigkeit (min/mittel): %9</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
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
        <translation>E mittel</translation>
    </message>
    <message>
        <source>Min/avg</source>
        <translation>Min/mittel</translation>
    </message>
    <message>
        <source>Floor, %1 %2 below the luminaire</source>
        <translation>Boden, %1 %2 unter der Leuchte</translation>
    </message>
    <message>
        <source>luminaire</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Wall at x = %1 %2, facing the luminaire</source>
        <translation>Wand bei x = %1 %2, der Leuchte zugewandt</translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4 %5: %6 %7</source>
        <translation>%1 = %2, %3 = %4 %5: %6 %7</translation>
    </message>
    <message>
        <source>Illuminance of %1</source>
        <translation>Beleuchtungsstärke von %1</translation>
    </message>
    <message>
        <source>Save Illuminance Picture As</source>
        <translation>Beleuchtungsstärkebild speichern unter</translation>
    </message>
    <message>
        <source>Save Illuminance Grid As</source>
        <translation>Beleuchtungsstärkeraster speichern unter</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
</context>
<context>
    <name>lumetra::TMainWindow</name>
    <message>
        <source>Catalogue...</source>
        <translation>Katalog...</translation>
    </message>
    <message>
        <source>Diagrams...</source>
        <translation>Diagramme...</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Photometrie speichern unter...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Beleuchtungsstärke...</translation>
    </message>
</context>
<context>
    <name>lumetra::TPropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Konformität</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Photometrie speichern unter...</translation>
    </message>
    <message>
        <source>The unit of the values shown, copied and saved</source>
        <translation>Die Einheit der angezeigten, kopierten und gespeicherten Werte</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>Textkodierung</translation>
    </message>
</context>
<context>
    <name>lumetra::TSavePhotometryDialog</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Photometrie speichern unter</translation>
    </message>
    <message>
        <source>-converted</source>
        <translation>-konvertiert</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
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
        <translation>Skalieren auf Lampenlichtstrom von</translation>
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
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>&amp;Multiply intensities by:</source>
        <translation>Lichtstärken &amp;multiplizieren mit:</translation>
    </message>
    <message>
        <source>&amp;Turn C-planes by:</source>
        <translation>C-Ebenen d&amp;rehen um:</translation>
    </message>
</context>
<context>
    <name>lumetra::TZoneDiagram</name>
    <message>
        <source>BUG zone diagram</source>
        <translation>BUG-Zonendiagramm</translation>
    </message>
    <message>
        <source>front →</source>
        <translation>vorne →</translation>
    </message>
    <message>
        <source>← back</source>
        <translation>← hinten</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::DiagramView</name>
    <message>
        <source>Polar diagram</source>
        <translation>Polardiagramm</translation>
    </message>
    <message>
        <source>Cartesian diagram</source>
        <translation>Kartesisches Diagramm</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::PinnedFileDelegate</name>
    <message>
        <source> (pinned)</source>
        <translation> (angeheftet)</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::TCompareWindow</name>
    <message>
        <source>Unpin from Comparison</source>
        <translation>Vom Vergleich lösen</translation>
    </message>
    <message>
        <source>Compare with Selected</source>
        <translation>Mit Auswahl vergleichen</translation>
    </message>
    <message>
        <source>Compare Window</source>
        <translation>Vergleichsfenster</translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>Vergleichen...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation>&amp;Kurven</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>K&amp;ennwerte</translation>
    </message>
    <message>
        <source>&amp;Intensities</source>
        <translation>&amp;Lichtstärken</translation>
    </message>
    <message>
        <source>cd</source>
        <translation>cd</translation>
    </message>
    <message>
        <source>cd/klm (per 1,000 lm of lamp flux)</source>
        <translation>cd/klm (je 1000 lm Lampenlichtstrom)</translation>
    </message>
    <message>
        <source>Export &amp;Pictures...</source>
        <translation>&amp;Bilder exportieren...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>&amp;Ebene:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>E&amp;inheit:</translation>
    </message>
    <message>
        <source>&amp;Against the first file:</source>
        <translation>&amp;Gegenüber der ersten Datei:</translation>
    </message>
    <message>
        <source>Export Comparison Pictures</source>
        <translation>Vergleichsbilder exportieren</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>vergleich</translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation>Vergleich als PDF exportieren</translation>
    </message>
    <message>
        <source> (pinned)</source>
        <translation> (angeheftet)</translation>
    </message>
    <message>
        <source>Pin a file with &lt;i&gt;Compare with Selected&lt;/i&gt; in the file list, then select another file to compare it with the pinned one.</source>
        <translation>Heften Sie in der Dateiliste mit &lt;i&gt;Mit Auswahl vergleichen&lt;/i&gt; eine Datei an und wählen Sie dann eine andere Datei aus, um sie mit der angehefteten zu vergleichen.</translation>
    </message>
    <message>
        <source>%1 − 1</source>
        <translation>%1 − 1</translation>
    </message>
    <message>
        <source>Largest difference, %1: %2</source>
        <translation>Größte Abweichung, %1: %2</translation>
    </message>
</context>
</TS>
