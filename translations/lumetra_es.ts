<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Lumetra version %1</source>
        <translation>Lumetra versión %1</translation>
    </message>
    <message>
        <source>Improved quality of rendering, fix bug with symmetrical goniograms, add small feature:</source>
        <translation>Mejor calidad de renderizado, corregido un error con curvas fotométricas simétricas, pequeña novedad:</translation>
    </message>
    <message>
        <source>automatic update, fit screen the goniogram, show frontal and orthogonal Gonio diagrams</source>
        <translation>actualización automática, ajuste de la curva fotométrica, curvas frontal y ortogonal</translation>
    </message>
    <message>
        <source>at the same time.</source>
        <translation>mostradas a la vez.</translation>
    </message>
    <message>
        <source>CTRL+mouse wheel up/down - rotate diagram</source>
        <translation>Ctrl+rueda del ratón arriba/abajo - girar el diagrama</translation>
    </message>
    <message>
        <source>Mouse wheel click - fit diagram</source>
        <translation>Clic con la rueda del ratón - ajustar el diagrama</translation>
    </message>
    <message>
        <source>Lumetra is free software built with Qt 6.</source>
        <translation>Lumetra es software libre creado con Qt 6.</translation>
    </message>
    <message>
        <source>Photometric data: IESNA LM-63 files.</source>
        <translation>Datos fotométricos: archivos IESNA LM-63.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Número de catálogo</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Luminaria</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Luminous flux (lm)</source>
        <translation>Flujo luminoso (lm)</translation>
    </message>
    <message>
        <source>Lamp flux (lm)</source>
        <translation>Flujo de lámpara (lm)</translation>
    </message>
    <message>
        <source>Light output ratio (%)</source>
        <translation>Rendimiento (%)</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>Potencia de entrada (W)</translation>
    </message>
    <message>
        <source>Efficacy (lm/W)</source>
        <translation>Eficacia luminosa (lm/W)</translation>
    </message>
    <message>
        <source>Maximum intensity (cd)</source>
        <translation>Intensidad máx. (cd)</translation>
    </message>
    <message>
        <source>Beam (°)</source>
        <translation>Apertura (°)</translation>
    </message>
    <message>
        <source>Beam C0-C180 (°)</source>
        <translation>Apertura C0-C180 (°)</translation>
    </message>
    <message>
        <source>Beam C90-C270 (°)</source>
        <translation>Apertura C90-C270 (°)</translation>
    </message>
    <message>
        <source>Field (°)</source>
        <translation>Campo (°)</translation>
    </message>
    <message>
        <source>Field C0-C180 (°)</source>
        <translation>Campo C0-C180 (°)</translation>
    </message>
    <message>
        <source>Field C90-C270 (°)</source>
        <translation>Campo C90-C270 (°)</translation>
    </message>
    <message>
        <source>Downward flux (%)</source>
        <translation>Flujo hacia abajo (%)</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Simetría</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Tipo fotométrico</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Clasificación BUG</translation>
    </message>
    <message>
        <source>Max. luminance at 65° (cd/m²)</source>
        <translation>Luminancia máx. a 65° (cd/m²)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Larger than 32 MB: not read for the catalogue</source>
        <translation>Más de 32 MB: no se lee para el catálogo</translation>
    </message>
    <message>
        <source>Not enough memory to read the file</source>
        <translation>No hay memoria suficiente para leer el archivo</translation>
    </message>
    <message>
        <source>The file holds no photometric data</source>
        <translation>El archivo no contiene datos fotométricos</translation>
    </message>
    <message>
        <source>Loads cleanly</source>
        <translation>Carga sin problemas</translation>
    </message>
    <message>
        <source>Reader&apos;s message: </source>
        <translation>Mensaje de lectura: </translation>
    </message>
    <message>
        <source>Fails: </source>
        <translation>Falla: </translation>
    </message>
    <message>
        <source>Unknown column</source>
        <translation>Columna desconocida</translation>
    </message>
    <message>
        <source>Expected a range such as 2500-3500, &lt;30 or &gt;120</source>
        <translation>Se esperaba un rango como 2500-3500, &lt;30 o &gt;120</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>%1: the viewer refuses the file</source>
        <translation>%1: el visor rechaza el archivo</translation>
    </message>
    <message>
        <source>The intensities give a light output ratio of %1, the file states %2: they differ by more than %3 of the stated value</source>
        <translation>Las intensidades luminosas dan un rendimiento de %1, el archivo indica %2: difieren en más del %3 del valor indicado</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than the viewer reads: it refuses the file</source>
        <translation>El archivo tiene más de %1 líneas, más de las que lee el visor: rechaza el archivo</translation>
    </message>
    <message>
        <source>A NUL byte ends the text here: the viewer ignores everything after it</source>
        <translation>Un byte NUL termina aquí el texto: el visor ignora todo lo que sigue</translation>
    </message>
    <message>
        <source>Unknown version line %1: LM-63 writes IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 or IESNA91</source>
        <translation>Línea de versión desconocida %1: LM-63 escribe IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 o IESNA91</translation>
    </message>
    <message>
        <source>No version line: the header is read as LM-63-1986 free text</source>
        <translation>Sin línea de versión: el encabezado se lee como texto libre LM-63-1986</translation>
    </message>
    <message>
        <source>Keyword line %1 has no closing bracket</source>
        <translation>A la línea de palabra clave %1 le falta el corchete de cierre</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case: the viewer shows it only as [%2]</source>
        <translation>La palabra clave %1 no está en mayúsculas: el visor solo la muestra como [%2]</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case, as LM-63 keywords are</source>
        <translation>La palabra clave %1 no está en mayúsculas, como lo están las de LM-63</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: the viewer shows it only as [%1]</source>
        <translation>La palabra clave %1 está escrita sin corchetes: el visor solo la muestra como [%1]</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: LM-63 writes [%1]</source>
        <translation>La palabra clave %1 está escrita sin corchetes: LM-63 escribe [%1]</translation>
    </message>
    <message>
        <source>TILT=INCLUDE: the viewer skips the tilt block that follows and does not apply its tilt factors</source>
        <translation>TILT=INCLUDE: el visor omite el bloque de inclinación que sigue y no aplica sus factores</translation>
    </message>
    <message>
        <source>TILT value %1 is not exactly INCLUDE: the viewer expects no tilt block and reads what follows as the photometric numbers</source>
        <translation>El valor TILT %1 no es exactamente INCLUDE: el visor no espera bloque de inclinación y lee lo que sigue como los números fotométricos</translation>
    </message>
    <message>
        <source>The TILT line names no tilt file and is not TILT=NONE: the viewer shows the data without tilt factors</source>
        <translation>La línea TILT no nombra ningún archivo de inclinación y no es TILT=NONE: el visor muestra los datos sin factores de inclinación</translation>
    </message>
    <message>
        <source>TILT names the tilt file %1, which the viewer does not read: it shows the data without tilt factors</source>
        <translation>TILT nombra el archivo de inclinación %1, que el visor no lee: muestra los datos sin factores de inclinación</translation>
    </message>
    <message>
        <source>No TILT line: the viewer reads the whole file as numbers and finds no header</source>
        <translation>Sin línea TILT: el visor lee todo el archivo como números y no encuentra encabezado</translation>
    </message>
    <message>
        <source>the number of lamps</source>
        <translation>el número de lámparas</translation>
    </message>
    <message>
        <source>the lumens per lamp</source>
        <translation>los lúmenes por lámpara</translation>
    </message>
    <message>
        <source>the candela multiplier</source>
        <translation>el multiplicador de candelas</translation>
    </message>
    <message>
        <source>the number of vertical angles</source>
        <translation>el número de ángulos verticales</translation>
    </message>
    <message>
        <source>the number of horizontal angles</source>
        <translation>el número de ángulos horizontales</translation>
    </message>
    <message>
        <source>the photometric type</source>
        <translation>el tipo fotométrico</translation>
    </message>
    <message>
        <source>the units type</source>
        <translation>el tipo de unidades</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>la anchura</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>la longitud</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>la altura</translation>
    </message>
    <message>
        <source>the ballast factor</source>
        <translation>el factor de balasto</translation>
    </message>
    <message>
        <source>the ballast-lamp photometric factor</source>
        <translation>el factor fotométrico balasto-lámpara</translation>
    </message>
    <message>
        <source>the input watts</source>
        <translation>la potencia de entrada</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2)</source>
        <translation>El elemento %1 no es un número (se esperaba: %2)</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2); a tab does not separate numbers (lumetra-cli convert --lenient reads it as a blank and writes the file out clean)</source>
        <translation>El elemento %1 no es un número (se esperaba: %2); un tabulador no separa números (lumetra-cli convert --lenient lo lee como un espacio y reescribe el archivo limpio)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (for photometric types A and B: one plane; 0 to 90; -90 to 90)</source>
        <translation>Los ángulos horizontales van de %1 a %2, ninguna de las formas LM-63 (para los tipos fotométricos A y B: un plano; 0 a 90; -90 a 90)</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (one plane; 0 to 90; 0 to 180; 90 to 270; 0 to 360)</source>
        <translation>Los ángulos horizontales van de %1 a %2, ninguna de las formas LM-63 (un plano; 0 a 90; 0 a 180; 90 a 270; 0 a 360)</translation>
    </message>
    <message>
        <source>vertical angles</source>
        <translation>ángulos verticales</translation>
    </message>
    <message>
        <source>horizontal angles</source>
        <translation>ángulos horizontales</translation>
    </message>
    <message>
        <source>the lamp-to-luminaire geometry</source>
        <translation>la geometría lámpara-luminaria</translation>
    </message>
    <message>
        <source>the number of tilt angles</source>
        <translation>el número de ángulos de inclinación</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block</source>
        <translation>El archivo termina dentro del bloque de inclinación</translation>
    </message>
    <message>
        <source>The number of tilt angles, %1, is not a whole number from 0 up</source>
        <translation>El número de ángulos de inclinación, %1, no es un entero desde 0</translation>
    </message>
    <message>
        <source>a tilt angle</source>
        <translation>un ángulo de inclinación</translation>
    </message>
    <message>
        <source>a tilt factor</source>
        <translation>un factor de inclinación</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block, after %1 of its %2 angles and factors</source>
        <translation>El archivo termina dentro del bloque de inclinación, tras %1 de sus %2 ángulos y factores</translation>
    </message>
    <message>
        <source>The file ends after %1 of the 13 numbers that lead the photometric data</source>
        <translation>El archivo termina tras %1 de los 13 números que preceden a los datos fotométricos</translation>
    </message>
    <message>
        <source>The number of %1, %2, is out of range: the viewer refuses the file</source>
        <translation>El número de «%1», %2, está fuera de rango: el visor rechaza el archivo</translation>
    </message>
    <message>
        <source>The file declares no %1: the viewer has nothing to show</source>
        <translation>El archivo no declara «%1»: el visor no tiene nada que mostrar</translation>
    </message>
    <message>
        <source>The number of %1, %2, is not a whole number from 1 to 65535: the viewer reads it as %3</source>
        <translation>El número de «%1», %2, no es un entero de 1 a 65535: el visor lo lee como %3</translation>
    </message>
    <message>
        <source>The units type, %1, is out of range: the viewer refuses the file</source>
        <translation>El tipo de unidades, %1, está fuera de rango: el visor rechaza el archivo</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 = %3 candela values, more than the viewer supports (%4): it refuses the file</source>
        <translation>El archivo declara %1 x %2 = %3 valores en candelas, más de los que admite el visor (%4): rechaza el archivo</translation>
    </message>
    <message>
        <source>a vertical angle</source>
        <translation>un ángulo vertical</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 vertical angles</source>
        <translation>El archivo termina tras %1 de sus %2 ángulos verticales</translation>
    </message>
    <message>
        <source>The first vertical angle is %1, not 0, 90 or -90 as LM-63 requires</source>
        <translation>El primer ángulo vertical es %1, no 0, 90 o -90 como exige LM-63</translation>
    </message>
    <message>
        <source>Vertical angle %1 is not above the angle before it (%2): the light pattern cannot be rendered across equal or descending angles</source>
        <translation>El ángulo vertical %1 no es mayor que el anterior (%2): la distribución de luz no se puede calcular con ángulos iguales o descendentes</translation>
    </message>
    <message>
        <source>a horizontal angle</source>
        <translation>un ángulo horizontal</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 horizontal angles</source>
        <translation>El archivo termina tras %1 de sus %2 ángulos horizontales</translation>
    </message>
    <message>
        <source>Horizontal angle %1 is not above the angle before it (%2): the horizontal angles are none of the LM-63 forms</source>
        <translation>El ángulo horizontal %1 no es mayor que el anterior (%2): los ángulos horizontales no siguen ninguna forma LM-63</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 candela values that its counts declare (%3 x %4)</source>
        <translation>El archivo termina tras %1 de los %2 valores en candelas que declaran sus cantidades (%3 x %4)</translation>
    </message>
    <message>
        <source>a candela value</source>
        <translation>un valor en candelas</translation>
    </message>
    <message>
        <source>Negative candela value %1</source>
        <translation>Valor en candelas negativo %1</translation>
    </message>
    <message>
        <source>No candela value is above 0: the goniogram has no scale to draw on</source>
        <translation>Ningún valor en candelas es mayor que 0: el goniograma no tiene escala</translation>
    </message>
    <message>
        <source>The file holds 1 token more than its counts declare (%1): the viewer ignores it</source>
        <translation>El archivo contiene 1 elemento más de los que declaran sus cantidades (%1): el visor lo ignora</translation>
    </message>
    <message>
        <source>The file holds %2 tokens more than its counts declare, from %1 on: the viewer ignores them</source>
        <translation>El archivo contiene %2 elementos más de los que declaran sus cantidades, desde %1: el visor los ignora</translation>
    </message>
    <message>
        <source>Nothing follows the TILT line: the viewer cannot read the file</source>
        <translation>Nada sigue a la línea TILT: el visor no puede leer el archivo</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the viewer reads (%2): it refuses the file</source>
        <translation>El archivo tiene %1 bytes, más de los que lee el visor (%2): rechaza el archivo</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>El archivo está vacío</translation>
    </message>
    <message>
        <source>And 1 more token that is not a number from here on</source>
        <translation>Y, desde aquí, 1 elemento más que no es un número</translation>
    </message>
    <message>
        <source>And %1 more tokens that are not numbers from here on</source>
        <translation>Y, desde aquí, %1 elementos más que no son números</translation>
    </message>
    <message>
        <source>And 1 more vertical angle that is not above the one before from here on</source>
        <translation>Y, desde aquí, 1 ángulo vertical más que no es mayor que el anterior</translation>
    </message>
    <message>
        <source>And %1 more vertical angles that are not above the one before from here on</source>
        <translation>Y, desde aquí, %1 ángulos verticales más que no son mayores que el anterior</translation>
    </message>
    <message>
        <source>And 1 more negative candela value from here on</source>
        <translation>Y, desde aquí, 1 valor en candelas negativo más</translation>
    </message>
    <message>
        <source>And %1 more negative candela values from here on</source>
        <translation>Y, desde aquí, %1 valores en candelas negativos más</translation>
    </message>
    <message>
        <source>And 1 more keyword line of a form the viewer cannot show from here on</source>
        <translation>Y, desde aquí, 1 línea de palabra clave más de una forma que el visor no puede mostrar</translation>
    </message>
    <message>
        <source>And %1 more keyword lines of a form the viewer cannot show from here on</source>
        <translation>Y, desde aquí, %1 líneas de palabra clave más de una forma que el visor no puede mostrar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Viewer of photometric files: the goniogram and the light pattern.</source>
        <translation>Visor de archivos fotométricos: la curva fotométrica y el patrón de luz.</translation>
    </message>
    <message>
        <source>A file to load, selected in its folder, or a folder to browse.</source>
        <translation>Un archivo que cargar, seleccionado en su carpeta, o una carpeta que explorar.</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Largest intensity difference, %1:</source>
        <translation>Mayor diferencia de intensidad, %1:</translation>
    </message>
    <message>
        <source>Beyond the tolerance</source>
        <translation>Fuera de tolerancia</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3 (%4 against %5)</source>
        <translation>%1 en C %2, gamma %3 (%4 frente a %5)</translation>
    </message>
    <message>
        <source>%1 at H %2, V %3 (%4 against %5)</source>
        <translation>%1 en H %2, V %3 (%4 frente a %5)</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated</source>
        <translation>en la unión de los ángulos de los archivos, interpoladas</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated, thinned evenly</source>
        <translation>en la unión de los ángulos de los archivos, interpoladas, reducidas uniformemente</translation>
    </message>
    <message>
        <source>at the angles both files store</source>
        <translation>en los ángulos que contienen ambos archivos</translation>
    </message>
    <message>
        <source>at the angles both files store, thinned evenly</source>
        <translation>en los ángulos que contienen ambos archivos, reducidos uniformemente</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data.</source>
        <translation>Intensidades luminosas no comparadas: los archivos difieren en el tipo fotométrico o no contienen datos.</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data. Per kilolumen, every file needs a lamp or luminaire flux.</source>
        <translation>Intensidades luminosas no comparadas: los archivos difieren en el tipo fotométrico o no contienen datos. Por kilolumen, cada archivo necesita un flujo luminoso de lámpara o de luminaria.</translation>
    </message>
