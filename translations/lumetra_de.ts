<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Lumetra version %1</source>
        <translation>Lumetra Version %1</translation>
    </message>
    <message>
        <source>Improved quality of rendering, fix bug with symmetrical goniograms, add small feature:</source>
        <translation>Bessere Darstellungsqualität, Fehler bei symmetrischen LVK behoben, kleine Neuerung:</translation>
    </message>
    <message>
        <source>automatic update, fit screen the goniogram, show frontal and orthogonal Gonio diagrams</source>
        <translation>automatische Aktualisierung, LVK einpassen, frontales und orthogonales LVK-Diagramm</translation>
    </message>
    <message>
        <source>at the same time.</source>
        <translation>gleichzeitig anzeigen.</translation>
    </message>
    <message>
        <source>CTRL+mouse wheel up/down - rotate diagram</source>
        <translation>Strg+Mausrad auf/ab - Diagramm drehen</translation>
    </message>
    <message>
        <source>Mouse wheel click - fit diagram</source>
        <translation>Klick mit dem Mausrad - Diagramm einpassen</translation>
    </message>
    <message>
        <source>Lumetra is free software built with Qt 6.</source>
        <translation>Lumetra ist freie Software, erstellt mit Qt 6.</translation>
    </message>
    <message>
        <source>Photometric data: IESNA LM-63 files.</source>
        <translation>Photometrische Daten: IESNA-LM-63-Dateien.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Luminous flux (lm)</source>
        <translation>Lichtstrom (lm)</translation>
    </message>
    <message>
        <source>Lamp flux (lm)</source>
        <translation>Lampenlichtstrom (lm)</translation>
    </message>
    <message>
        <source>Light output ratio (%)</source>
        <translation>Betriebswirkungsgrad (%)</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>Anschlussleistung (W)</translation>
    </message>
    <message>
        <source>Efficacy (lm/W)</source>
        <translation>Lichtausbeute (lm/W)</translation>
    </message>
    <message>
        <source>Maximum intensity (cd)</source>
        <translation>Max. Lichtstärke (cd)</translation>
    </message>
    <message>
        <source>Beam (°)</source>
        <translation>Halbwertswinkel (°)</translation>
    </message>
    <message>
        <source>Beam C0-C180 (°)</source>
        <translation>Halbwertswinkel C0-C180 (°)</translation>
    </message>
    <message>
        <source>Beam C90-C270 (°)</source>
        <translation>Halbwertswinkel C90-C270 (°)</translation>
    </message>
    <message>
        <source>Field (°)</source>
        <translation>Zehntelwertswinkel (°)</translation>
    </message>
    <message>
        <source>Field C0-C180 (°)</source>
        <translation>Zehntelwertswinkel C0-C180 (°)</translation>
    </message>
    <message>
        <source>Field C90-C270 (°)</source>
        <translation>Zehntelwertswinkel C90-C270 (°)</translation>
    </message>
    <message>
        <source>Downward flux (%)</source>
        <translation>Lichtstrom nach unten (%)</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symmetrie</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Photometrischer Typ</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG-Klassifizierung</translation>
    </message>
    <message>
        <source>Max. luminance at 65° (cd/m²)</source>
        <translation>Max. Leuchtdichte bei 65° (cd/m²)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Larger than 32 MB: not read for the catalogue</source>
        <translation>Größer als 32 MB: für den Katalog nicht gelesen</translation>
    </message>
    <message>
        <source>Not enough memory to read the file</source>
        <translation>Nicht genug Speicher, um die Datei zu lesen</translation>
    </message>
    <message>
        <source>The file holds no photometric data</source>
        <translation>Die Datei enthält keine photometrischen Daten</translation>
    </message>
    <message>
        <source>Loads cleanly</source>
        <translation>Lädt fehlerfrei</translation>
    </message>
    <message>
        <source>Reader&apos;s message: </source>
        <translation>Meldung des Einlesens: </translation>
    </message>
    <message>
        <source>Fails: </source>
        <translation>Fehlschlag: </translation>
    </message>
    <message>
        <source>Unknown column</source>
        <translation>Unbekannte Spalte</translation>
    </message>
    <message>
        <source>Expected a range such as 2500-3500, &lt;30 or &gt;120</source>
        <translation>Erwartet wird ein Bereich wie 2500-3500, &lt;30 oder &gt;120</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>%1: the viewer refuses the file</source>
        <translation>%1: Der Viewer weist die Datei zurück</translation>
    </message>
    <message>
        <source>The intensities give a light output ratio of %1, the file states %2: they differ by more than %3 of the stated value</source>
        <translation>Die Lichtstärken ergeben einen Betriebswirkungsgrad von %1, die Datei gibt %2 an: Sie weichen um mehr als %3 des angegebenen Werts ab</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than the viewer reads: it refuses the file</source>
        <translation>Die Datei hat mehr als %1 Zeilen, mehr als der Viewer liest: Er weist die Datei zurück</translation>
    </message>
    <message>
        <source>A NUL byte ends the text here: the viewer ignores everything after it</source>
        <translation>Ein NUL-Byte beendet hier den Text: Der Viewer ignoriert alles danach</translation>
    </message>
    <message>
        <source>Unknown version line %1: LM-63 writes IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 or IESNA91</source>
        <translation>Unbekannte Versionszeile %1: LM-63 schreibt IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 oder IESNA91</translation>
    </message>
    <message>
        <source>No version line: the header is read as LM-63-1986 free text</source>
        <translation>Keine Versionszeile: Der Kopf wird als freier Text nach LM-63-1986 gelesen</translation>
    </message>
    <message>
        <source>Keyword line %1 has no closing bracket</source>
        <translation>Der Schlüsselwortzeile %1 fehlt die schließende Klammer</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case: the viewer shows it only as [%2]</source>
        <translation>Schlüsselwort %1 ist nicht in Großbuchstaben: Der Viewer zeigt es nur als [%2]</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case, as LM-63 keywords are</source>
        <translation>Schlüsselwort %1 ist nicht in Großbuchstaben, wie es LM-63-Schlüsselwörter sind</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: the viewer shows it only as [%1]</source>
        <translation>Schlüsselwort %1 steht ohne Klammern: Der Viewer zeigt es nur als [%1]</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: LM-63 writes [%1]</source>
        <translation>Schlüsselwort %1 steht ohne Klammern: LM-63 schreibt [%1]</translation>
    </message>
    <message>
        <source>TILT=INCLUDE: the viewer skips the tilt block that follows and does not apply its tilt factors</source>
        <translation>TILT=INCLUDE: Der Viewer überspringt den folgenden Neigungsblock und wendet seine Neigungsfaktoren nicht an</translation>
    </message>
    <message>
        <source>TILT value %1 is not exactly INCLUDE: the viewer expects no tilt block and reads what follows as the photometric numbers</source>
        <translation>TILT-Wert %1 ist nicht genau INCLUDE: Der Viewer erwartet keinen Neigungsblock und liest das Folgende als photometrische Zahlen</translation>
    </message>
    <message>
        <source>The TILT line names no tilt file and is not TILT=NONE: the viewer shows the data without tilt factors</source>
        <translation>Die TILT-Zeile nennt keine Neigungsdatei und ist nicht TILT=NONE: Der Viewer zeigt die Daten ohne Neigungsfaktoren</translation>
    </message>
    <message>
        <source>TILT names the tilt file %1, which the viewer does not read: it shows the data without tilt factors</source>
        <translation>TILT nennt die Neigungsdatei %1, die der Viewer nicht liest: Er zeigt die Daten ohne Neigungsfaktoren</translation>
    </message>
    <message>
        <source>No TILT line: the viewer reads the whole file as numbers and finds no header</source>
        <translation>Keine TILT-Zeile: Der Viewer liest die ganze Datei als Zahlen und findet keinen Kopf</translation>
    </message>
    <message>
        <source>the number of lamps</source>
        <translation>die Anzahl der Lampen</translation>
    </message>
    <message>
        <source>the lumens per lamp</source>
        <translation>die Lumen je Lampe</translation>
    </message>
    <message>
        <source>the candela multiplier</source>
        <translation>der Candela-Multiplikator</translation>
    </message>
    <message>
        <source>the number of vertical angles</source>
        <translation>die Anzahl der vertikalen Winkel</translation>
    </message>
    <message>
        <source>the number of horizontal angles</source>
        <translation>die Anzahl der horizontalen Winkel</translation>
    </message>
    <message>
        <source>the photometric type</source>
        <translation>der photometrische Typ</translation>
    </message>
    <message>
        <source>the units type</source>
        <translation>die Einheitenart</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>die Länge</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>die Höhe</translation>
    </message>
    <message>
        <source>the ballast factor</source>
        <translation>der Vorschaltgerätefaktor</translation>
    </message>
    <message>
        <source>the ballast-lamp photometric factor</source>
        <translation>der photometrische Vorschaltgeräte-Lampen-Faktor</translation>
    </message>
    <message>
        <source>the input watts</source>
        <translation>die Eingangsleistung</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2)</source>
        <translation>Token %1 ist keine Zahl (erwartet: %2)</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2); a tab does not separate numbers (lumetra-cli convert --lenient reads it as a blank and writes the file out clean)</source>
        <translation>Token %1 ist keine Zahl (erwartet: %2); ein Tabulator trennt keine Zahlen (lumetra-cli convert --lenient liest ihn als Leerzeichen und schreibt die Datei sauber aus)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (for photometric types A and B: one plane; 0 to 90; -90 to 90)</source>
        <translation>Die horizontalen Winkel reichen von %1 bis %2, keine der LM-63-Formen (für die photometrischen Typen A und B: eine Ebene; 0 bis 90; -90 bis 90)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (one plane; 0 to 90; 0 to 180; 90 to 270; 0 to 360)</source>
        <translation>Die horizontalen Winkel reichen von %1 bis %2, keine der LM-63-Formen (eine Ebene; 0 bis 90; 0 bis 180; 90 bis 270; 0 bis 360)</translation>
    </message>
    <message>
        <source>vertical angles</source>
        <translation>vertikale Winkel</translation>
    </message>
    <message>
        <source>horizontal angles</source>
        <translation>horizontale Winkel</translation>
    </message>
    <message>
        <source>the lamp-to-luminaire geometry</source>
        <translation>die Lampe-Leuchte-Geometrie</translation>
    </message>
    <message>
        <source>the number of tilt angles</source>
        <translation>die Anzahl der Neigungswinkel</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block</source>
        <translation>Die Datei endet innerhalb des Neigungsblocks</translation>
    </message>
    <message>
        <source>The number of tilt angles, %1, is not a whole number from 0 up</source>
        <translation>Die Anzahl der Neigungswinkel, %1, ist keine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>a tilt angle</source>
        <translation>ein Neigungswinkel</translation>
    </message>
    <message>
        <source>a tilt factor</source>
        <translation>ein Neigungsfaktor</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block, after %1 of its %2 angles and factors</source>
        <translation>Die Datei endet innerhalb des Neigungsblocks, nach %1 seiner %2 Winkel und Faktoren</translation>
    </message>
    <message>
        <source>The file ends after %1 of the 13 numbers that lead the photometric data</source>
        <translation>Die Datei endet nach %1 der 13 Zahlen, die den photometrischen Daten vorangehen</translation>
    </message>
    <message>
        <source>The number of %1, %2, is out of range: the viewer refuses the file</source>
        <translation>Die Anzahl „%1“, %2, liegt außerhalb des Bereichs: Der Viewer weist die Datei zurück</translation>
    </message>
    <message>
        <source>The file declares no %1: the viewer has nothing to show</source>
        <translation>Die Datei gibt keine %1 an: Der Viewer hat nichts zu zeigen</translation>
    </message>
    <message>
        <source>The number of %1, %2, is not a whole number from 1 to 65535: the viewer reads it as %3</source>
        <translation>Die Anzahl „%1“, %2, ist keine ganze Zahl von 1 bis 65535: Der Viewer liest sie als %3</translation>
    </message>
    <message>
        <source>The units type, %1, is out of range: the viewer refuses the file</source>
        <translation>Die Einheitenart, %1, liegt außerhalb des Bereichs: Der Viewer weist die Datei zurück</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 = %3 candela values, more than the viewer supports (%4): it refuses the file</source>
        <translation>Die Datei gibt %1 x %2 = %3 Candela-Werte an, mehr als der Viewer unterstützt (%4): Er weist die Datei zurück</translation>
    </message>
    <message>
        <source>a vertical angle</source>
        <translation>ein vertikaler Winkel</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 vertical angles</source>
        <translation>Die Datei endet nach %1 ihrer %2 vertikalen Winkel</translation>
    </message>
    <message>
        <source>The first vertical angle is %1, not 0, 90 or -90 as LM-63 requires</source>
        <translation>Der erste vertikale Winkel ist %1, nicht 0, 90 oder -90, wie LM-63 verlangt</translation>
    </message>
    <message>
        <source>Vertical angle %1 is not above the angle before it (%2): the light pattern cannot be rendered across equal or descending angles</source>
        <translation>Vertikaler Winkel %1 ist nicht größer als der vorige (%2): Über gleiche oder fallende Winkel lässt sich das Lichtbild nicht berechnen</translation>
    </message>
    <message>
        <source>a horizontal angle</source>
        <translation>ein horizontaler Winkel</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 horizontal angles</source>
        <translation>Die Datei endet nach %1 ihrer %2 horizontalen Winkel</translation>
    </message>
    <message>
        <source>Horizontal angle %1 is not above the angle before it (%2): the horizontal angles are none of the LM-63 forms</source>
        <translation>Horizontaler Winkel %1 ist nicht größer als der vorige (%2): Die horizontalen Winkel entsprechen keiner LM-63-Form</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 candela values that its counts declare (%3 x %4)</source>
        <translation>Die Datei endet nach %1 der %2 Candela-Werte, die ihre Anzahlen angeben (%3 x %4)</translation>
    </message>
    <message>
        <source>a candela value</source>
        <translation>ein Candela-Wert</translation>
    </message>
    <message>
        <source>Negative candela value %1</source>
        <translation>Negativer Candela-Wert %1</translation>
    </message>
    <message>
        <source>No candela value is above 0: the goniogram has no scale to draw on</source>
        <translation>Kein Candela-Wert ist größer als 0: Das Goniogramm hat keinen Maßstab</translation>
    </message>
    <message>
        <source>The file holds 1 token more than its counts declare (%1): the viewer ignores it</source>
        <translation>Die Datei enthält 1 Token mehr, als ihre Anzahlen angeben (%1): Der Viewer ignoriert es</translation>
    </message>
    <message>
        <source>The file holds %2 tokens more than its counts declare, from %1 on: the viewer ignores them</source>
        <translation>Die Datei enthält %2 Token mehr, als ihre Anzahlen angeben, ab %1: Der Viewer ignoriert sie</translation>
    </message>
    <message>
        <source>Nothing follows the TILT line: the viewer cannot read the file</source>
        <translation>Nach der TILT-Zeile folgt nichts: Der Viewer kann die Datei nicht lesen</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the viewer reads (%2): it refuses the file</source>
        <translation>Die Datei hat %1 Bytes, mehr als der Viewer liest (%2): Er weist die Datei zurück</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>And 1 more token that is not a number from here on</source>
        <translation>Und ab hier 1 weiteres Token, das keine Zahl ist</translation>
    </message>
    <message>
        <source>And %1 more tokens that are not numbers from here on</source>
        <translation>Und ab hier %1 weitere Token, die keine Zahlen sind</translation>
    </message>
    <message>
        <source>And 1 more vertical angle that is not above the one before from here on</source>
        <translation>Und ab hier 1 weiterer vertikaler Winkel, der nicht größer als der vorige ist</translation>
    </message>
    <message>
        <source>And %1 more vertical angles that are not above the one before from here on</source>
        <translation>Und ab hier %1 weitere vertikale Winkel, die nicht größer als der vorige sind</translation>
    </message>
    <message>
        <source>And 1 more negative candela value from here on</source>
        <translation>Und ab hier 1 weiterer negativer Candela-Wert</translation>
    </message>
    <message>
        <source>And %1 more negative candela values from here on</source>
        <translation>Und ab hier %1 weitere negative Candela-Werte</translation>
    </message>
    <message>
        <source>And 1 more keyword line of a form the viewer cannot show from here on</source>
        <translation>Und ab hier 1 weitere Schlüsselwortzeile in einer Form, die der Viewer nicht zeigen kann</translation>
    </message>
    <message>
        <source>And %1 more keyword lines of a form the viewer cannot show from here on</source>
        <translation>Und ab hier %1 weitere Schlüsselwortzeilen in einer Form, die der Viewer nicht zeigen kann</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Viewer of photometric files: the goniogram and the light pattern.</source>
        <translation>Betrachter für Photometriedateien: Lichtstärkeverteilungskurve und Lichtmuster.</translation>
    </message>
    <message>
        <source>A file to load, selected in its folder, or a folder to browse.</source>
        <translation>Eine zu ladende Datei, in ihrem Ordner ausgewählt, oder ein zu durchsuchender Ordner.</translation>
    </message>
