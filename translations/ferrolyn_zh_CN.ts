<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cable Assembly Configurator</source>
        <translation>电缆组件配置器</translation>
    </message>
    <message>
        <source>Configure and price RF coaxial cable assemblies</source>
        <translation>配置射频同轴电缆组件并报价</translation>
    </message>
    <message>
        <source>coaxial;cable;assembly;RF;quote;</source>
        <translation>同轴;电缆;组件;射频;报价;</translation>
    </message>
</context>
<context>
    <name>AsBuilt</name>
    <message>
        <source>Connector loss taken as %1 dB/√GHz for %2: no part data.</source>
        <translation>%2 无零件数据，连接器损耗按 %1 dB/√GHz 计。</translation>
    </message>
    <message>
        <source>Insertion loss as built (dB)</source>
        <translation>成品插入损耗（dB）</translation>
    </message>
    <message>
        <source>Maximum insertion loss in the band (dB)</source>
        <translation>频段内最大插入损耗（dB）</translation>
    </message>
    <message>
        <source>Maximum VSWR</source>
        <translation>最大驻波比</translation>
    </message>
    <message>
        <source>Minimum return loss (dB)</source>
        <translation>最小回波损耗（dB）</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>无源互调 (PIM)</translation>
    </message>
    <message>
        <source>Electrical length (m)</source>
        <translation>电长度（m）</translation>
    </message>
    <message>
        <source>Delay (ns)</source>
        <translation>时延（ns）</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>重量（kg）</translation>
    </message>
    <message>
        <source>Minimum bend radius (mm)</source>
        <translation>最小弯曲半径（mm）</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>Frequency (MHz)</source>
        <translation>频率（MHz）</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft)</source>
        <translation>衰减（dB/100 ft）</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m)</source>
        <translation>衰减（dB/100 m）</translation>
    </message>
    <message>
        <source>Cable Total Attenuation (dB)</source>
        <translation>电缆总衰减（dB）</translation>
    </message>
    <message>
        <source>Insertion Loss (dB)</source>
        <translation>插入损耗（dB）</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>效率（%）</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>平均功率（kW）</translation>
    </message>
    <message>
        <source>Figures at %1 MHz, the middle of %2–%3 MHz</source>
        <translation>%2–%3 MHz 频段中点 %1 MHz 处的数值</translation>
    </message>
</context>
<context>
    <name>BatchQuote</name>
    <message>
        <source>%1: %2 is not one of %3.</source>
        <translation>%1: %2 不是以下值之一：%3。</translation>
    </message>
    <message>
        <source>%1: %2 is not a number greater than 0 (such as 12 or 2.5).</source>
        <translation>%1: %2 不是大于 0 的数字（如 12 或 2.5）。</translation>
    </message>
    <message>
        <source>%1: %2 is above the largest value, %3.</source>
        <translation>%1: %2 超过最大值 %3。</translation>
    </message>
    <message>
        <source>the row has %1 cells, more than the %2 columns the first line names.</source>
        <translation>该行有 %1 个单元格，多于首行列出的 %2 列。</translation>
    </message>
    <message>
        <source>cable: there is no cable %1 in the catalog.</source>
        <translation>cable: 目录中没有电缆 %1。</translation>
    </message>
    <message>
        <source>cable: elliptical waveguide is offered for feeders only.</source>
        <translation>cable: 椭圆波导仅适用于馈线。</translation>
    </message>
    <message>
        <source>cable: %1 is not offered from %2 to %3 MHz.</source>
        <translation>cable: %1 不适用于 %2 至 %3 MHz。</translation>
    </message>
    <message>
        <source>attachment: Prenvo is offered for jumpers only.</source>
        <translation>attachment: Prenvo 仅适用于跳线。</translation>
    </message>
    <message>
        <source>attachment: this cable is not offered with Prenvo.</source>
        <translation>attachment: 此电缆不提供 Prenvo 选项。</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with plated connectors.</source>
        <translation>grade: 此电缆不提供镀层连接器。</translation>
    </message>
    <message>
        <source>grade: standard connectors are not offered with Prenvo.</source>
        <translation>grade: 采用 Prenvo 时不提供标准连接器。</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with standard connectors.</source>
        <translation>grade: 此电缆不提供标准连接器。</translation>
    </message>
    <message>
        <source>%1: %2 is not offered for these choices; the choices are: %3.</source>
        <translation>%1: %2 不适用于当前选择；可选项为：%3。</translation>
    </message>
    <message>
        <source>feeder_connectors: a jumper has both connectors.</source>
        <translation>feeder_connectors: 跳线两端均有连接器。</translation>
    </message>
    <message>
        <source>top: the feeder has no top connector (feeder_connectors).</source>
        <translation>top: 该馈线没有上端连接器（feeder_connectors）。</translation>
    </message>
    <message>
        <source>bottom: the feeder has no bottom connector (feeder_connectors).</source>
        <translation>bottom: 该馈线没有下端连接器（feeder_connectors）。</translation>
    </message>
    <message>
        <source>quantity: %1 is not a whole number from 1 to %2.</source>
        <translation>quantity: %1 不是 1 至 %2 之间的整数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (is it %2?)</source>
        <translation>“%1”（是否为 %2？）</translation>
    </message>
    <message>
        <source>The file has no column %1.%2 The first line must name the columns %3.</source>
        <translation>文件中没有 %1 列。%2首行必须列出这些列：%3。</translation>
    </message>
    <message>
        <source> It has the unknown column %1.</source>
        <translation> 文件中有未知列 %1。</translation>
    </message>
    <message>
        <source>The file has %1 rows; at most %2 assemblies can be quoted at once.</source>
        <translation>文件有 %1 行；一次最多可为 %2 个组件报价。</translation>
    </message>
    <message>
        <source>quantity: the order would hold %1 of %2, above the largest quantity, %3.</source>
        <translation>quantity: 订单中 %2 的数量将为 %1，超过最大数量 %3。</translation>
    </message>
    <message>
        <source>The unit price of %1 is above %2.</source>
        <translation>%1 的单价超过 %2。</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from 0 to %2 here)</source>
        <translation>“%1”不是有效的浮点数（此处应为 0 至 %2）</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Attenuation at %1 MHz (dB/100 ft)</source>
        <translation>%1 MHz 衰减（dB/100 ft）</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>料号</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Total Attenuation at %1 MHz (dB)</source>
        <translation>%1 MHz 总衰减（dB）</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>平均功率（kW）</translation>
    </message>
    <message>
        <source>Max Power (kW)</source>
        <translation>峰值功率（kW）</translation>
    </message>
    <message>
        <source>Price per %1 (%2)</source>
        <translation>价格（%2/%1）</translation>
    </message>
    <message>
        <source>no list price</source>
        <translation>无目录价</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: a row has more than %2 cells.</source>
        <translation>第 %1 行：某行的单元格超过 %2 个。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>该文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Line %1: a cell is longer than %2 bytes.</source>
        <translation>第 %1 行：某个单元格超过 %2 字节。</translation>
    </message>
    <message>
        <source>Line %1: the file has more than %2 rows.</source>
        <translation>第 %1 行：文件超过 %2 行。</translation>
    </message>
    <message>
        <source>Line %1: text after the closing quote of a field.</source>
        <translation>第 %1 行：字段的结束引号后还有文本。</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>第 %1 行：带引号的字段未闭合。</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>US Dollars (USD)</source>
        <translation>美元（USD）</translation>
    </message>
    <message>
        <source>South African Rand (ZAR)</source>
        <translation>南非兰特（ZAR）</translation>
    </message>
    <message>
        <source>Chinese Renminbi (RMB)</source>
        <translation>人民币（RMB）</translation>
    </message>
    <message>
        <source>Hong Kong Dollars (HKD)</source>
        <translation>港元（HKD）</translation>
    </message>
    <message>
        <source>Indian Rupees (INR)</source>
        <translation>印度卢比（INR）</translation>
    </message>
    <message>
        <source>Japanese Yen (JPY)</source>
        <translation>日元（JPY）</translation>
    </message>
    <message>
        <source>Korean Won (KRW)</source>
        <translation>韩元（KRW）</translation>
    </message>
    <message>
        <source>Philippino Pesos (PHP)</source>
        <translation>菲律宾比索（PHP）</translation>
    </message>
    <message>
        <source>Singapore Dollars (SGD)</source>
        <translation>新加坡元（SGD）</translation>
    </message>
    <message>
        <source>Taiwan Dollars (TWD)</source>
        <translation>新台币（TWD）</translation>
    </message>
    <message>
        <source>Austrian Schillings (ATS)</source>
        <translation>奥地利先令（ATS）</translation>
    </message>
    <message>
        <source>Belgian Francs (BEF)</source>
        <translation>比利时法郎（BEF）</translation>
    </message>
    <message>
        <source>Swiss Francs (CHF)</source>
        <translation>瑞士法郎（CHF）</translation>
    </message>
    <message>
        <source>German Deutch Marks (DEM)</source>
        <translation>德国马克（DEM）</translation>
    </message>
    <message>
        <source>Danish Krones (DKK)</source>
        <translation>丹麦克朗（DKK）</translation>
    </message>
    <message>
        <source>Spanish Pesetas (ESP)</source>
        <translation>西班牙比塞塔（ESP）</translation>
    </message>
    <message>
        <source>Euros (EUR)</source>
        <translation>欧元（EUR）</translation>
    </message>
    <message>
        <source>Finish Markkas (FIM)</source>
        <translation>芬兰马克（FIM）</translation>
    </message>
    <message>
        <source>French Franks (FRF)</source>
        <translation>法国法郎（FRF）</translation>
    </message>
    <message>
        <source>Pounds Sterling (GBP)</source>
        <translation>英镑（GBP）</translation>
    </message>
    <message>
        <source>Greek Drachmas (GRD)</source>
        <translation>希腊德拉克马（GRD）</translation>
    </message>
    <message>
        <source>Irish Punts (IEP)</source>
        <translation>爱尔兰镑（IEP）</translation>
    </message>
    <message>
        <source>Italian Lira (ITL)</source>
        <translation>意大利里拉（ITL）</translation>
    </message>
    <message>
        <source>Dutch Gilders (NLG)</source>
        <translation>荷兰盾（NLG）</translation>
    </message>
    <message>
        <source>Norwegian Krones (NOK)</source>
        <translation>挪威克朗（NOK）</translation>
    </message>
    <message>
        <source>Portugese Escudos (PTE)</source>
        <translation>葡萄牙埃斯库多（PTE）</translation>
    </message>
    <message>
        <source>Sweedish Krona (SEK)</source>
        <translation>瑞典克朗（SEK）</translation>
    </message>
    <message>
        <source>United Arib Emirates Dirhams (AED)</source>
        <translation>阿联酋迪拉姆（AED）</translation>
    </message>
    <message>
        <source>Saudi Riyal (SAR)</source>
        <translation>沙特里亚尔（SAR）</translation>
    </message>
    <message>
        <source>Canadian Dollars (CAD)</source>
        <translation>加拿大元（CAD）</translation>
    </message>
    <message>
        <source>Mexican Pesos (MXP)</source>
        <translation>墨西哥比索（MXP）</translation>
    </message>
    <message>
        <source>Australian Dollars (AUD)</source>
        <translation>澳大利亚元（AUD）</translation>
    </message>
    <message>
        <source>Indeonesian Rupiahs (IDR)</source>
        <translation>印尼盾（IDR）</translation>
    </message>
    <message>
        <source>New Zealand Dollars (NZD)</source>
        <translation>新西兰元（NZD）</translation>
    </message>
    <message>
        <source>Brazillian Real (BRL)</source>
        <translation>巴西雷亚尔（BRL）</translation>
    </message>
    <message>
        <source>Argentina Pesos (ARS)</source>
        <translation>阿根廷比索（ARS）</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>非洲</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>亚洲</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>中东</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>北美洲</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>大洋洲</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>南美洲</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>, line %1</source>
        <translation>，第 %1 行</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>以及另外 %1 项。</translation>
    </message>