</context>
<context>
    <name>Compliance</name>
    <message>
        <source>needs type C photometry</source>
        <translation>requiere fotometría de tipo C</translation>
    </message>
    <message>
        <source>the file holds no photometric data</source>
        <translation>el archivo no contiene datos fotométricos</translation>
    </message>
    <message>
        <source>the intensities give no finite flux</source>
        <translation>las intensidades no dan un flujo finito</translation>
    </message>
    <message>
        <source>the luminous opening is a point</source>
        <translation>la superficie luminosa es un punto</translation>
    </message>
    <message>
        <source>the luminous opening&apos;s dimensions give no known shape</source>
        <translation>las dimensiones de la superficie luminosa no dan ninguna forma conocida</translation>
    </message>
    <message>
        <source>the luminous area has length 0</source>
        <translation>la superficie luminosa tiene longitud 0</translation>
    </message>
    <message>
        <source>the luminous opening shows no area at these angles</source>
        <translation>la superficie luminosa no muestra área en estos ángulos</translation>
    </message>
    <message>
        <source>no uplight data: the file stops below gamma 180 with light at its last angle, so light above it is counted as 0 and the uplight rating may be too low</source>
        <translation>sin datos de luz ascendente: el archivo termina por debajo de gamma 180 con luz en su último ángulo, por lo que la luz por encima se cuenta como 0 y la clase de luz ascendente puede ser demasiado baja</translation>
    </message>
    <message>
        <source>quadrilateral-symmetric</source>
        <translation>simétrica por cuadrantes</translation>
    </message>
    <message>
        <source>asymmetric</source>
        <translation>asimétrica</translation>
    </message>
    <message>
        <source>front low, 0-30°</source>
        <translation>frontal bajo, 0-30°</translation>
    </message>
    <message>
        <source>front medium, 30-60°</source>
        <translation>frontal medio, 30-60°</translation>
    </message>
    <message>
        <source>front high, 60-80°</source>
        <translation>frontal alto, 60-80°</translation>
    </message>
    <message>
        <source>front very high, 80-90°</source>
        <translation>frontal muy alto, 80-90°</translation>
    </message>
    <message>
        <source>back low, 0-30°</source>
        <translation>trasero bajo, 0-30°</translation>
    </message>
    <message>
        <source>back medium, 30-60°</source>
        <translation>trasero medio, 30-60°</translation>
    </message>
    <message>
        <source>back high, 60-80°</source>
        <translation>trasero alto, 60-80°</translation>
    </message>
    <message>
        <source>back very high, 80-90°</source>
        <translation>trasero muy alto, 80-90°</translation>
    </message>
    <message>
        <source>uplight low, 90-100°</source>
        <translation>luz ascendente baja, 90-100°</translation>
    </message>
    <message>
        <source>uplight high, 100-180°</source>
        <translation>luz ascendente alta, 100-180°</translation>
    </message>
    <message>
        <source>BUG zone %1 (%2)</source>
        <translation>Zona BUG %1 (%2)</translation>
    </message>
    <message>
        <source>BUG forward light</source>
        <translation>BUG luz frontal</translation>
    </message>
    <message>
        <source>BUG back light</source>
        <translation>BUG luz trasera</translation>
    </message>
    <message>
        <source>BUG uplight</source>
        <translation>BUG luz ascendente</translation>
    </message>
    <message>
        <source>BUG total</source>
        <translation>BUG total</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Clasificación BUG</translation>
    </message>
    <message>
        <source>BUG front centre</source>
        <translation>BUG centro frontal</translation>
    </message>
    <message>
        <source>BUG glare table</source>
        <translation>BUG tabla de deslumbramiento</translation>
    </message>
    <message>
        <source>BUG G by the asymmetric table</source>
        <translation>BUG G según la tabla asimétrica</translation>
    </message>
    <message>
        <source>BUG G by the symmetric table</source>
        <translation>BUG G según la tabla simétrica</translation>
    </message>
    <message>
        <source>BUG uplight data</source>
        <translation>BUG datos de luz ascendente</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>completos</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminancia</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Abertura luminosa</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Luminancia máxima</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>Save Data Sheet As</source>
        <translation>Guardar hoja de datos como</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>Número de catálogo</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>Luminaria</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Polar diagram, %1</source>
        <translation>Diagrama polar, %1</translation>
    </message>
    <message>
        <source>Cartesian diagram, %1</source>
        <translation>Diagrama cartesiano, %1</translation>
    </message>
    <message>
        <source>Light pattern: the file holds no intensities to render</source>
        <translation>Distribución de luz: el archivo no contiene intensidades que calcular</translation>
    </message>
    <message>
        <source>Light pattern not rendered: %1</source>
        <translation>Distribución de luz no calculada: %1</translation>
    </message>
    <message>
        <source>Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4</source>
        <translation>Distribución de luz en %1 tal como la muestra la ventana de renderizado: brillo %2, zoom %3, radiosidad %4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>Photometric summary</source>
        <translation>Resumen fotométrico</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Zonal flux</source>
        <translation>Flujo zonal</translation>
    </message>
    <message>
        <source>Zone (γ)</source>
        <translation>Zona (γ)</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>% of luminaire</source>
        <translation>% de la luminaria</translation>
    </message>
    <message>
        <source>% of lamps</source>
        <translation>% de las lámparas</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Abertura luminosa</translation>
    </message>
    <message>
        <source>Luminaire (EULUMDAT)</source>
        <translation>Luminaria (EULUMDAT)</translation>
    </message>
    <message>
        <source>Compliance</source>
        <translation>Conformidad</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>Clasificación BUG</translation>
    </message>
    <message>
        <source>Street side</source>
        <translation>Lado de la calle</translation>
    </message>
    <message>
        <source>Forward light (FL-FVH)</source>
        <translation>Luz frontal (FL-FVH)</translation>
    </message>
    <message>
        <source>Back light (BL-BVH)</source>
        <translation>Luz trasera (BL-BVH)</translation>
    </message>
    <message>
        <source>Uplight (UL, UH)</source>
        <translation>Luz ascendente (UL, UH)</translation>
    </message>
    <message>
        <source>Zone lumens</source>
        <translation>Lúmenes por zona</translation>
    </message>
    <message>
        <source>BUG note</source>
        <translation>Nota BUG</translation>
    </message>
    <message>
        <source>Maximum luminance (γ 45-85°)</source>
        <translation>Luminancia máxima (γ 45-85°)</translation>
    </message>
    <message>
        <source>%1 at C %2, γ %3</source>
        <translation>%1 en C %2, γ %3</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>The file holds no photometric data.</source>
        <translation>El archivo no contiene datos fotométricos.</translation>
    </message>
    <message>
        <source>Source: %1, modified %2</source>
        <translation>Origen: %1, modificado %2</translation>
    </message>
    <message>
        <source>Sheet of %1, %2</source>
        <translation>Hoja del %1, %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Data sheet of %1</source>
        <translation>Hoja de datos de %1</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Test: </source>
        <translation>Ensayo: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>Fabricante: </translation>
    </message>
    <message>
        <source>Luminaire catalog: </source>
        <translation>Catálogo de luminaria: </translation>
    </message>
    <message>
        <source>Lamp:</source>
        <translation>Lámpara:</translation>
    </message>
    <message>
        <source>Lamp catalog: </source>
        <translation>Catálogo de lámpara: </translation>
    </message>