</context>
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
    <message>
        <source>%1 at C %2, gamma %3 (%4 against %5)</source>
        <translation>%1 bei C %2, Gamma %3 (%4 gegenüber %5)</translation>
    </message>
    <message>
        <source>%1 at H %2, V %3 (%4 against %5)</source>
        <translation>%1 bei H %2, V %3 (%4 gegenüber %5)</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated</source>
        <translation>auf der Vereinigung der Winkel der Dateien, interpoliert</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated, thinned evenly</source>
        <translation>auf der Vereinigung der Winkel der Dateien, interpoliert, gleichmäßig ausgedünnt</translation>
    </message>
    <message>
        <source>at the angles both files store</source>
        <translation>bei den Winkeln, die beide Dateien enthalten</translation>
    </message>
    <message>
        <source>at the angles both files store, thinned evenly</source>
        <translation>bei den Winkeln, die beide Dateien enthalten, gleichmäßig ausgedünnt</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data.</source>
        <translation>Lichtstärken nicht verglichen: Die Dateien unterscheiden sich im photometrischen Typ oder enthalten keine Daten.</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data. Per kilolumen, every file needs a lamp or luminaire flux.</source>
        <translation>Lichtstärken nicht verglichen: Die Dateien unterscheiden sich im photometrischen Typ oder enthalten keine Daten. Je Kilolumen braucht jede Datei einen Lampen- oder Leuchtenlichtstrom.</translation>
    </message>
