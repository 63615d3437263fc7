<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Lumetra version %1</source>
        <translation>Lumetra 版本 %1</translation>
    </message>
    <message>
        <source>Improved quality of rendering, fix bug with symmetrical goniograms, add small feature:</source>
        <translation>提高了渲染质量，修正了对称配光曲线的错误，新增小功能：</translation>
    </message>
    <message>
        <source>automatic update, fit screen the goniogram, show frontal and orthogonal Gonio diagrams</source>
        <translation>自动更新、配光曲线适应窗口、同时显示正面和正交</translation>
    </message>
    <message>
        <source>at the same time.</source>
        <translation>配光曲线。</translation>
    </message>
    <message>
        <source>CTRL+mouse wheel up/down - rotate diagram</source>
        <translation>Ctrl+鼠标滚轮上/下 - 旋转图表</translation>
    </message>
    <message>
        <source>Mouse wheel click - fit diagram</source>
        <translation>单击鼠标滚轮 - 图表适应窗口</translation>
    </message>
    <message>
        <source>Lumetra is free software built with Qt 6.</source>
        <translation>Lumetra 是基于 Qt 6 构建的自由软件。</translation>
    </message>
    <message>
        <source>Photometric data: IESNA LM-63 files.</source>
        <translation>光度数据：IESNA LM-63 文件。</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>目录编号</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>灯具</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Luminous flux (lm)</source>
        <translation>光通量 (lm)</translation>
    </message>
    <message>
        <source>Lamp flux (lm)</source>
        <translation>光源光通量 (lm)</translation>
    </message>
    <message>
        <source>Light output ratio (%)</source>
        <translation>灯具效率 (%)</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>输入功率 (W)</translation>
    </message>
    <message>
        <source>Efficacy (lm/W)</source>
        <translation>光效 (lm/W)</translation>
    </message>
    <message>
        <source>Maximum intensity (cd)</source>
        <translation>最大光强 (cd)</translation>
    </message>
    <message>
        <source>Beam (°)</source>
        <translation>光束角 (°)</translation>
    </message>
    <message>
        <source>Beam C0-C180 (°)</source>
        <translation>光束角 C0-C180 (°)</translation>
    </message>
    <message>
        <source>Beam C90-C270 (°)</source>
        <translation>光束角 C90-C270 (°)</translation>
    </message>
    <message>
        <source>Field (°)</source>
        <translation>场角 (°)</translation>
    </message>
    <message>
        <source>Field C0-C180 (°)</source>
        <translation>场角 C0-C180 (°)</translation>
    </message>
    <message>
        <source>Field C90-C270 (°)</source>
        <translation>场角 C90-C270 (°)</translation>
    </message>
    <message>
        <source>Downward flux (%)</source>
        <translation>向下光通量 (%)</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>对称性</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>光度类型</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG 评级</translation>
    </message>
    <message>
        <source>Max. luminance at 65° (cd/m²)</source>
        <translation>65° 处最大亮度 (cd/m²)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Larger than 32 MB: not read for the catalogue</source>
        <translation>大于 32 MB：未为目录读取</translation>
    </message>
    <message>
        <source>Not enough memory to read the file</source>
        <translation>内存不足，无法读取文件</translation>
    </message>
    <message>
        <source>The file holds no photometric data</source>
        <translation>文件不含光度数据</translation>
    </message>
    <message>
        <source>Loads cleanly</source>
        <translation>正常加载</translation>
    </message>
    <message>
        <source>Reader&apos;s message: </source>
        <translation>读取消息：</translation>
    </message>
    <message>
        <source>Fails: </source>
        <translation>失败：</translation>
    </message>
    <message>
        <source>Unknown column</source>
        <translation>未知列</translation>
    </message>
    <message>
        <source>Expected a range such as 2500-3500, &lt;30 or &gt;120</source>
        <translation>应为范围，例如 2500-3500、&lt;30 或 &gt;120</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>%1: the viewer refuses the file</source>
        <translation>%1：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>The intensities give a light output ratio of %1, the file states %2: they differ by more than %3 of the stated value</source>
        <translation>光强得出的灯具效率为 %1，文件标明 %2：两者之差超过标明值的 %3</translation>
    </message>
    <message>
        <source>The file has more than %1 lines, more than the viewer reads: it refuses the file</source>
        <translation>文件超过 %1 行，超出查看器的读取范围：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>A NUL byte ends the text here: the viewer ignores everything after it</source>
        <translation>此处的 NUL 字节结束了文本：查看器忽略其后的全部内容</translation>
    </message>
    <message>
        <source>Unknown version line %1: LM-63 writes IESNA:LM-63-1995, IESNA:LM-63-2002, IES:LM-63-2019 or IESNA91</source>
        <translation>未知的版本行 %1：LM-63 写作 IESNA:LM-63-1995、IESNA:LM-63-2002、IES:LM-63-2019 或 IESNA91</translation>
    </message>
    <message>
        <source>No version line: the header is read as LM-63-1986 free text</source>
        <translation>没有版本行：文件头按 LM-63-1986 自由文本读取</translation>
    </message>
    <message>
        <source>Keyword line %1 has no closing bracket</source>
        <translation>关键字行 %1 缺少右方括号</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case: the viewer shows it only as [%2]</source>
        <translation>关键字 %1 不是大写：查看器只显示 [%2]</translation>
    </message>
    <message>
        <source>Keyword %1 is not in upper case, as LM-63 keywords are</source>
        <translation>关键字 %1 不是大写，而 LM-63 关键字应为大写</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: the viewer shows it only as [%1]</source>
        <translation>关键字 %1 没有方括号：查看器只显示 [%1]</translation>
    </message>
    <message>
        <source>Keyword %1 is written without brackets: LM-63 writes [%1]</source>
        <translation>关键字 %1 没有方括号：LM-63 写作 [%1]</translation>
    </message>
    <message>
        <source>TILT=INCLUDE: the viewer skips the tilt block that follows and does not apply its tilt factors</source>
        <translation>TILT=INCLUDE：查看器跳过随后的倾斜数据块，不应用其倾斜系数</translation>
    </message>
    <message>
        <source>TILT value %1 is not exactly INCLUDE: the viewer expects no tilt block and reads what follows as the photometric numbers</source>
        <translation>TILT 值 %1 不完全是 INCLUDE：查看器不预期倾斜数据块，并将其后内容作为光度数值读取</translation>
    </message>
    <message>
        <source>The TILT line names no tilt file and is not TILT=NONE: the viewer shows the data without tilt factors</source>
        <translation>TILT 行未指定倾斜文件，也不是 TILT=NONE：查看器显示不含倾斜系数的数据</translation>
    </message>
    <message>
        <source>TILT names the tilt file %1, which the viewer does not read: it shows the data without tilt factors</source>
        <translation>TILT 指定了倾斜文件 %1，查看器不读取该文件：显示不含倾斜系数的数据</translation>
    </message>
    <message>
        <source>No TILT line: the viewer reads the whole file as numbers and finds no header</source>
        <translation>没有 TILT 行：查看器将整个文件作为数值读取，找不到文件头</translation>
    </message>
    <message>
        <source>the number of lamps</source>
        <translation>灯数</translation>
    </message>
    <message>
        <source>the lumens per lamp</source>
        <translation>每灯流明数</translation>
    </message>
    <message>
        <source>the candela multiplier</source>
        <translation>坎德拉乘数</translation>
    </message>
    <message>
        <source>the number of vertical angles</source>
        <translation>垂直角数量</translation>
    </message>
    <message>
        <source>the number of horizontal angles</source>
        <translation>水平角数量</translation>
    </message>
    <message>
        <source>the photometric type</source>
        <translation>光度类型</translation>
    </message>
    <message>
        <source>the units type</source>
        <translation>单位类型</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>the ballast factor</source>
        <translation>镇流器系数</translation>
    </message>
    <message>
        <source>the ballast-lamp photometric factor</source>
        <translation>镇流器-灯光度系数</translation>
    </message>
    <message>
        <source>the input watts</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2)</source>
        <translation>记号 %1 不是数字（应为：%2）</translation>
    </message>
    <message>
        <source>Token %1 is not a number (expected %2); a tab does not separate numbers (lumetra-cli convert --lenient reads it as a blank and writes the file out clean)</source>
        <translation>记号 %1 不是数字（应为：%2）；制表符不能分隔数字（lumetra-cli convert --lenient 将其读作空格并写出整洁的文件）</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (for photometric types A and B: one plane; 0 to 90; -90 to 90)</source>
        <translation>水平角从 %1 到 %2，不属于任何 LM-63 形式（光度类型 A 和 B：单平面；0 至 90；-90 至 90）</translation>
    </message>
    <message>
        <source>The horizontal angles run from %1 to %2, none of the LM-63 forms (one plane; 0 to 90; 0 to 180; 90 to 270; 0 to 360)</source>
        <translation>水平角从 %1 到 %2，不属于任何 LM-63 形式（单平面；0 至 90；0 至 180；90 至 270；0 至 360）</translation>
    </message>
    <message>
        <source>vertical angles</source>
        <translation>垂直角</translation>
    </message>
    <message>
        <source>horizontal angles</source>
        <translation>水平角</translation>
    </message>
    <message>
        <source>the lamp-to-luminaire geometry</source>
        <translation>灯与灯具的几何关系</translation>
    </message>
    <message>
        <source>the number of tilt angles</source>
        <translation>倾斜角数量</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block</source>
        <translation>文件在倾斜数据块内结束</translation>
    </message>
    <message>
        <source>The number of tilt angles, %1, is not a whole number from 0 up</source>
        <translation>倾斜角数量 %1 不是大于等于 0 的整数</translation>
    </message>
    <message>
        <source>a tilt angle</source>
        <translation>倾斜角</translation>
    </message>
    <message>
        <source>a tilt factor</source>
        <translation>倾斜系数</translation>
    </message>
    <message>
        <source>The file ends inside the tilt block, after %1 of its %2 angles and factors</source>
        <translation>文件在倾斜数据块内结束，%2 个角度和系数中只有 %1 个</translation>
    </message>
    <message>
        <source>The file ends after %1 of the 13 numbers that lead the photometric data</source>
        <translation>文件在光度数据前的 13 个数字中的第 %1 个之后结束</translation>
    </message>
    <message>
        <source>The number of %1, %2, is out of range: the viewer refuses the file</source>
        <translation>%1 的数量 %2 超出范围：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>The file declares no %1: the viewer has nothing to show</source>
        <translation>文件未声明任何%1：查看器无可显示</translation>
    </message>
    <message>
        <source>The number of %1, %2, is not a whole number from 1 to 65535: the viewer reads it as %3</source>
        <translation>%1 的数量 %2 不是 1 到 65535 之间的整数：查看器将其读作 %3</translation>
    </message>
    <message>
        <source>The units type, %1, is out of range: the viewer refuses the file</source>
        <translation>单位类型 %1 超出范围：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 = %3 candela values, more than the viewer supports (%4): it refuses the file</source>
        <translation>文件声明了 %1 x %2 = %3 个坎德拉值，超过查看器支持的数量（%4）：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>a vertical angle</source>
        <translation>垂直角</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 vertical angles</source>
        <translation>文件在 %2 个垂直角中的第 %1 个之后结束</translation>
    </message>
    <message>
        <source>The first vertical angle is %1, not 0, 90 or -90 as LM-63 requires</source>
        <translation>第一个垂直角为 %1，而不是 LM-63 要求的 0、90 或 -90</translation>
    </message>
    <message>
        <source>Vertical angle %1 is not above the angle before it (%2): the light pattern cannot be rendered across equal or descending angles</source>
        <translation>垂直角 %1 不大于前一个角（%2）：相等或递减的角度无法渲染光斑</translation>
    </message>
    <message>
        <source>a horizontal angle</source>
        <translation>水平角</translation>
    </message>
    <message>
        <source>The file ends after %1 of its %2 horizontal angles</source>
        <translation>文件在 %2 个水平角中的第 %1 个之后结束</translation>
    </message>
    <message>
        <source>Horizontal angle %1 is not above the angle before it (%2): the horizontal angles are none of the LM-63 forms</source>
        <translation>水平角 %1 不大于前一个角（%2）：水平角不属于任何 LM-63 形式</translation>
    </message>
    <message>
        <source>The file ends after %1 of the %2 candela values that its counts declare (%3 x %4)</source>
        <translation>文件在其声明的 %2 个坎德拉值（%3 x %4）中的第 %1 个之后结束</translation>
    </message>
    <message>
        <source>a candela value</source>
        <translation>坎德拉值</translation>
    </message>
    <message>
        <source>Negative candela value %1</source>
        <translation>负的坎德拉值 %1</translation>
    </message>
    <message>
        <source>No candela value is above 0: the goniogram has no scale to draw on</source>
        <translation>没有大于 0 的坎德拉值：配光图无刻度可画</translation>
    </message>
    <message>
        <source>The file holds 1 token more than its counts declare (%1): the viewer ignores it</source>
        <translation>文件比其声明的数量多 1 个记号（%1）：查看器忽略它</translation>
    </message>
    <message>
        <source>The file holds %2 tokens more than its counts declare, from %1 on: the viewer ignores them</source>
        <translation>文件比其声明的数量多 %2 个记号，从 %1 开始：查看器忽略它们</translation>
    </message>
    <message>
        <source>Nothing follows the TILT line: the viewer cannot read the file</source>
        <translation>TILT 行之后没有内容：查看器无法读取该文件</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the viewer reads (%2): it refuses the file</source>
        <translation>文件有 %1 字节，超过查看器的读取上限（%2）：查看器拒绝该文件</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>And 1 more token that is not a number from here on</source>
        <translation>从此处起还有 1 个不是数字的记号</translation>
    </message>
    <message>
        <source>And %1 more tokens that are not numbers from here on</source>
        <translation>从此处起还有 %1 个不是数字的记号</translation>
    </message>
    <message>
        <source>And 1 more vertical angle that is not above the one before from here on</source>
        <translation>从此处起还有 1 个不大于前一个角的垂直角</translation>
    </message>
    <message>
        <source>And %1 more vertical angles that are not above the one before from here on</source>
        <translation>从此处起还有 %1 个不大于前一个角的垂直角</translation>
    </message>
    <message>
        <source>And 1 more negative candela value from here on</source>
        <translation>从此处起还有 1 个负的坎德拉值</translation>
    </message>
    <message>
        <source>And %1 more negative candela values from here on</source>
        <translation>从此处起还有 %1 个负的坎德拉值</translation>
    </message>
    <message>
        <source>And 1 more keyword line of a form the viewer cannot show from here on</source>
        <translation>从此处起还有 1 个查看器无法显示其形式的关键字行</translation>
    </message>
    <message>
        <source>And %1 more keyword lines of a form the viewer cannot show from here on</source>
        <translation>从此处起还有 %1 个查看器无法显示其形式的关键字行</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Viewer of photometric files: the goniogram and the light pattern.</source>
        <translation>光度文件查看器：配光曲线与光斑。</translation>
    </message>
    <message>
        <source>A file to load, selected in its folder, or a folder to browse.</source>
        <translation>要加载的文件（在其所在文件夹中选中），或要浏览的文件夹。</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Comparison</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Largest intensity difference, %1:</source>
        <translation>%1 最大光强差异:</translation>
    </message>
    <message>
        <source>Beyond the tolerance</source>
        <translation>超出容差</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3 (%4 against %5)</source>
        <translation>%1，位于 C %2，γ %3（%4 对比 %5）</translation>
    </message>
    <message>
        <source>%1 at H %2, V %3 (%4 against %5)</source>
        <translation>%1，位于 H %2，V %3（%4 对比 %5）</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated</source>
        <translation>在各文件角度的并集上插值</translation>
    </message>
    <message>
        <source>on the union of the files&apos; angles, interpolated, thinned evenly</source>
        <translation>在各文件角度的并集上插值，均匀抽稀</translation>
    </message>
    <message>
        <source>at the angles both files store</source>
        <translation>在两个文件共有的角度上</translation>
    </message>
    <message>
        <source>at the angles both files store, thinned evenly</source>
        <translation>在两个文件共有的角度上，均匀抽稀</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data.</source>
        <translation>未比较光强：各文件的光度类型不同或不含数据。</translation>
    </message>
    <message>
        <source>Intensities not compared: the files differ in photometric type or hold no data. Per kilolumen, every file needs a lamp or luminaire flux.</source>
        <translation>未比较光强：各文件的光度类型不同或不含数据。按每千流明比较时，每个文件都需要光源或灯具光通量。</translation>
    </message>