</context>
<context>
    <name>EulumdatReader</name>
    <message>
        <source>Line %1 of the EULUMDAT file: %2</source>
        <translation>Línea %1 del archivo EULUMDAT: %2</translation>
    </message>
    <message>
        <source>company identification</source>
        <translation>identificación de la empresa</translation>
    </message>
    <message>
        <source>type indicator Ityp</source>
        <translation>indicador de tipo Ityp</translation>
    </message>
    <message>
        <source>symmetry indicator Isym</source>
        <translation>indicador de simetría Isym</translation>
    </message>
    <message>
        <source>number of C-planes Mc</source>
        <translation>número de planos C Mc</translation>
    </message>
    <message>
        <source>distance between C-planes Dc</source>
        <translation>distancia entre planos C Dc</translation>
    </message>
    <message>
        <source>number of intensities per C-plane Ng</source>
        <translation>número de intensidades por plano C Ng</translation>
    </message>
    <message>
        <source>the file declares %1 luminous intensities, more than the viewer supports (%2)</source>
        <translation>el archivo declara %1 intensidades luminosas, más de las que admite el visor (%2)</translation>
    </message>
    <message>
        <source>distance between intensities Dg</source>
        <translation>distancia entre intensidades Dg</translation>
    </message>
    <message>
        <source>measurement report number</source>
        <translation>número del informe de medición</translation>
    </message>
    <message>
        <source>luminaire name</source>
        <translation>nombre de la luminaria</translation>
    </message>
    <message>
        <source>luminaire number</source>
        <translation>número de la luminaria</translation>
    </message>
    <message>
        <source>file name and date/user</source>
        <translation>nombre de archivo y fecha/usuario</translation>
    </message>
    <message>
        <source>luminaire dimensions</source>
        <translation>dimensiones de la luminaria</translation>
    </message>
    <message>
        <source>length of the luminous area</source>
        <translation>longitud del área luminosa</translation>
    </message>
    <message>
        <source>width of the luminous area</source>
        <translation>anchura del área luminosa</translation>
    </message>
    <message>
        <source>height of the luminous area</source>
        <translation>altura del área luminosa</translation>
    </message>
    <message>
        <source>downward flux fraction DFF</source>
        <translation>fracción del flujo hacia abajo DFF</translation>
    </message>
    <message>
        <source>light output ratio LORL</source>
        <translation>rendimiento luminoso LORL</translation>
    </message>
    <message>
        <source>conversion factor for intensities</source>
        <translation>factor de conversión de las intensidades</translation>
    </message>
    <message>
        <source>tilt of the luminaire</source>
        <translation>inclinación de la luminaria</translation>
    </message>
    <message>
        <source>number of lamp sets n</source>
        <translation>número de juegos de lámparas n</translation>
    </message>
    <message>
        <source>number of lamps</source>
        <translation>número de lámparas</translation>
    </message>
    <message>
        <source>lamp type</source>
        <translation>tipo de lámpara</translation>
    </message>
    <message>
        <source>total luminous flux of the lamps</source>
        <translation>flujo luminoso total de las lámparas</translation>
    </message>
    <message>
        <source>colour temperature and colour rendering</source>
        <translation>temperatura de color y reproducción cromática</translation>
    </message>
    <message>
        <source>wattage</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>direct ratios</source>
        <translation>relaciones directas</translation>
    </message>
    <message>
        <source>luminous intensities that symmetry %1 needs (%2 planes of %3)</source>
        <translation>intensidades luminosas que requiere la simetría %1 (%2 planos de %3)</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensidad luminosa</translation>
    </message>
    <message>
        <source>luminous intensities</source>
        <translation>intensidades luminosas</translation>
    </message>
    <message>
        <source>C-angle</source>
        <translation>ángulo C</translation>
    </message>
    <message>
        <source>C-angles</source>
        <translation>ángulos C</translation>
    </message>
    <message>
        <source>gamma angle</source>
        <translation>ángulo gamma</translation>
    </message>
    <message>
        <source>gamma angles</source>
        <translation>ángulos gamma</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 es demasiado grande (%2)</translation>
    </message>
    <message>
        <source>the sum over the lamp sets</source>
        <translation>la suma de los juegos de lámparas</translation>
    </message>
    <message>
        <source>the intensity in cd</source>
        <translation>la intensidad luminosa en cd</translation>
    </message>
    <message>
        <source>the factor to candela</source>
        <translation>el factor a candelas</translation>
    </message>
    <message>
        <source>the flux per lamp</source>
        <translation>el flujo luminoso por lámpara</translation>
    </message>
    <message>
        <source>the file ends where the %1 should be</source>
        <translation>el archivo termina donde debería estar el valor «%1»</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>el valor «%1» está vacío</translation>
    </message>
    <message>
        <source>the %1 is not a number: %2</source>
        <translation>el valor «%1» no es un número: %2</translation>
    </message>
    <message>
        <source>the %1 must be a whole number from %2 to %3, not %4</source>
        <translation>el valor «%1» debe ser un entero de %2 a %3, no %4</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 %3</source>
        <translation>el archivo termina tras %1 de los %2 %3</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
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
        <translation>No se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Cannot show %1: the file list shows photometric files only</source>
        <translation>No se puede mostrar %1: la lista solo muestra archivos fotométricos</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Cannot open a file without a name</source>
        <translation>No se puede abrir un archivo sin nombre</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>No se puede abrir la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot open %1: not a file or folder</source>
        <translation>No se puede abrir %1: no es un archivo ni una carpeta</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