</context>
<context>
    <name>Compliance</name>
    <message>
        <source>needs type C photometry</source>
        <translation>erfordert Photometrie vom Typ C</translation>
    </message>
    <message>
        <source>the file holds no photometric data</source>
        <translation>die Datei enthält keine photometrischen Daten</translation>
    </message>
    <message>
        <source>the intensities give no finite flux</source>
        <translation>die Lichtstärken ergeben keinen endlichen Lichtstrom</translation>
    </message>
    <message>
        <source>the luminous opening is a point</source>
        <translation>die Lichtaustrittsfläche ist ein Punkt</translation>
    </message>
    <message>
        <source>the luminous opening&apos;s dimensions give no known shape</source>
        <translation>die Abmessungen der Lichtaustrittsfläche ergeben keine bekannte Form</translation>
    </message>
    <message>
        <source>the luminous area has length 0</source>
        <translation>die Lichtaustrittsfläche hat die Länge 0</translation>
    </message>
    <message>
        <source>the luminous opening shows no area at these angles</source>
        <translation>die Lichtaustrittsfläche zeigt unter diesen Winkeln keine Fläche</translation>
    </message>
    <message>
        <source>no uplight data: the file stops below gamma 180 with light at its last angle, so light above it is counted as 0 and the uplight rating may be too low</source>
        <translation>keine Daten für Licht nach oben: Die Datei endet unterhalb von Gamma 180 mit Licht bei ihrem letzten Winkel, daher wird Licht darüber als 0 gezählt und die Uplight-Klasse ist möglicherweise zu niedrig</translation>
    </message>
    <message>
        <source>quadrilateral-symmetric</source>
        <translation>quadrantensymmetrisch</translation>
    </message>
    <message>
        <source>asymmetric</source>
        <translation>asymmetrisch</translation>
    </message>
    <message>
        <source>front low, 0-30°</source>
        <translation>vorn niedrig, 0-30°</translation>
    </message>
    <message>
        <source>front medium, 30-60°</source>
        <translation>vorn mittel, 30-60°</translation>
    </message>
    <message>
        <source>front high, 60-80°</source>
        <translation>vorn hoch, 60-80°</translation>
    </message>
    <message>
        <source>front very high, 80-90°</source>
        <translation>vorn sehr hoch, 80-90°</translation>
    </message>
    <message>
        <source>back low, 0-30°</source>
        <translation>hinten niedrig, 0-30°</translation>
    </message>
    <message>
        <source>back medium, 30-60°</source>
        <translation>hinten mittel, 30-60°</translation>
    </message>
    <message>
        <source>back high, 60-80°</source>
        <translation>hinten hoch, 60-80°</translation>
    </message>
    <message>
        <source>back very high, 80-90°</source>
        <translation>hinten sehr hoch, 80-90°</translation>
    </message>
    <message>
        <source>uplight low, 90-100°</source>
        <translation>Aufwärtslicht niedrig, 90-100°</translation>
    </message>
    <message>
        <source>uplight high, 100-180°</source>
        <translation>Aufwärtslicht hoch, 100-180°</translation>
    </message>
    <message>
        <source>BUG zone %1 (%2)</source>
        <translation>BUG-Zone %1 (%2)</translation>
    </message>
    <message>
        <source>BUG forward light</source>
        <translation>BUG-Vorwärtslicht</translation>
    </message>
    <message>
        <source>BUG back light</source>
        <translation>BUG-Rückwärtslicht</translation>
    </message>
    <message>
        <source>BUG uplight</source>
        <translation>BUG-Aufwärtslicht</translation>
    </message>
    <message>
        <source>BUG total</source>
        <translation>BUG gesamt</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG-Bewertung</translation>
    </message>
    <message>
        <source>BUG front centre</source>
        <translation>BUG-Vorderseitenmitte</translation>
    </message>
    <message>
        <source>BUG glare table</source>
        <translation>BUG-Blendungstabelle</translation>
    </message>
    <message>
        <source>BUG G by the asymmetric table</source>
        <translation>BUG G nach der asymmetrischen Tabelle</translation>
    </message>
    <message>
        <source>BUG G by the symmetric table</source>
        <translation>BUG G nach der symmetrischen Tabelle</translation>
    </message>
    <message>
        <source>BUG uplight data</source>
        <translation>BUG-Aufwärtslichtdaten</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Leuchtdichte</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Lichtaustrittsfläche</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Maximale Leuchtdichte</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>Save Data Sheet As</source>
        <translation>Datenblatt speichern unter</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Katalognummer</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Polar diagram, %1</source>
        <translation>Polardiagramm, %1</translation>
    </message>
    <message>
        <source>Cartesian diagram, %1</source>
        <translation>Kartesisches Diagramm, %1</translation>
    </message>
    <message>
        <source>Light pattern: the file holds no intensities to render</source>
        <translation>Lichtbild: Die Datei enthält keine Lichtstärken zum Berechnen</translation>
    </message>
    <message>
        <source>Light pattern not rendered: %1</source>
        <translation>Lichtbild nicht berechnet: %1</translation>
    </message>
    <message>
        <source>Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4</source>
        <translation>Lichtbild bei %1, wie das Renderfenster es zeigt: Helligkeit %2, Zoom %3, Radiosity %4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Photometric summary</source>
        <translation>Photometrische Übersicht</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Zonal flux</source>
        <translation>Zonenlichtstrom</translation>
    </message>
    <message>
        <source>Zone (γ)</source>
        <translation>Zone (γ)</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Lichtstrom</translation>
    </message>
    <message>
        <source>% of luminaire</source>
        <translation>% der Leuchte</translation>
    </message>
    <message>
        <source>% of lamps</source>
        <translation>% der Lampen</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Lichtaustrittsfläche</translation>
    </message>
    <message>
        <source>Luminaire (EULUMDAT)</source>
        <translation>Leuchte (EULUMDAT)</translation>
    </message>
    <message>
        <source>Compliance</source>
        <translation>Konformität</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG-Bewertung</translation>
    </message>
    <message>
        <source>Street side</source>
        <translation>Straßenseite</translation>
    </message>
    <message>
        <source>Forward light (FL-FVH)</source>
        <translation>Vorwärtslicht (FL-FVH)</translation>
    </message>
    <message>
        <source>Back light (BL-BVH)</source>
        <translation>Rückwärtslicht (BL-BVH)</translation>
    </message>
    <message>
        <source>Uplight (UL, UH)</source>
        <translation>Aufwärtslicht (UL, UH)</translation>
    </message>
    <message>
        <source>Zone lumens</source>
        <translation>Zonenlumen</translation>
    </message>
    <message>
        <source>BUG note</source>
        <translation>BUG-Hinweis</translation>
    </message>
    <message>
        <source>Maximum luminance (γ 45-85°)</source>
        <translation>Maximale Leuchtdichte (γ 45-85°)</translation>
    </message>
    <message>
        <source>%1 at C %2, γ %3</source>
        <translation>%1 bei C %2, γ %3</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennwerte</translation>
    </message>
    <message>
        <source>The file holds no photometric data.</source>
        <translation>Die Datei enthält keine photometrischen Daten.</translation>
    </message>
    <message>
        <source>Source: %1, modified %2</source>
        <translation>Quelle: %1, geändert %2</translation>
    </message>
    <message>
        <source>Sheet of %1, %2</source>
        <translation>Datenblatt vom %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Data sheet of %1</source>
        <translation>Datenblatt von %1</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Test: </source>
        <translation>Prüfbericht: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Hersteller: </translation>
    </message>
    <message>
        <source>Luminaire catalog: </source>
        <translation>Leuchten-Katalognr.: </translation>
    </message>
    <message>
        <source>Lamp:</source>
        <translation>Lampe:</translation>
    </message>
    <message>
        <source>Lamp catalog: </source>
        <translation>Lampen-Katalognr.: </translation>
    </message>