</context>
<context>
    <name>Compliance</name>
    <message>
        <source>needs type C photometry</source>
        <translation>需要 C 型光度数据</translation>
    </message>
    <message>
        <source>the file holds no photometric data</source>
        <translation>文件不含光度数据</translation>
    </message>
    <message>
        <source>the intensities give no finite flux</source>
        <translation>光强无法得出有限的光通量</translation>
    </message>
    <message>
        <source>the luminous opening is a point</source>
        <translation>发光面是一个点</translation>
    </message>
    <message>
        <source>the luminous opening&apos;s dimensions give no known shape</source>
        <translation>发光面的尺寸不对应任何已知形状</translation>
    </message>
    <message>
        <source>the luminous area has length 0</source>
        <translation>发光面的长度为 0</translation>
    </message>
    <message>
        <source>the luminous opening shows no area at these angles</source>
        <translation>在这些角度下发光面没有可见面积</translation>
    </message>
    <message>
        <source>no uplight data: the file stops below gamma 180 with light at its last angle, so light above it is counted as 0 and the uplight rating may be too low</source>
        <translation>无上射光数据：文件在 gamma 180 以下结束，且最后一个角度处仍有光，因此其上方的光计为 0，上射光评级可能偏低</translation>
    </message>
    <message>
        <source>quadrilateral-symmetric</source>
        <translation>四象限对称</translation>
    </message>
    <message>
        <source>asymmetric</source>
        <translation>非对称</translation>
    </message>
    <message>
        <source>front low, 0-30°</source>
        <translation>前方低，0-30°</translation>
    </message>
    <message>
        <source>front medium, 30-60°</source>
        <translation>前方中，30-60°</translation>
    </message>
    <message>
        <source>front high, 60-80°</source>
        <translation>前方高，60-80°</translation>
    </message>
    <message>
        <source>front very high, 80-90°</source>
        <translation>前方很高，80-90°</translation>
    </message>
    <message>
        <source>back low, 0-30°</source>
        <translation>后方低，0-30°</translation>
    </message>
    <message>
        <source>back medium, 30-60°</source>
        <translation>后方中，30-60°</translation>
    </message>
    <message>
        <source>back high, 60-80°</source>
        <translation>后方高，60-80°</translation>
    </message>
    <message>
        <source>back very high, 80-90°</source>
        <translation>后方很高，80-90°</translation>
    </message>
    <message>
        <source>uplight low, 90-100°</source>
        <translation>上射光低，90-100°</translation>
    </message>
    <message>
        <source>uplight high, 100-180°</source>
        <translation>上射光高，100-180°</translation>
    </message>
    <message>
        <source>BUG zone %1 (%2)</source>
        <translation>BUG 区域 %1（%2）</translation>
    </message>
    <message>
        <source>BUG forward light</source>
        <translation>BUG 前向光</translation>
    </message>
    <message>
        <source>BUG back light</source>
        <translation>BUG 后向光</translation>
    </message>
    <message>
        <source>BUG uplight</source>
        <translation>BUG 上射光</translation>
    </message>
    <message>
        <source>BUG total</source>
        <translation>BUG 合计</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG 等级</translation>
    </message>
    <message>
        <source>BUG front centre</source>
        <translation>BUG 前方中心</translation>
    </message>
    <message>
        <source>BUG glare table</source>
        <translation>BUG 眩光表</translation>
    </message>
    <message>
        <source>BUG G by the asymmetric table</source>
        <translation>按非对称表的 BUG G</translation>
    </message>
    <message>
        <source>BUG G by the symmetric table</source>
        <translation>按对称表的 BUG G</translation>
    </message>
    <message>
        <source>BUG uplight data</source>
        <translation>BUG 上射光数据</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>完整</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>发光面</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>最大亮度</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>Save Data Sheet As</source>
        <translation>数据表另存为</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Catalogue number</source>
        <translation>目录编号</translation>
    </message>
    <message>
        <source>Luminaire</source>
        <translation>灯具</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>Polar diagram, %1</source>
        <translation>极坐标图，%1</translation>
    </message>
    <message>
        <source>Cartesian diagram, %1</source>
        <translation>直角坐标图，%1</translation>
    </message>
    <message>
        <source>Light pattern: the file holds no intensities to render</source>
        <translation>光斑：文件中没有可渲染的光强</translation>
    </message>
    <message>
        <source>Light pattern not rendered: %1</source>
        <translation>未渲染光斑：%1</translation>
    </message>
    <message>
        <source>Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4</source>
        <translation>%1 处的光斑，与渲染窗口所示相同：亮度 %2，缩放 %3，辐射度 %4</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Photometric summary</source>
        <translation>光度摘要</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Zonal flux</source>
        <translation>分区光通量</translation>
    </message>
    <message>
        <source>Zone (γ)</source>
        <translation>区域 (γ)</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>光通量</translation>
    </message>
    <message>
        <source>% of luminaire</source>
        <translation>占灯具 %</translation>
    </message>
    <message>
        <source>% of lamps</source>
        <translation>占光源 %</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>发光面</translation>
    </message>
    <message>
        <source>Luminaire (EULUMDAT)</source>
        <translation>灯具 (EULUMDAT)</translation>
    </message>
    <message>
        <source>Compliance</source>
        <translation>合规性</translation>
    </message>
    <message>
        <source>BUG rating</source>
        <translation>BUG 等级</translation>
    </message>
    <message>
        <source>Street side</source>
        <translation>街道侧</translation>
    </message>
    <message>
        <source>Forward light (FL-FVH)</source>
        <translation>前向光 (FL-FVH)</translation>
    </message>
    <message>
        <source>Back light (BL-BVH)</source>
        <translation>后向光 (BL-BVH)</translation>
    </message>
    <message>
        <source>Uplight (UL, UH)</source>
        <translation>上射光 (UL, UH)</translation>
    </message>
    <message>
        <source>Zone lumens</source>
        <translation>分区流明</translation>
    </message>
    <message>
        <source>BUG note</source>
        <translation>BUG 注释</translation>
    </message>
    <message>
        <source>Maximum luminance (γ 45-85°)</source>
        <translation>最大亮度 (γ 45-85°)</translation>
    </message>
    <message>
        <source>%1 at C %2, γ %3</source>
        <translation>%1，位于 C %2、γ %3</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>The file holds no photometric data.</source>
        <translation>文件中没有光度数据。</translation>
    </message>
    <message>
        <source>Source: %1, modified %2</source>
        <translation>来源：%1，修改于 %2</translation>
    </message>
    <message>
        <source>Sheet of %1, %2</source>
        <translation>数据表生成于 %1，%2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1（续）</translation>
    </message>
    <message>
        <source>Data sheet of %1</source>
        <translation>%1 的数据表</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>Test: </source>
        <translation>测试报告: </translation>
    </message>
    <message>
        <source>Manufacturer: </source>
        <translation>制造商: </translation>
    </message>
    <message>
        <source>Luminaire catalog: </source>
        <translation>灯具目录编号: </translation>
    </message>
    <message>
        <source>Lamp:</source>
        <translation>光源:</translation>
    </message>
    <message>
        <source>Lamp catalog: </source>
        <translation>光源目录编号: </translation>
    </message>