</context>
<context>
    <name>Datasheet</name>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>衰减（dB/100 ft）：</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>衰减（dB/100 m）：</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>总衰减（dB）：</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>插入损耗（dB）：</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>效率（%）：</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>峰值功率（kW）：</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>平均功率（kW）：</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>未标明</translation>
    </message>
    <message>
        <source>Velocity factor:</source>
        <translation>速度因子：</translation>
    </message>
    <message>
        <source>Minimum bend radius, single (mm):</source>
        <translation>最小弯曲半径（单次，mm）：</translation>
    </message>
    <message>
        <source>Minimum bend radius, repeated (mm):</source>
        <translation>最小弯曲半径（反复，mm）：</translation>
    </message>
    <message>
        <source>Weight (kg):</source>
        <translation>重量（kg）：</translation>
    </message>
    <message>
        <source>Fire rating:</source>
        <translation>防火等级：</translation>
    </message>
    <message>
        <source>PIM:</source>
        <translation>无源互调 (PIM)：</translation>
    </message>
</context>
<context>
    <name>DatasheetPdf</name>
    <message>
        <source>Pricing date: %1</source>
        <translation>定价日期：%1</translation>
    </message>
    <message>
        <source>Performance at the middle of the band</source>
        <translation>频段中点性能</translation>
    </message>
    <message>
        <source>Mechanical data</source>
        <translation>机械参数</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>(no connector)</source>
        <translation>（无连接器）</translation>
    </message>
    <message>
        <source>Not to scale.</source>
        <translation>未按比例绘制。</translation>
    </message>
    <message>
        <source>Assembly as built</source>
        <translation>成品组件</translation>
    </message>
    <message>
        <source>Insertion loss as built and return-loss limit across the band</source>
        <translation>全频段成品插入损耗与回波损耗限值</translation>
    </message>
    <message>
        <source>Green: insertion loss as built (dB, left). Orange: return-loss limit (dB, right).</source>
        <translation>绿色：成品插入损耗（dB，左轴）。橙色：回波损耗限值（dB，右轴）。</translation>
    </message>
    <message>
        <source>Datasheet %1</source>
        <translation>数据表 %1</translation>
    </message>
    <message>
        <source>datasheet</source>
        <translation>数据表</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No picture</source>
        <translation>无图片</translation>
    </message>
    <message>
        <source>Saved as %1.
No application to open it was found on this computer.</source>
        <translation>已保存为 %1。