</context>
<context>
    <name>Goniogram</name>
    <message>
        <source>outside the stored angles (%1 to %2)</source>
        <translation>fuera de los ángulos almacenados (%1 a %2)</translation>
    </message>
    <message>
        <source>Maximum Intensity =%1</source>
        <translation>Intensidad máxima =%1</translation>
    </message>
    <message>
        <source>Degrees=%1</source>
        <translation>Grados=%1</translation>
    </message>
</context>
<context>
    <name>IesReader</name>
    <message>
        <source>The %1 of the file is out of range</source>
        <translation>El valor «%1» del archivo está fuera de rango</translation>
    </message>
    <message>
        <source>Error!<byte value="xd"/><byte value="xd"/>Line %1</source>
        <translation>¡Error!<byte value="xd"/><byte value="xd"/>Línea %1</translation>
    </message>
    <message>
        <source>vertical angle count</source>
        <translation>número de ángulos verticales</translation>
    </message>
    <message>
        <source>horizontal angle count</source>
        <translation>número de ángulos horizontales</translation>
    </message>
    <message>
        <source>units type</source>
        <translation>tipo de unidades</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 candela values, more than the viewer supports (%3)</source>
        <translation>El archivo declara %1 x %2 valores en candelas, más de los que admite el visor (%3)</translation>
    </message>
    <message>
        <source>List index out of bounds (0)</source>
        <translation>Índice de lista fuera de límites (0)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>System units</source>
        <translation>Unidades del sistema</translation>
    </message>
    <message>
        <source>Metric (m, lx)</source>
        <translation>Métrico (m, lx)</translation>
    </message>
    <message>
        <source>Imperial (ft, fc)</source>
        <translation>Imperial (ft, fc)</translation>
    </message>
    <message>
        <source>The new choice takes effect the next time Lumetra starts.</source>
        <translation>La nueva opción se aplicará la próxima vez que se inicie Lumetra.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>File %1 is too large to be an %2 file (%3 bytes)</source>
        <translation>El archivo %1 es demasiado grande para ser un archivo %2 (%3 bytes)</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>File %1 has too many lines to be an %2 file (more than %3)</source>
        <translation>El archivo %1 tiene demasiadas líneas para ser un archivo %2 (más de %3)</translation>
    </message>
</context>
<context>
    <name>OtherFormat</name>
    <message>
        <source>The file holds IES (LM-63) text although its name ends in .ldt</source>
        <translation>El archivo contiene texto IES (LM-63) aunque su nombre termina en .ldt</translation>
    </message>
    <message>
        <source>The file holds EULUMDAT data although its name does not end in .ldt</source>
        <translation>El archivo contiene datos EULUMDAT aunque su nombre no termina en .ldt</translation>
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
        <translation>Factores directos</translation>
    </message>
    <message>
        <source>Luminaire dimensions</source>
        <translation>Dimensiones de la luminaria</translation>
    </message>
    <message>
        <source>Luminous area</source>
        <translation>Superficie luminosa</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Rectangular with luminous sides</source>
        <translation>Rectangular con lados luminosos</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Vertical cylinder</source>
        <translation>Cilindro vertical</translation>
    </message>
    <message>
        <source>Vertical ellipsoidal cylinder</source>
        <translation>Cilindro elíptico vertical</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Esfera</translation>
    </message>
    <message>
        <source>Ellipsoidal spheroid</source>
        <translation>Elipsoide</translation>
    </message>
    <message>
        <source>Horizontal cylinder along photometric horizontal</source>
        <translation>Cilindro horizontal a lo largo de la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder along photometric horizontal</source>
        <translation>Cilindro elíptico horizontal a lo largo de la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Horizontal cylinder perpendicular to photometric horizontal</source>
        <translation>Cilindro horizontal perpendicular a la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder perpendicular to photometric horizontal</source>
        <translation>Cilindro elíptico horizontal perpendicular a la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Vertical circle facing photometric horizontal</source>
        <translation>Círculo vertical orientado hacia la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Vertical ellipse facing photometric horizontal</source>
        <translation>Elipse vertical orientada hacia la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Vertical circle facing perpendicular to photometric horizontal</source>
        <translation>Círculo vertical orientado perpendicularmente a la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Vertical ellipse facing perpendicular to photometric horizontal</source>
        <translation>Elipse vertical orientada perpendicularmente a la horizontal fotométrica</translation>
    </message>
    <message>
        <source>Not an LM-63 shape</source>
        <translation>No es una forma LM-63</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Guardar fotometría como</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Saved, but: %1</source>
        <translation>Guardado, pero: %1</translation>
    </message>