</context>
<context>
    <name>EulumdatReader</name>
    <message>
        <source>Line %1 of the EULUMDAT file: %2</source>
        <translation>EULUMDAT 文件第 %1 行：%2</translation>
    </message>
    <message>
        <source>company identification</source>
        <translation>公司标识</translation>
    </message>
    <message>
        <source>type indicator Ityp</source>
        <translation>类型指示 Ityp</translation>
    </message>
    <message>
        <source>symmetry indicator Isym</source>
        <translation>对称指示 Isym</translation>
    </message>
    <message>
        <source>number of C-planes Mc</source>
        <translation>C 平面数 Mc</translation>
    </message>
    <message>
        <source>distance between C-planes Dc</source>
        <translation>C 平面间隔 Dc</translation>
    </message>
    <message>
        <source>number of intensities per C-plane Ng</source>
        <translation>每个 C 平面的光强数 Ng</translation>
    </message>
    <message>
        <source>the file declares %1 luminous intensities, more than the viewer supports (%2)</source>
        <translation>文件声明了 %1 个光强值，超过查看器支持的数量（%2）</translation>
    </message>
    <message>
        <source>distance between intensities Dg</source>
        <translation>光强间隔 Dg</translation>
    </message>
    <message>
        <source>measurement report number</source>
        <translation>测量报告编号</translation>
    </message>
    <message>
        <source>luminaire name</source>
        <translation>灯具名称</translation>
    </message>
    <message>
        <source>luminaire number</source>
        <translation>灯具编号</translation>
    </message>
    <message>
        <source>file name and date/user</source>
        <translation>文件名和日期/用户</translation>
    </message>
    <message>
        <source>luminaire dimensions</source>
        <translation>灯具尺寸</translation>
    </message>
    <message>
        <source>length of the luminous area</source>
        <translation>发光面长度</translation>
    </message>
    <message>
        <source>width of the luminous area</source>
        <translation>发光面宽度</translation>
    </message>
    <message>
        <source>height of the luminous area</source>
        <translation>发光面高度</translation>
    </message>
    <message>
        <source>downward flux fraction DFF</source>
        <translation>下射光通比 DFF</translation>
    </message>
    <message>
        <source>light output ratio LORL</source>
        <translation>灯具效率 LORL</translation>
    </message>
    <message>
        <source>conversion factor for intensities</source>
        <translation>光强换算系数</translation>
    </message>
    <message>
        <source>tilt of the luminaire</source>
        <translation>灯具倾角</translation>
    </message>
    <message>
        <source>number of lamp sets n</source>
        <translation>光源组数 n</translation>
    </message>
    <message>
        <source>number of lamps</source>
        <translation>灯数</translation>
    </message>
    <message>
        <source>lamp type</source>
        <translation>光源类型</translation>
    </message>
    <message>
        <source>total luminous flux of the lamps</source>
        <translation>光源总光通量</translation>
    </message>
    <message>
        <source>colour temperature and colour rendering</source>
        <translation>色温和显色性</translation>
    </message>
    <message>
        <source>wattage</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>direct ratios</source>
        <translation>直射比</translation>
    </message>
    <message>
        <source>luminous intensities that symmetry %1 needs (%2 planes of %3)</source>
        <translation>个对称 %1 所需的光强值（%2 个平面，每个 %3 个）</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>光强</translation>
    </message>
    <message>
        <source>luminous intensities</source>
        <translation>光强</translation>
    </message>
    <message>
        <source>C-angle</source>
        <translation>C 角</translation>
    </message>
    <message>
        <source>C-angles</source>
        <translation>C 角</translation>
    </message>
    <message>
        <source>gamma angle</source>
        <translation>γ 角</translation>
    </message>
    <message>
        <source>gamma angles</source>
        <translation>γ 角</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1过大（%2）</translation>
    </message>
    <message>
        <source>the sum over the lamp sets</source>
        <translation>各光源组之和</translation>
    </message>
    <message>
        <source>the intensity in cd</source>
        <translation>以 cd 计的光强</translation>
    </message>
    <message>
        <source>the factor to candela</source>
        <translation>换算为坎德拉的系数</translation>
    </message>
    <message>
        <source>the flux per lamp</source>
        <translation>每灯光通量</translation>
    </message>
    <message>
        <source>the file ends where the %1 should be</source>
        <translation>文件在应为“%1”的位置结束</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>“%1”为空</translation>
    </message>
    <message>
        <source>the %1 is not a number: %2</source>
        <translation>“%1”不是数字：%2</translation>
    </message>
    <message>
        <source>the %1 must be a whole number from %2 to %3, not %4</source>
        <translation>“%1”必须是 %2 到 %3 之间的整数，而不是 %4</translation>
    </message>
    <message>
        <source>the file ends after %1 of the %2 %3</source>
        <translation>文件在 %2 %3中的第 %1 个之后结束</translation>
    </message>