</context>
<context>
    <name>EulumdatReader</name>
    <message>
        <source>Line %1 of the EULUMDAT file: %2</source>
        <translation>Zeile %1 der EULUMDAT-Datei: %2</translation>
    </message>
    <message>
        <source>company identification</source>
        <translation>Firmenkennung</translation>
    </message>
    <message>
        <source>type indicator Ityp</source>
        <translation>Typkennzahl Ityp</translation>
    </message>
    <message>
        <source>symmetry indicator Isym</source>
        <translation>Symmetriekennzahl Isym</translation>
    </message>
    <message>
        <source>number of C-planes Mc</source>
        <translation>Anzahl der C-Ebenen Mc</translation>
    </message>
    <message>
        <source>distance between C-planes Dc</source>
        <translation>Abstand der C-Ebenen Dc</translation>
    </message>
    <message>
        <source>number of intensities per C-plane Ng</source>
        <translation>Anzahl der Lichtstärken je C-Ebene Ng</translation>
    </message>
    <message>
        <source>the file declares %1 luminous intensities, more than the viewer supports (%2)</source>
        <translation>die Datei gibt %1 Lichtstärken an, mehr als der Viewer unterstützt (%2)</translation>
    </message>
    <message>
        <source>distance between intensities Dg</source>
        <translation>Abstand der Lichtstärken Dg</translation>
    </message>
    <message>
        <source>measurement report number</source>
        <translation>Messprotokollnummer</translation>
    </message>
    <message>
        <source>luminaire name</source>
        <translation>Leuchtenname</translation>
    </message>
    <message>
        <source>luminaire number</source>
        <translation>Leuchtennummer</translation>
    </message>
    <message>
        <source>file name and date/user</source>
        <translation>Dateiname und Datum/Bearbeiter</translation>
    </message>
    <message>
        <source>luminaire dimensions</source>
        <translation>Leuchtenabmessungen</translation>
    </message>
    <message>
        <source>length of the luminous area</source>
        <translation>Länge der leuchtenden Fläche</translation>
    </message>
    <message>
        <source>width of the luminous area</source>
        <translation>Breite der leuchtenden Fläche</translation>
    </message>
    <message>
        <source>height of the luminous area</source>
        <translation>Höhe der leuchtenden Fläche</translation>
    </message>
    <message>
        <source>downward flux fraction DFF</source>
        <translation>Lichtstromanteil nach unten DFF</translation>
    </message>
    <message>
        <source>light output ratio LORL</source>
        <translation>Betriebswirkungsgrad LORL</translation>
    </message>
    <message>
        <source>conversion factor for intensities</source>
        <translation>Umrechnungsfaktor der Lichtstärken</translation>
    </message>
    <message>
        <source>tilt of the luminaire</source>
        <translation>Neigung der Leuchte</translation>
    </message>
    <message>
        <source>number of lamp sets n</source>
        <translation>Anzahl der Lampenbestückungen n</translation>
    </message>
    <message>
        <source>number of lamps</source>
        <translation>Anzahl der Lampen</translation>
    </message>
    <message>
        <source>lamp type</source>
        <translation>Lampentyp</translation>
    </message>
    <message>
        <source>total luminous flux of the lamps</source>
        <translation>Gesamtlichtstrom der Lampen</translation>
    </message>
    <message>
        <source>colour temperature and colour rendering</source>
        <translation>Farbtemperatur und Farbwiedergabe</translation>
    </message>
    <message>
        <source>wattage</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>direct ratios</source>
        <translation>Direktanteile</translation>
    </message>
    <message>
        <source>luminous intensities that symmetry %1 needs (%2 planes of %3)</source>
        <translation>Lichtstärken, die Symmetrie %1 braucht (%2 Ebenen zu %3)</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>Lichtstärke</translation>
    </message>
    <message>
        <source>luminous intensities</source>
        <translation>Lichtstärken</translation>
    </message>
    <message>
        <source>C-angle</source>
        <translation>C-Winkel</translation>
    </message>
    <message>
        <source>C-angles</source>
        <translation>C-Winkel</translation>
    </message>
    <message>
        <source>gamma angle</source>
        <translation>Gamma-Winkel</translation>
    </message>
    <message>
        <source>gamma angles</source>
        <translation>Gamma-Winkel</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 ist zu groß (%2)</translation>
    </message>
    <message>
        <source>the sum over the lamp sets</source>
        <translation>die Summe über die Lampenbestückungen</translation>
    </message>
    <message>
        <source>the intensity in cd</source>
        <translation>die Lichtstärke in cd</translation>
    </message>
    <message>
        <source>the factor to candela</source>
        <translation>der Faktor zu Candela</translation>
    </message>
    <message>
        <source>the flux per lamp</source>
        <translation>der Lichtstrom je Lampe</translation>
    </message>
    <message>
        <source>the file ends where the %1 should be</source>
        <translation>die Datei endet, wo der Wert „%1“ stehen sollte</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>der Wert „%1“ ist leer</translation>
    </message>
    <message>
        <source>the %1 is not a number: %2</source>
        <translation>der Wert „%1“ ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>the %1 must be a whole number from %2 to %3, not %4</source>
        <translation>der Wert „%1“ muss eine ganze Zahl von %2 bis %3 sein, nicht %4</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 %3</source>
        <translation>die Datei endet nach %1 von %2 %3</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Cannot open folder %1: %2</source>
        <translation>Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Cannot show %1: the file list shows photometric files only</source>
        <translation>%1 kann nicht angezeigt werden: Die Dateiliste zeigt nur photometrische Dateien</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Cannot open a file without a name</source>
        <translation>Eine Datei ohne Namen kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Ordner %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open %1: not a file or folder</source>
        <translation>%1 kann nicht geöffnet werden: weder Datei noch Ordner</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Goniogram</name>
    <message>
        <source>outside the stored angles (%1 to %2)</source>
        <translation>außerhalb der gespeicherten Winkel (%1 bis %2)</translation>
    </message>
    <message>
        <source>Maximum Intensity =%1</source>
        <translation>Maximale Lichtstärke =%1</translation>
    </message>
    <message>
        <source>Degrees=%1</source>
        <translation>Grad=%1</translation>
    </message>