</context>
<context>
    <name>ReadingVerdict</name>
    <message>
        <source>not significant: the file did not read completely</source>
        <translation>no significativo: el archivo no se leyó por completo</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Línea %1: %2: %3</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2 and a new settings file has been written.</source>
        <translation>No se pudo leer el archivo de configuración %1. Se ha conservado como %2 y se ha escrito un nuevo archivo de configuración.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>unknown (summarised as C)</source>
        <translation>desconocido (resumido como C)</translation>
    </message>
    <message>
        <source>Lamps</source>
        <translation>Lámparas</translation>
    </message>
    <message>
        <source>%1, absolute photometry</source>
        <translation>%1, fotometría absoluta</translation>
    </message>
    <message>
        <source>Ballast factor</source>
        <translation>Factor de balasto</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>Abertura luminosa</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3</source>
        <translation>%1 en C %2, gamma %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Ángulos</translation>
    </message>
    <message>
        <source>%1 vertical × %2 horizontal</source>
        <translation>%1 verticales × %2 horizontales</translation>
    </message>
    <message>
        <source>Candela multiplier</source>
        <translation>Multiplicador de candelas</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>Tipo fotométrico</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Simetría</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Flujo luminoso</translation>
    </message>
    <message>
        <source>Downward flux</source>
        <translation>Flujo hacia abajo</translation>
    </message>
    <message>
        <source>Upward flux</source>
        <translation>Flujo hacia arriba</translation>
    </message>
    <message>
        <source>Downward flux fraction</source>
        <translation>Fracción del flujo hacia abajo</translation>
    </message>
    <message>
        <source>Zonal flux %1°</source>
        <translation>Flujo zonal %1°</translation>
    </message>
    <message>
        <source>Lamp flux</source>
        <translation>Flujo de las lámparas</translation>
    </message>
    <message>
        <source>Light output ratio</source>
        <translation>Rendimiento luminoso</translation>
    </message>
    <message>
        <source>Input watts</source>
        <translation>Potencia de entrada</translation>
    </message>
    <message>
        <source>Efficacy</source>
        <translation>Eficacia luminosa</translation>
    </message>
    <message>
        <source>Maximum intensity</source>
        <translation>Intensidad luminosa máxima</translation>
    </message>
    <message>
        <source>at C</source>
        <translation>en C</translation>
    </message>
    <message>
        <source>gamma</source>
        <translation>gamma</translation>
    </message>
    <message>
        <source>Beam angle</source>
        <translation>Ángulo de haz</translation>
    </message>
    <message>
        <source>Field angle</source>
        <translation>Ángulo de campo</translation>
    </message>
    <message>
        <source>Beam angle CIE</source>
        <translation>Ángulo de haz CIE</translation>
    </message>
    <message>
        <source>Field angle CIE</source>
        <translation>Ángulo de campo CIE</translation>
    </message>
    <message>
        <source>Stated light output ratio</source>
        <translation>Rendimiento luminoso indicado</translation>
    </message>
    <message>
        <source>Stated downward flux fraction</source>
        <translation>Fracción del flujo hacia abajo indicada</translation>
    </message>
    <message>
        <source>C of maximum intensity</source>
        <translation>C de la intensidad luminosa máxima</translation>
    </message>
    <message>
        <source>Gamma of maximum intensity</source>
        <translation>Gamma de la intensidad luminosa máxima</translation>
    </message>
</context>
<context>
    <name>Symmetry</name>
    <message>
        <source>quadrant</source>
        <translation>cuadrantes</translation>
    </message>
    <message>
        <source>bilateral H0</source>
        <translation>bilateral H0</translation>
    </message>
    <message>
        <source>bilateral V0</source>
        <translation>bilateral V0</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>axial</source>
        <translation>axial</translation>
    </message>
    <message>
        <source>bilateral C0-C180</source>
        <translation>bilateral C0-C180</translation>
    </message>
    <message>
        <source>bilateral C90-C270</source>
        <translation>bilateral C90-C270</translation>
    </message>
    <message>
        <source>irregular</source>
        <translation>irregular</translation>
    </message>
</context>
<context>
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
</context>
<context>
    <name>lumetra-cli</name>
    <message>
        <source>Usage: lumetra-cli COMMAND [OPTIONS]</source>
        <translation>Uso: lumetra-cli COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other
as IES. Arguments that a command cannot use exit with status 2.</source>
        <translation>Un archivo FILE cuyo nombre termina en .ldt (en mayúsculas o minúsculas) se lee