在此计算机上未找到可打开它的应用程序。</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>The server answered %1%2 instead of sending the file.</source>
        <translation>服务器返回 %1%2，未发送文件。</translation>
    </message>
    <message>
        <source>The server sent an empty file.</source>
        <translation>服务器发送了空文件。</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced.</source>
        <translation>服务器声明 %2 字节，但只发送了 %1 字节。</translation>
    </message>
    <message>
        <source>The download address is not valid.</source>
        <translation>下载地址无效。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Quick Update</source>
        <translation>快速更新</translation>
    </message>
    <message>
        <source>The download is larger than the limit of %1.</source>
        <translation>下载内容超过 %1 的上限。</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>下载已被用户取消。</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>服务器已有 %1 秒未发送任何数据。</translation>
    </message>
    <message>
        <source>No connection to the server: %1</source>
        <translation>无法连接到服务器：%1</translation>
    </message>
    <message>
        <source>The download failed: %1</source>
        <translation>下载失败：%1</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>正在下载更新...</translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be above zero.</source>
        <translation>“%1”不是 %2 的有效汇率：汇率必须大于零。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be at least 0.000000001.</source>
        <translation>“%1”不是 %2 的有效汇率：汇率不得小于 0.000000001。</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Usage: ferrolyn history [--search TEXT] [--json]
Lists the quote archive, newest first: number, revision, date, company, total, currency and lines.
  --search TEXT  only quotes whose company, number, job or proposal number, author or part numbers contain TEXT
  --json         write JSON instead of CSV
</source>
        <translation>用法：ferrolyn history [--search TEXT] [--json]
列出报价单存档，最新的在前：编号、修订版、日期、公司、合计、货币和行数。
  --search TEXT  仅列出公司、编号、项目编号、提案编号、制单人或料号包含 TEXT 的报价单
  --json         输出 JSON 而非 CSV
</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>未知参数“%1”。</translation>
    </message>
    <message>
        <source>The list could not be written: %1</source>
        <translation>无法写入列表：%1</translation>
    </message>
    <message>
        <source>%1 (kept on this computer, not yet sent: %2)</source>
        <translation>%1（已保存在本机，尚未发送：%2）</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>settings file</source>
        <translation>设置文件</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>&quot;%1&quot; is a link to nothing.</source>
        <translation>“%1”是失效的链接。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1”不是常规文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
</context>
<context>
    <name>KeyIndex</name>
    <message>
        <source>The file holds more entries than can be indexed.</source>
        <translation>文件中的条目过多，无法建立索引。</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation>无法保存语言设置以供下次启动使用：%1</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>系统语言(&amp;S)</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>列表索引越界（%1）</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Usage: ferrolyn [OPEN ORDER.fyn]
       ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR] [--archive]
       ferrolyn --register-common-files FOLDER
Without arguments, opens the configurator; with OPEN and an order file, opens that order.
&apos;ferrolyn quote --help&apos; describes quoting a CSV file of assemblies.
</source>
        <translation>用法：ferrolyn [OPEN ORDER.fyn]
      ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR] [--archive]
      ferrolyn --register-common-files FOLDER
不带参数时打开配置器；带 OPEN 和订单文件时打开该订单。
&apos;ferrolyn quote --help&apos; 介绍如何为组件 CSV 文件报价。
</translation>
    </message>
    <message>
        <source>Ferrolyn needs a display to open its window; &apos;ferrolyn quote&apos; and &apos;ferrolyn history&apos; work without one.
</source>
        <translation>Ferrolyn 需要图形显示才能打开窗口；“ferrolyn quote”和“ferrolyn history”无需图形显示即可使用。
</translation>
    </message>
    <message>
        <source>&apos;ferrolyn history --help&apos; describes listing the quote archive.
</source>
        <translation>&apos;ferrolyn history --help&apos; 说明如何列出报价单存档。
</translation>
    </message>
</context>
<context>
    <name>OrderFile</name>
    <message>
        <source>company name</source>
        <translation>公司名称</translation>
    </message>
    <message>
        <source>author</source>
        <translation>制单人</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>job number</source>
        <translation>项目编号</translation>
    </message>
    <message>
        <source>proposal number</source>
        <translation>提案编号</translation>
    </message>
    <message>
        <source>currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>订单文件</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: it has more than %2 lines.</source>
        <translation>无法打开订单文件“%1”：文件超过 %2 行。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an order file.</source>
        <translation>“%1”不是订单文件。</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: the %3 is longer than %4 characters.</source>
        <translation>无法打开订单文件“%1”：第 %2 行：%3超过 %4 个字符。</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: %3.</source>
        <translation>无法打开订单文件“%1”：第 %2 行：%3。</translation>
    </message>
    <message>
        <source>no &apos;=&apos; before the item&apos;s fields</source>
        <translation>条目字段前没有“=”</translation>
    </message>
    <message>
        <source>fewer than six fields</source>
        <translation>字段少于六个</translation>
    </message>
    <message>
        <source>field %1 is longer than %2 characters</source>
        <translation>字段 %1 超过 %2 个字符</translation>
    </message>
    <message>
        <source>the quantity %1 is not a number from 0 to 1000000000</source>
        <translation>数量 %1 不是 0 至 1000000000 之间的数字</translation>
    </message>
    <message>
        <source>the price %1 is not a number from 0 to 1000000000</source>
        <translation>价格 %1 不是 0 至 1000000000 之间的数字</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: %2</source>
        <translation>无法打开订单文件“%1”：%2</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>该路径是文件夹。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>该路径不是常规文件。</translation>
    </message>
    <message>
        <source>it is far too large to be an order file.</source>
        <translation>文件过大，不可能是订单文件。</translation>
    </message>
    <message>
        <source>it has more than %1 lines.</source>
        <translation>文件超过 %1 行。</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>n/a</source>
        <translation>不适用</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Price %1:</source>
        <translation>价格%1：</translation>
    </message>
</context>
<context>
    <name>PricingDate</name>
    <message>
        <source>Your pricing database was last updated on: %1</source>
        <translation>价格数据库上次更新日期：%1</translation>
    </message>
</context>
<context>
    <name>QuickUpdate</name>
    <message>
        <source>It appears you have not updated your application files lately. You can download the latest data files from here.</source>
        <translation>您近期似乎未更新应用程序文件。您可以从此处下载最新的数据文件。</translation>
    </message>
    <message>
        <source>Unable to dowload files. Please make sure you have an active Internet connection.</source>
        <translation>无法下载文件。请确认已连接到互联网。</translation>
    </message>
    <message>
        <source>Downloading the update&apos;s signature...</source>
        <translation>正在下载更新的签名...</translation>
    </message>
    <message>
        <source>Update files have been downloaded. Press OK to continue with installation</source>
        <translation>更新文件已下载。请按“确定”继续安装</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Below is a list of the part numbers that correspond to your specifications:</source>
        <translation>以下是符合您要求的料号：</translation>
    </message>
    <message>
        <source>There is no standard part number that matches your selections.</source>
        <translation>没有与您的选择匹配的标准料号。</translation>
    </message>
    <message>
        <source>Below is a list of the individual components that will make up your cable assembly,</source>
        <translation>以下列出构成您的电缆组件的各个部件，</translation>
    </message>
    <message>
        <source>along with the charges to have the connectors attached to the cable (if applicable).</source>
        <translation>以及将连接器装配到电缆上的费用（如适用）。</translation>
    </message>