</context>
<context>
    <name>IesReader</name>
    <message>
        <source>The %1 of the file is out of range</source>
        <translation>Der Wert „%1“ der Datei liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Error!<byte value="xd"/><byte value="xd"/>Line %1</source>
        <translation>Fehler!<byte value="xd"/><byte value="xd"/>Zeile %1</translation>
    </message>
    <message>
        <source>vertical angle count</source>
        <translation>Anzahl der vertikalen Winkel</translation>
    </message>
    <message>
        <source>horizontal angle count</source>
        <translation>Anzahl der horizontalen Winkel</translation>
    </message>
    <message>
        <source>units type</source>
        <translation>Einheitenart</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 candela values, more than the viewer supports (%3)</source>
        <translation>Die Datei gibt %1 x %2 Candela-Werte an, mehr als der Viewer unterstützt (%3)</translation>
    </message>
    <message>
        <source>List index out of bounds (0)</source>
        <translation>Listenindex außerhalb des Bereichs (0)</translation>
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
    <name>Loading</name>
    <message>
        <source>File %1 is too large to be an %2 file (%3 bytes)</source>
        <translation>Die Datei %1 ist zu groß für eine %2-Datei (%3 Bytes)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File %1 has too many lines to be an %2 file (more than %3)</source>
        <translation>Die Datei %1 hat zu viele Zeilen für eine %2-Datei (mehr als %3)</translation>
    </message>
</context>
<context>
    <name>OtherFormat</name>
    <message>
        <source>The file holds IES (LM-63) text although its name ends in .ldt</source>
        <translation>Die Datei enthält IES-Text (LM-63), obwohl ihr Name auf .ldt endet</translation>
    </message>
    <message>
        <source>The file holds EULUMDAT data although its name does not end in .ldt</source>
        <translation>Die Datei enthält EULUMDAT-Daten, obwohl ihr Name nicht auf .ldt endet</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Direct ratios</source>
        <translation>Direktanteile</translation>
    </message>
    <message>
        <source>Luminaire dimensions</source>
        <translation>Leuchtenabmessungen</translation>
    </message>
    <message>
        <source>Luminous area</source>
        <translation>Lichtaustrittsfläche</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>Rectangular with luminous sides</source>
        <translation>Rechteckig mit leuchtenden Seiten</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Kreisförmig</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Vertical cylinder</source>
        <translation>Vertikaler Zylinder</translation>
    </message>
    <message>
        <source>Vertical ellipsoidal cylinder</source>
        <translation>Vertikaler elliptischer Zylinder</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Ellipsoidal spheroid</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>Horizontal cylinder along photometric horizontal</source>
        <translation>Horizontaler Zylinder entlang der photometrischen Horizontalen</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder along photometric horizontal</source>
        <translation>Horizontaler elliptischer Zylinder entlang der photometrischen Horizontalen</translation>
    </message>
    <message>
        <source>Horizontal cylinder perpendicular to photometric horizontal</source>
        <translation>Horizontaler Zylinder senkrecht zur photometrischen Horizontalen</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder perpendicular to photometric horizontal</source>
        <translation>Horizontaler elliptischer Zylinder senkrecht zur photometrischen Horizontalen</translation>
    </message>
    <message>
        <source>Vertical circle facing photometric horizontal</source>
        <translation>Vertikaler Kreis, zur photometrischen Horizontalen gewandt</translation>
    </message>
    <message>
        <source>Vertical ellipse facing photometric horizontal</source>
        <translation>Vertikale Ellipse, zur photometrischen Horizontalen gewandt</translation>
    </message>
    <message>
        <source>Vertical circle facing perpendicular to photometric horizontal</source>
        <translation>Vertikaler Kreis, senkrecht zur photometrischen Horizontalen gewandt</translation>
    </message>
    <message>
        <source>Vertical ellipse facing perpendicular to photometric horizontal</source>
        <translation>Vertikale Ellipse, senkrecht zur photometrischen Horizontalen gewandt</translation>
    </message>
    <message>
        <source>Not an LM-63 shape</source>
        <translation>Keine LM-63-Form</translation>
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
    <name>ReadingVerdict</name>
    <message>
        <source>not significant: the file did not read completely</source>
        <translation>nicht aussagekräftig: Die Datei wurde nicht vollständig gelesen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Zeile %1: %2: %3</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2 and a new settings file has been written.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und eine neue Einstellungsdatei wurde geschrieben.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>unknown (summarised as C)</source>
        <translation>unbekannt (als C zusammengefasst)</translation>
    </message>
    <message>
        <source>Lamps</source>
        <translation>Lampen</translation>
    </message>
    <message>
        <source>%1, absolute photometry</source>
        <translation>%1, absolute Photometrie</translation>
    </message>
    <message>
        <source>Ballast factor</source>
        <translation>Vorschaltgerätefaktor</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Lichtaustrittsfläche</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3</source>
        <translation>%1 bei C %2, Gamma %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>%1 vertical × %2 horizontal</source>
        <translation>%1 vertikal × %2 horizontal</translation>
    </message>
    <message>
        <source>Candela multiplier</source>
        <translation>Candela-Multiplikator</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennwerte</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Photometrischer Typ</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symmetrie</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Lichtstrom</translation>
    </message>
    <message>
        <source>Downward flux</source>
        <translation>Lichtstrom nach unten</translation>
    </message>
    <message>
        <source>Upward flux</source>
        <translation>Lichtstrom nach oben</translation>
    </message>
    <message>
        <source>Downward flux fraction</source>
        <translation>Lichtstromanteil nach unten</translation>
    </message>
    <message>
        <source>Zonal flux %1°</source>
        <translation>Zonenlichtstrom %1°</translation>
    </message>
    <message>
        <source>Lamp flux</source>
        <translation>Lampenlichtstrom</translation>
    </message>
    <message>
        <source>Light output ratio</source>
        <translation>Betriebswirkungsgrad</translation>
    </message>
    <message>
        <source>Input watts</source>
        <translation>Leistungsaufnahme</translation>
    </message>
    <message>
        <source>Efficacy</source>
        <translation>Lichtausbeute</translation>
    </message>
    <message>
        <source>Maximum intensity</source>
        <translation>Maximale Lichtstärke</translation>
    </message>
    <message>
        <source>at C</source>
        <translation>bei C</translation>
    </message>
    <message>
        <source>gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Beam angle</source>
        <translation>Halbwertswinkel</translation>
    </message>
    <message>
        <source>Field angle</source>
        <translation>Zehntelwertswinkel</translation>
    </message>
    <message>
        <source>Beam angle CIE</source>
        <translation>Halbwertswinkel CIE</translation>
    </message>
    <message>
        <source>Field angle CIE</source>
        <translation>Zehntelwertswinkel CIE</translation>
    </message>
    <message>
        <source>Stated light output ratio</source>
        <translation>Angegebener Betriebswirkungsgrad</translation>
    </message>
    <message>
        <source>Stated downward flux fraction</source>
        <translation>Angegebener Lichtstromanteil nach unten</translation>
    </message>
    <message>
        <source>C of maximum intensity</source>
        <translation>C der maximalen Lichtstärke</translation>
    </message>
    <message>
        <source>Gamma of maximum intensity</source>
        <translation>Gamma der maximalen Lichtstärke</translation>
    </message>
</context>
<context>
    <name>Symmetry</name>
    <message>
        <source>quadrant</source>
        <translation>Quadranten</translation>
    </message>
    <message>
        <source>bilateral H0</source>
        <translation>zweiseitig H0</translation>
    </message>
    <message>
        <source>bilateral V0</source>
        <translation>zweiseitig V0</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>axial</source>
        <translation>rotationssymmetrisch</translation>
    </message>
    <message>
        <source>bilateral C0-C180</source>
        <translation>zweiseitig C0-C180</translation>
    </message>
    <message>
        <source>bilateral C90-C270</source>
        <translation>zweiseitig C90-C270</translation>
    </message>
    <message>
        <source>irregular</source>
        <translation>unregelmäßig</translation>
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
    <name>lumetra-cli</name>
    <message>
        <source>Usage: lumetra-cli COMMAND [OPTIONS]</source>
        <translation>Aufruf: lumetra-cli COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other
as IES. Arguments that a command cannot use exit with status 2.</source>
        <translation>Eine FILE, deren Name auf .ldt endet (Groß-/Kleinschreibung beliebig), wird als