</context>
<context>
    <name>ExportDialogs</name>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H):</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>n/a</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Cannot open folder %1: %2</source>
        <translation>无法打开文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>Cannot show %1: the file list shows photometric files only</source>
        <translation>无法显示 %1：文件列表只显示光度文件</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>Cannot open a file without a name</source>
        <translation>无法打开没有名称的文件</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>无法打开文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot open %1: not a file or folder</source>
        <translation>无法打开 %1：既不是文件也不是文件夹</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
</context>
<context>
    <name>Goniogram</name>
    <message>
        <source>outside the stored angles (%1 to %2)</source>
        <translation>超出存储的角度范围（%1 至 %2）</translation>
    </message>
    <message>
        <source>Maximum Intensity =%1</source>
        <translation>最大光强 =%1</translation>
    </message>
    <message>
        <source>Degrees=%1</source>
        <translation>角度=%1</translation>
    </message>
</context>
<context>
    <name>IesReader</name>
    <message>
        <source>The %1 of the file is out of range</source>
        <translation>文件的%1超出范围</translation>
    </message>
    <message>
        <source>Error!<byte value="xd"/><byte value="xd"/>Line %1</source>
        <translation>错误！<byte value="xd"/><byte value="xd"/>第 %1 行</translation>
    </message>
    <message>
        <source>vertical angle count</source>
        <translation>垂直角数量</translation>
    </message>
    <message>
        <source>horizontal angle count</source>
        <translation>水平角数量</translation>
    </message>
    <message>
        <source>units type</source>
        <translation>单位类型</translation>
    </message>
    <message>
        <source>The file declares %1 x %2 candela values, more than the viewer supports (%3)</source>
        <translation>文件声明了 %1 x %2 个坎德拉值，超过查看器支持的数量（%3）</translation>
    </message>
    <message>
        <source>List index out of bounds (0)</source>
        <translation>列表索引越界 (0)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>System units</source>
        <translation>系统单位</translation>
    </message>
    <message>
        <source>Metric (m, lx)</source>
        <translation>公制 (m, lx)</translation>
    </message>
    <message>
        <source>Imperial (ft, fc)</source>
        <translation>英制 (ft, fc)</translation>
    </message>
    <message>
        <source>The new choice takes effect the next time Lumetra starts.</source>
        <translation>新的选择将在下次启动 Lumetra 时生效。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
</context>
<context>
    <name>Loading</name>
    <message>
        <source>File %1 is too large to be an %2 file (%3 bytes)</source>
        <translation>文件 %1 过大，不可能是 %2 文件（%3 字节）</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>File %1 has too many lines to be an %2 file (more than %3)</source>
        <translation>文件 %1 行数过多，不可能是 %2 文件（超过 %3 行）</translation>
    </message>
</context>
<context>
    <name>OtherFormat</name>
    <message>
        <source>The file holds IES (LM-63) text although its name ends in .ldt</source>
        <translation>文件名以 .ldt 结尾，但文件内容是 IES (LM-63) 文本</translation>
    </message>
    <message>
        <source>The file holds EULUMDAT data although its name does not end in .ldt</source>
        <translation>文件名不以 .ldt 结尾，但文件内容是 EULUMDAT 数据</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Direct ratios</source>
        <translation>直射比</translation>
    </message>
    <message>
        <source>Luminaire dimensions</source>
        <translation>灯具尺寸</translation>
    </message>
    <message>
        <source>Luminous area</source>
        <translation>发光面</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Rectangular with luminous sides</source>
        <translation>带发光侧面的矩形</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>椭圆</translation>
    </message>
    <message>
        <source>Vertical cylinder</source>
        <translation>竖直圆柱</translation>
    </message>
    <message>
        <source>Vertical ellipsoidal cylinder</source>
        <translation>竖直椭圆柱</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>球体</translation>
    </message>
    <message>
        <source>Ellipsoidal spheroid</source>
        <translation>椭球体</translation>
    </message>
    <message>
        <source>Horizontal cylinder along photometric horizontal</source>
        <translation>沿光度水平方向的水平圆柱</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder along photometric horizontal</source>
        <translation>沿光度水平方向的水平椭圆柱</translation>
    </message>
    <message>
        <source>Horizontal cylinder perpendicular to photometric horizontal</source>
        <translation>垂直于光度水平方向的水平圆柱</translation>
    </message>
    <message>
        <source>Horizontal ellipsoidal cylinder perpendicular to photometric horizontal</source>
        <translation>垂直于光度水平方向的水平椭圆柱</translation>
    </message>
    <message>
        <source>Vertical circle facing photometric horizontal</source>
        <translation>朝向光度水平方向的竖直圆</translation>
    </message>
    <message>
        <source>Vertical ellipse facing photometric horizontal</source>
        <translation>朝向光度水平方向的竖直椭圆</translation>
    </message>
    <message>
        <source>Vertical circle facing perpendicular to photometric horizontal</source>
        <translation>朝向与光度水平方向垂直的竖直圆</translation>
    </message>
    <message>
        <source>Vertical ellipse facing perpendicular to photometric horizontal</source>
        <translation>朝向与光度水平方向垂直的竖直椭圆</translation>
    </message>
    <message>
        <source>Not an LM-63 shape</source>
        <translation>非 LM-63 形状</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Photometry As</source>
        <translation>光度数据另存为</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>Saved, but: %1</source>
        <translation>已保存，但：%1</translation>
    </message>
