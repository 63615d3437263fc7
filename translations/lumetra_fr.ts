<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Lumetra version %1</source>
        <translation>Lumetra version %1</translation>
    </message>
    <message>
        <source>Improved quality of rendering, fix bug with symmetrical goniograms, add small feature:</source>
        <translation>Meilleure qualité de rendu, correction des courbes photométriques symétriques, petite nouveauté&#xa0;:</translation>
    </message>
    <message>
        <source>automatic update, fit screen the goniogram, show frontal and orthogonal Gonio diagrams</source>
        <translation>mise à jour automatique, ajustement de la courbe photométrique, courbes frontale et orthogonale</translation>
    </message>
    <message>
        <source>at the same time.</source>
        <translation>affichées en même temps.</translation>
    </message>
    <message>
        <source>CTRL+mouse wheel up/down - rotate diagram</source>
        <translation>Ctrl+molette haut/bas - faire pivoter le diagramme</translation>
    </message>
    <message>
        <source>Mouse wheel click - fit diagram</source>
        <translation>Clic de la molette - ajuster le diagramme</translation>
    </message>
    <message>
        <source>Lumetra is free software built with Qt 6.</source>
        <translation>Lumetra est un logiciel libre réalisé avec Qt 6.</translation>
    </message>
    <message>
        <source>Photometric data: IESNA LM-63 files.</source>
        <translation>Données photométriques&#xa0;: fichiers IESNA LM-63.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Référence catalogue</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Luminaire</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Luminous flux (lm)</source>
        <translation>Flux lumineux (lm)</translation>
    </message>
    <message>
        <source>Lamp flux (lm)</source>
        <translation>Flux de lampe (lm)</translation>
    </message>
    <message>
        <source>Light output ratio (%)</source>
        <translation>Rendement lumineux (%)</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>Puissance absorbée (W)</translation>
    </message>
    <message>
        <source>Efficacy (lm/W)</source>
        <translation>Efficacité lumineuse (lm/W)</translation>
    </message>
    <message>
        <source>Maximum intensity (cd)</source>
        <translation>Intensité max. (cd)</translation>
    </message>
    <message>
        <source>Beam (°)</source>
        <translation>Ouverture (°)</translation>
    </message>
    <message>
        <source>Beam C0-C180 (°)</source>
        <translation>Ouverture C0-C180 (°)</translation>
    </message>
    <message>
        <source>Beam C90-C270 (°)</source>
        <translation>Ouverture C90-C270 (°)</translation>
    </message>
    <message>
        <source>Field (°)</source>
        <translation>Champ (°)</translation>
    </message>
    <message>
        <source>Field C0-C180 (°)</source>
        <translation>Champ C0-C180 (°)</translation>
    </message>
    <message>
        <source>Field C90-C270 (°)</source>
        <translation>Champ C90-C270 (°)</translation>
    </message>
    <message>
        <source>Downward flux (%)</source>
        <translation>Flux vers le bas (%)</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symétrie</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Type photométrique</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Classement BUG</translation>
    </message>
    <message>
        <source>Max. luminance at 65° (cd/m²)</source>
        <translation>Luminance max. à 65° (cd/m²)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Larger than 32 MB: not read for the catalogue</source>
        <translation>Plus de 32 MB&#xa0;: non lu pour le catalogue</translation>
    </message>
    <message>
        <source>Not enough memory to read the file</source>
        <translation>Mémoire insuffisante pour lire le fichier</translation>
    </message>
    <message>
        <source>The file holds no photometric data</source>
        <translation>Le fichier ne contient aucune donnée photométrique</translation>
    </message>
    <message>
        <source>Loads cleanly</source>
        <translation>Se charge proprement</translation>
    </message>
    <message>
        <source>Reader&apos;s message: </source>
        <translation>Message de lecture&#xa0;: </translation>
    </message>
    <message>
        <source>Fails: </source>
        <translation>Échec&#xa0;: </translation>
    </message>
    <message>
        <source>Unknown column</source>
        <translation>Colonne inconnue</translation>
    </message>
    <message>
        <source>Expected a range such as 2500-3500, &lt;30 or &gt;120</source>
        <translation>Plage attendue, par exemple 2500-3500, &lt;30 ou &gt;120</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>%1: the viewer refuses the file</source>
        <translation>%1 : la visionneuse refuse le fichier</translation>
    </message>
    <message>
        <source>The intensities give a light output ratio of %1, the file states %2: they differ by more than %3 of the stated value</source>
        <translation>Les intensités lumineuses donnent un rendement de %1, le fichier indique %2 : l’écart dépasse %3 de la valeur indiquée</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than the viewer reads: it refuses the file</source>
        <translation>Le fichier compte plus de %1 lignes, plus que la visionneuse n’en lit : elle refuse le fichier</translation>
    </message>
    <message>
        <source>A NUL byte ends the text here: the viewer ignores everything after it</source>
        <translation>Un octet NUL termine le texte ici : la visionneuse ignore tout ce qui suit</translation>
    </message>
    <message>
        <source>Unknown version line %1: LM-63 writes IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 or IESNA91</source>
        <translation>Ligne de version inconnue %1 : LM-63 écrit IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 ou IESNA91</translation>
    </message>
    <message>
        <source>No version line: the header is read as LM-63-1986 free text</source>
        <translation>Pas de ligne de version : l’en-tête est lu comme texte libre LM-63-1986</translation>
    </message>
    <message>
        <source>Keyword line %1 has no closing bracket</source>
        <translation>La ligne de mot-clé %1 n’a pas de crochet fermant</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case: the viewer shows it only as [%2]</source>
        <translation>Le mot-clé %1 n’est pas en majuscules : la visionneuse ne l’affiche que sous la forme [%2]</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case, as LM-63 keywords are</source>
        <translation>Le mot-clé %1 n’est pas en majuscules, comme le sont les mots-clés LM-63</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: the viewer shows it only as [%1]</source>
        <translation>Le mot-clé %1 est écrit sans crochets : la visionneuse ne l’affiche que sous la forme [%1]</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: LM-63 writes [%1]</source>
        <translation>Le mot-clé %1 est écrit sans crochets : LM-63 écrit [%1]</translation>
    </message>
    <message>
        <source>TILT=INCLUDE: the viewer skips the tilt block that follows and does not apply its tilt factors</source>
        <translation>TILT=INCLUDE : la visionneuse saute le bloc d’inclinaison qui suit et n’applique pas ses facteurs</translation>
    </message>
    <message>
        <source>TILT value %1 is not exactly INCLUDE: the viewer expects no tilt block and reads what follows as the photometric numbers</source>
        <translation>La valeur TILT %1 n’est pas exactement INCLUDE : la visionneuse n’attend pas de bloc d’inclinaison et lit la suite comme les nombres photométriques</translation>
    </message>
    <message>
        <source>The TILT line names no tilt file and is not TILT=NONE: the viewer shows the data without tilt factors</source>
        <translation>La ligne TILT ne nomme aucun fichier d’inclinaison et n’est pas TILT=NONE : la visionneuse affiche les données sans facteurs d’inclinaison</translation>
    </message>
    <message>
        <source>TILT names the tilt file %1, which the viewer does not read: it shows the data without tilt factors</source>
        <translation>TILT nomme le fichier d’inclinaison %1, que la visionneuse ne lit pas : elle affiche les données sans facteurs d’inclinaison</translation>
    </message>
    <message>
        <source>No TILT line: the viewer reads the whole file as numbers and finds no header</source>
        <translation>Pas de ligne TILT : la visionneuse lit tout le fichier comme des nombres et ne trouve pas d’en-tête</translation>
    </message>
    <message>
        <source>the number of lamps</source>
        <translation>le nombre de lampes</translation>
    </message>
    <message>
        <source>the lumens per lamp</source>
        <translation>les lumens par lampe</translation>
    </message>
    <message>
        <source>the candela multiplier</source>
        <translation>le multiplicateur de candelas</translation>
    </message>
    <message>
        <source>the number of vertical angles</source>
        <translation>le nombre d’angles verticaux</translation>
    </message>
    <message>
        <source>the number of horizontal angles</source>
        <translation>le nombre d’angles horizontaux</translation>
    </message>
    <message>
        <source>the photometric type</source>
        <translation>le type photométrique</translation>
    </message>
    <message>
        <source>the units type</source>
        <translation>le type d’unités</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>la largeur</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>la longueur</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>la hauteur</translation>
    </message>
    <message>
        <source>the ballast factor</source>
        <translation>le facteur de ballast</translation>
    </message>
    <message>
        <source>the ballast-lamp photometric factor</source>
        <translation>le facteur photométrique ballast-lampe</translation>
    </message>
    <message>
        <source>the input watts</source>
        <translation>la puissance absorbée</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2)</source>
        <translation>L’élément %1 n’est pas un nombre (attendu : %2)</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2); a tab does not separate numbers (lumetra-cli convert --lenient reads it as a blank and writes the file out clean)</source>
        <translation>L’élément %1 n’est pas un nombre (attendu : %2) ; une tabulation ne sépare pas les nombres (lumetra-cli convert --lenient la lit comme une espace et réécrit le fichier proprement)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (for photometric types A and B: one plane; 0 to 90; -90 to 90)</source>
        <translation>Les angles horizontaux vont de %1 à %2, aucune des formes LM-63 (pour les types photométriques A et B : un plan ; 0 à 90 ; -90 à 90)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (one plane; 0 to 90; 0 to 180; 90 to 270; 0 to 360)</source>
        <translation>Les angles horizontaux vont de %1 à %2, aucune des formes LM-63 (un plan ; 0 à 90 ; 0 à 180 ; 90 à 270 ; 0 à 360)</translation>
    </message>
    <message>
        <source>vertical angles</source>
        <translation>angles verticaux</translation>
    </message>
    <message>
        <source>horizontal angles</source>
        <translation>angles horizontaux</translation>
    </message>
    <message>
        <source>the lamp-to-luminaire geometry</source>
        <translation>la géométrie lampe-luminaire</translation>
    </message>
    <message>
        <source>the number of tilt angles</source>
        <translation>le nombre d’angles d’inclinaison</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block</source>
        <translation>Le fichier se termine dans le bloc d’inclinaison</translation>
    </message>
    <message>
        <source>The number of tilt angles, %1, is not a whole number from 0 up</source>
        <translation>Le nombre d’angles d’inclinaison, %1, n’est pas un entier positif ou nul</translation>
    </message>
    <message>
        <source>a tilt angle</source>
        <translation>un angle d’inclinaison</translation>
    </message>
    <message>
        <source>a tilt factor</source>
        <translation>un facteur d’inclinaison</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block, after %1 of its %2 angles and factors</source>
        <translation>Le fichier se termine dans le bloc d’inclinaison, après %1 de ses %2 angles et facteurs</translation>
    </message>
    <message>
        <source>The file ends after %1 of the 13 numbers that lead the photometric data</source>
        <translation>Le fichier se termine après %1 des 13 nombres qui précèdent les données photométriques</translation>
    </message>
    <message>
        <source>The number of %1, %2, is out of range: the viewer refuses the file</source>
        <translation>Le nombre de « %1 », %2, est hors limites : la visionneuse refuse le fichier</translation>
    </message>
    <message>
        <source>The file declares no %1: the viewer has nothing to show</source>
        <translation>Le fichier ne déclare aucun élément « %1 » : la visionneuse n’a rien à afficher</translation>
    </message>
    <message>
        <source>The number of %1, %2, is not a whole number from 1 to 65535: the viewer reads it as %3</source>
        <translation>Le nombre de « %1 », %2, n’est pas un entier de 1 à 65535 : la visionneuse le lit comme %3</translation>
    </message>
    <message>
        <source>The units type, %1, is out of range: the viewer refuses the file</source>
        <translation>Le type d’unités, %1, est hors limites : la visionneuse refuse le fichier</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 = %3 candela values, more than the viewer supports (%4): it refuses the file</source>
        <translation>Le fichier déclare %1 x %2 = %3 valeurs en candelas, plus que la visionneuse n’en gère (%4) : elle refuse le fichier</translation>
    </message>
    <message>
        <source>a vertical angle</source>
        <translation>un angle vertical</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 vertical angles</source>
        <translation>Le fichier se termine après %1 de ses %2 angles verticaux</translation>
    </message>
    <message>
        <source>The first vertical angle is %1, not 0, 90 or -90 as LM-63 requires</source>
        <translation>Le premier angle vertical vaut %1, et non 0, 90 ou -90 comme l’exige LM-63</translation>
    </message>
    <message>
        <source>Vertical angle %1 is not above the angle before it (%2): the light pattern cannot be rendered across equal or descending angles</source>
        <translation>L’angle vertical %1 n’est pas supérieur à l’angle précédent (%2) : la tache lumineuse ne peut être calculée sur des angles égaux ou décroissants</translation>
    </message>
    <message>
        <source>a horizontal angle</source>
        <translation>un angle horizontal</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 horizontal angles</source>
        <translation>Le fichier se termine après %1 de ses %2 angles horizontaux</translation>
    </message>
    <message>
        <source>Horizontal angle %1 is not above the angle before it (%2): the horizontal angles are none of the LM-63 forms</source>
        <translation>L’angle horizontal %1 n’est pas supérieur à l’angle précédent (%2) : les angles horizontaux ne suivent aucune des formes LM-63</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 candela values that its counts declare (%3 x %4)</source>
        <translation>Le fichier se termine après %1 des %2 valeurs en candelas que déclarent ses nombres (%3 x %4)</translation>
    </message>
    <message>
        <source>a candela value</source>
        <translation>une valeur en candelas</translation>
    </message>
    <message>
        <source>Negative candela value %1</source>
        <translation>Valeur en candelas négative %1</translation>
    </message>
    <message>
        <source>No candela value is above 0: the goniogram has no scale to draw on</source>
        <translation>Aucune valeur en candelas n’est supérieure à 0 : le goniogramme n’a pas d’échelle</translation>
    </message>
    <message>
        <source>The file holds 1 token more than its counts declare (%1): the viewer ignores it</source>
        <translation>Le fichier contient 1 élément de plus que ne le déclarent ses nombres (%1) : la visionneuse l’ignore</translation>
    </message>
    <message>
        <source>The file holds %2 tokens more than its counts declare, from %1 on: the viewer ignores them</source>
        <translation>Le fichier contient %2 éléments de plus que ne le déclarent ses nombres, à partir de %1 : la visionneuse les ignore</translation>
    </message>
    <message>
        <source>Nothing follows the TILT line: the viewer cannot read the file</source>
        <translation>Rien ne suit la ligne TILT : la visionneuse ne peut pas lire le fichier</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the viewer reads (%2): it refuses the file</source>
        <translation>Le fichier fait %1 octets, plus que la visionneuse n’en lit (%2) : elle refuse le fichier</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>And 1 more token that is not a number from here on</source>
        <translation>Et, à partir d’ici, 1 autre élément qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>And %1 more tokens that are not numbers from here on</source>
        <translation>Et, à partir d’ici, %1 autres éléments qui ne sont pas des nombres</translation>
    </message>
    <message>
        <source>And 1 more vertical angle that is not above the one before from here on</source>
        <translation>Et, à partir d’ici, 1 autre angle vertical qui n’est pas supérieur au précédent</translation>
    </message>
    <message>
        <source>And %1 more vertical angles that are not above the one before from here on</source>
        <translation>Et, à partir d’ici, %1 autres angles verticaux qui ne sont pas supérieurs au précédent</translation>
    </message>
    <message>
        <source>And 1 more negative candela value from here on</source>
        <translation>Et, à partir d’ici, 1 autre valeur en candelas négative</translation>
    </message>
    <message>
        <source>And %1 more negative candela values from here on</source>
        <translation>Et, à partir d’ici, %1 autres valeurs en candelas négatives</translation>
    </message>
    <message>
        <source>And 1 more keyword line of a form the viewer cannot show from here on</source>
        <translation>Et, à partir d’ici, 1 autre ligne de mot-clé d’une forme que la visionneuse ne peut afficher</translation>
    </message>
    <message>
        <source>And %1 more keyword lines of a form the viewer cannot show from here on</source>
        <translation>Et, à partir d’ici, %1 autres lignes de mot-clé d’une forme que la visionneuse ne peut afficher</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Viewer of photometric files: the goniogram and the light pattern.</source>
        <translation>Visionneuse de fichiers photométriques&#xa0;: la courbe photométrique et la tache lumineuse.</translation>
    </message>
    <message>
        <source>A file to load, selected in its folder, or a folder to browse.</source>
        <translation>Un fichier à charger, sélectionné dans son dossier, ou un dossier à parcourir.</translation>
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
    <message>
        <source>%1 at C %2, gamma %3 (%4 against %5)</source>
        <translation>%1 à C %2, gamma %3 (%4 contre %5)</translation>
    </message>
    <message>
        <source>%1 at H %2, V %3 (%4 against %5)</source>
        <translation>%1 à H %2, V %3 (%4 contre %5)</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated</source>
        <translation>sur l&apos;union des angles des fichiers, interpolées</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated, thinned evenly</source>
        <translation>sur l&apos;union des angles des fichiers, interpolées, éclaircies uniformément</translation>
    </message>
    <message>
        <source>at the angles both files store</source>
        <translation>aux angles présents dans les deux fichiers</translation>
    </message>
    <message>
        <source>at the angles both files store, thinned evenly</source>
        <translation>aux angles présents dans les deux fichiers, éclaircis uniformément</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data.</source>
        <translation>Intensités lumineuses non comparées&#xa0;: les fichiers diffèrent par le type photométrique ou ne contiennent pas de données.</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data. Per kilolumen, every file needs a lamp or luminaire flux.</source>
        <translation>Intensités lumineuses non comparées&#xa0;: les fichiers diffèrent par le type photométrique ou ne contiennent pas de données. Par kilolumen, chaque fichier doit indiquer un flux lumineux de lampe ou de luminaire.</translation>
    </message>