EULUMDAT gelesen, jede andere als IES. Bei Argumenten, die ein Befehl nicht
verwenden kann, endet das Programm mit Status 2.</translation>
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
        <translation>Befehle:
  info FILE
      Lädt FILE wie der Betrachter und gibt ein JSON-Objekt aus: LampLumens,
      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType,
      VerticalAngles, HorizontalAngles, Candela (Ebene für Ebene), HeaderLines,
      Description, GlobalMaxCandela, ParseError und Message (die Meldung des
      Einlesens oder null). Die Meldung des Einlesens geht auch an stderr; der
      Exit-Status bleibt 0. Schlägt das Laden fehl, wird der Fehler auf stderr
      ausgegeben und der Exit-Status ist 1.</translation>
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
        <translation>  gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]
      Zeichnet Raster und LVK von FILE wie das Hauptfenster auf einer Fläche
      von S x S (Standard 400) und schreibt sie als PNG oder SVG. --plane wählt
      den Index der C-Ebene (Standard 0), --fit skaliert auf die gezeichneten
      Ebenen, --ortho fügt bei Ebene 0 das orthogonale Ebenenpaar hinzu.
      Exit-Status: 0, wenn geschrieben, 1 bei einem Fehler, 2 bei einem
      Aufruffehler, 3, wenn geschrieben, obwohl beim Einlesen eine Meldung zur
      Datei ausgegeben wurde (auf stderr).</translation>
    </message>
    <message>
        <source>  render FILE -o OUT.png [--plane N] [--brightness %1] [--zoom %2]
         [--radiosity]
      Renders the light pattern as the render window does (defaults: plane 0,
      brightness %3, zoom %4, radiosity off) and writes the 300 x 300 picture as
      an 8-bit grey PNG. Values outside a bar&apos;s range are clamped to it.
      Exit status as for gonio.</source>
        <translation>  render FILE -o OUT.png [--plane N] [--brightness %1] [--zoom %2]
         [--radiosity]
      Berechnet das Lichtmuster wie das Renderfenster (Standard: Ebene 0,
      Helligkeit %3, Zoom %4, Radiosity aus) und schreibt das Bild mit
      300 x 300 Pixeln als 8-Bit-Graustufen-PNG. Werte außerhalb des Bereichs
      eines Schiebereglers werden auf diesen begrenzt.
      Exit-Status wie bei gonio.</translation>
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
        <translation>  check [--json] [--jobs N] PATH...
      Prüft IES- und EULUMDAT-Dateien auf alles, was den Betrachter daran
      hindert, sie zu lesen oder wie beabsichtigt anzuzeigen, und IES-Dateien
      auf Abweichungen von LM-63. Ein PATH ist eine Datei oder ein Ordner, der
      samt Unterordnern nach *.ies und *.ldt (Groß-/Kleinschreibung beliebig)
      durchsucht wird. Gibt jeden Befund aus als
      FILE:LINE: error|warning: MESSAGE (FILE: ok für eine Datei ohne Befund),
      dann &quot;N files, E errors, W warnings&quot;; --json gibt stattdessen ein
      JSON-Objekt aus: files (path, errors, warnings, findings mit severity,
      line und message), unreadable (Pfade) und summary (files, errors,
      warnings).
      Die Dateien werden in N Threads geprüft (--jobs, eine ganze Zahl von 1
      bis 256, Standard: alle Kerne); der Bericht ist für jedes N gleich.
      Fehler: ein Eintrag, der keine Zahl ist; weniger Zahlen, als die Anzahlen
      angeben; eine Anzahl, die keine ganze Zahl von 1 bis 65535 ist; vertikale
      Winkel nicht streng aufsteigend; ein Raster mit über 4194304 Werten; keine
      TILT-Zeile oder nichts danach; eine Datei, die der Betrachter ablehnt (zu
      groß, zu viele Zeilen).
      Warnungen: mehr Zahlen, als die Anzahlen angeben (ignoriert); horizontale
      Winkel in keiner der LM-63-Formen (eine Ebene, 0-90, 0-180, 90-270,
      0-360; für Typ A und B 0-90, -90-90); ein erster vertikaler Winkel außer
      0, 90 oder -90; negative Candela-Werte oder keiner über 0; TILT=INCLUDE
      oder eine Tilt-Datei (Tilt-Faktoren werden nicht angewendet); eine
      fehlende oder unbekannte Versionszeile; Schlüsselwörter in
      Kleinbuchstaben oder ohne eckige Klammern; ein NUL-Byte (beendet den
      Text).
      EULUMDAT-Dateien: der erste Mangel, der den Betrachter am Lesen der Datei
      hindert, ist ein Fehler in seiner Zeile; ein aus den Lichtstärken
      berechneter Betriebswirkungsgrad, der um mehr als 5 % vom angegebenen
      abweicht, ist eine Warnung.
      Eine Datei, deren Inhalt eindeutig das andere Format ist (EULUMDAT-Daten
      namens .ies, IES-Text namens .ldt), ist ein Fehler in Zeile 1, der dies
      meldet.
      Ein sich wiederholender Befund wird zehnmal aufgeführt, dann
      zusammengefasst. Eine Fortschrittszeile geht an stderr, wenn dies ein
      Terminal ist. Exit-Status: 0 ohne Fehler, 1 mit Fehlern, 2 bei einem
      Aufruffehler oder einem nicht lesbaren Pfad.</translation>
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
        <translation>  summary FILE [--json]
      Gibt die photometrische Zusammenfassung von FILE aus: Lichtstrom (gesamt,
      nach unten, nach oben, zonal), Lampenlichtstrom, Betriebswirkungsgrad,
      Lichtausbeute, maximale Lichtstärke, Halbwertswinkel (50 %) und
      Zehntelwertswinkel (10 %), auf das Maximum bezogen (IES) und auf die Mitte
      bezogen (CIE), die BUG-Klassifizierung und die Leuchtdichtetabelle. Die
      Werte werden wie im Eigenschaftenfenster im Zahlenformat des
      Gebietsschemas ausgegeben; --json gibt ein JSON-Objekt mit voller
      Genauigkeit aus, null, wo ein Wert nicht definiert ist (die letzten beiden
      unter den Schlüsseln BUG und Luminance). Bei einer Datei, die nicht
      geladen werden kann oder keine photometrischen Daten enthält, ist der
      Exit-Status 1. Eine nicht vollständig gelesene Datei hat keine Werte: die
      Meldung des Einlesens und der Grund gehen an stderr (mit --json ist jeder
      Wert null, ParseError true und Notes enthält die Gründe); Exit-Status 3.</translation>
    </message>
    <message>
        <source>  bug FILE [--front DEG] [--json]
      Prints the BUG rating of FILE (backlight, uplight, glare; IES TM-15 with
      Addendum A): the lumens in its ten zones, the ratings and the glare table
      used. The street side is centred on C0 for IES files and on C90 for
      EULUMDAT files; --front DEG centres it on another C plane. Types A and B
      need type C photometry and are not rated (null in JSON). Exit status as
      for summary.</source>
        <translation>  bug FILE [--front DEG] [--json]
      Gibt die BUG-Klassifizierung von FILE aus (Rückwärtslicht, Aufwärtslicht,
      Blendung; IES TM-15 mit Addendum A): die Lumen in ihren zehn Zonen, die
      Klassen und die verwendete Blendungstabelle. Die Straßenseite ist bei
      IES-Dateien auf C0 und bei EULUMDAT-Dateien auf C90 zentriert; --front DEG
      zentriert sie auf eine andere C-Ebene. Typ A und B benötigen Photometrie
      vom Typ C und werden nicht klassifiziert (null in JSON). Exit-Status wie
      bei summary.</translation>
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
        <translation>  compare A B [C D] [--json] [--unit cd|cdklm]
      Vergleicht zwei bis vier Dateien mit der ersten: die photometrische
      Zusammenfassung jeder Datei nebeneinander mit der Differenz zur ersten
      Datei, absolut und in Prozent, markiert über 5 % (2 Grad bei Winkeln);
      dann, wo die Lichtstärken jeder Datei am stärksten von denen der ersten
      abweichen (Wert, C, gamma; H und V bei Typ A und B), an den gespeicherten
      Winkeln, wenn die Dateien dieselben haben, sonst auf der Vereinigung ihrer
      Winkel mit der Interpolation der Zusammenfassung.
      --unit cdklm vergleicht Lichtstärken je 1000 lm Lampenlichtstrom (bei
      absoluter Photometrie je 1000 lm Lichtstrom der Leuchte). --json gibt ein
      JSON-Objekt aus: Files, Summaries (jeweils wie von summary --json
      ausgegeben), Differences (je weitere Datei: File, Figures mit Absolute,
      Percent und BeyondTolerance, LargestIntensityDifference) und
      LargestIntensityDifference über alle Dateien (File, Value, First, Other,
      C, Gamma, Unit, SharedGrid, Thinned), null, wenn die Typen verschieden
      sind. Bei einer Datei, die nicht geladen werden kann oder keine Daten
      enthält, ist der Exit-Status 1.</translation>
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
        <translation>  diagram FILE --kind polar|cartesian|isocandela|solid -o OUT.png|OUT.svg|OUT.pdf
          [--planes 0,90] [--unit cd|cdklm] [--log] [--lit-half] [--step N]
          [--size W[xH]] [--view AZ,EL]
      Schreibt ein beschriftetes Diagramm von FILE auf weißem Grund mit einer
      Bildunterschrift, die die Datei nennt: polare oder kartesische Kurven von
      bis zu vier Ebenen (Typ C: die Paare C und C+180, Standard 0,90; Typ A
      und B: die vertikale Linie bei H = N oder &quot;V5&quot; für die horizontale Linie
      bei V = 5; Standard V0,0), Isocandela-Linien über die ganze Kugel oder den
      schattierten Lichtverteilungskörper, gesehen aus Azimut AZ und Elevation
      EL in Grad (Standard 35,20). --unit cdklm gibt cd je 1000 lm
      Lampenlichtstrom an (cd bei absoluter Photometrie, mit einem Hinweis).
      --log: logarithmische Lichtstärkeachse (cartesian). --lit-half: nur der
      Halbraum, der das Licht enthält (polar). --step: Grad zwischen den
      Winkelbeschriftungen (Standard 30). --size: Pixel, 16 bis 4096 je Seite
      (Standard 1000x800); der Text wächst mit.</translation>
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
        <translation>  illuminance FILE [--height H] [--size S] [--step D] [--wall X] [--json]
              [-o OUT.png|OUT.svg|OUT.pdf|OUT.csv]
      Berechnet die Beleuchtungsstärke punktweise auf dem Boden H Meter unter
      der Leuchte (Standard 3), über ein unter ihr zentriertes Quadrat der
      Seitenlänge S (Standard 10), in einem Raster der Weite D (Standard 0.5);
      S / D muss eine ganze Zahl sein. --wall fügt bei X Metern entlang C0 eine
      der Leuchte zugewandte Wand hinzu, vom Boden bis zur Höhe S. Gibt E max,
      E min, E average, Gleichmäßigkeit (min/avg) und die Lage des Maximums
      aus; --json gibt stattdessen ein JSON-Objekt aus (Height, Size, Step, N,
      X, Y, E mit Zeilen nach aufsteigendem y, Max, Min, Avg, MinOverAvg, MaxAt
      und Vertical für die Wand); -o schreibt das Isoluxbild (PNG, SVG, PDF)
      oder das Raster als CSV. Dateien vom Typ A und B werden abgelehnt: die
      Berechnung benötigt Photometrie vom Typ C (mit --json enthält das Objekt
      null-Werte). Exit-Status: 0, wenn fertig, 1 bei einem Fehler, 2 bei einem
      Aufruffehler.</translation>
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
        <translation>  convert IN -o OUT.ies|OUT.ldt [OPTIONS]
  convert FOLDER -o OUTFOLDER --to ies|ldt [OPTIONS] [--jobs N]
      Schreibt IN (IES oder EULUMDAT) als IES LM-63-2002 (--ies-version 2019
      für LM-63-2019) oder EULUMDAT, je nach Endung von OUT (Groß-/Klein-
      schreibung beliebig). Ein FOLDER wird samt Unterordnern nach OUTFOLDER
      konvertiert, wobei die relativen Pfade erhalten bleiben (--jobs N Dateien
      gleichzeitig, Standard alle Kerne), mit einer Fortschrittszeile auf einem
      Terminal und am Ende einer Zusammenfassung &quot;N written, M failed: reasons&quot;.
      --lumens L skaliert die Lichtstärken so, dass der angegebene
      Lampenlichtstrom L ist (bei absoluter Photometrie so, dass der berechnete
      Lichtstrom L ist); --multiply K multipliziert sie mit K;
      --rotate 90|180|270 dreht die C-Ebenen (C wird zu C + Winkel). --lenient
      liest Tabulatoren in den Zahlen als Leerzeichen, sodass eine Datei, die
      der Betrachter als Nullen liest, sauber geschrieben wird. Dateien werden
      ganz oder gar nicht geschrieben; eine vorhandene Ausgabe wird nur mit
      --force ersetzt, die Eingabe nie. Was das Zielformat nicht aufnehmen
      kann, wird als Hinweis gemeldet.
      Exit-Status: 0, wenn jede Datei geschrieben wurde, sonst 1, 2 bei einem
      Aufruffehler.</translation>
    </message>
    <message>
        <source>  --help
      Shows this text.</source>
        <translation>  --help
      Zeigt diesen Text an.</translation>
    </message>
    <message>
        <source>  --version
      Shows the version of lumetra-cli.</source>
        <translation>  --version
      Zeigt die Version von lumetra-cli an.</translation>
    </message>
    <message>
        <source>Every command exits with 2 when its arguments are wrong, with the usage line on