</context>
<context>
    <name>QuoteArchive</name>
    <message>
        <source>The quote archive cannot be used: %1</source>
        <translation>无法使用报价单存档：%1</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>its folder cannot be made.</source>
        <translation>无法创建其文件夹。</translation>
    </message>
    <message>
        <source>it was made by a newer version of Ferrolyn.</source>
        <translation>它由更新版本的 Ferrolyn 创建。</translation>
    </message>
    <message>
        <source>the server refused user &quot;%1&quot;: the password is wrong or missing.</source>
        <translation>服务器拒绝了用户“%1”，密码错误或未提供。</translation>
    </message>
    <message>
        <source>the server has no database &quot;%1&quot;.</source>
        <translation>服务器上没有数据库“%1”。</translation>
    </message>
    <message>
        <source>the host &quot;%1&quot; is not known.</source>
        <translation>无法识别主机“%1”。</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds.</source>
        <translation>服务器 %1 在 %2 秒内未响应。</translation>
    </message>
    <message>
        <source>no server answers at %1, port %2. Is it running, and are the host and port right?</source>
        <translation>%1 的端口 %2 上没有服务器响应。服务器是否在运行？主机和端口是否正确？</translation>
    </message>
    <message>
        <source>user &quot;%1&quot; may not use the archive&apos;s tables, or may not make them on first use: %2</source>
        <translation>用户“%1”无权使用存档的数据表，或无权在首次使用时创建这些表：%2</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>未安装 Qt 的 PostgreSQL 驱动程序（Debian 软件包 libqt6sql6-psql）。</translation>
    </message>
    <message>
        <source>the server has no user &quot;%1&quot;.</source>
        <translation>服务器上没有用户“%1”。</translation>
    </message>
</context>
<context>
    <name>QuoteCommand</name>
    <message>
        <source>Usage: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                      [--datasheets DIR] [--archive]
Prices every assembly of IN.csv (UTF-8, a heading row naming the columns
%1)
and writes one line per order line to OUT.csv or the standard output.
  -o OUT      write to this file instead of the standard output
  --json      write JSON instead of CSV
  --currency  the currency of the prices, such as EUR (USD when not given)
  --strict    refuse a row with a part that has no list price (instead of
              quoting it at 0 with a warning)
  --datasheets DIR  write a datasheet PDF of every quoted row into DIR,
              named after its part number (or row-N)
</source>
        <translation>用法：ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                     [--datasheets DIR] [--archive]
为 IN.csv 中的每个组件报价（UTF-8 编码，首行为标题行，列名为
%1），
每个订单行输出一行，写入 OUT.csv 或标准输出。
  -o OUT      写入此文件，而非标准输出
  --json      输出 JSON 而非 CSV
  --currency  价格所用的货币，如 EUR（未指定时为 USD）
  --strict    拒绝含无目录价零件的行（而不是按 0 报价
              并给出警告）
  --datasheets DIR  将每个已报价行的数据表 PDF 写入 DIR，
              以其料号命名（无料号时为 row-N）
</translation>
    </message>
    <message>
        <source>%1 more datasheets could not be written.</source>
        <translation>另有 %1 份数据表无法写入。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>未知参数“%1”。</translation>
    </message>
    <message>
        <source>Name the CSV file of assemblies to quote.</source>
        <translation>请指定要报价的组件 CSV 文件。</translation>
    </message>
    <message>
        <source>The shared data folder is not registered: start Ferrolyn once, or install it again.</source>
        <translation>共享数据文件夹未注册：请先启动一次 Ferrolyn，或重新安装。</translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing: </source>
        <translation>缺少运行本应用程序所需的一个或多个文件： </translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are in US dollars only: %1</source>
        <translation>无法读取汇率，价格仅以美元计：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency code such as USD or EUR.</source>
        <translation>“%1”不是货币代码（如 USD 或 EUR）。</translation>
    </message>
    <message>
        <source>No exchange rates are installed: prices can be given in US dollars (USD) only.</source>
        <translation>未安装汇率：价格只能以美元（USD）计。</translation>
    </message>
    <message>
        <source>The exchange rate of %1 cannot be used.</source>
        <translation>%1 的汇率无法使用。</translation>
    </message>
    <message>
        <source>This program cannot draw datasheets.</source>
        <translation>本程序无法生成数据表。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>The quote could not be written to the standard output: %1</source>
        <translation>无法将报价单写入标准输出：%1</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be quoted.</source>
        <translation>%2 行中有 %1 行无法报价。</translation>
    </message>
    <message>
        <source>  --archive   record the quoted rows as one quote in the quote archive
</source>
        <translation>  --archive   将已报价的行作为一份报价单存入报价单存档
</translation>
    </message>
    <message>
        <source>The quote is too large to be recorded.</source>
        <translation>报价单过大，无法存档。</translation>
    </message>
    <message>
        <source>No row was quoted: no quote was recorded.</source>
        <translation>没有任何行被报价：未存档报价单。</translation>
    </message>
    <message>
        <source>The quote archive is not available.</source>
        <translation>报价单存档不可用。</translation>
    </message>
    <message>
        <source>Recorded as quote %1.</source>
        <translation>已存档为报价单 %1。</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>制单人：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Job Number:</source>
        <translation>项目编号：</translation>
    </message>
    <message>
        <source>Proposal Number:</source>
        <translation>提案编号：</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>报价单</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>料号</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Unit Price (%1)</source>
        <translation>单价（%1）</translation>
    </message>
    <message>
        <source>Extended (%1)</source>
        <translation>金额（%1）</translation>
    </message>
    <message>
        <source>Price on request</source>
        <translation>价格面议</translation>
    </message>
    <message>
        <source>The total leaves out the lines priced on request.</source>
        <translation>合计不含价格面议的行。</translation>
    </message>
    <message>
        <source>Total (%1):</source>
        <translation>合计（%1）：</translation>
    </message>
    <message>
        <source>Quote %1, revision %2</source>
        <translation>报价单 %1，修订版 %2</translation>
    </message>
</context>
<context>
    <name>QuoteEngine</name>
    <message>
        <source>No top connector of this cable matches your selections. Please choose another top connector.</source>
        <translation>此电缆没有符合您所选条件的上端连接器。请选择其他上端连接器。</translation>
    </message>
    <message>
        <source>No bottom connector of this cable matches your selections. Please choose another bottom connector.</source>
        <translation>此电缆没有符合您所选条件的下端连接器。请选择其他下端连接器。</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>镀层</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>top or bottom connector</source>
        <translation>上端或下端连接器</translation>
    </message>
    <message>
        <source>top connector</source>
        <translation>上端连接器</translation>
    </message>
    <message>
        <source>bottom connector</source>
        <translation>下端连接器</translation>
    </message>
    <message>
        <source>The %1 grade has no such %2; a connector of another grade is used.</source>
        <translation>%1等级没有此类%2；已改用其他等级的连接器。</translation>
    </message>
    <message>
        <source>No list price for %1: the total leaves them out.</source>
        <translation>%1 无目录价：合计中未包含。</translation>
    </message>
    <message>
        <source>There is no cable to choose for these selections.</source>
        <translation>当前选择下没有可选的电缆。</translation>
    </message>
    <message>
        <source>Ending frequency must be greater than beginning frequency.</source>
        <translation>终止频率必须大于起始频率。</translation>
    </message>
    <message>
        <source>Sorry, there are no items that match your selection criteria.</source>
        <translation>抱歉，没有符合您所选条件的项目。</translation>
    </message>
    <message>
        <source>Add it to the order anyway?</source>
        <translation>仍要将其添加到订单吗？</translation>
    </message>