</context>
<context>
    <name>ReadingVerdict</name>
    <message>
        <source>not significant: the file did not read completely</source>
        <translation>无意义：文件未完整读取</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>第 %1 行：%2：%3</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2 and a new settings file has been written.</source>
        <translation>无法读取设置文件 %1。该文件已保留为 %2，并已写入新的设置文件。</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>unknown (summarised as C)</source>
        <translation>未知（按 C 汇总）</translation>
    </message>
    <message>
        <source>Lamps</source>
        <translation>光源</translation>
    </message>
    <message>
        <source>%1, absolute photometry</source>
        <translation>%1，绝对光度</translation>
    </message>
    <message>
        <source>Ballast factor</source>
        <translation>镇流器系数</translation>
    </message>
    <message>
        <source>Luminous opening</source>
        <translation>发光面</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>%1 at C %2, gamma %3</source>
        <translation>%1，位于 C %2、γ %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>%1 vertical × %2 horizontal</source>
        <translation>%1 个垂直 × %2 个水平</translation>
    </message>
    <message>
        <source>Candela multiplier</source>
        <translation>坎德拉乘数</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Photometric type</source>
        <translation>光度类型</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>对称性</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>光通量</translation>
    </message>
    <message>
        <source>Downward flux</source>
        <translation>下射光通量</translation>
    </message>
    <message>
        <source>Upward flux</source>
        <translation>上射光通量</translation>
    </message>
    <message>
        <source>Downward flux fraction</source>
        <translation>下射光通比</translation>
    </message>
    <message>
        <source>Zonal flux %1°</source>
        <translation>分区光通量 %1°</translation>
    </message>
    <message>
        <source>Lamp flux</source>
        <translation>光源光通量</translation>
    </message>
    <message>
        <source>Light output ratio</source>
        <translation>灯具效率</translation>
    </message>
    <message>
        <source>Input watts</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Efficacy</source>
        <translation>光效</translation>
    </message>
    <message>
        <source>Maximum intensity</source>
        <translation>最大光强</translation>
    </message>
    <message>
        <source>at C</source>
        <translation>位于 C</translation>
    </message>
    <message>
        <source>gamma</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>Beam angle</source>
        <translation>光束角</translation>
    </message>
    <message>
        <source>Field angle</source>
        <translation>视场角</translation>
    </message>
    <message>
        <source>Beam angle CIE</source>
        <translation>光束角 CIE</translation>
    </message>
    <message>
        <source>Field angle CIE</source>
        <translation>视场角 CIE</translation>
    </message>
    <message>
        <source>Stated light output ratio</source>
        <translation>标称灯具效率</translation>
    </message>
    <message>
        <source>Stated downward flux fraction</source>
        <translation>标称下射光通比</translation>
    </message>
    <message>
        <source>C of maximum intensity</source>
        <translation>最大光强的 C 角</translation>
    </message>
    <message>
        <source>Gamma of maximum intensity</source>
        <translation>最大光强的 γ 角</translation>
    </message>
</context>
<context>
    <name>Symmetry</name>
    <message>
        <source>quadrant</source>
        <translation>四象限对称</translation>
    </message>
    <message>
        <source>bilateral H0</source>
        <translation>双侧对称 H0</translation>
    </message>
    <message>
        <source>bilateral V0</source>
        <translation>双侧对称 V0</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无对称</translation>
    </message>
    <message>
        <source>axial</source>
        <translation>轴对称</translation>
    </message>
    <message>
        <source>bilateral C0-C180</source>
        <translation>双侧对称 C0-C180</translation>
    </message>
    <message>
        <source>bilateral C90-C270</source>
        <translation>双侧对称 C90-C270</translation>
    </message>
    <message>
        <source>irregular</source>
        <translation>不规则</translation>
    </message>
</context>
<context>
    <name>illuminance</name>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
</context>
<context>
    <name>lumetra-cli</name>
    <message>
        <source>Usage: lumetra-cli COMMAND [OPTIONS]</source>
        <translation>用法: lumetra-cli COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>A FILE whose name ends in .ldt (any letter case) is read as EULUMDAT, any other
as IES. Arguments that a command cannot use exit with status 2.</source>
        <translation>名称以 .ldt 结尾（不区分大小写）的 FILE 按 EULUMDAT 读取，其他文件按 IES 读取。