como EULUMDAT; cualquier otro, como IES. Los argumentos que un comando no puede
usar hacen que termine con el estado 2.</translation>
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
        <translation>Comandos:
  info FILE
      Carga FILE como lo hace el visor e imprime un objeto JSON: LampLumens,
      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType,
      VerticalAngles, HorizontalAngles, Candela (plano por plano), HeaderLines,
      Description, GlobalMaxCandela, ParseError y Message (el mensaje de
      lectura, o null). El mensaje de lectura también va a stderr; el estado de
      salida sigue siendo 0. Si la carga falla, imprime el error en stderr y
      termina con 1.</translation>
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
      Dibuja la cuadrícula y la curva fotométrica de FILE en un área de S x S
      (400 por defecto) como la ventana principal y la escribe como PNG o SVG.
      --plane elige el índice del plano C (0 por defecto), --fit escala a los
      planos dibujados, --ortho añade el par ortogonal en el plano 0.
      Estado de salida: 0 si se escribió, 1 ante un error, 2 ante un error de
      uso, 3 si se escribió aunque la lectura informó de un mensaje sobre el
      archivo (impreso en stderr).</translation>
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
      Genera el patrón de luz como la ventana de renderizado (por defecto:
      plano 0, brillo %3, zoom %4, radiosidad desactivada) y escribe la imagen
      de 300 x 300 como PNG en escala de grises de 8 bits. Los valores fuera
      del rango de una barra se limitan a él.
      Estado de salida como en gonio.</translation>
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
      Comprueba en archivos IES y EULUMDAT lo que impide al visor leerlos o
      mostrarlos como se pretende, y en archivos IES las desviaciones de LM-63.
      Un PATH es un archivo, o una carpeta en la que se buscan, junto con sus
      subcarpetas, *.ies y *.ldt en mayúsculas o minúsculas. Imprime cada
      hallazgo como
      FILE:LINE: error|warning: MESSAGE (FILE: ok si no hay hallazgos),
      y luego &quot;N files, E errors, W warnings&quot;; --json imprime en su lugar un
      objeto JSON: files (path, errors, warnings, findings con severity, line y
      message), unreadable (rutas) y summary (files, errors, warnings).
      Los archivos se comprueban en N hilos (--jobs, un número entero de 1 a
      256, por defecto: todos los núcleos); el informe es el mismo para
      cualquier N.
      Errores: un elemento que no es un número; menos números de los que
      declaran los recuentos; un recuento que no es un número entero de 1 a
      65535; ángulos verticales no estrictamente ascendentes; una cuadrícula de
      más de 4194304 valores; ninguna línea TILT o nada después de ella; un
      archivo que el visor rechaza (demasiado grande, demasiadas líneas).
      Advertencias: más números de los que declaran los recuentos (se
      ignoran); ángulos horizontales que no siguen ninguna de las formas de
      LM-63 (un plano, 0-90, 0-180, 90-270, 0-360; para los tipos A y B 0-90,
      -90-90); un primer ángulo vertical distinto de 0, 90 o -90; valores de
      candela negativos, o ninguno mayor que 0; TILT=INCLUDE o un archivo de
      inclinación (los factores de inclinación no se aplican); una línea de
      versión ausente o desconocida; palabras clave en minúsculas o sin
      corchetes; un byte NUL (termina el texto).
      Archivos EULUMDAT: el primer defecto que impide al visor leer el archivo
      es un error en su línea; un rendimiento de la luminaria calculado a
      partir de las intensidades que difiere del declarado en más de un 5 % es
      una advertencia.
      Un archivo cuyo contenido es claramente del otro formato (datos EULUMDAT
      con nombre .ies, texto IES con nombre .ldt) es un error en la línea 1 que
      lo indica.
      Un hallazgo repetido se lista diez veces y después se resume. Una línea
      de progreso va a stderr cuando es un terminal. Estado de salida: 0 sin
      errores, 1 con errores, 2 ante un error de uso o una ruta ilegible.</translation>
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
      Imprime el resumen fotométrico de FILE: flujo luminoso (total, hacia
      abajo, hacia arriba, zonal), flujo de lámpara, rendimiento de la
      luminaria, eficacia luminosa, intensidad máxima, ángulos de apertura
      (50 %) y de campo (10 %), referidos al máximo (IES) y al centro (CIE), la
      clasificación BUG y la tabla de luminancias. Los valores se escriben como
      en la ventana Propiedades, en el formato numérico de la configuración
      regional; --json imprime un objeto JSON con precisión completa, null
      donde un valor no está definido (los dos últimos bajo las claves BUG y
      Luminance). Un archivo que no se puede cargar o no contiene datos
      fotométricos termina con 1. Un archivo que no se leyó por completo no
      tiene valores: el mensaje de lectura y el motivo van a stderr (con --json
      cada valor es null, ParseError true y Notes los motivos); termina con 3.</translation>
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
      Imprime la clasificación BUG de FILE (luz trasera, luz ascendente,
      deslumbramiento; IES TM-15 con la adenda A): los lúmenes en sus diez
      zonas, las clases y la tabla de deslumbramiento utilizada. El lado de
      calzada se centra en C0 para archivos IES y en C90 para archivos
      EULUMDAT; --front DEG lo centra en otro plano C. Los tipos A y B
      necesitan fotometría de tipo C y no se clasifican (null en JSON). Estado
      de salida como en summary.</translation>
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
      Compara de dos a cuatro archivos con el primero: el resumen fotométrico
      de cada uno, uno junto a otro, con la diferencia respecto al primer
      archivo, absoluta y en porcentaje, marcada por encima del 5 % (2 grados
      para ángulos); después, dónde difieren más las intensidades de cada
      archivo de las del primero (valor, C, gamma; H y V para los tipos A y B),
      en los ángulos almacenados cuando los archivos los comparten y, si no, en
      la unión de sus ángulos mediante la interpolación del resumen.
      --unit cdklm compara intensidades por cada 1000 lm de flujo de lámpara
      (del flujo de la luminaria en fotometría absoluta). --json imprime un
      objeto JSON: Files, Summaries (cada uno como lo imprime summary --json),
      Differences (por cada archivo adicional: File, Figures con Absolute,
      Percent y BeyondTolerance, LargestIntensityDifference) y
      LargestIntensityDifference sobre todos los archivos (File, Value, First,
      Other, C, Gamma, Unit, SharedGrid, Thinned), null cuando los tipos
      difieren. Un archivo que no se puede cargar o no contiene datos termina
      con 1.</translation>
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
      Escribe un diagrama rotulado de FILE sobre fondo blanco con un pie que
      nombra el archivo: curvas polares o cartesianas de hasta cuatro planos
      (tipo C: los pares C y C+180, por defecto 0,90; tipos A y B: la línea
      vertical en H = N, o &quot;V5&quot; para la línea horizontal en V = 5; por defecto
      V0,0), líneas isocandela sobre toda la esfera, o el sólido fotométrico
      sombreado visto desde el acimut AZ y la elevación EL en grados (por
      defecto 35,20). --unit cdklm da cd por cada 1000 lm de flujo de lámpara
      (cd en fotometría absoluta, con una nota). --log: eje de intensidad
      logarítmico (cartesian). --lit-half: solo el semiespacio que contiene la
      luz (polar). --step: grados entre las etiquetas de ángulo (por defecto
      30). --size: píxeles, de 16 a 4096 por lado (por defecto 1000x800); el
      texto crece con él.</translation>
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
      Calcula la iluminancia punto por punto en el suelo, H metros por debajo
      de la luminaria (por defecto 3), sobre un cuadrado de lado S (por defecto
      10) centrado bajo ella, en una cuadrícula de paso D (por defecto 0.5);
      S / D debe ser un número entero. --wall añade una pared a X metros a lo
      largo de C0, frente a la luminaria, desde el suelo hasta una altura S.
      Imprime E max, E min, E average, la uniformidad (min/avg) y dónde está
      el máximo; --json imprime en su lugar un objeto JSON (Height, Size, Step,
      N, X, Y, E con filas por y ascendente, Max, Min, Avg, MinOverAvg, MaxAt
      y Vertical para la pared); -o escribe la imagen de isolux (PNG, SVG, PDF)
      o la cuadrícula como CSV. Los archivos de tipo A y B se rechazan: el
      cálculo necesita fotometría de tipo C (con --json el objeto contiene
      valores null). Estado de salida: 0 al terminar, 1 ante un error, 2 ante
      un error de uso.</translation>
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
      Escribe IN (IES o EULUMDAT) como IES LM-63-2002 (--ies-version 2019 para
      LM-63-2019) o EULUMDAT, según la extensión de OUT, en mayúsculas o
      minúsculas. Una carpeta FOLDER se convierte con sus subcarpetas en
      OUTFOLDER, conservando las rutas relativas (--jobs N archivos a la vez,
      por defecto todos los núcleos), con una línea de progreso en un terminal
      y un resumen &quot;N written, M failed: reasons&quot; al final.
      --lumens L escala las intensidades para que el flujo de lámpara
      declarado sea L (en fotometría absoluta, para que el flujo calculado sea
      L); --multiply K las multiplica por K; --rotate 90|180|270 gira los
      planos C (C pasa a ser C + ángulo). --lenient lee los tabuladores en los
      números como espacios, de modo que un archivo que el visor lee como
      ceros se escribe limpio. Los archivos se escriben completos o no se
      escriben; una salida existente solo se reemplaza con --force, la entrada
      nunca. Lo que el formato de destino no puede contener se indica con una
      nota.
      Estado de salida: 0 si se escribieron todos los archivos, 1 en caso
      contrario, 2 ante un error de uso.</translation>
    </message>
    <message>
        <source>  --help
      Shows this text.</source>
        <translation>  --help
      Muestra este texto.</translation>
    </message>
    <message>
        <source>  --version
      Shows the version of lumetra-cli.</source>
        <translation>  --version
      Muestra la versión de lumetra-cli.</translation>
    </message>
    <message>
        <source>Every command exits with 2 when its arguments are wrong, with the usage line on
stderr.
</source>
        <translation>Todo comando termina con 2 cuando sus argumentos son incorrectos, con la línea