</context>
<context>
    <name>Compliance</name>
    <message>
        <source>needs type C photometry</source>
        <translation>nécessite une photométrie de type C</translation>
    </message>
    <message>
        <source>the file holds no photometric data</source>
        <translation>le fichier ne contient aucune donnée photométrique</translation>
    </message>
    <message>
        <source>the intensities give no finite flux</source>
        <translation>les intensités ne donnent pas de flux fini</translation>
    </message>
    <message>
        <source>the luminous opening is a point</source>
        <translation>la surface lumineuse est un point</translation>
    </message>
    <message>
        <source>the luminous opening&apos;s dimensions give no known shape</source>
        <translation>les dimensions de la surface lumineuse ne donnent aucune forme connue</translation>
    </message>
    <message>
        <source>the luminous area has length 0</source>
        <translation>la surface lumineuse a une longueur nulle</translation>
    </message>
    <message>
        <source>the luminous opening shows no area at these angles</source>
        <translation>la surface lumineuse ne présente aucune aire sous ces angles</translation>
    </message>
    <message>
        <source>no uplight data: the file stops below gamma 180 with light at its last angle, so light above it is counted as 0 and the uplight rating may be too low</source>
        <translation>pas de données de lumière montante&#xa0;: le fichier s&apos;arrête avant gamma 180 avec de la lumière à son dernier angle, la lumière au-delà est donc comptée comme 0 et la classe de lumière montante peut être trop basse</translation>
    </message>
    <message>
        <source>quadrilateral-symmetric</source>
        <translation>symétrique par quadrants</translation>
    </message>
    <message>
        <source>asymmetric</source>
        <translation>asymétrique</translation>
    </message>
    <message>
        <source>front low, 0-30°</source>
        <translation>avant bas, 0-30°</translation>
    </message>
    <message>
        <source>front medium, 30-60°</source>
        <translation>avant moyen, 30-60°</translation>
    </message>
    <message>
        <source>front high, 60-80°</source>
        <translation>avant haut, 60-80°</translation>
    </message>
    <message>
        <source>front very high, 80-90°</source>
        <translation>avant très haut, 80-90°</translation>
    </message>
    <message>
        <source>back low, 0-30°</source>
        <translation>arrière bas, 0-30°</translation>
    </message>
    <message>
        <source>back medium, 30-60°</source>
        <translation>arrière moyen, 30-60°</translation>
    </message>
    <message>
        <source>back high, 60-80°</source>
        <translation>arrière haut, 60-80°</translation>
    </message>
    <message>
        <source>back very high, 80-90°</source>
        <translation>arrière très haut, 80-90°</translation>
    </message>
    <message>
        <source>uplight low, 90-100°</source>
        <translation>flux montant bas, 90-100°</translation>
    </message>
    <message>
        <source>uplight high, 100-180°</source>
        <translation>flux montant haut, 100-180°</translation>
    </message>
    <message>
        <source>BUG zone %1 (%2)</source>
        <translation>Zone BUG %1 (%2)</translation>
    </message>
    <message>
        <source>BUG forward light</source>
        <translation>BUG flux avant</translation>
    </message>
    <message>
        <source>BUG back light</source>
        <translation>BUG flux arrière</translation>
    </message>
    <message>
        <source>BUG uplight</source>
        <translation>BUG flux montant</translation>
    </message>
    <message>
        <source>BUG total</source>
        <translation>BUG total</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Classement BUG</translation>
    </message>
    <message>
        <source>BUG front centre</source>
        <translation>BUG centre avant</translation>
    </message>
    <message>
        <source>BUG glare table</source>
        <translation>BUG table d’éblouissement</translation>
    </message>
    <message>
        <source>BUG G by the asymmetric table</source>
        <translation>BUG G selon la table asymétrique</translation>
    </message>
    <message>
        <source>BUG G by the symmetric table</source>
        <translation>BUG G selon la table symétrique</translation>
    </message>
    <message>
        <source>BUG uplight data</source>
        <translation>BUG données de flux montant</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>complètes</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Surface lumineuse</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Luminance maximale</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>Save Data Sheet As</source>
        <translation>Enregistrer la fiche technique sous</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Référence catalogue</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Luminaire</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Polar diagram, %1</source>
        <translation>Diagramme polaire, %1</translation>
    </message>
    <message>
        <source>Cartesian diagram, %1</source>
        <translation>Diagramme cartésien, %1</translation>
    </message>
    <message>
        <source>Light pattern: the file holds no intensities to render</source>
        <translation>Tache lumineuse : le fichier ne contient aucune intensité à calculer</translation>
    </message>
    <message>
        <source>Light pattern not rendered: %1</source>
        <translation>Tache lumineuse non calculée : %1</translation>
    </message>
    <message>
        <source>Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4</source>
        <translation>Tache lumineuse à %1 telle que l’affiche la fenêtre de rendu : luminosité %2, zoom %3, radiosité %4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>Photometric summary</source>
        <translation>Résumé photométrique</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Zonal flux</source>
        <translation>Flux zonal</translation>
    </message>
    <message>
        <source>Zone (γ)</source>
        <translation>Zone (γ)</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>% of luminaire</source>
        <translation>% du luminaire</translation>
    </message>
    <message>
        <source>% of lamps</source>
        <translation>% des lampes</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Surface lumineuse</translation>
    </message>
    <message>
        <source>Luminaire (EULUMDAT)</source>
        <translation>Luminaire (EULUMDAT)</translation>
    </message>
    <message>
        <source>Compliance</source>
        <translation>Conformité</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Classement BUG</translation>
    </message>
    <message>
        <source>Street side</source>
        <translation>Côté rue</translation>
    </message>
    <message>
        <source>Forward light (FL-FVH)</source>
        <translation>Flux avant (FL-FVH)</translation>
    </message>
    <message>
        <source>Back light (BL-BVH)</source>
        <translation>Flux arrière (BL-BVH)</translation>
    </message>
    <message>
        <source>Uplight (UL, UH)</source>
        <translation>Flux montant (UL, UH)</translation>
    </message>
    <message>
        <source>Zone lumens</source>
        <translation>Lumens par zone</translation>
    </message>
    <message>
        <source>BUG note</source>
        <translation>Remarque BUG</translation>
    </message>
    <message>
        <source>Maximum luminance (γ 45-85°)</source>
        <translation>Luminance maximale (γ 45-85°)</translation>
    </message>
    <message>
        <source>%1 at C %2, γ %3</source>
        <translation>%1 à C %2, γ %3</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>The file holds no photometric data.</source>
        <translation>Le fichier ne contient aucune donnée photométrique.</translation>
    </message>
    <message>
        <source>Source: %1, modified %2</source>
        <translation>Source : %1, modifié le %2</translation>
    </message>
    <message>
        <source>Sheet of %1, %2</source>
        <translation>Fiche du %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Data sheet of %1</source>
        <translation>Fiche technique de %1</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Test: </source>
        <translation>Essai&#xa0;: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Fabricant&#xa0;: </translation>
    </message>
    <message>
        <source>Luminaire catalog: </source>
        <translation>Réf. luminaire&#xa0;: </translation>
    </message>
    <message>
        <source>Lamp:</source>
        <translation>Lampe&#xa0;:</translation>
    </message>
    <message>
        <source>Lamp catalog: </source>
        <translation>Réf. lampe&#xa0;: </translation>
    </message>