命令无法使用的参数会使程序以状态 2 退出。</translation>
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
        <translation>命令：
  info FILE
      像查看器一样加载 FILE，并输出一个 JSON 对象：LampLumens,
      CandelaMultiplier, VerticalCount, HorizontalCount, UnitsType,
      VerticalAngles, HorizontalAngles, Candela（逐个平面）, HeaderLines,
      Description, GlobalMaxCandela, ParseError 和 Message（读取消息，或
      null）。读取消息同时输出到 stderr；退出状态仍为 0。加载失败时在 stderr 上
      输出错误并以 1 退出。</translation>
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
      像主窗口一样在 S x S 的区域（默认 400）上绘制 FILE 的网格和配光曲线，并写
      为 PNG 或 SVG。--plane 选择 C 平面的索引（默认 0），--fit 按所绘平面缩放，
      --ortho 在平面 0 处添加正交平面对。
      退出状态：0 表示已写入，1 表示出错，2 表示用法错误，3 表示虽已写入，但读取
      时报告了有关该文件的消息（输出在 stderr 上）。</translation>
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
      像渲染窗口一样渲染光斑（默认：平面 0、明亮度 %3、缩放 %4、关闭辐射度），
      并将 300 x 300 的图片写为 8 位灰度 PNG。超出滑块范围的值会被限制在该范围
      内。
      退出状态同 gonio。</translation>
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
      检查 IES 和 EULUMDAT 文件中妨碍查看器读取或按预期显示的问题，并检查 IES 文
      件与 LM-63 的偏差。PATH 可以是文件，也可以是文件夹；文件夹连同其子文件夹一
      起搜索 *.ies 和 *.ldt（不区分大小写）。每条检查结果的输出格式为
      FILE:LINE: error|warning: MESSAGE（无检查结果的文件输出 FILE: ok），
      然后输出 &quot;N files, E errors, W warnings&quot;；--json 改为输出一个 JSON 对象：
      files（path, errors, warnings, 以及含 severity, line 和 message 的
      findings）、unreadable（路径）和 summary（files, errors, warnings）。
      文件在 N 个线程上检查（--jobs，1 到 256 的整数，默认：所有核心）；报告对任
      何 N 都相同。
      错误：不是数字的记号；数字少于计数声明的数量；计数不是 1 到 65535 的整数；
      垂直角不严格递增；网格超过 4194304 个值；没有 TILT 行或其后没有内容；查看
      器拒绝的文件（过大、行数过多）。
      警告：数字多于计数声明的数量（多余部分被忽略）；水平角不符合任何 LM-63 形
      式（单个平面、0-90、0-180、90-270、0-360；A 型和 B 型为 0-90、-90-90）；第
      一个垂直角不是 0、90 或 -90；坎德拉值为负，或没有大于 0 的值；TILT=INCLUDE
      或倾斜文件（不应用倾斜系数）；版本行缺失或未知；关键字为小写或没有方括号；
      NUL 字节（结束文本）。
      EULUMDAT 文件：妨碍查看器读取文件的第一个问题在其所在行报为错误；由光强计
      算出的灯具效率与标称值相差超过标称值的 5 % 时报为警告。
      内容明显属于另一种格式的文件（名为 .ies 的 EULUMDAT 数据、名为 .ldt 的 IES
      文本）在第 1 行报为错误并说明这一点。
      重复出现的检查结果列出十次，然后汇总。stderr 为终端时在其上输出进度行。退
      出状态：0 表示无错误，1 表示有错误，2 表示用法错误或路径不可读。</translation>
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
      输出 FILE 的光度摘要：光通量（总计、向下、向上、分区）、光源光通量、灯具效
      率、光效、最大光强、光束角（50 %）和场角（10 %）（分别以最大值为基准 (IES)
      和以中心为基准 (CIE)）、BUG 评级以及亮度表。数值按属性窗口的方式、以区域设
      置的数字格式输出；--json 输出一个全精度的 JSON 对象，未定义的值为 null（后
      两项位于键 BUG 和 Luminance 下）。无法加载或不含光度数据的文件以 1 退出。
      未完整读取的文件没有数值：读取消息及原因输出到 stderr（使用 --json 时每个
      数值均为 null，ParseError 为 true，Notes 为原因）；以 3 退出。</translation>
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
      输出 FILE 的 BUG 评级（背光、上射光、眩光；IES TM-15 及附录 A）：其十个区
      域中的流明数、各项评级以及所用的眩光表。对于 IES 文件，街道侧以 C0 为中
      心，对于 EULUMDAT 文件则以 C90 为中心；--front DEG 使其以另一个 C 平面为中
      心。A 型和 B 型需要 C 型光度数据，不予评级（JSON 中为 null）。退出状态同
      summary。</translation>
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
      将两到四个文件与第一个文件比较：并排列出每个文件的光度摘要及其与第一个文件
      的差异（绝对值和百分比），超过 5 %（角度为 2 度）时加以标记；然后列出每个
      文件的光强与第一个文件相差最大之处（数值、C、gamma；A 型和 B 型为 H 和
      V）：各文件角度相同时取存储的角度，否则通过摘要的插值在其角度的并集上比
      较。
      --unit cdklm 按每 1000 lm 光源光通量比较光强（绝对光度测量时按灯具光通
      量）。--json 输出一个 JSON 对象：Files、Summaries（每项与 summary --json
      的输出相同）、Differences（每个后续文件：File、含 Absolute, Percent 和
      BeyondTolerance 的 Figures、LargestIntensityDifference）以及所有文件中的
      LargestIntensityDifference（File, Value, First, Other, C, Gamma, Unit,
      SharedGrid, Thinned），类型不同时为 null。无法加载或不含数据的文件以 1 退
      出。</translation>
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
      在白色背景上写出 FILE 的带标注图表，并附有注明文件名的图注：最多四个平面的
      极坐标或直角坐标曲线（C 型：C 与 C+180 平面对，默认 0,90；A 型和 B 型：
      H = N 处的垂直线，或用 &quot;V5&quot; 表示 V = 5 处的水平线；默认 V0,0）、覆盖整个球
      面的等光强线，或从方位角 AZ 和仰角 EL（单位为度，默认 35,20）观察的带阴影
      配光立体图。--unit cdklm 给出每 1000 lm 光源光通量的 cd 值（绝对光度测量时
      为 cd，并附注说明）。--log：对数光强轴（cartesian）。--lit-half：仅显示有
      光的半空间（polar）。--step：角度标签之间的度数（默认 30）。--size：像素，
      每边 16 到 4096（默认 1000x800）；文字随之放大。</translation>
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
      逐点计算灯具下方 H 米（默认 3）地面上的照度，范围为以灯具正下方为中心、边
      长为 S（默认 10）的正方形，网格间距为 D（默认 0.5）；S / D 必须为整数。
      --wall 在沿 C0 方向 X 米处添加一面面向灯具的墙，从地面一直到高度 S。输出
      E max、E min、E average、均匀度 (min/avg) 以及最大值所在位置；--json 改为
      输出一个 JSON 对象（Height, Size, Step, N, X, Y, E（按 y 升序排列各行）,
      Max, Min, Avg, MinOverAvg, MaxAt，以及墙面的 Vertical）；-o 写出等照度图
      （PNG、SVG、PDF）或 CSV 格式的网格。A 型和 B 型文件会被拒绝：计算需要 C 型
      光度数据（使用 --json 时对象中为 null 值）。退出状态：0 表示完成，1 表示出
      错，2 表示用法错误。</translation>
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
      根据 OUT 的扩展名（不区分大小写）将 IN（IES 或 EULUMDAT）写为
      IES LM-63-2002（--ies-version 2019 为 LM-63-2019）或 EULUMDAT。FOLDER 连同
      其子文件夹转换到 OUTFOLDER 中，保留相对路径（--jobs N 个文件同时处理，默认
      为所有核心），在终端上显示进度行，并在最后输出摘要
      &quot;N written, M failed: reasons&quot;。
      --lumens L 缩放光强，使标称光源光通量为 L（绝对光度测量时使计算出的光通量
      为 L）；--multiply K 将光强乘以 K；--rotate 90|180|270 旋转 C 平面（C 变为
      C + 角度）。--lenient 将数字中的制表符读作空格，使查看器读作零的文件能被干
      净地写出。文件要么完整写出，要么完全不写；已有的输出仅在使用 --force 时替
      换，输入文件从不替换。目标格式无法容纳的内容会以注释说明。
      退出状态：0 表示所有文件均已写入，否则为 1，2 表示用法错误。</translation>
    </message>
    <message>
        <source>  --help
      Shows this text.</source>
        <translation>  --help
      显示此文本。</translation>
    </message>
    <message>
        <source>  --version
      Shows the version of lumetra-cli.</source>
        <translation>  --version
      显示 lumetra-cli 的版本。</translation>
    </message>
    <message>
        <source>Every command exits with 2 when its arguments are wrong, with the usage line on
stderr.
</source>
        <translation>参数错误时，每个命令都以 2 退出，并在 stderr 上输出用法行。
</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>未知命令“%1”。</translation>
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
      为报告写出 FILE 的 PDF 数据表：文件名、制造商、目录编号和灯具；C0-C180
      和 C90-C270 平面的极坐标和直角坐标曲线（EULUMDAT 文件为 cd/klm）；平面 0
      的光斑（明亮度 %3、缩放 %5、关闭辐射度）；光度摘要、分区光通量、发光
      面、EULUMDAT 文件的尺寸和光源组、BUG 评级以及最大亮度；页脚包含文件的修
      改日期、数据表的日期和程序版本。第一页放不下的内容放在第二页。
      区域设置使用美制单位时纸张为 Letter，否则为 A4。没有扩展名的名称会添加
      &quot;.pdf&quot;。--encoding 按 NAME（windows-1251、gbk、big5、shift_jis、euc-kr
      等）而非推测的编码读取文件头。对于未完整读取的文件，数据表在数值处注明
      这一点，退出状态为 3。
      使用 FOLDER 时，其下的每个 *.ies 和 *.ldt 文件在 OUTFOLDER 下的相同相对路
      径处生成数据表，扩展名为 .pdf；除非指定 --force，否则保留已有的数据表。
      在终端上显示进度行，然后输出 &quot;N written, M failed: reasons&quot;。每个数据表
      都已写入时退出状态为 0，有任何失败时为 1，否则有文件未完整读取时为 3。</translation>
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
      FOLDER（使用 --recursive 时包括其子文件夹）中的每个 *.ies 和 *.ldt 文件占
      一行，按文件名排序：文件、格式、制造商、目录编号、灯具、光源、光通量和光源
      光通量、灯具效率、输入功率、光效、最大光强、光束角和场角（较宽者及每个平面
      对）、向下光通量比例、对称性、光度类型、BUG 评级、65 度处的最大亮度以及状
      态（正常加载、读取消息或失败原因）。默认以制表符分隔；--csv 写出 CSV，列名
      中带单位；--json 写出对象数组，包含 File（相对于 FOLDER）、Status（clean,
      message, fails）、Message、描述字段以及 summary --json 的每个键。
      超过 32 MB 的文件列为失败，不予读取。文件在 N 个线程上读取（--jobs，默认：
      所有核心）；输出对任何 N 都相同。
      描述字段按为每个文件推测的编码读取，或使用 --encoding 指定的 NAME
      （windows-1251、gbk、big5、shift_jis 等）。
      -o 写出 FILE，仅在完整生成后才替换它。退出状态：0 表示已写入，1 表示文件夹
      无法读取或文件无法写入，2 表示用法错误。</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message>
        <source>* beyond the tolerance: %1 %, angles %2 degrees</source>
        <translation>* 超出容差: %1 %，角度 %2 度</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>%1 E max: %2 lx at (%3, %4) m</source>
        <translation>%1 E max: %2 lx，位于 (%3, %4) m</translation>
    </message>
    <message>
        <source>%1 E min: %2 lx</source>
        <translation>%1 E min: %2 lx</translation>
    </message>
    <message>
        <source>%1 E average: %2 lx</source>
        <translation>%1 E 平均: %2 lx</translation>
    </message>
    <message>
        <source>%1 Uniformity (min/avg): %2</source>
        <translation>%1 均匀度 (最小/平均): %2</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>地面</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>墙面</translation>
    </message>
    <message>
        <source>Writing sheets</source>
        <translation>正在写入数据表</translation>
    </message>
    <message>
        <source>%1 written, %2 failed</source>
        <translation>已写入 %1 个，失败 %2 个</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>正在检查</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>参数</translation>
    </message>