de uso en stderr.
</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Comando desconocido «%1».</translation>
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
      Escribe una hoja de datos PDF de FILE para un informe: su nombre,
      fabricante, número de catálogo y luminaria; los diagramas polares y
      cartesianos de los planos C0-C180 y C90-C270 (cd/klm para archivos
      EULUMDAT); el patrón de luz del plano 0 (brillo %3, zoom %5, radiosidad
      desactivada); el resumen fotométrico, el flujo zonal, la superficie
      luminosa, las dimensiones y conjuntos de lámparas de un archivo EULUMDAT,
      la clasificación BUG y la luminancia máxima; un pie de página con la
      fecha de modificación del archivo, la fecha de la hoja y la versión del
      programa. Una segunda página recoge lo que no cabe en la primera.
      El papel es Letter cuando la configuración regional usa unidades de
      EE. UU., y A4 en otro caso. Se añade &quot;.pdf&quot; a un nombre sin extensión.
      --encoding lee la cabecera en NAME (windows-1251, gbk, big5, shift_jis,
      euc-kr, ...) en lugar de la codificación detectada. Para un archivo que
      no se leyó por completo, la hoja lo indica en lugar de los valores, y el
      estado de salida es 3.
      Con una carpeta FOLDER, cada archivo *.ies y *.ldt que contenga obtiene
      su hoja bajo OUTFOLDER, en la misma ruta relativa con la extensión .pdf;
      las hojas existentes se conservan salvo con --force. En un terminal se
      muestra una línea de progreso y luego &quot;N written, M failed: reasons&quot;.
      Estado de salida 0 si se escribieron todas las hojas, 1 si alguna falló,
      si no, 3 si algún archivo no se leyó por completo.</translation>
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
      Una fila por cada archivo *.ies y *.ldt de FOLDER (y de sus subcarpetas
      con --recursive), por orden de nombre de archivo: archivo, formato,
      fabricante, número de catálogo, luminaria, lámpara, flujo luminoso y de
      lámpara, rendimiento de la luminaria, potencia de entrada, eficacia
      luminosa, intensidad máxima, ángulos de apertura y de campo (el más
      ancho y cada par de planos), fracción de flujo hacia abajo, simetría,
      tipo fotométrico, clasificación BUG, luminancia máxima a 65 grados y
      estado (carga sin problemas, el mensaje de lectura o por qué falla).
      Separado por tabulaciones por defecto; --csv escribe CSV con las
      unidades en los nombres de columna; --json, una matriz de objetos con
      File (relativo a FOLDER), Status (clean, message, fails), Message, los
      campos de descripción y cada clave de summary --json.
      Los archivos de más de 32 MB se listan como fallidos, sin leerlos. Los
      archivos se leen en N hilos (--jobs, por defecto: todos los núcleos); la
      salida es la misma para cualquier N.
      Los campos de descripción se leen en la codificación detectada para cada
      archivo, o en NAME con --encoding (windows-1251, gbk, big5, shift_jis,
      ...).
      -o escribe FILE y solo lo reemplaza una vez completo. Estado de salida:
      0 si se escribió, 1 ante una carpeta que no se puede leer o un archivo
      que no se puede escribir, 2 ante un error de uso.</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n advertencia</numerusform>
            <numerusform>%n advertencias</numerusform>
        </translation>
    </message>
    <message>
        <source>* beyond the tolerance: %1 %, angles %2 degrees</source>
        <translation>* fuera de tolerancia: %1 %, ángulos %2 grados</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>%1 E max: %2 lx at (%3, %4) m</source>
        <translation>%1 E máx: %2 lx en (%3, %4) m</translation>
    </message>
    <message>
        <source>%1 E min: %2 lx</source>
        <translation>%1 E mín: %2 lx</translation>
    </message>
    <message>
        <source>%1 E average: %2 lx</source>
        <translation>%1 E media: %2 lx</translation>
    </message>
    <message>
        <source>%1 Uniformity (min/avg): %2</source>
        <translation>%1 Uniformidad (mín/media): %2</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>Writing sheets</source>
        <translation>Escribiendo hojas de datos</translation>
    </message>
    <message>
        <source>%1 written, %2 failed</source>
        <translation>%1 escritos, %2 fallidos</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Magnitud</translation>
    </message>
</context>
<context>
    <name>lumetra::CatalogueWindow</name>
    <message>
        <source>Catalogue</source>
        <translation>Catálogo</translation>
    </message>
    <message>
        <source>Catalogue rows</source>
        <translation>Filas del catálogo</translation>
    </message>
    <message>
        <source>Search manufacturer, luminaire, lamp, file...</source>
        <translation>Buscar fabricante, luminaria, lámpara, archivo...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Ranges, e.g. flux 2,500-3,500; beam &lt; 30; efficacy &gt; 120</source>
        <translation>Rangos, p. ej. flux 2500-3500; beam &lt; 30; efficacy &gt; 120</translation>
    </message>
    <message>
        <source>Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Ranges: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separate several with &quot;;&quot;.</source>
        <translation>Columnas: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Rangos: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separe varios con &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Rangos</translation>
    </message>
    <message>
        <source>&amp;Subfolders</source>
        <translation>&amp;Subcarpetas</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Archivos leídos</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Read the folder again (F5)</source>
        <translation>Volver a leer la carpeta (F5)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>Compare the two selected files</source>
        <translation>Comparar los dos archivos seleccionados</translation>
    </message>
    <message>
        <source>Catalogue - %1</source>
        <translation>Catálogo - %1</translation>
    </message>
    <message>
        <source>%1 of %2 files read, %3 shown</source>
        <translation>%1 de %2 archivos leídos, %3 mostrados</translation>
    </message>
    <message>
        <source>%1 files, %2 shown</source>
        <translation>%1 archivos, %2 mostrados</translation>
    </message>
    <message>
        <source>Save Catalogue As</source>
        <translation>Guardar catálogo como</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>lumetra::EncodingMenu</name>
    <message>
        <source>Text &amp;Encoding</source>
        <translation>&amp;Codificación del texto</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automática (%1)</translation>
    </message>
</context>
<context>
    <name>lumetra::FileBrowserPanel</name>
    <message>
        <source>Catalogue...</source>
        <translation>Catálogo...</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Current folder: %1</source>
        <translation>Carpeta actual: %1</translation>
    </message>
    <message>
        <source>Photometric files in %1</source>
        <translation>Archivos fotométricos en %1</translation>
    </message>
</context>
<context>
    <name>lumetra::GoniogramPanel</name>
    <message>
        <source>Save Photometry As...</source>
        <translation>Guardar fotometría como...</translation>
    </message>
    <message>
        <source>Goniogram</source>
        <translation>Curva fotométrica</translation>
    </message>
    <message>
        <source>Save Goniogram As...</source>
        <translation>Guardar curva como...</translation>
    </message>
    <message>
        <source>Copy Goniogram</source>
        <translation>Copiar curva</translation>
    </message>
    <message>
        <source>Save Data Sheet As...</source>
        <translation>Guardar hoja de datos como...</translation>
    </message>
    <message>
        <source>Goniogram Size</source>
        <translation>Tamaño de la curva</translation>
    </message>
    <message>
        <source>Save Goniogram As</source>
        <translation>Guardar curva como</translation>
    </message>
    <message>
        <source>Goniogram of %1</source>
        <translation>Curva fotométrica de %1</translation>
    </message>
</context>
<context>
    <name>lumetra::PropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Conformidad</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>Codificación del texto</translation>
    </message>
    <message>
        <source>The unit of the values shown, copied and saved</source>
        <translation>La unidad de los valores mostrados, copiados y guardados</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Guardar fotometría como...</translation>
    </message>
    <message>
        <source>Save Intensities As</source>
        <translation>Guardar intensidades como</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>No file loaded.</source>
        <translation>Ningún archivo cargado.</translation>
    </message>
    <message>
        <source>No intensities.</source>
        <translation>Sin intensidades.</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>No se pudo leer: %1</translation>
    </message>
    <message>
        <source>The reader reported: %1</source>
        <translation>Aviso de la lectura: %1</translation>
    </message>
    <message>
        <source>The Text tab shows the file shortened.</source>
        <translation>La pestaña Texto muestra el archivo acortado.</translation>
    </message>
    <message>
        <source>The file&apos;s text cannot be shown: %1</source>
        <translation>No se puede mostrar el texto del archivo: %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Intensities</source>
        <translation>Intensidades</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <translation>Haga clic para abrir %1</translation>
    </message>
</context>
<context>
    <name>lumetra::TComplianceTab</name>
    <message>
        <source>BUG rating (IES TM-15-11, Addendum A)</source>
        <translation>Clasificación BUG (IES TM-15-11, adenda A)</translation>
    </message>
    <message>
        <source>Street side by the file&apos;s format (IES C0, EULUMDAT C90)</source>
        <translation>Lado de calzada según el formato (IES C0, EULUMDAT C90)</translation>
    </message>
    <message>
        <source>Street side centred on C%1</source>
        <translation>Lado de calzada centrado en C%1</translation>
    </message>
    <message>
        <source>&amp;Front:</source>
        <translation>&amp;Frente:</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>Lúmenes (lm)</translation>
    </message>
    <message>
        <source>Luminance (cd/m²)</source>
        <translation>Luminancia (cd/m²)</translation>
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
        <translation>Ningún archivo cargado</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Sin clasificar</translation>
    </message>
    <message>
        <source>Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).</source>
        <translation>Frente: %1. Deslumbramiento según la tabla %2 (G%3 asimétrica, G%4 simétrica).</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Nota: %1.</translation>
    </message>
    <message>
        <source>Luminous opening: %1</source>
        <translation>Superficie luminosa: %1</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>Luminancia máxima</translation>
    </message>
    <message>
        <source>BUG zones (IES TM-15-11, Addendum A)</source>
        <translation>Zonas BUG (IES TM-15-11, adenda A)</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramView</name>
    <message>
        <source>No photometric file loaded</source>
        <translation>Ningún archivo fotométrico cargado</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramsWindow</name>
    <message>
        <source>Diagrams</source>
        <translation>Diagramas</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation>Cartesiano</translation>
    </message>
    <message>
        <source>Isocandela</source>
        <translation>Isocandela</translation>
    </message>
    <message>
        <source>Photometric solid</source>
        <translation>Sólido fotométrico</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Planes:</source>
        <translation>&amp;Planos:</translation>
    </message>
    <message>
        <source>&amp;and:</source>
        <translation>&amp;y:</translation>
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
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>Angle &amp;labels:</source>
        <translation>Et&amp;iquetas de ángulo:</translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation>L&amp;ogarítmica</translation>
    </message>
    <message>
        <source>Lit &amp;half only</source>
        <translation>Solo la &amp;mitad iluminada</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Diagrams - %1</source>
        <translation>Diagramas - %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>cd/klm needs a lamp flux; this file gives none (absolute photometry), so intensities are in cd.</source>
        <translation>cd/klm requiere un flujo de lámpara; este archivo no lo indica (fotometría absoluta), por lo que las intensidades se dan en cd.</translation>
    </message>
    <message>
        <source>Diagram Size</source>
        <translation>Tamaño del diagrama</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Exportar diagrama</translation>
    </message>