stderr.
</source>
        <translation>Jeder Befehl endet mit Status 2, wenn seine Argumente falsch sind, und gibt die
Aufrufzeile auf stderr aus.
</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Unbekannter Befehl &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>  sheet FILE -o OUT.pdf [--encoding NAME]
  sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]
      Writes a PDF data sheet of FILE for a report: its name, manufacturer,
      catalogue number and luminaire; the polar and cartesian diagrams of the
      C0-C180 and C90-C270 planes (cd/klm for EULUMDAT files); the light pattern
      of plane 0 (brightness %3, zoom %5, radiosity off); the photometric
      summary, the zonal flux, the luminous opening, an EULUMDAT file&apos;s
      dimensions and lamp sets, the BUG rating and the maximum luminance; a
      footer with the file&apos;s modification date, the sheet&apos;s date and the
      program&apos;s version. A second page holds what the first has no room for.
      The paper is Letter where the locale measures in US units, A4 otherwise.
      &quot;.pdf&quot; is added to a name without an extension. --encoding reads the
      header in NAME (windows-1251, gbk, big5, shift_jis, euc-kr, ...) instead
      of the guessed encoding. For a file that did not read completely the
      sheet says so in place of the figures, and the exit status is 3.
      With a FOLDER, every *.ies and *.ldt file below it gets its sheet below
      OUTFOLDER, at the same relative path with the extension .pdf; existing
      sheets are kept unless --force is given. A progress line shows on a
      terminal, then &quot;N written, M failed: reasons&quot;. Exit status 0 when every
      sheet was written, 1 when any failed, else 3 when any file did not read
      completely.</source>
        <translation>  sheet FILE -o OUT.pdf [--encoding NAME]
  sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]
      Schreibt ein PDF-Datenblatt von FILE für einen Bericht: Name, Hersteller,
      Katalognummer und Leuchte; die Polar- und kartesischen Diagramme der
      Ebenen C0-C180 und C90-C270 (cd/klm bei EULUMDAT-Dateien); das Lichtmuster
      der Ebene 0 (Helligkeit %3, Zoom %5, Radiosity aus); die photometrische
      Zusammenfassung, den zonalen Lichtstrom, die Lichtaustrittsfläche, bei
      EULUMDAT-Dateien Abmessungen und Lampenbestückungen, die BUG-
      Klassifizierung und die maximale Leuchtdichte; eine Fußzeile mit dem
      Änderungsdatum der Datei, dem Datum des Datenblatts und der
      Programmversion. Eine zweite Seite enthält, wofür die erste keinen Platz
      hat. Das Papierformat ist Letter, wenn das Gebietsschema US-Einheiten
      verwendet, sonst A4. An einen Namen ohne Endung wird &quot;.pdf&quot; angehängt.
      --encoding liest den Header in NAME (windows-1251, gbk, big5, shift_jis,
      euc-kr, ...) statt in der erkannten Kodierung. Bei einer nicht vollständig
      gelesenen Datei steht dies im Datenblatt anstelle der Werte, und der
      Exit-Status ist 3.
      Mit einem FOLDER erhält jede *.ies- und *.ldt-Datei darunter ihr
      Datenblatt unter OUTFOLDER, im selben relativen Pfad mit der Endung .pdf;
      vorhandene Datenblätter bleiben erhalten, außer mit --force. Auf einem
      Terminal erscheint eine Fortschrittszeile, dann &quot;N written, M failed:
      reasons&quot;. Exit-Status 0, wenn jedes Datenblatt geschrieben wurde, 1, wenn
      eines fehlschlug, sonst 3, wenn eine Datei nicht vollständig gelesen wurde.</translation>
    </message>
    <message>
        <source>  catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]
            [--encoding NAME]
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
      The description fields are read in the encoding guessed for each file, or
      in NAME with --encoding (windows-1251, gbk, big5, shift_jis, ...).
      -o writes FILE, replacing it only once complete. Exit status: 0 when
      written, 1 for a folder that cannot be read or a file that cannot be
      written, 2 for a usage error.</source>
        <translation>  catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]
            [--encoding NAME]
      Eine Zeile je *.ies- und *.ldt-Datei von FOLDER (mit --recursive auch
      seiner Unterordner), nach Dateiname sortiert: Datei, Format, Hersteller,
      Katalognummer, Leuchte, Lampe, Lichtstrom und Lampenlichtstrom,
      Betriebswirkungsgrad, Anschlussleistung, Lichtausbeute, maximale
      Lichtstärke, Halbwerts- und Zehntelwertswinkel (der breitere und jedes
      Ebenenpaar), Anteil des nach unten gerichteten Lichtstroms, Symmetrie,
      photometrischer Typ, BUG-Klassifizierung, maximale Leuchtdichte bei
      65 Grad und Status (lädt fehlerfrei, die Meldung des Einlesens oder warum
      das Laden fehlschlägt). Standardmäßig tabulatorgetrennt; --csv schreibt
      CSV mit den Einheiten in den Spaltennamen; --json ein Array von Objekten
      mit File (relativ zu FOLDER), Status (clean, message, fails), Message, den
      Beschreibungsfeldern und jedem Schlüssel von summary --json.
      Dateien über 32 MB werden als fehlerhaft aufgeführt und nicht gelesen. Die
      Dateien werden in N Threads gelesen (--jobs, Standard: alle Kerne); die
      Ausgabe ist für jedes N gleich.
      Die Beschreibungsfelder werden in der für jede Datei erkannten Kodierung
      gelesen, mit --encoding in NAME (windows-1251, gbk, big5, shift_jis, ...).
      -o schreibt FILE und ersetzt die Datei erst, wenn sie vollständig ist.
      Exit-Status: 0, wenn geschrieben, 1 bei einem nicht lesbaren Ordner oder
      einer nicht schreibbaren Datei, 2 bei einem Aufruffehler.</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>* beyond the tolerance: %1 %, angles %2 degrees</source>
        <translation>* außerhalb der Toleranz: %1 %, Winkel %2 Grad</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>%1 E max: %2 lx at (%3, %4) m</source>
        <translation>%1 E max: %2 lx bei (%3, %4) m</translation>
    </message>
    <message>
        <source>%1 E min: %2 lx</source>
        <translation>%1 E min: %2 lx</translation>
    </message>
    <message>
        <source>%1 E average: %2 lx</source>
        <translation>%1 E mittel: %2 lx</translation>
    </message>
    <message>
        <source>%1 Uniformity (min/avg): %2</source>
        <translation>%1 Gleichmäßigkeit (min/mittel): %2</translation>
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
        <source>Writing sheets</source>
        <translation>Datenblätter schreiben</translation>
    </message>
    <message>
        <source>%1 written, %2 failed</source>
        <translation>%1 geschrieben, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennwert</translation>
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
    <name>lumetra::FileBrowserPanel</name>
    <message>
        <source>Catalogue...</source>
        <translation>Katalog...</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Current folder: %1</source>
        <translation>Aktueller Ordner: %1</translation>
    </message>
    <message>
        <source>Photometric files in %1</source>
        <translation>Photometrische Dateien in %1</translation>
    </message>