</context>
<context>
    <name>EulumdatReader</name>
    <message>
        <source>Line %1 of the EULUMDAT file: %2</source>
        <translation>Ligne %1 du fichier EULUMDAT : %2</translation>
    </message>
    <message>
        <source>company identification</source>
        <translation>identification de l’entreprise</translation>
    </message>
    <message>
        <source>type indicator Ityp</source>
        <translation>indicateur de type Ityp</translation>
    </message>
    <message>
        <source>symmetry indicator Isym</source>
        <translation>indicateur de symétrie Isym</translation>
    </message>
    <message>
        <source>number of C-planes Mc</source>
        <translation>nombre de plans C Mc</translation>
    </message>
    <message>
        <source>distance between C-planes Dc</source>
        <translation>écart entre plans C Dc</translation>
    </message>
    <message>
        <source>number of intensities per C-plane Ng</source>
        <translation>nombre d’intensités par plan C Ng</translation>
    </message>
    <message>
        <source>the file declares %1 luminous intensities, more than the viewer supports (%2)</source>
        <translation>le fichier déclare %1 intensités lumineuses, plus que la visionneuse n’en gère (%2)</translation>
    </message>
    <message>
        <source>distance between intensities Dg</source>
        <translation>écart entre intensités Dg</translation>
    </message>
    <message>
        <source>measurement report number</source>
        <translation>numéro du rapport de mesure</translation>
    </message>
    <message>
        <source>luminaire name</source>
        <translation>nom du luminaire</translation>
    </message>
    <message>
        <source>luminaire number</source>
        <translation>numéro du luminaire</translation>
    </message>
    <message>
        <source>file name and date/user</source>
        <translation>nom de fichier et date/utilisateur</translation>
    </message>
    <message>
        <source>luminaire dimensions</source>
        <translation>dimensions du luminaire</translation>
    </message>
    <message>
        <source>length of the luminous area</source>
        <translation>longueur de la surface lumineuse</translation>
    </message>
    <message>
        <source>width of the luminous area</source>
        <translation>largeur de la surface lumineuse</translation>
    </message>
    <message>
        <source>height of the luminous area</source>
        <translation>hauteur de la surface lumineuse</translation>
    </message>
    <message>
        <source>downward flux fraction DFF</source>
        <translation>fraction du flux vers le bas DFF</translation>
    </message>
    <message>
        <source>light output ratio LORL</source>
        <translation>rendement lumineux LORL</translation>
    </message>
    <message>
        <source>conversion factor for intensities</source>
        <translation>facteur de conversion des intensités</translation>
    </message>
    <message>
        <source>tilt of the luminaire</source>
        <translation>inclinaison du luminaire</translation>
    </message>
    <message>
        <source>number of lamp sets n</source>
        <translation>nombre de jeux de lampes n</translation>
    </message>
    <message>
        <source>number of lamps</source>
        <translation>nombre de lampes</translation>
    </message>
    <message>
        <source>lamp type</source>
        <translation>type de lampe</translation>
    </message>
    <message>
        <source>total luminous flux of the lamps</source>
        <translation>flux lumineux total des lampes</translation>
    </message>
    <message>
        <source>colour temperature and colour rendering</source>
        <translation>température de couleur et rendu des couleurs</translation>
    </message>
    <message>
        <source>wattage</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>direct ratios</source>
        <translation>rapports directs</translation>
    </message>
    <message>
        <source>luminous intensities that symmetry %1 needs (%2 planes of %3)</source>
        <translation>intensités lumineuses que requiert la symétrie %1 (%2 plans de %3)</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensité lumineuse</translation>
    </message>
    <message>
        <source>luminous intensities</source>
        <translation>intensités lumineuses</translation>
    </message>
    <message>
        <source>C-angle</source>
        <translation>angle C</translation>
    </message>
    <message>
        <source>C-angles</source>
        <translation>angles C</translation>
    </message>
    <message>
        <source>gamma angle</source>
        <translation>angle gamma</translation>
    </message>
    <message>
        <source>gamma angles</source>
        <translation>angles gamma</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 est trop grand (%2)</translation>
    </message>
    <message>
        <source>the sum over the lamp sets</source>
        <translation>la somme sur les jeux de lampes</translation>
    </message>
    <message>
        <source>the intensity in cd</source>
        <translation>l’intensité lumineuse en cd</translation>
    </message>
    <message>
        <source>the factor to candela</source>
        <translation>le facteur vers les candelas</translation>
    </message>
    <message>
        <source>the flux per lamp</source>
        <translation>le flux lumineux par lampe</translation>
    </message>
    <message>
        <source>the file ends where the %1 should be</source>
        <translation>le fichier se termine là où devrait figurer la valeur « %1 »</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>la valeur « %1 » est vide</translation>
    </message>
    <message>
        <source>the %1 is not a number: %2</source>
        <translation>la valeur « %1 » n’est pas un nombre : %2</translation>
    </message>
    <message>
        <source>the %1 must be a whole number from %2 to %3, not %4</source>
        <translation>la valeur « %1 » doit être un entier de %2 à %3, et non %4</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 %3</source>
        <translation>le fichier se termine après %1 des %2 %3</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Cannot open folder %1: %2</source>
        <translation>Impossible d&apos;ouvrir le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Cannot show %1: the file list shows photometric files only</source>
        <translation>Impossible d&apos;afficher %1&#xa0;: la liste ne montre que les fichiers photométriques</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Cannot open a file without a name</source>
        <translation>Impossible d&apos;ouvrir un fichier sans nom</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Impossible d&apos;ouvrir le dossier %1</translation>
    </message>
    <message>
        <source>Cannot open %1: not a file or folder</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: ni fichier ni dossier</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>Goniogram</name>
    <message>
        <source>outside the stored angles (%1 to %2)</source>
        <translation>hors des angles enregistrés (%1 à %2)</translation>
    </message>
    <message>
        <source>Maximum Intensity =%1</source>
        <translation>Intensité maximale =%1</translation>
    </message>
    <message>
        <source>Degrees=%1</source>
        <translation>Degrés=%1</translation>
    </message>