</context>
<context>
    <name>lumetra::TIlluminanceWindow</name>
    <message>
        <source>Illuminance</source>
        <translation>Iluminancia</translation>
    </message>
    <message>
        <source>Metres and lux</source>
        <translation>Metros y lux</translation>
    </message>
    <message>
        <source>Feet and foot-candles</source>
        <translation>Pies y pies-candela</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unidades:</translation>
    </message>
    <message>
        <source>Mounting &amp;height:</source>
        <translation>&amp;Altura de montaje:</translation>
    </message>
    <message>
        <source>Area &amp;size:</source>
        <translation>&amp;Tamaño del área:</translation>
    </message>
    <message>
        <source>Grid s&amp;tep:</source>
        <translation>Pa&amp;so de cuadrícula:</translation>
    </message>
    <message>
        <source>&amp;Wall along C0 at:</source>
        <translation>&amp;Pared a lo largo de C0 en:</translation>
    </message>
    <message>
        <source>Save &amp;Picture As...</source>
        <translation>Guardar &amp;imagen como...</translation>
    </message>
    <message>
        <source>Save &amp;Grid as CSV...</source>
        <translation>Guardar cuadrí&amp;cula como CSV...</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 at (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E average: %8 %3&lt;br&gt;Uniformity (min/avg): %9</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E máx: %2 %3 en (%4, %5) %6&lt;br&gt;E mín: %7 %3&lt;br&gt;E media: %8 %3&lt;br&gt;Uniformidad (mín/media): %9</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Sin archivo</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>E max</source>
        <translation>E máx</translation>
    </message>
    <message>
        <source>E min</source>
        <translation>E mín</translation>
    </message>
    <message>
        <source>E average</source>
        <translation>E media</translation>
    </message>
    <message>
        <source>Min/avg</source>
        <translation>Mín/media</translation>
    </message>
    <message>
        <source>Floor, %1 %2 below the luminaire</source>
        <translation>Suelo, %1 %2 bajo la luminaria</translation>
    </message>
    <message>
        <source>luminaire</source>
        <translation>luminaria</translation>
    </message>
    <message>
        <source>Wall at x = %1 %2, facing the luminaire</source>
        <translation>Pared en x = %1 %2, frente a la luminaria</translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4 %5: %6 %7</source>
        <translation>%1 = %2, %3 = %4 %5: %6 %7</translation>
    </message>
    <message>
        <source>Illuminance of %1</source>
        <translation>Iluminancia de %1</translation>
    </message>
    <message>
        <source>Save Illuminance Picture As</source>
        <translation>Guardar imagen de iluminancia como</translation>
    </message>
    <message>
        <source>Save Illuminance Grid As</source>
        <translation>Guardar cuadrícula de iluminancia como</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>lumetra::TMainWindow</name>
    <message>
        <source>Diagrams...</source>
        <translation>Diagramas...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Iluminancia...</translation>
    </message>
    <message>
        <source>Rendering progress</source>
        <translation>Progreso del renderizado</translation>
    </message>
    <message>
        <source>Selects the C plane the goniogram shows</source>
        <translation>Elige el plano C que muestra la curva</translation>
    </message>
    <message>
        <source>Degree:</source>
        <translation>Grado:</translation>
    </message>
    <message>
        <source>Automatic update render</source>
        <translation>Actualizar el renderizado automáticamente</translation>
    </message>
    <message>
        <source>Fit goniogram</source>
        <translation>Ajustar la curva</translation>
    </message>
    <message>
        <source>Show orthogonal diagram</source>
        <translation>Mostrar el diagrama ortogonal</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message>
        <source>Please select file</source>
        <translation>Seleccione un archivo</translation>
    </message>
    <message>
        <source>Click!</source>
        <translation>¡Clic!</translation>
    </message>
    <message>
        <source>axially symmetric</source>
        <translation>simetría axial</translation>
    </message>
    <message>
        <source>&amp;Render</source>
        <translation>&amp;Renderizar</translation>
    </message>
</context>
<context>
    <name>lumetra::TRenderWindow</name>
    <message>
        <source>Light pattern</source>
        <translation>Patrón de luz</translation>
    </message>
    <message>
        <source>No light pattern rendered yet</source>
        <translation>Aún no se ha generado ningún patrón de luz</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation>Brillo: %1</translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation>Zoom: %1</translation>
    </message>
    <message>
        <source>Reset brightness</source>
        <translation>Restablecer el brillo</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Restablecer el zoom</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Guardar imagen como...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Radiosity</source>
        <translation>&amp;Radiosidad</translation>
    </message>
    <message>
        <source>Rendering time: %1.%2 sec</source>
        <translation>Tiempo de renderizado: %1,%2 s</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Renderizado</translation>
    </message>
</context>
<context>
    <name>lumetra::TSavePhotometryDialog</name>
    <message>
        <source>Save Photometry As</source>
        <translation>Guardar fotometría como</translation>
    </message>
    <message>
        <source>-converted</source>
        <translation>-convertido</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
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
        <translation>Escalar a un flujo de lámpara de</translation>
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
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>&amp;Multiply intensities by:</source>
        <translation>&amp;Multiplicar intensidades por:</translation>
    </message>
    <message>
        <source>&amp;Turn C-planes by:</source>
        <translation>&amp;Girar los planos C:</translation>
    </message>
</context>
<context>
    <name>lumetra::TZoneDiagram</name>
    <message>
        <source>BUG zone diagram</source>
        <translation>Diagrama de zonas BUG</translation>
    </message>
    <message>
        <source>front →</source>
        <translation>delante →</translation>
    </message>
    <message>
        <source>← back</source>
        <translation>← detrás</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::DiagramView</name>
    <message>
        <source>Polar diagram</source>
        <translation>Diagrama polar</translation>
    </message>
    <message>
        <source>Cartesian diagram</source>
        <translation>Diagrama cartesiano</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::PinnedFileDelegate</name>
    <message>
        <source> (pinned)</source>
        <translation> (fijado)</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::TCompareWindow</name>
    <message>
        <source>Unpin from Comparison</source>
        <translation>Quitar de la comparación</translation>
    </message>
    <message>
        <source>Compare with Selected</source>
        <translation>Comparar con la selección</translation>
    </message>
    <message>
        <source>Compare Window</source>
        <translation>Ventana de comparación</translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>Comparar...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation>&amp;Curvas</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>&amp;Intensities</source>
        <translation>&amp;Intensidades</translation>
    </message>
    <message>
        <source>cd</source>
        <translation>cd</translation>
    </message>
    <message>
        <source>cd/klm (per 1,000 lm of lamp flux)</source>
        <translation>cd/klm (por cada 1000 lm de flujo de lámpara)</translation>
    </message>
    <message>
        <source>Export &amp;Pictures...</source>
        <translation>Exportar imá&amp;genes...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>&amp;Plano:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>&amp;Against the first file:</source>
        <translation>&amp;Respecto al primer archivo:</translation>
    </message>
    <message>
        <source>Export Comparison Pictures</source>
        <translation>Exportar imágenes de comparación</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparación</translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation>Exportar comparación como PDF</translation>
    </message>
    <message>
        <source> (pinned)</source>
        <translation> (fijado)</translation>
    </message>
    <message>
        <source>Pin a file with &lt;i&gt;Compare with Selected&lt;/i&gt; in the file list, then select another file to compare it with the pinned one.</source>
        <translation>Fije un archivo en la lista de archivos con &lt;i&gt;Comparar con la selección&lt;/i&gt; y, a continuación, seleccione otro archivo para compararlo con el fijado.</translation>
    </message>
    <message>
        <source>%1 − 1</source>
        <translation>%1 − 1</translation>
    </message>
    <message>
        <source>Largest difference, %1: %2</source>
        <translation>Mayor diferencia, %1: %2</translation>
    </message>
</context>
</TS>