</context>
<context>
    <name>lumetra::GoniogramPanel</name>
    <message>
        <source>Save Photometry As...</source>
        <translation>Photometrie speichern unter...</translation>
    </message>
    <message>
        <source>Goniogram</source>
        <translation>LVK</translation>
    </message>
    <message>
        <source>Save Goniogram As...</source>
        <translation>LVK speichern unter...</translation>
    </message>
    <message>
        <source>Copy Goniogram</source>
        <translation>LVK kopieren</translation>
    </message>
    <message>
        <source>Save Data Sheet As...</source>
        <translation>Datenblatt speichern unter...</translation>
    </message>
    <message>
        <source>Goniogram Size</source>
        <translation>LVK-Größe</translation>
    </message>
    <message>
        <source>Save Goniogram As</source>
        <translation>LVK speichern unter</translation>
    </message>
    <message>
        <source>Goniogram of %1</source>
        <translation>LVK von %1</translation>
    </message>
</context>
<context>
    <name>lumetra::PropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Konformität</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>Textkodierung</translation>
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
        <source>Save Photometry As...</source>
        <translation>Photometrie speichern unter...</translation>
    </message>
    <message>
        <source>Save Intensities As</source>
        <translation>Lichtstärken speichern unter</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Schlüsselwort</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>No file loaded.</source>
        <translation>Keine Datei geladen.</translation>
    </message>
    <message>
        <source>No intensities.</source>
        <translation>Keine Lichtstärken.</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The reader reported: %1</source>
        <translation>Meldung beim Lesen: %1</translation>
    </message>
    <message>
        <source>The Text tab shows the file shortened.</source>
        <translation>Der Reiter Text zeigt die Datei gekürzt.</translation>
    </message>
    <message>
        <source>The file&apos;s text cannot be shown: %1</source>
        <translation>Der Text der Datei kann nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Intensities</source>
        <translation>Lichtstärken</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <translation>Klicken, um %1 zu öffnen</translation>
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
    <message>
        <source>BUG zones (IES TM-15-11, Addendum A)</source>
        <translation>BUG-Zonen (IES TM-15-11, Addendum A)</translation>
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
        <source>Diagrams...</source>
        <translation>Diagramme...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Beleuchtungsstärke...</translation>
    </message>
    <message>
        <source>Rendering progress</source>
        <translation>Fortschritt der Darstellung</translation>
    </message>
    <message>
        <source>Selects the C plane the goniogram shows</source>
        <translation>Wählt die C-Ebene, die die LVK zeigt</translation>
    </message>
    <message>
        <source>Degree:</source>
        <translation>Grad:</translation>
    </message>
    <message>
        <source>Automatic update render</source>
        <translation>Darstellung automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Fit goniogram</source>
        <translation>LVK einpassen</translation>
    </message>
    <message>
        <source>Show orthogonal diagram</source>
        <translation>Orthogonales Diagramm zeigen</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>Please select file</source>
        <translation>Bitte eine Datei wählen</translation>
    </message>
    <message>
        <source>Click!</source>
        <translation>Klick!</translation>
    </message>
    <message>
        <source>axially symmetric</source>
        <translation>rotationssymmetrisch</translation>
    </message>
    <message>
        <source>&amp;Render</source>
        <translation>&amp;Darstellen</translation>
    </message>
</context>
<context>
    <name>lumetra::TRenderWindow</name>
    <message>
        <source>Light pattern</source>
        <translation>Lichtmuster</translation>
    </message>
    <message>
        <source>No light pattern rendered yet</source>
        <translation>Noch kein Lichtmuster berechnet</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation>Helligkeit: %1</translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation>Zoom: %1</translation>
    </message>
    <message>
        <source>Reset brightness</source>
        <translation>Helligkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Radiosity</source>
        <translation>&amp;Radiosity</translation>
    </message>
    <message>
        <source>Rendering time: %1.%2 sec</source>
        <translation>Renderzeit: %1,%2 s</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Darstellung</translation>
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