</context>
<context>
    <name>QuoteHistory</name>
    <message>
        <source>Recorded as quote %1, revision %2.</source>
        <translation>已存档为报价单 %1，修订版 %2。</translation>
    </message>
    <message>
        <source>Not recorded in the quote history: %1</source>
        <translation>未存入报价单历史：%1</translation>
    </message>
    <message>
        <source>Quote Archive</source>
        <translation>报价单存档</translation>
    </message>
    <message>
        <source>Password of user &quot;%1&quot; on the quote archive server %2:</source>
        <translation>报价单存档服务器 %2 上用户“%1”的密码：</translation>
    </message>
    <message>
        <source>Kept on this computer as quote %1, revision %2, not yet sent: %3</source>
        <translation>已在本机保存为报价单 %1，修订版 %2，尚未发送：%3</translation>
    </message>
    <message>
        <source>Recorded as quote %1, revision %2. Quotes that waited on this computer, now sent: %3.</source>
        <translation>已存档为报价单 %1，修订版 %2。此前在本机等待的报价单现已发送：%3。</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. Not sent: %2</source>
        <translation>本机等待发送到报价单存档服务器的报价单：%1。未发送：%2</translation>
    </message>
    <message>
        <source>Quotes that waited on this computer, now sent to the quote archive server: %1.</source>
        <translation>此前在本机等待的报价单现已发送到报价单存档服务器：%1。</translation>
    </message>
    <message>
        <source>No keyring answered: the password is kept until Ferrolyn closes.</source>
        <translation>没有密钥环响应：密码将保留到 Ferrolyn 关闭为止。</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. They are sent when the server is chosen again.</source>
        <translation>本机等待发送到报价单存档服务器的报价单：%1。再次选择该服务器时将发送它们。</translation>
    </message>
</context>
<context>
    <name>QuotePdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the %2 could not be drawn.</source>
        <translation>无法写入 PDF 文件“%1”：无法生成%2。</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF 文件</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>报价单</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>报价单</translation>
    </message>
    <message>
        <source>The quote could not be printed.</source>
        <translation>无法打印报价单。</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>The common-files folder is not registered: %1</source>
        <translation>公共文件文件夹未注册：%1</translation>
    </message>
    <message>
        <source>%1 belongs to another user; run Ferrolyn as that user.</source>
        <translation>%1 属于其他用户；请以该用户身份运行 Ferrolyn。</translation>
    </message>
    <message>
        <source>Registered the common-files folder %1 in %2.</source>
        <translation>已在 %2 中注册公共文件文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>ResultContent</name>
    <message>
        <source>Foreign Currencies:</source>
        <translation>外币：</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>提示：</translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation>上次更新：</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>订单合计：</translation>
    </message>
    <message>
        <source>Order Total (%1):</source>
        <translation>订单合计（%1）：</translation>
    </message>
    <message>
        <source>Currencies other than United States Dollars($US) are provided for information purposes only and are based on exchange rates as of %1</source>
        <translation>美元（$US）以外的货币仅供参考，按 %1 的汇率计算</translation>
    </message>
    <message>
        <source>Prices are subject to change without notice.  %1</source>
        <translation>价格如有变动，恕不另行通知。%1</translation>
    </message>
    <message>
        <source>Your pricing database was last updated on %1</source>
        <translation>价格数据库上次更新于 %1</translation>
    </message>
    <message>
        <source>Vantrel Jumper Results</source>
        <translation>Vantrel 跳线结果</translation>
    </message>
    <message>
        <source>Jumper Results</source>
        <translation>跳线结果</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price: %2</source>
        <translation>数量：%1，          总价：%2</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price (%2): %3</source>
        <translation>数量：%1，          总价（%2）：%3</translation>
    </message>
    <message>
        <source>Foreign Currencies</source>
        <translation>外币</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>上次更新</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>该路径是文件夹。</translation>
    </message>
    <message>
        <source>it is a link; choose another name.</source>
        <translation>它是一个链接；请另选名称。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>该路径不是常规文件。</translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation>%1“%2”无法写入：%3</translation>
    </message>
    <message>
        <source>only part of it could be written</source>
        <translation>仅写入了部分内容</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made.</source>
        <translation>无法创建其所在文件夹 %1。</translation>
    </message>
    <message>
        <source>another running copy of Ferrolyn keeps it locked.</source>
        <translation>另一个正在运行的 Ferrolyn 已将其锁定。</translation>
    </message>
    <message>
        <source>its folder cannot be written.</source>
        <translation>其所在文件夹无法写入。</translation>
    </message>
</context>
<context>
    <name>Specs</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from %2 to %3 here)</source>
        <translation>“%1”不是有效的浮点数（此处范围为 %2 至 %3）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a VSWR range (low-high:VSWR in MHz, such as 698-960:1.15)</source>
        <translation>“%1”不是驻波比范围（格式为 低频-高频:驻波比，单位 MHz，例如 698-960:1.15）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a part data line (part number=fields)</source>
        <translation>“%1”不是部件数据行（料号=字段）</translation>
    </message>
    <message>
        <source>Some part data cannot be read; the parts it concerns show n/a:</source>
        <translation>部分部件数据无法读取，相关部件显示为 n/a：</translation>
    </message>
</context>
<context>
    <name>StandardLengths</name>
    <message>
        <source>%1 Meters</source>
        <translation>%1 米</translation>
    </message>
    <message>
        <source>%1 Feet</source>
        <translation>%1 英尺</translation>
    </message>
    <message>
        <source>Your Selection:</source>
        <translation>您的选择：</translation>
    </message>
    <message>
        <source>A little shorter:</source>
        <translation>稍短：</translation>
    </message>
    <message>
        <source>A little longer:</source>
        <translation>稍长：</translation>
    </message>
