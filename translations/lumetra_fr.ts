<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
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
    <name>lumetra::EncodingMenu</name>
    <message>
        <source>Text &amp;Encoding</source>
        <translation>&amp;Encodage du texte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatique (%1)</translation>
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
        <source>Catalogue...</source>
        <translation>Catalogue...</translation>
    </message>
    <message>
        <source>Diagrams...</source>
        <translation>Diagrammes...</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Éclairement...</translation>
    </message>
</context>
<context>
    <name>lumetra::TPropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Conformité</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
    <message>
        <source>The unit of the values shown, copied and saved</source>
        <translation>L’unité des valeurs affichées, copiées et enregistrées</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>Encodage du texte</translation>
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
