<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
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
        <source>Catalogue...</source>
        <translation>Catálogo...</translation>
    </message>
    <message>
        <source>Diagrams...</source>
        <translation>Diagramas...</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Guardar fotometría como...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>Iluminancia...</translation>
    </message>
</context>
<context>
    <name>lumetra::TPropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>Conformidad</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>Guardar fotometría como...</translation>
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
        <source>Text Encoding</source>
        <translation>Codificación del texto</translation>
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