</context>
<context>
    <name>TAsBuiltPanel</name>
    <message>
        <source>Assembly as built, with the connectors fitted</source>
        <translation>成品组件（已装配连接器）</translation>
    </message>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>数据表 PDF(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>TBandPanel</name>
    <message>
        <source>Save Chart as &amp;PNG...</source>
        <translation>图表另存为 PNG(&amp;P)...</translation>
    </message>
    <message>
        <source>Save Chart as &amp;SVG...</source>
        <translation>图表另存为 SVG(&amp;S)...</translation>
    </message>
    <message>
        <source>Cable total</source>
        <translation>电缆总衰减</translation>
    </message>
    <message>
        <source>Insertion loss</source>
        <translation>插入损耗</translation>
    </message>
    <message>
        <source>Avg. power</source>
        <translation>平均功率</translation>
    </message>
    <message>
        <source>Middle of the band</source>
        <translation>频段中点</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>频率（MHz）</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>损耗（dB）</translation>
    </message>
    <message>
        <source>Average (kW)</source>
        <translation>平均功率（kW）</translation>
    </message>
    <message>
        <source>%1 MHz
Cable total attenuation: %2 dB
Insertion loss: %3 dB
Average power: %4 kW</source>
        <translation>%1 MHz
电缆总衰减：%2 dB
插入损耗：%3 dB
平均功率：%4 kW</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Cannot draw the chart.</source>
        <translation>无法绘制图表。</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>图表</translation>
    </message>
</context>
<context>
    <name>TBandPanels</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>TDatasheetActions</name>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>数据表 PDF(&amp;H)...</translation>
    </message>
    <message>
        <source>Save Datasheet as PDF</source>
        <translation>将数据表另存为 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TImportAssemblies</name>
    <message>
        <source>&amp;Import Assemblies...</source>
        <translation>导入组件(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Assemblies</source>
        <translation>导入组件</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file has no assemblies to import.</source>
        <translation>该文件中没有可导入的组件。</translation>
    </message>
    <message>
        <source>Quoting the assemblies...</source>
        <translation>正在为组件报价...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>its unit price or quantity would be above %1.</source>
        <translation>其单价或数量将超过 %1。</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>These assemblies cannot be added: the order would be too large to save. Import them in smaller parts or into a new order.</source>
        <translation>无法添加这些组件：订单将过大而无法保存。请分批导入，或导入到新订单中。</translation>
    </message>
    <message>
        <source>%1 of %2 rows were added to the order.</source>
        <translation>已将 %2 行中的 %1 行添加到订单。</translation>
    </message>
    <message>
        <source> The order is in %1: they were added at their prices in %1.</source>
        <translation> 订单以 %1 计价：这些行已按 %1 价格添加。</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be added to the order:</source>
        <translation>%2 行中有 %1 行无法添加到订单：</translation>
    </message>
    <message>
        <source>Notes on the rows added:</source>
        <translation>已添加行的说明：</translation>
    </message>
</context>
<context>
    <name>TMPReporter</name>
    <message>
        <source>Customer Service Center: %1</source>
        <translation>客户服务中心：%1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报告。</translation>
    </message>
    <message>
        <source>Cannot write a temporary file: %1</source>
        <translation>无法写入临时文件：%1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the report could not be drawn.</source>
        <translation>无法写入 PDF 文件“%1”：无法绘制报告。</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF 文件</translation>
    </message>
</context>
<context>
    <name>TOrderDocument</name>
    <message>
        <source>The current order has changes that are not saved. Save them before opening another order?</source>
        <translation>当前订单有未保存的更改。打开其他订单前是否保存？</translation>
    </message>
    <message>
        <source>The current order has changes that are not saved. Save them before closing Ferrolyn?</source>
        <translation>当前订单有未保存的更改。关闭 Ferrolyn 前是否保存？</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>未命名[*] - %1</translation>
    </message>
    <message>
        <source>Save Order As</source>
        <translation>订单另存为</translation>
    </message>
    <message>
        <source>Save Order</source>
        <translation>保存订单</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Ferrolyn 文件 (*.fyn)</translation>
    </message>
</context>
<context>
    <name>TQuoteActions</name>
    <message>
        <source>Order &amp;Details...</source>
        <translation>订单详情(&amp;D)...</translation>
    </message>
    <message>
        <source>Print Q&amp;uote...</source>
        <translation>打印报价单(&amp;U)...</translation>
    </message>
    <message>
        <source>Save Quote as PD&amp;F...</source>
        <translation>报价单另存为 PDF(&amp;F)...</translation>
    </message>
    <message>
        <source>To an Excel &amp;Workbook (.xlsx)...</source>
        <translation>Excel 工作簿（.xlsx）(&amp;W)...</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <translation>详情(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Quote PDF...</source>
        <translation>报价单 PDF(&amp;Q)...</translation>
    </message>
    <message>
        <source>Save Quote as PDF</source>
        <translation>将报价单另存为 PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TQuoteHistory</name>
    <message>
        <source>Quote Histo&amp;ry...</source>
        <translation>报价单历史(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quote Archive...</source>
        <translation>报价单存档(&amp;Q)...</translation>
    </message>
</context>
<context>
    <name>TextBuffer</name>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>无法打开文件“%1”：%2</translation>
    </message>
    <message>
        <source>it is a link to nothing.</source>
        <translation>该链接指向的目标不存在。</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>这是一个文件夹。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>这不是常规文件。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than such a file holds.</source>
        <translation>其大小超过 %1 MB，超出此类文件的正常大小。</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>Terms

Prices and specifications in this price list may change without notice.

Prices apply to delivery FOB Origin for orders within the United States and EXW factory for international orders. They do not include export packing, insurance, taxes, tariffs or duties.

A refundable deposit is charged for certain skids and for large cable reels.

Every order is subject to a minimum charge of $50.00 net.

For a quotation on a specific requirement, please contact your local Vantrel representative or sales office.

All orders are subject to acceptance by Vantrel and are governed by Vantrel&apos;s terms and conditions of sale.</source>
        <translation>条款

本价目表中的价格和规格如有变更，恕不另行通知。

美国境内订单按 FOB 起运地交货价计算，国际订单按 EXW 工厂交货价计算。价格不含出口包装、保险、税费、关税或其他税款。

部分托盘和大型电缆盘需收取可退还的押金。

每笔订单的最低收费为净价 $50.00。

如需针对特定需求的报价，请联系当地 Vantrel 代表或销售办事处。

所有订单均须经 Vantrel 接受，并受 Vantrel 销售条款和条件约束。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Ferrolyn™
RF cable assembly configurator and price calculator</source>
        <translation>Ferrolyn™
射频电缆组件配置及价格计算工具</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare Cables</source>
        <translation>比较电缆</translation>
    </message>
    <message>
        <source>Tick up to %1 cables to draw their total attenuation at %2 %3.</source>
        <translation>最多勾选 %1 种电缆，以绘制其在 %2 %3 长度下的总衰减。</translation>
    </message>
    <message>
        <source>&amp;Use This Cable</source>
        <translation>使用此电缆(&amp;U)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>At most %1 cables are drawn: untick one first.</source>
        <translation>最多绘制 %1 种电缆：请先取消勾选一种。</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>频率（MHz）</translation>
    </message>
    <message>
        <source>Total attenuation (dB)</source>
        <translation>总衰减（dB）</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>These exchange rates cannot be used; their currencies are not offered:

</source>
        <translation>以下汇率无法使用，因为不提供相应货币：

</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Ferrolyn 文件 (*.fyn)</translation>
    </message>
    <message>
        <source>This field must contain a numeric value.</source>
        <translation>此字段必须包含数值。</translation>
    </message>
    <message>
        <source>This field cannot contain the character &apos;|&apos;.</source>
        <translation>此字段不能包含字符“|”。</translation>
    </message>
    <message>
        <source>To delete items, highlight the rows you wish to delete<byte value="xd"/>by clicking the rowbar on the left.<byte value="xd"/>To delete multiple rows, hold down the Ctrl key while<byte value="xd"/>selecting each row.</source>
        <translation>要删除项目，请单击左侧的行标题，<byte value="xd"/>选中要删除的行。<byte value="xd"/>要删除多行，请按住 Ctrl 键，<byte value="xd"/>同时逐一选择各行。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected items?<byte value="xd"/>This action can not be undone!</source>
        <translation>确定要删除所选项目吗？<byte value="xd"/>此操作无法撤消！</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>料号</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Parts List</source>
        <translation>物料清单</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>订单合计：</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>This item cannot be added to the order: its unit price or quantity would be above %1.</source>
        <translation>无法将此项目添加到订单：其单价或数量将超过 %1。</translation>
    </message>
    <message>
        <source>The order is in %1: the item was added at its prices in %1.</source>
        <translation>订单以 %1 计价：此项目已按 %1 价格添加。</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>以 %1 计价</translation>
    </message>
    <message>
        <source>The quantity must be at most %1.</source>
        <translation>数量不得超过 %1。</translation>
    </message>
    <message>
        <source>Ferrolyn cannot write to its program folder, so it keeps the last order and the order files in:<byte value="xd"/>%1</source>
        <translation>Ferrolyn 无法写入其程序文件夹，因此将上次订单和订单文件保存在：<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>订单文件</translation>
    </message>
    <message>
        <source>The order&apos;s currency &quot;%1&quot; is not offered here: its prices are taken to be in %2.</source>
        <translation>此处不提供订单货币“%1”：其价格按 %2 处理。</translation>
    </message>
    <message>
        <source>Open Order</source>
        <translation>打开订单</translation>
    </message>
    <message>
        <source>No Order To View</source>
        <translation>没有可查看的订单</translation>
    </message>
    <message>
        <source>The order on screen could not be written to the last-order file, which still holds an older order.<byte value="xd"/>Replace the order on screen with that older order?</source>
        <translation>屏幕上的订单无法写入上次订单文件，该文件中仍是较早的订单。<byte value="xd"/>是否用该较早的订单替换屏幕上的订单？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>HTML 文件 (*.html)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel 文件 (*.xls)</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>应用：</translation>
    </message>
    <message>
        <source>Jumper</source>
        <translation>跳线</translation>
    </message>
    <message>
        <source>Feeder</source>
        <translation>馈线</translation>
    </message>
    <message>
        <source>Select An Application</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>长度：</translation>
    </message>
    <message>
        <source>Select a Length</source>
        <translation>选择长度</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>频率：</translation>
    </message>
    <message>
        <source>Select Frequencies</source>
        <translation>选择频率</translation>
    </message>
    <message>
        <source>Select A Beginning Frequency</source>
        <translation>选择起始频率</translation>
    </message>
    <message>
        <source>Select An Ending Frequency</source>
        <translation>选择终止频率</translation>
    </message>
    <message>
        <source>Beginning Frequency:</source>
        <translation>起始频率：</translation>
    </message>
    <message>
        <source>Ending Frequency:</source>
        <translation>终止频率：</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>电缆类型：</translation>
    </message>
    <message>
        <source>Air Coaxial</source>
        <translation>空气同轴电缆</translation>
    </message>
    <message>
        <source>Foam Coaxial</source>
        <translation>发泡同轴电缆</translation>
    </message>
    <message>
        <source>Elliptical Waveguide</source>
        <translation>椭圆波导</translation>
    </message>
    <message>
        <source>Select A Cable Type</source>
        <translation>选择电缆类型</translation>
    </message>
    <message>
        <source>Connector Attachment(s)</source>
        <translation>连接器安装</translation>
    </message>
    <message>
        <source>Both Connectors</source>
        <translation>两端连接器</translation>
    </message>
    <message>
        <source>Top Connector ONLY</source>
        <translation>仅上端连接器</translation>
    </message>
    <message>
        <source>Bottom Connector ONLY</source>
        <translation>仅下端连接器</translation>
    </message>
    <message>
        <source>No Connectors</source>
        <translation>无连接器</translation>
    </message>
    <message>
        <source>Select A Type Of Feeder</source>
        <translation>选择馈线类型</translation>
    </message>
    <message>
        <source>Connectors:</source>
        <translation>连接器：</translation>
    </message>
    <message>
        <source>Include Top Connector</source>
        <translation>包含上端连接器</translation>
    </message>
    <message>
        <source>Include Bottom Connector</source>
        <translation>包含下端连接器</translation>
    </message>
    <message>
        <source>Top Jumper</source>
        <translation>上端跳线</translation>
    </message>
    <message>
        <source>Bottom Jumper</source>
        <translation>下端跳线</translation>
    </message>
    <message>
        <source>Main Feeder</source>
        <translation>主馈线</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>实际接口</translation>
    </message>
    <message>
        <source>Mates To</source>
        <translation>配接</translation>
    </message>
    <message>
        <source>Top Connector</source>
        <translation>上端连接器</translation>
    </message>
    <message>
        <source>Bottom Connector</source>
        <translation>下端连接器</translation>
    </message>
    <message>
        <source>Top Connector Desc.</source>
        <translation>上端连接器描述</translation>
    </message>
    <message>
        <source>Bottom Connector Desc</source>
        <translation>下端连接器描述</translation>
    </message>
    <message>
        <source>Special Characteristics:</source>
        <translation>特殊特性：</translation>
    </message>
    <message>
        <source>Select special characteristics for top connector</source>
        <translation>选择上端连接器的特殊特性</translation>
    </message>
    <message>
        <source>Select special characteristics for bottom connector</source>
        <translation>选择下端连接器的特殊特性</translation>
    </message>
    <message>
        <source>Inner Connector Attachment:</source>
        <translation>内导体连接方式：</translation>
    </message>
    <message>
        <source>Select inner connector attachment for top connector</source>
        <translation>选择上端连接器的内导体连接方式</translation>
    </message>
    <message>
        <source>Select inner connector attachment for bottom connector</source>
        <translation>选择下端连接器的内导体连接方式</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>电缆</translation>
    </message>
    <message>
        <source>Select Cable Size</source>
        <translation>选择电缆规格</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>直径：</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Connector Grade:</source>
        <translation>连接器等级：</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>镀层</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Cable Grade:</source>
        <translation>电缆等级：</translation>
    </message>
    <message>
        <source>Standard Cable</source>
        <translation>标准电缆</translation>
    </message>
    <message>
        <source>Premium Cable</source>
        <translation>优质电缆</translation>
    </message>
    <message>
        <source>Flame Retardant Cable</source>
        <translation>阻燃电缆</translation>
    </message>
    <message>
        <source>Connector Attachment:</source>
        <translation>连接器安装方式：</translation>
    </message>
    <message>
        <source>Prenvo</source>
        <translation>Prenvo</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation>下一步 -&gt;</translation>
    </message>
    <message>
        <source>Click here to &amp;update your software</source>
        <translation>单击此处更新软件(&amp;U)</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>衰减（dB/100 ft）：</translation>
    </message>
    <message>
        <source>Attenuation (dB/100m):</source>
        <translation>衰减（dB/100m）：</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>总衰减（dB）：</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>插入损耗（dB）：</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>效率（%）：</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>峰值功率（kW）：</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>平均功率（kW）：</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>料号：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>价格：</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>衰减（dB/100 m）：</translation>
    </message>
    <message>
        <source>Total ($US):</source>
        <translation>合计（$US）：</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, make sure to update regularly to get the latest pricing and product information.</source>
        <translation>为充分利用 Vantrel 软件，请务必定期更新，以获取最新的价格和产品信息。</translation>
    </message>
    <message>
        <source>The length you have selected is not a standard length for this jumper assembly, but there are some standard lengths available that are close to your selection.

Your jumper assembly can still be made with the length you originally selected, but ordering standard lengths may speed up production time, allowing you to receive your order faster.

Below is a list of standard lengths for the jumper assembly that you have selected that are close to the length you picked.

You can either select one of these standard lengths, or you can keep your current selection.</source>
        <translation>您所选的长度不是此跳线组件的标准长度，但有一些与您所选长度接近的标准长度可供选择。

您的跳线组件仍可按您最初选择的长度制作，但订购标准长度可缩短生产时间，使您更快收到订单。

以下是所选跳线组件中与您所选长度接近的标准长度列表。

您可以选择其中一个标准长度，也可以保留当前选择。</translation>
    </message>
    <message>
        <source>Length (Feet)</source>
        <translation>长度（英尺）</translation>
    </message>
    <message>
        <source>Length (Meters)</source>
        <translation>长度（米）</translation>
    </message>
    <message>
        <source>Difference In Length</source>
        <translation>长度差</translation>
    </message>
    <message>
        <source>Standard Lengths</source>
        <translation>标准长度</translation>
    </message>
    <message>
        <source>Keep Your Current Selection</source>
        <translation>保留当前选择</translation>
    </message>
    <message>
        <source>Select This Jumper</source>
        <translation>选择此跳线</translation>
    </message>
    <message>
        <source>Select A Jumper</source>
        <translation>选择跳线</translation>
    </message>
    <message>
        <source>Final Selection Data</source>
        <translation>最终选择数据</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, you should update regularly to get the latest pricing and product information.</source>
        <translation>为充分利用 Vantrel 软件，您应定期更新，以获取最新的价格和产品信息。</translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation>价格 %1</translation>
    </message>
    <message>
        <source>Total %1:</source>
        <translation>合计 %1：</translation>
    </message>
    <message>
        <source>Unable to locate Registry Key</source>
        <translation>无法找到注册表项</translation>
    </message>
    <message>
        <source>Unable to create path from Registry</source>
        <translation>无法根据注册表创建路径</translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are shown in US dollars only.<byte value="xd"/></source>
        <translation>无法读取汇率，因此价格仅以美元显示。<byte value="xd"/></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing.</source>
        <translation>缺少运行此应用所需的一个或多个文件。</translation>
    </message>
    <message>
        <source>Currencies other than the United States Dollars ($US)  are provided for information purposes only and are based on exchange rates as of: %1.</source>
        <translation>除美元（$US）外，其他货币仅供参考，所依据的汇率日期为：%1。</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>重新开始(&amp;S)</translation>
    </message>
    <message>
        <source>Go back to the beginning.</source>
        <translation>返回起始页。</translation>
    </message>
    <message>
        <source>&lt;- Back</source>
        <translation>&lt;- 上一步</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>返回上一步</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Vantrel Ferrolyn Results</source>
        <translation>Vantrel Ferrolyn 结果</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>To a text file</source>
        <translation>文本文件</translation>
    </message>
    <message>
        <source>To an HTML Document</source>
        <translation>HTML 文档</translation>
    </message>
    <message>
        <source>To an MS Excel Spreadsheet</source>
        <translation>MS Excel 电子表格</translation>
    </message>
    <message>
        <source>&amp;Copy To Clipboard</source>
        <translation>复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View Last Order</source>
        <translation>查看上次订单(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Quick Update</source>
        <translation>快速更新(&amp;Q)</translation>
    </message>
    <message>
        <source>S&amp;tart Over</source>
        <translation>重新开始(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Currency Settings</source>
        <translation>货币设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Add To Order</source>
        <translation>添加到订单</translation>
    </message>
    <message>
        <source>Add to Order</source>
        <translation>添加到订单</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Update Options</source>
        <translation>更新选项</translation>
    </message>
    <message>
        <source>Set days between each update</source>
        <translation>设置更新间隔天数</translation>
    </message>
    <message>
        <source>Do not use Auto Update</source>
        <translation>不使用自动更新</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TfrmOrderDetails</name>
    <message>
        <source>Order Details</source>
        <translation>订单详情</translation>
    </message>
    <message>
        <source>&amp;Company name:</source>
        <translation>公司名称(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>制单人(&amp;A)：</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>日期(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Job number:</source>
        <translation>项目编号(&amp;J)：</translation>
    </message>
    <message>
        <source>&amp;Proposal number:</source>
        <translation>提案编号(&amp;P)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The date must be a date such as %1.</source>
        <translation>日期格式必须如 %1。</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteArchive</name>
    <message>
        <source>Quote Archive</source>
        <translation>报价单存档</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>在本机上</translation>
    </message>
    <message>
        <source>On a server</source>
        <translation>在服务器上</translation>
    </message>
    <message>
        <source>(as kept)</source>
        <translation>（已保存）</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>主机(&amp;H)：</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>端口(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>数据库(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>密码(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>测试连接(&amp;T)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Connected: the quote archive on the server is ready.</source>
        <translation>已连接：服务器上的报价单存档已就绪。</translation>
    </message>
    <message>
        <source>Enter the database and the user of the quote archive server.</source>
        <translation>请输入报价单存档服务器的数据库和用户。</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteHistory</name>
    <message>
        <source>Quote History</source>
        <translation>报价单历史</translation>
    </message>
    <message>
        <source>Search by company, quote number, job or proposal number, author or part number</source>
        <translation>按公司、报价单编号、项目或提案编号、制单人或料号搜索</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>报价单</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>修订版</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>制单人</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Export Quote History</source>
        <translation>导出报价单历史</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>quote history</source>
        <translation>报价单历史</translation>
    </message>
    <message>
        <source>Delete quote %1, revision %2, from the quote history? This cannot be undone.</source>
        <translation>从报价单历史中删除报价单 %1（修订版 %2）？此操作无法撤销。</translation>
    </message>
    <message>
        <source>(not yet sent)</source>
        <translation>（尚未发送）</translation>
    </message>
    <message>
        <source>Quote %1, revision %2, was not deleted: it is gone, or it is not one of yours.</source>
        <translation>报价单 %1（修订版 %2）未删除：它已不存在，或不是您的报价单。</translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>Quick Update</source>
        <translation>快速更新</translation>
    </message>
    <message>
        <source>Before clicking the Update button, please make sure you have an active Internet connection.</source>
        <translation>单击“更新”按钮前，请确保已连接互联网。</translation>
    </message>
    <message>
        <source>It is recommended that you restart your application after updated files have been installed.</source>
        <translation>更新文件安装完成后，建议重新启动本应用。</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
</context>
<context>
    <name>UpdateIni</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>无法读取设置文件“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%1&quot; so that it reads back.</source>
        <translation>无法写入设置文件“%1”：写入后无法正确读回。</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>设置文件</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/.</source>
        <translation>无法验证更新：此安装没有更新密钥。请从 https://www.vantrel.example/ 手动安装新版本。</translation>
    </message>
    <message>
        <source>The download could not be verified: the server offers no signature.</source>
        <translation>无法验证下载内容：服务器未提供签名。</translation>
    </message>
    <message>
        <source>The download could not be verified: its signature does not match the maker&apos;s key.</source>
        <translation>无法验证下载内容：其签名与厂商密钥不匹配。</translation>
    </message>
</context>
<context>
    <name>WizardModel</name>
    <message>
        <source>The beginning frequency must be a number greater than 0 MHz.</source>
        <translation>起始频率必须为大于 0 MHz 的数值。</translation>
    </message>
    <message>
        <source>The ending frequency must be a number greater than 0 MHz.</source>
        <translation>终止频率必须为大于 0 MHz 的数值。</translation>
    </message>
    <message>
        <source>The length must be a number greater than 0.</source>
        <translation>长度必须为大于 0 的数值。</translation>
    </message>
    <message>
        <source>The frequency must be at most %1 MHz.</source>
        <translation>频率不得超过 %1 MHz。</translation>
    </message>
    <message>
        <source>The length must be at most %1.</source>
        <translation>长度不得超过 %1。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Cannot make the workbook: %1</source>
        <translation>无法创建工作簿：%1</translation>
    </message>
    <message>
        <source>Cannot make the workbook: no temporary folder: %1</source>
        <translation>无法创建工作簿：没有临时文件夹：%1</translation>
    </message>
    <message>
        <source>Cannot make the workbook.</source>
        <translation>无法创建工作簿。</translation>
    </message>
    <message>
        <source>workbook</source>
        <translation>工作簿</translation>
    </message>
</context>
</TS>