</context>
<context>
    <name>lumetra::CatalogueWindow</name>
    <message>
        <source>Catalogue</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Catalogue rows</source>
        <translation>目录行</translation>
    </message>
    <message>
        <source>Search manufacturer, luminaire, lamp, file...</source>
        <translation>搜索制造商、灯具、光源、文件...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Ranges, e.g. flux 2,500-3,500; beam &lt; 30; efficacy &gt; 120</source>
        <translation>范围，例如 flux 2500-3500; beam &lt; 30; efficacy &gt; 120</translation>
    </message>
    <message>
        <source>Columns: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down.
Ranges: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a; separate several with &quot;;&quot;.</source>
        <translation>列: flux, lampflux, lor, watts, efficacy, cd, beam, beam0, beam90, field, field0, field90, down
范围: a-b, &lt;a, &lt;=a, &gt;a, &gt;=a；多个范围用 &quot;;&quot; 分隔。</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>&amp;Subfolders</source>
        <translation>子文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>已读取文件</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Read the folder again (F5)</source>
        <translation>重新读取文件夹 (F5)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>比较(&amp;M)</translation>
    </message>
    <message>
        <source>Compare the two selected files</source>
        <translation>比较所选的两个文件</translation>
    </message>
    <message>
        <source>Catalogue - %1</source>
        <translation>目录 - %1</translation>
    </message>
    <message>
        <source>%1 of %2 files read, %3 shown</source>
        <translation>已读取 %1/%2 个文件，显示 %3 个</translation>
    </message>
    <message>
        <source>%1 files, %2 shown</source>
        <translation>%1 个文件，显示 %2 个</translation>
    </message>
    <message>
        <source>Save Catalogue As</source>
        <translation>目录另存为</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>lumetra::EncodingMenu</name>
    <message>
        <source>Text &amp;Encoding</source>
        <translation>文本编码(&amp;E)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>自动 (%1)</translation>
    </message>
</context>
<context>
    <name>lumetra::FileBrowserPanel</name>
    <message>
        <source>Catalogue...</source>
        <translation>目录...</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Current folder: %1</source>
        <translation>当前文件夹：%1</translation>
    </message>
    <message>
        <source>Photometric files in %1</source>
        <translation>%1 中的光度文件</translation>
    </message>
</context>
<context>
    <name>lumetra::GoniogramPanel</name>
    <message>
        <source>Save Photometry As...</source>
        <translation>光度数据另存为...</translation>
    </message>
    <message>
        <source>Goniogram</source>
        <translation>配光曲线</translation>
    </message>
    <message>
        <source>Save Goniogram As...</source>
        <translation>配光曲线另存为...</translation>
    </message>
    <message>
        <source>Copy Goniogram</source>
        <translation>复制配光曲线</translation>
    </message>
    <message>
        <source>Save Data Sheet As...</source>
        <translation>数据表另存为...</translation>
    </message>
    <message>
        <source>Goniogram Size</source>
        <translation>配光曲线尺寸</translation>
    </message>
    <message>
        <source>Save Goniogram As</source>
        <translation>配光曲线另存为</translation>
    </message>
    <message>
        <source>Goniogram of %1</source>
        <translation>%1 的配光曲线</translation>
    </message>
</context>
<context>
    <name>lumetra::PropertiesWindow</name>
    <message>
        <source>Compliance</source>
        <translation>合规性</translation>
    </message>
    <message>
        <source>Text Encoding</source>
        <translation>文本编码</translation>
    </message>
    <message>
        <source>The unit of the values shown, copied and saved</source>
        <translation>所显示、复制和保存的数值的单位</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Save Photometry As...</source>
        <translation>光度数据另存为...</translation>
    </message>
    <message>
        <source>Save Intensities As</source>
        <translation>光强另存为</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>No file loaded.</source>
        <translation>未加载文件。</translation>
    </message>
    <message>
        <source>No intensities.</source>
        <translation>无光强数据。</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>The reader reported: %1</source>
        <translation>读取时报告：%1</translation>
    </message>
    <message>
        <source>The Text tab shows the file shortened.</source>
        <translation>“文本”选项卡显示的是截短的文件。</translation>
    </message>
    <message>
        <source>The file&apos;s text cannot be shown: %1</source>
        <translation>无法显示文件的文本：%1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Intensities</source>
        <translation>光强</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <translation>单击打开 %1</translation>
    </message>
</context>
<context>
    <name>lumetra::TComplianceTab</name>
    <message>
        <source>BUG rating (IES TM-15-11, Addendum A)</source>
        <translation>BUG 评级 (IES TM-15-11, 附录 A)</translation>
    </message>
    <message>
        <source>Street side by the file&apos;s format (IES C0, EULUMDAT C90)</source>
        <translation>按文件格式确定街道侧 (IES C0, EULUMDAT C90)</translation>
    </message>
    <message>
        <source>Street side centred on C%1</source>
        <translation>街道侧以 C%1 为中心</translation>
    </message>
    <message>
        <source>&amp;Front:</source>
        <translation>前方(&amp;F):</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Lumens (lm)</source>
        <translation>流明 (lm)</translation>
    </message>
    <message>
        <source>Luminance (cd/m²)</source>
        <translation>亮度 (cd/m²)</translation>
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
        <translation>未加载文件</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>未评级</translation>
    </message>
    <message>
        <source>Front: %1. Glare by the %2 table (G%3 asymmetric, G%4 symmetric).</source>
        <translation>前方：%1。眩光按 %2 表评定（非对称 G%3，对称 G%4）。</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>注：%1。</translation>
    </message>
    <message>
        <source>Luminous opening: %1</source>
        <translation>发光面: %1</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Maximum luminance</source>
        <translation>最大亮度</translation>
    </message>
    <message>
        <source>BUG zones (IES TM-15-11, Addendum A)</source>
        <translation>BUG 分区 (IES TM-15-11, 附录 A)</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramView</name>
    <message>
        <source>No photometric file loaded</source>
        <translation>未加载光度文件</translation>
    </message>