</context>
<context>
    <name>IesReader</name>
    <message>
        <source>The %1 of the file is out of range</source>
        <translation>La valeur « %1 » du fichier est hors limites</translation>
    </message>
    <message>
        <source>Error!<byte value="xd"/><byte value="xd"/>Line %1</source>
        <translation>Erreur !<byte value="xd"/><byte value="xd"/>Ligne %1</translation>
    </message>
    <message>
        <source>vertical angle count</source>
        <translation>nombre d’angles verticaux</translation>
    </message>
    <message>
        <source>horizontal angle count</source>
        <translation>nombre d’angles horizontaux</translation>
    </message>
    <message>
        <source>units type</source>
        <translation>type d’unités</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 candela values, more than the viewer supports (%3)</source>
        <translation>Le fichier déclare %1 x %2 valeurs en candelas, plus que la visionneuse n’en gère (%3)</translation>
    </message>
    <message>
        <source>List index out of bounds (0)</source>
        <translation>Index de liste hors limites (0)</translation>
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
    <name>Loading</name>
    <message>
        <source>File %1 is too large to be an %2 file (%3 bytes)</source>
        <translation>Le fichier %1 est trop grand pour un fichier %2 (%3 octets)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>File %1 has too many lines to be an %2 file (more than %3)</source>
        <translation>Le fichier %1 a trop de lignes pour un fichier %2 (plus de %3)</translation>
    </message>