</context>
<context>
    <name>lumetra::TDiagramsWindow</name>
    <message>
        <source>Diagrams</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation>直角坐标</translation>
    </message>
    <message>
        <source>Isocandela</source>
        <translation>等光强</translation>
    </message>
    <message>
        <source>Photometric solid</source>
        <translation>配光立体图</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>类型(&amp;K):</translation>
    </message>
    <message>
        <source>&amp;Planes:</source>
        <translation>平面(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;and:</source>
        <translation>和(&amp;A):</translation>
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
        <translation>单位(&amp;U):</translation>
    </message>
    <message>
        <source>Angle &amp;labels:</source>
        <translation>角度标签(&amp;L):</translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation>对数(&amp;O)</translation>
    </message>
    <message>
        <source>Lit &amp;half only</source>
        <translation>仅出光半侧(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Diagrams - %1</source>
        <translation>图表 - %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>cd/klm needs a lamp flux; this file gives none (absolute photometry), so intensities are in cd.</source>
        <translation>cd/klm 需要光源光通量；此文件未提供（绝对光度测量），因此光强以 cd 为单位。</translation>
    </message>
    <message>
        <source>Diagram Size</source>
        <translation>图表尺寸</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>导出图表</translation>
    </message>
</context>
<context>
    <name>lumetra::TIlluminanceWindow</name>
    <message>
        <source>Illuminance</source>
        <translation>照度</translation>
    </message>
    <message>
        <source>Metres and lux</source>
        <translation>米和勒克斯</translation>
    </message>
    <message>
        <source>Feet and foot-candles</source>
        <translation>英尺和英尺烛光</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>单位(&amp;U):</translation>
    </message>
    <message>
        <source>Mounting &amp;height:</source>
        <translation>安装高度(&amp;H):</translation>
    </message>
    <message>
        <source>Area &amp;size:</source>
        <translation>区域尺寸(&amp;S):</translation>
    </message>
    <message>
        <source>Grid s&amp;tep:</source>
        <translation>网格间距(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Wall along C0 at:</source>
        <translation>沿 C0 的墙面位置(&amp;W):</translation>
    </message>
    <message>
        <source>Save &amp;Picture As...</source>
        <translation>图片另存为(&amp;P)...</translation>
    </message>
    <message>
        <source>Save &amp;Grid as CSV...</source>
        <translation>网格另存为 CSV(&amp;G)...</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 at (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E average: %8 %3&lt;br&gt;Uniformity (min/avg): %9</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;E max: %2 %3 位于 (%4, %5) %6&lt;br&gt;E min: %7 %3&lt;br&gt;E 平均: %8 %3&lt;br&gt;均匀度 (最小/平均): %9</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>无</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>无文件</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>地面</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>墙面</translation>
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
        <translation>E 平均</translation>
    </message>
    <message>
        <source>Min/avg</source>
        <translation>最小/平均</translation>
    </message>
    <message>
        <source>Floor, %1 %2 below the luminaire</source>
        <translation>地面，灯具下方 %1 %2</translation>
    </message>
    <message>
        <source>luminaire</source>
        <translation>灯具</translation>
    </message>
    <message>
        <source>Wall at x = %1 %2, facing the luminaire</source>
        <translation>墙面位于 x = %1 %2，面向灯具</translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4 %5: %6 %7</source>
        <translation>%1 = %2, %3 = %4 %5: %6 %7</translation>
    </message>
    <message>
        <source>Illuminance of %1</source>
        <translation>%1 的照度</translation>
    </message>
    <message>
        <source>Save Illuminance Picture As</source>
        <translation>照度图片另存为</translation>
    </message>
    <message>
        <source>Save Illuminance Grid As</source>
        <translation>照度网格另存为</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
</context>
<context>
    <name>lumetra::TMainWindow</name>
    <message>
        <source>Diagrams...</source>
        <translation>图表...</translation>
    </message>
    <message>
        <source>Illuminance...</source>
        <translation>照度...</translation>
    </message>
    <message>
        <source>Rendering progress</source>
        <translation>渲染进度</translation>
    </message>
    <message>
        <source>Selects the C plane the goniogram shows</source>
        <translation>选择配光曲线显示的 C 平面</translation>
    </message>
    <message>
        <source>Degree:</source>
        <translation>角度:</translation>
    </message>
    <message>
        <source>Automatic update render</source>
        <translation>自动更新渲染</translation>
    </message>
    <message>
        <source>Fit goniogram</source>
        <translation>配光曲线适应窗口</translation>
    </message>
    <message>
        <source>Show orthogonal diagram</source>
        <translation>显示正交曲线</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>属性...</translation>
    </message>
    <message>
        <source>Please select file</source>
        <translation>请选择文件</translation>
    </message>
    <message>
        <source>Click!</source>
        <translation>点击!</translation>
    </message>
    <message>
        <source>axially symmetric</source>
        <translation>轴对称</translation>
    </message>
    <message>
        <source>&amp;Render</source>
        <translation>渲染(&amp;R)</translation>
    </message>
</context>
<context>
    <name>lumetra::TRenderWindow</name>
    <message>
        <source>Light pattern</source>
        <translation>光斑</translation>
    </message>
    <message>
        <source>No light pattern rendered yet</source>
        <translation>尚未渲染光斑</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明亮度</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation>明亮度: %1</translation>
    </message>
    <message>
        <source>Zoom: %1</source>
        <translation>缩放: %1</translation>
    </message>
    <message>
        <source>Reset brightness</source>
        <translation>重置明亮度</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明亮度:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>缩放:</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>重置缩放</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>图片另存为...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>图片尺寸</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>图片另存为</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Radiosity</source>
        <translation>辐射度(&amp;R)</translation>
    </message>
    <message>
        <source>Rendering time: %1.%2 sec</source>
        <translation>渲染时间：%1.%2 秒</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>渲染</translation>
    </message>
</context>
<context>
    <name>lumetra::TSavePhotometryDialog</name>
    <message>
        <source>Save Photometry As</source>
        <translation>光度数据另存为</translation>
    </message>
    <message>
        <source>-converted</source>
        <translation>-已转换</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
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
        <translation>缩放至光源光通量</translation>
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
        <translation>文件(&amp;F):</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>格式(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Multiply intensities by:</source>
        <translation>光强乘以(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Turn C-planes by:</source>
        <translation>C 平面旋转(&amp;T):</translation>
    </message>
</context>
<context>
    <name>lumetra::TZoneDiagram</name>
    <message>
        <source>BUG zone diagram</source>
        <translation>BUG 分区图</translation>
    </message>
    <message>
        <source>front →</source>
        <translation>前方 →</translation>
    </message>
    <message>
        <source>← back</source>
        <translation>← 后方</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::DiagramView</name>
    <message>
        <source>Polar diagram</source>
        <translation>极坐标图</translation>
    </message>
    <message>
        <source>Cartesian diagram</source>
        <translation>直角坐标图</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::PinnedFileDelegate</name>
    <message>
        <source> (pinned)</source>
        <translation> (已固定)</translation>
    </message>
</context>
<context>
    <name>lumetra::compare::TCompareWindow</name>
    <message>
        <source>Unpin from Comparison</source>
        <translation>从比较中取消固定</translation>
    </message>
    <message>
        <source>Compare with Selected</source>
        <translation>与所选项比较</translation>
    </message>
    <message>
        <source>Compare Window</source>
        <translation>比较窗口</translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>比较...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>&amp;Curves</source>
        <translation>曲线(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>数据(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Intensities</source>
        <translation>光强(&amp;I)</translation>
    </message>
    <message>
        <source>cd</source>
        <translation>cd</translation>
    </message>
    <message>
        <source>cd/klm (per 1,000 lm of lamp flux)</source>
        <translation>cd/klm (每 1000 lm 光源光通量)</translation>
    </message>
    <message>
        <source>Export &amp;Pictures...</source>
        <translation>导出图片(&amp;P)...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>平面(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>单位(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Against the first file:</source>
        <translation>相对于第一个文件(&amp;A):</translation>
    </message>
    <message>
        <source>Export Comparison Pictures</source>
        <translation>导出比较图片</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Export Comparison as PDF</source>
        <translation>将比较导出为 PDF</translation>
    </message>
    <message>
        <source> (pinned)</source>
        <translation> (已固定)</translation>
    </message>
    <message>
        <source>Pin a file with &lt;i&gt;Compare with Selected&lt;/i&gt; in the file list, then select another file to compare it with the pinned one.</source>
        <translation>在文件列表中用&lt;i&gt;与所选项比较&lt;/i&gt;固定一个文件，然后选择另一个文件，与固定的文件进行比较。</translation>
    </message>
    <message>
        <source>%1 − 1</source>
        <translation>%1 − 1</translation>
    </message>
    <message>
        <source>Largest difference, %1: %2</source>
        <translation>%1 最大差异: %2</translation>
    </message>
</context>
</TS>