</context>
<context>
    <name>OtherFormat</name>
    <message>
        <source>The file holds IES (LM-63) text although its name ends in .ldt</source>
        <translation>Le fichier contient du texte IES (LM-63) bien que son nom se termine par .ldt</translation>
    </message>
    <message>
        <source>The file holds EULUMDAT data although its name does not end in .ldt</source>
        <translation>Le fichier contient des données EULUMDAT bien que son nom ne se termine pas par .ldt</translation>
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
        <translation>Facteurs directs</translation>
    </message>
    <message>
        <source>Luminaire dimensions</source>
        <translation>Dimensions du luminaire</translation>
    </message>
    <message>
        <source>Luminous area</source>
        <translation>Surface lumineuse</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangulaire</translation>
    </message>
    <message>
        <source>Rectangular with luminous sides</source>
        <translation>Rectangulaire à côtés lumineux</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circulaire</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Vertical cylinder</source>
        <translation>Cylindre vertical</translation>
    </message>
    <message>
        <source>Vertical ellipsoidal cylinder</source>
        <translation>Cylindre elliptique vertical</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Sphère</translation>
    </message>
    <message>
        <source>Ellipsoidal spheroid</source>
        <translation>Ellipsoïde</translation>
    </message>
    <message>
        <source>Horizontal cylinder along photometric horizontal</source>
        <translation>Cylindre horizontal le long de l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder along photometric horizontal</source>
        <translation>Cylindre elliptique horizontal le long de l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Horizontal cylinder perpendicular to photometric horizontal</source>
        <translation>Cylindre horizontal perpendiculaire à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder perpendicular to photometric horizontal</source>
        <translation>Cylindre elliptique horizontal perpendiculaire à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Vertical circle facing photometric horizontal</source>
        <translation>Cercle vertical face à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Vertical ellipse facing photometric horizontal</source>
        <translation>Ellipse verticale face à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Vertical circle facing perpendicular to photometric horizontal</source>
        <translation>Cercle vertical orienté perpendiculairement à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Vertical ellipse facing perpendicular to photometric horizontal</source>
        <translation>Ellipse verticale orientée perpendiculairement à l&apos;horizontale photométrique</translation>
    </message>
    <message>
        <source>Not an LM-63 shape</source>
        <translation>Pas une forme LM-63</translation>
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
    <name>ReadingVerdict</name>
    <message>
        <source>not significant: the file did not read completely</source>
        <translation>non significatif : le fichier n’a pas été lu entièrement</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Ligne %1 : %2 : %3</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2 and a new settings file has been written.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu. Il a été conservé sous le nom %2 et un nouveau fichier de paramètres a été écrit.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>unknown (summarised as C)</source>
        <translation>inconnu (résumé comme C)</translation>
    </message>
    <message>
        <source>Lamps</source>
        <translation>Lampes</translation>
    </message>
    <message>
        <source>%1, absolute photometry</source>
        <translation>%1, photométrie absolue</translation>
    </message>
    <message>
        <source>Ballast factor</source>
        <translation>Facteur de ballast</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Surface lumineuse</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3</source>
        <translation>%1 à C %2, gamma %3</translation>
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
        <translation>Angles</translation>
    </message>
    <message>
        <source>%1 vertical × %2 horizontal</source>
        <translation>%1 verticaux × %2 horizontaux</translation>
    </message>
    <message>
        <source>Candela multiplier</source>
        <translation>Multiplicateur de candelas</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Type photométrique</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symétrie</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Flux lumineux</translation>
    </message>
    <message>
        <source>Downward flux</source>
        <translation>Flux vers le bas</translation>
    </message>
    <message>
        <source>Upward flux</source>
        <translation>Flux vers le haut</translation>
    </message>
    <message>
        <source>Downward flux fraction</source>
        <translation>Fraction du flux vers le bas</translation>
    </message>
    <message>
        <source>Zonal flux %1°</source>
        <translation>Flux zonal %1°</translation>
    </message>
    <message>
        <source>Lamp flux</source>
        <translation>Flux des lampes</translation>
    </message>
    <message>
        <source>Light output ratio</source>
        <translation>Rendement lumineux</translation>
    </message>
    <message>
        <source>Input watts</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Efficacy</source>
        <translation>Efficacité lumineuse</translation>
    </message>
    <message>
        <source>Maximum intensity</source>
        <translation>Intensité lumineuse maximale</translation>
    </message>
    <message>
        <source>at C</source>
        <translation>à C</translation>
    </message>
    <message>
        <source>gamma</source>
        <translation>gamma</translation>
    </message>
    <message>
        <source>Beam angle</source>
        <translation>Angle de faisceau</translation>
    </message>
    <message>
        <source>Field angle</source>
        <translation>Angle de champ</translation>
    </message>
    <message>
        <source>Beam angle CIE</source>
        <translation>Angle de faisceau CIE</translation>
    </message>
    <message>
        <source>Field angle CIE</source>
        <translation>Angle de champ CIE</translation>
    </message>
    <message>
        <source>Stated light output ratio</source>
        <translation>Rendement lumineux indiqué</translation>
    </message>
    <message>
        <source>Stated downward flux fraction</source>
        <translation>Fraction du flux vers le bas indiquée</translation>
    </message>
    <message>
        <source>C of maximum intensity</source>
        <translation>C de l&apos;intensité lumineuse maximale</translation>
    </message>
    <message>
        <source>Gamma of maximum intensity</source>
        <translation>Gamma de l&apos;intensité lumineuse maximale</translation>
    </message>
</context>
<context>
    <name>Symmetry</name>
    <message>
        <source>quadrant</source>
        <translation>quadrants</translation>
    </message>
    <message>
        <source>bilateral H0</source>
        <translation>bilatérale H0</translation>
    </message>
    <message>
        <source>bilateral V0</source>
        <translation>bilatérale V0</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>axial</source>
        <translation>de révolution</translation>
    </message>
    <message>
        <source>bilateral C0-C180</source>
        <translation>bilatérale C0-C180</translation>
    </message>
    <message>
        <source>bilateral C90-C270</source>
        <translation>bilatérale C90-C270</translation>
    </message>
    <message>
        <source>irregular</source>
        <translation>irrégulière</translation>
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
        <translation>Utilisation&#xa0;: lumetra-cli COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other
as IES. Arguments that a command cannot use exit with status 2.</source>
        <translation>Un FILE dont le nom se termine par .ldt (majuscules ou minuscules) est lu comme
EULUMDAT, tout autre comme IES. Des arguments qu&apos;une commande ne peut pas
utiliser la font sortir avec le statut 2.</translation>
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
        <translation>Commandes&#xa0;:
  info FILE
      Charge FILE comme le fait la visionneuse et affiche un objet JSON&#xa0;:
      LampLumens, CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType,
      VerticalAngles, HorizontalAngles, Candela (plan par plan), HeaderLines,
      Description, GlobalMaxCandela, ParseError et Message (le message de
      lecture, ou null). Le message de lecture est aussi écrit sur stderr&#xa0;; le
      statut de sortie reste 0. Un chargement qui échoue affiche son erreur sur
      stderr et sort avec 1.</translation>
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
      Dessine la grille et la courbe photométrique de FILE sur une zone de
      S x S (400 par défaut) comme la fenêtre principale et l&apos;écrit en PNG ou
      SVG. --plane choisit l&apos;indice du plan C (0 par défaut), --fit met à
      l&apos;échelle des plans dessinés, --ortho ajoute la paire orthogonale au
      plan 0.
      Statut de sortie&#xa0;: 0 si écrit, 1 en cas d&apos;erreur, 2 pour une erreur
      d&apos;utilisation, 3 si écrit alors que la lecture a signalé un message sur
      le fichier (affiché sur stderr).</translation>
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
      Calcule la tache lumineuse comme la fenêtre de rendu (par défaut&#xa0;: plan
      0, luminosité %3, zoom %4, radiosité désactivée) et écrit l&apos;image de
      300 x 300 en PNG 8 bits en niveaux de gris. Les valeurs hors de la plage
      d&apos;un curseur y sont ramenées.
      Statut de sortie comme pour gonio.</translation>
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
      Vérifie dans les fichiers IES et EULUMDAT ce qui empêche la visionneuse
      de les lire ou de les afficher comme prévu, et dans les fichiers IES les
      écarts par rapport à LM-63. Un PATH est un fichier, ou un dossier parcouru
      avec ses sous-dossiers à la recherche de *.ies et *.ldt (majuscules ou
      minuscules). Affiche chaque constat sous la forme
      FILE:LINE: error|warning: MESSAGE (FILE: ok pour un fichier sans constat),
      puis &quot;N files, E errors, W warnings&quot;&#xa0;; --json affiche à la place un objet
      JSON&#xa0;: files (path, errors, warnings, findings avec severity, line et
      message), unreadable (chemins) et summary (files, errors, warnings).
      Les fichiers sont vérifiés sur N threads (--jobs, un entier de 1 à 256,
      par défaut&#xa0;: tous les cœurs)&#xa0;; le rapport est le même quel que soit N.
      Erreurs&#xa0;: un élément qui n&apos;est pas un nombre&#xa0;; moins de nombres que n&apos;en
      annoncent les comptages&#xa0;; un comptage qui n&apos;est pas un entier de 1 à
      65535&#xa0;; des angles verticaux pas strictement croissants&#xa0;; une grille de
      plus de 4194304 valeurs&#xa0;; pas de ligne TILT ou rien après elle&#xa0;; un
      fichier que la visionneuse refuse (trop grand, trop de lignes).
      Avertissements&#xa0;: plus de nombres que n&apos;en annoncent les comptages
      (ignorés)&#xa0;; des angles horizontaux ne correspondant à aucune des formes
      LM-63 (un plan, 0-90, 0-180, 90-270, 0-360&#xa0;; pour les types A et B 0-90,
      -90-90)&#xa0;; un premier angle vertical autre que 0, 90 ou -90&#xa0;; des valeurs
      de candela négatives, ou aucune supérieure à 0&#xa0;; TILT=INCLUDE ou un
      fichier tilt (les facteurs d&apos;inclinaison ne sont pas appliqués)&#xa0;; une
      ligne de version absente ou inconnue&#xa0;; des mots-clés en minuscules ou
      sans crochets&#xa0;; un octet NUL (termine le texte).
      Fichiers EULUMDAT&#xa0;: le premier défaut qui empêche la visionneuse de lire
      le fichier est une erreur à sa ligne&#xa0;; un rendement lumineux calculé à
      partir des intensités qui s&apos;écarte de plus de 5 % de la valeur indiquée
      est un avertissement.
      Un fichier dont le contenu est manifestement l&apos;autre format (données
      EULUMDAT nommées .ies, texte IES nommé .ldt) est une erreur à la ligne 1
      qui le signale.
      Un constat répété est listé dix fois, puis résumé. Une ligne de
      progression est écrite sur stderr si c&apos;est un terminal. Statut de
      sortie&#xa0;: 0 sans erreur, 1 avec erreurs, 2 pour une erreur d&apos;utilisation
      ou un chemin illisible.</translation>
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
      Affiche le résumé photométrique de FILE&#xa0;: flux lumineux (total, vers le
      bas, vers le haut, par zones), flux de lampe, rendement lumineux,
      efficacité lumineuse, intensité maximale, angles d&apos;ouverture (50 %) et de
      champ (10 %), rapportés au maximum (IES) et au centre (CIE), le
      classement BUG et le tableau des luminances. Les valeurs sont écrites
      comme dans la fenêtre Propriétés, dans le format numérique des
      paramètres régionaux&#xa0;; --json affiche un objet JSON en pleine précision,
      null là où une valeur n&apos;est pas définie (les deux derniers sous les clés
      BUG et Luminance). Un fichier qui ne se charge pas ou ne contient aucune
      donnée photométrique sort avec 1. Un fichier qui n&apos;a pas été lu
      entièrement n&apos;a pas de valeurs&#xa0;: le message de lecture et la raison vont
      sur stderr (avec --json chaque valeur est null, ParseError true et Notes
      les raisons)&#xa0;; sortie avec 3.</translation>
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
      Affiche le classement BUG de FILE (lumière arrière, lumière montante,
      éblouissement&#xa0;; IES TM-15 avec l&apos;addendum A)&#xa0;: les lumens dans ses dix
      zones, les classes et le tableau d&apos;éblouissement utilisé. Le côté rue est
      centré sur C0 pour les fichiers IES et sur C90 pour les fichiers
      EULUMDAT&#xa0;; --front DEG le centre sur un autre plan C. Les types A et B
      nécessitent une photométrie de type C et ne sont pas classés (null en
      JSON). Statut de sortie comme pour summary.</translation>
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
      Compare deux à quatre fichiers avec le premier&#xa0;: le résumé photométrique
      de chacun côte à côte avec l&apos;écart par rapport au premier fichier, en
      absolu et en pour cent, signalé au-delà de 5 % (2 degrés pour les
      angles)&#xa0;; puis l&apos;endroit où les intensités de chaque fichier s&apos;écartent
      le plus de celles du premier (valeur, C, gamma&#xa0;; H et V pour les types A
      et B), aux angles enregistrés lorsque les fichiers les partagent, sinon
      sur la réunion de leurs angles au moyen de l&apos;interpolation du résumé.
      --unit cdklm compare les intensités pour 1000 lm de flux de lampe (du
      flux du luminaire pour une photométrie absolue). --json affiche un objet
      JSON&#xa0;: Files, Summaries (chacun tel que summary --json l&apos;affiche),
      Differences (par fichier supplémentaire&#xa0;: File, Figures avec Absolute,
      Percent et BeyondTolerance, LargestIntensityDifference) et
      LargestIntensityDifference sur l&apos;ensemble des fichiers (File, Value,
      First, Other, C, Gamma, Unit, SharedGrid, Thinned), null lorsque les
      types diffèrent. Un fichier qui ne se charge pas ou ne contient aucune
      donnée sort avec 1.</translation>
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
      Écrit un diagramme annoté de FILE sur fond blanc avec une légende
      nommant le fichier&#xa0;: courbes polaires ou cartésiennes d&apos;au plus quatre
      plans (type C&#xa0;: les paires C et C+180, 0,90 par défaut&#xa0;; types A et B&#xa0;:
      la ligne verticale à H = N, ou &quot;V5&quot; pour la ligne horizontale à V = 5&#xa0;;
      V0,0 par défaut), lignes isocandela sur toute la sphère, ou le solide
      photométrique ombré vu depuis l&apos;azimut AZ et l&apos;élévation EL en degrés
      (35,20 par défaut). --unit cdklm donne des cd pour 1000 lm de flux de
      lampe (cd pour une photométrie absolue, avec une remarque). --log&#xa0;: axe
      d&apos;intensité logarithmique (cartesian). --lit-half&#xa0;: seulement le
      demi-espace qui contient la lumière (polar). --step&#xa0;: degrés entre les
      libellés d&apos;angle (30 par défaut). --size&#xa0;: pixels, 16 à 4096 par côté
      (1000x800 par défaut)&#xa0;; le texte grandit avec.</translation>
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
      Calcule l&apos;éclairement point par point sur le sol à H mètres sous le
      luminaire (3 par défaut), sur un carré de côté S (10 par défaut) centré
      sous lui, sur une grille de pas D (0.5 par défaut)&#xa0;; S / D doit être un
      entier. --wall ajoute un mur à X mètres le long de C0, face au
      luminaire, du sol jusqu&apos;à une hauteur S. Affiche E max, E min,
      E average, l&apos;uniformité (min/avg) et la position du maximum&#xa0;; --json
      affiche à la place un objet JSON (Height, Size, Step, N, X, Y, E avec les
      lignes par y croissant, Max, Min, Avg, MinOverAvg, MaxAt et Vertical pour
      le mur)&#xa0;; -o écrit l&apos;image isolux (PNG, SVG, PDF) ou la grille en CSV.
      Les fichiers de type A et B sont refusés&#xa0;: le calcul nécessite une
      photométrie de type C (avec --json l&apos;objet contient des valeurs null).
      Statut de sortie&#xa0;: 0 une fois terminé, 1 en cas d&apos;erreur, 2 pour une
      erreur d&apos;utilisation.</translation>
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
      Écrit IN (IES ou EULUMDAT) en IES LM-63-2002 (--ies-version 2019 pour
      LM-63-2019) ou en EULUMDAT, selon l&apos;extension de OUT (majuscules ou
      minuscules). Un FOLDER est converti avec ses sous-dossiers dans
      OUTFOLDER en conservant les chemins relatifs (--jobs N fichiers à la
      fois, par défaut tous les cœurs), avec une ligne de progression sur un
      terminal et un résumé &quot;N written, M failed: reasons&quot; à la fin.
      --lumens L met les intensités à l&apos;échelle pour que le flux de lampe
      indiqué soit L (pour une photométrie absolue, pour que le flux calculé
      soit L)&#xa0;; --multiply K les multiplie par K&#xa0;; --rotate 90|180|270 fait
      tourner les plans C (C devient C + angle). --lenient lit les tabulations
      dans les nombres comme des espaces, de sorte qu&apos;un fichier que la
      visionneuse lit comme des zéros est réécrit proprement. Les fichiers
      sont écrits entièrement ou pas du tout&#xa0;; une sortie existante n&apos;est
      remplacée qu&apos;avec --force, l&apos;entrée jamais. Ce que le format cible ne
      peut pas contenir est signalé par une remarque.
      Statut de sortie&#xa0;: 0 si chaque fichier a été écrit, 1 sinon, 2 pour une
      erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>  --help
      Shows this text.</source>
        <translation>  --help
      Affiche ce texte.</translation>
    </message>
    <message>
        <source>  --version
      Shows the version of lumetra-cli.</source>
        <translation>  --version
      Affiche la version de lumetra-cli.</translation>
    </message>
    <message>
        <source>Every command exits with 2 when its arguments are wrong, with the usage line on
stderr.
</source>
        <translation>Chaque commande sort avec 2 lorsque ses arguments sont incorrects, avec la ligne
d&apos;utilisation sur stderr.
</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
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
      Écrit une fiche technique PDF de FILE pour un rapport&#xa0;: son nom, le
      fabricant, la référence catalogue et le luminaire&#xa0;; les diagrammes
      polaires et cartésiens des plans C0-C180 et C90-C270 (cd/klm pour les
      fichiers EULUMDAT)&#xa0;; la tache lumineuse du plan 0 (luminosité %3, zoom
      %5, radiosité désactivée)&#xa0;; le résumé photométrique, le flux par
      zones, la surface lumineuse, les dimensions et les jeux de lampes d&apos;un
      fichier EULUMDAT, le classement BUG et la luminance maximale&#xa0;; un pied
      de page avec la date de modification du fichier, la date de la fiche et
      la version du programme. Une seconde page reçoit ce qui ne tient pas sur
      la première. Le papier est au format Letter si les paramètres régionaux
      utilisent les unités US, A4 sinon. &quot;.pdf&quot; est ajouté à un nom sans
      extension. --encoding lit l&apos;en-tête dans l&apos;encodage NAME (windows-1251,
      gbk, big5, shift_jis, euc-kr, ...) au lieu de l&apos;encodage deviné. Pour un
      fichier qui n&apos;a pas été lu entièrement, la fiche l&apos;indique à la place
      des valeurs, et le statut de sortie est 3.
      Avec un FOLDER, chaque fichier *.ies et *.ldt qu&apos;il contient obtient sa
      fiche sous OUTFOLDER, au même chemin relatif avec l&apos;extension .pdf&#xa0;; les
      fiches existantes sont conservées sauf avec --force. Une ligne de
      progression s&apos;affiche sur un terminal, puis &quot;N written, M failed:
      reasons&quot;. Statut de sortie 0 si chaque fiche a été écrite, 1 si l&apos;une a
      échoué, sinon 3 si un fichier n&apos;a pas été lu entièrement.</translation>
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
      Une ligne par fichier *.ies et *.ldt de FOLDER (et de ses sous-dossiers
      avec --recursive), dans l&apos;ordre des noms de fichier&#xa0;: fichier, format,
      fabricant, référence catalogue, luminaire, lampe, flux lumineux et flux
      de lampe, rendement lumineux, puissance absorbée, efficacité lumineuse,
      intensité maximale, angles d&apos;ouverture et de champ (le plus large et
      chaque paire de plans), fraction du flux vers le bas, symétrie, type
      photométrique, classement BUG, luminance maximale à 65 degrés et état
      (se charge proprement, le message de lecture, ou la raison de l&apos;échec).
      Séparé par des tabulations par défaut&#xa0;; --csv écrit du CSV avec les
      unités dans les noms de colonnes&#xa0;; --json un tableau d&apos;objets avec File
      (relatif à FOLDER), Status (clean, message, fails), Message, les champs
      de description et chaque clé de summary --json.
      Les fichiers de plus de 32 MB sont listés en échec, sans être lus. Les
      fichiers sont lus sur N threads (--jobs, par défaut&#xa0;: tous les cœurs)&#xa0;;
      la sortie est la même quel que soit N.
      Les champs de description sont lus dans l&apos;encodage deviné pour chaque
      fichier, ou dans NAME avec --encoding (windows-1251, gbk, big5,
      shift_jis, ...).
      -o écrit FILE, en ne le remplaçant qu&apos;une fois complet. Statut de
      sortie&#xa0;: 0 si écrit, 1 pour un dossier illisible ou un fichier qui ne
      peut pas être écrit, 2 pour une erreur d&apos;utilisation.</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>* beyond the tolerance: %1 %, angles %2 degrees</source>
        <translation>* hors tolérance&#xa0;: %1&#xa0;%, angles %2 degrés</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>%1 E max: %2 lx at (%3, %4) m</source>
        <translation>%1 E max&#xa0;: %2 lx en (%3, %4) m</translation>
    </message>
    <message>
        <source>%1 E min: %2 lx</source>
        <translation>%1 E min&#xa0;: %2 lx</translation>
    </message>
    <message>
        <source>%1 E average: %2 lx</source>
        <translation>%1 E moy&#xa0;: %2 lx</translation>
    </message>
    <message>
        <source>%1 Uniformity (min/avg): %2</source>
        <translation>%1 Uniformité (min/moy)&#xa0;: %2</translation>
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
        <source>Writing sheets</source>
        <translation>Écriture des fiches techniques</translation>
    </message>
    <message>
        <source>%1 written, %2 failed</source>
        <translation>%1 écrits, %2 en échec</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Grandeur</translation>
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
    <name>lumetra::FileBrowserPanel</name>
    <message>
        <source>Catalogue...</source>
        <translation>Catalogue...</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Current folder: %1</source>
        <translation>Dossier actuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Photometric files in %1</source>
        <translation>Fichiers photométriques dans %1</translation>
    </message>
</context>
<context>
    <name>lumetra::GoniogramPanel</name>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
    <message>
        <source>Goniogram</source>
        <translation>Courbe photométrique</translation>
    </message>
    <message>
        <source>Save Goniogram As...</source>
        <translation>Enregistrer la courbe sous...</translation>
    </message>
    <message>
        <source>Copy Goniogram</source>
        <translation>Copier la courbe</translation>
    </message>
    <message>
        <source>Save Data Sheet As...</source>
        <translation>Enregistrer la fiche technique sous...</translation>
    </message>
    <message>
        <source>Goniogram Size</source>
        <translation>Taille de la courbe</translation>
    </message>
    <message>
        <source>Save Goniogram As</source>
        <translation>Enregistrer la courbe sous</translation>
    </message>
    <message>
        <source>Goniogram of %1</source>
        <translation>Courbe photométrique de %1</translation>
    </message>
</context>
<context>
    <name>lumetra::PropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Conformité</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>Encodage du texte</translation>
    </message>
    <message>
        <source>The unit of the values shown, copied and saved</source>
        <translation>L&apos;unité des valeurs affichées, copiées et enregistrées</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Enregistrer la photométrie sous...</translation>
    </message>
    <message>
        <source>Save Intensities As</source>
        <translation>Enregistrer les intensités sous</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>No file loaded.</source>
        <translation>Aucun fichier chargé.</translation>
    </message>
    <message>
        <source>No intensities.</source>
        <translation>Aucune intensité.</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>The reader reported: %1</source>
        <translation>Message de la lecture : %1</translation>
    </message>
    <message>
        <source>The Text tab shows the file shortened.</source>
        <translation>L’onglet Texte montre le fichier raccourci.</translation>
    </message>
    <message>
        <source>The file&apos;s text cannot be shown: %1</source>
        <translation>Le texte du fichier ne peut pas être affiché : %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Intensities</source>
        <translation>Intensités</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <translation>Cliquer pour ouvrir %1</translation>
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
    <message>
        <source>BUG zones (IES TM-15-11, Addendum A)</source>
        <translation>Zones BUG (IES TM-15-11, addendum A)</translation>
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
    <message>
        <source>Rendering progress</source>
        <translation>Progression du rendu</translation>
    </message>
    <message>
        <source>Selects the C plane the goniogram shows</source>
        <translation>Choisit le plan C affiché par la courbe</translation>
    </message>
    <message>
        <source>Degree:</source>
        <translation>Degré :</translation>
    </message>
    <message>
        <source>Automatic update render</source>
        <translation>Mettre à jour le rendu automatiquement</translation>
    </message>
    <message>
        <source>Fit goniogram</source>
        <translation>Ajuster la courbe</translation>
    </message>
    <message>
        <source>Show orthogonal diagram</source>
        <translation>Afficher le diagramme orthogonal</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message>
        <source>Please select file</source>
        <translation>Veuillez choisir un fichier</translation>
    </message>
    <message>
        <source>Click!</source>
        <translation>Clic !</translation>
    </message>
    <message>
        <source>axially symmetric</source>
        <translation>symétrie de révolution</translation>
    </message>
    <message>
        <source>&amp;Render</source>
        <translation>&amp;Rendu</translation>
    </message>
</context>
<context>
    <name>lumetra::TRenderWindow</name>
    <message>
        <source>Light pattern</source>
        <translation>Tache lumineuse</translation>
    </message>
    <message>
        <source>No light pattern rendered yet</source>
        <translation>Aucune tache lumineuse calculée pour l&apos;instant</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation>Luminosité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation>Zoom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reset brightness</source>
        <translation>Réinitialiser la luminosité</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Enregistrer l’image sous...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Taille de l’image</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Radiosity</source>
        <translation>&amp;Radiosité</translation>
    </message>
    <message>
        <source>Rendering time: %1.%2 sec</source>
        <translation>Temps de rendu : %1,%2 s</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Rendu</translation>
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
