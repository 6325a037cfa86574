<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cable Assembly Configurator</source>
        <translation>Configurador de conjuntos de cable</translation>
    </message>
    <message>
        <source>Configure and price RF coaxial cable assemblies</source>
        <translation>Configure y cotice conjuntos de cable coaxial de RF</translation>
    </message>
    <message>
        <source>coaxial;cable;assembly;RF;quote;</source>
        <translation>coaxial;cable;conjunto;RF;cotización;</translation>
    </message>
</context>
<context>
    <name>AsBuilt</name>
    <message>
        <source>Connector loss taken as %1 dB/√GHz for %2: no part data.</source>
        <translation>Se toma una pérdida de conector de %1 dB/√GHz para %2: sin datos de la pieza.</translation>
    </message>
    <message>
        <source>Insertion loss as built (dB)</source>
        <translation>Pérdida de inserción tal como se fabrica (dB)</translation>
    </message>
    <message>
        <source>Maximum insertion loss in the band (dB)</source>
        <translation>Pérdida de inserción máxima en la banda (dB)</translation>
    </message>
    <message>
        <source>Maximum VSWR</source>
        <translation>ROE máxima</translation>
    </message>
    <message>
        <source>Minimum return loss (dB)</source>
        <translation>Pérdida de retorno mínima (dB)</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PIM</translation>
    </message>
    <message>
        <source>Electrical length (m)</source>
        <translation>Longitud eléctrica (m)</translation>
    </message>
    <message>
        <source>Delay (ns)</source>
        <translation>Retardo (ns)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Peso (kg)</translation>
    </message>
    <message>
        <source>Minimum bend radius (mm)</source>
        <translation>Radio de curvatura mínimo (mm)</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft)</source>
        <translation>Atenuación (dB/100 ft)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m)</source>
        <translation>Atenuación (dB/100 m)</translation>
    </message>
    <message>
        <source>Cable Total Attenuation (dB)</source>
        <translation>Atenuación total del cable (dB)</translation>
    </message>
    <message>
        <source>Insertion Loss (dB)</source>
        <translation>Pérdida de inserción (dB)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Eficiencia (%)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Potencia media (kW)</translation>
    </message>
    <message>
        <source>Figures at %1 MHz, the middle of %2–%3 MHz</source>
        <translation>Valores a %1 MHz, el centro de %2–%3 MHz</translation>
    </message>
</context>
<context>
    <name>BatchQuote</name>
    <message>
        <source>%1: %2 is not one of %3.</source>
        <translation>%1: %2 no es ninguno de estos valores: %3.</translation>
    </message>
    <message>
        <source>%1: %2 is not a number greater than 0 (such as 12 or 2.5).</source>
        <translation>%1: %2 no es un número mayor que 0 (como 12 o 2.5).</translation>
    </message>
    <message>
        <source>%1: %2 is above the largest value, %3.</source>
        <translation>%1: %2 supera el valor máximo, %3.</translation>
    </message>
    <message>
        <source>the row has %1 cells, more than the %2 columns the first line names.</source>
        <translation>la fila tiene %1 celdas, más que las %2 columnas que nombra la primera línea.</translation>
    </message>
    <message>
        <source>cable: there is no cable %1 in the catalog.</source>
        <translation>cable: no hay ningún cable %1 en el catálogo.</translation>
    </message>
    <message>
        <source>cable: elliptical waveguide is offered for feeders only.</source>
        <translation>cable: la guía de ondas elíptica solo se ofrece para feeders.</translation>
    </message>
    <message>
        <source>cable: %1 is not offered from %2 to %3 MHz.</source>
        <translation>cable: %1 no se ofrece de %2 a %3 MHz.</translation>
    </message>
    <message>
        <source>attachment: Prenvo is offered for jumpers only.</source>
        <translation>attachment: Prenvo solo se ofrece para jumpers.</translation>
    </message>
    <message>
        <source>attachment: this cable is not offered with Prenvo.</source>
        <translation>attachment: este cable no se ofrece con Prenvo.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with plated connectors.</source>
        <translation>grade: este cable no se ofrece con conectores chapados.</translation>
    </message>
    <message>
        <source>grade: standard connectors are not offered with Prenvo.</source>
        <translation>grade: los conectores estándar no se ofrecen con Prenvo.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with standard connectors.</source>
        <translation>grade: este cable no se ofrece con conectores estándar.</translation>
    </message>
    <message>
        <source>%1: %2 is not offered for these choices; the choices are: %3.</source>
        <translation>%1: %2 no se ofrece para estas opciones; las opciones son: %3.</translation>
    </message>
    <message>
        <source>feeder_connectors: a jumper has both connectors.</source>
        <translation>feeder_connectors: un jumper tiene ambos conectores.</translation>
    </message>
    <message>
        <source>top: the feeder has no top connector (feeder_connectors).</source>
        <translation>top: el feeder no tiene conector superior (feeder_connectors).</translation>
    </message>
    <message>
        <source>bottom: the feeder has no bottom connector (feeder_connectors).</source>
        <translation>bottom: el feeder no tiene conector inferior (feeder_connectors).</translation>
    </message>
    <message>
        <source>quantity: %1 is not a whole number from 1 to %2.</source>
        <translation>quantity: %1 no es un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (is it %2?)</source>
        <translation>&quot;%1&quot; (¿es %2?)</translation>
    </message>
    <message>
        <source>The file has no column %1.%2 The first line must name the columns %3.</source>
        <translation>El archivo no tiene la columna %1.%2 La primera línea debe nombrar las columnas %3.</translation>
    </message>
    <message>
        <source> It has the unknown column %1.</source>
        <translation> Tiene la columna desconocida %1.</translation>
    </message>
    <message>
        <source>The file has %1 rows; at most %2 assemblies can be quoted at once.</source>
        <translation>El archivo tiene %1 filas; como máximo se pueden cotizar %2 conjuntos a la vez.</translation>
    </message>
    <message>
        <source>quantity: the order would hold %1 of %2, above the largest quantity, %3.</source>
        <translation>quantity: el pedido tendría %1 de %2, por encima de la cantidad máxima, %3.</translation>
    </message>
    <message>
        <source>The unit price of %1 is above %2.</source>
        <translation>El precio unitario de %1 supera %2.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from 0 to %2 here)</source>
        <translation>&apos;%1&apos; no es un valor decimal válido (aquí, de 0 a %2)</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Attenuation at %1 MHz (dB/100 ft)</source>
        <translation>Atenuación a %1 MHz (dB/100 ft)</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Total Attenuation at %1 MHz (dB)</source>
        <translation>Atenuación total a %1 MHz (dB)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Potencia media (kW)</translation>
    </message>
    <message>
        <source>Max Power (kW)</source>
        <translation>Potencia máx. (kW)</translation>
    </message>
    <message>
        <source>Price per %1 (%2)</source>
        <translation>Precio por %1 (%2)</translation>
    </message>
    <message>
        <source>no list price</source>
        <translation>sin precio de lista</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: a row has more than %2 cells.</source>
        <translation>Línea %1: una fila tiene más de %2 celdas.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: a cell is longer than %2 bytes.</source>
        <translation>Línea %1: una celda supera los %2 bytes.</translation>
    </message>
    <message>
        <source>Line %1: the file has more than %2 rows.</source>
        <translation>Línea %1: el archivo tiene más de %2 filas.</translation>
    </message>
    <message>
        <source>Line %1: text after the closing quote of a field.</source>
        <translation>Línea %1: texto después de las comillas de cierre de un campo.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Línea %1: un campo entre comillas no está cerrado.</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>US Dollars (USD)</source>
        <translation>Dólares estadounidenses (USD)</translation>
    </message>
    <message>
        <source>South African Rand (ZAR)</source>
        <translation>Rand sudafricano (ZAR)</translation>
    </message>
    <message>
        <source>Chinese Renminbi (RMB)</source>
        <translation>Renminbi chino (RMB)</translation>
    </message>
    <message>
        <source>Hong Kong Dollars (HKD)</source>
        <translation>Dólares de Hong Kong (HKD)</translation>
    </message>
    <message>
        <source>Indian Rupees (INR)</source>
        <translation>Rupias indias (INR)</translation>
    </message>
    <message>
        <source>Japanese Yen (JPY)</source>
        <translation>Yenes japoneses (JPY)</translation>
    </message>
    <message>
        <source>Korean Won (KRW)</source>
        <translation>Wones coreanos (KRW)</translation>
    </message>
    <message>
        <source>Philippino Pesos (PHP)</source>
        <translation>Pesos filipinos (PHP)</translation>
    </message>
    <message>
        <source>Singapore Dollars (SGD)</source>
        <translation>Dólares de Singapur (SGD)</translation>
    </message>
    <message>
        <source>Taiwan Dollars (TWD)</source>
        <translation>Dólares taiwaneses (TWD)</translation>
    </message>
    <message>
        <source>Austrian Schillings (ATS)</source>
        <translation>Chelines austriacos (ATS)</translation>
    </message>
    <message>
        <source>Belgian Francs (BEF)</source>
        <translation>Francos belgas (BEF)</translation>
    </message>
    <message>
        <source>Swiss Francs (CHF)</source>
        <translation>Francos suizos (CHF)</translation>
    </message>
    <message>
        <source>German Deutch Marks (DEM)</source>
        <translation>Marcos alemanes (DEM)</translation>
    </message>
    <message>
        <source>Danish Krones (DKK)</source>
        <translation>Coronas danesas (DKK)</translation>
    </message>
    <message>
        <source>Spanish Pesetas (ESP)</source>
        <translation>Pesetas españolas (ESP)</translation>
    </message>
    <message>
        <source>Euros (EUR)</source>
        <translation>Euros (EUR)</translation>
    </message>
    <message>
        <source>Finish Markkas (FIM)</source>
        <translation>Marcos finlandeses (FIM)</translation>
    </message>
    <message>
        <source>French Franks (FRF)</source>
        <translation>Francos franceses (FRF)</translation>
    </message>
    <message>
        <source>Pounds Sterling (GBP)</source>
        <translation>Libras esterlinas (GBP)</translation>
    </message>
    <message>
        <source>Greek Drachmas (GRD)</source>
        <translation>Dracmas griegas (GRD)</translation>
    </message>
    <message>
        <source>Irish Punts (IEP)</source>
        <translation>Libras irlandesas (IEP)</translation>
    </message>
    <message>
        <source>Italian Lira (ITL)</source>
        <translation>Liras italianas (ITL)</translation>
    </message>
    <message>
        <source>Dutch Gilders (NLG)</source>
        <translation>Florines neerlandeses (NLG)</translation>
    </message>
    <message>
        <source>Norwegian Krones (NOK)</source>
        <translation>Coronas noruegas (NOK)</translation>
    </message>
    <message>
        <source>Portugese Escudos (PTE)</source>
        <translation>Escudos portugueses (PTE)</translation>
    </message>
    <message>
        <source>Sweedish Krona (SEK)</source>
        <translation>Coronas suecas (SEK)</translation>
    </message>
    <message>
        <source>United Arib Emirates Dirhams (AED)</source>
        <translation>Dírhams de los Emiratos Árabes Unidos (AED)</translation>
    </message>
    <message>
        <source>Saudi Riyal (SAR)</source>
        <translation>Riyal saudí (SAR)</translation>
    </message>
    <message>
        <source>Canadian Dollars (CAD)</source>
        <translation>Dólares canadienses (CAD)</translation>
    </message>
    <message>
        <source>Mexican Pesos (MXP)</source>
        <translation>Pesos mexicanos (MXP)</translation>
    </message>
    <message>
        <source>Australian Dollars (AUD)</source>
        <translation>Dólares australianos (AUD)</translation>
    </message>
    <message>
        <source>Indeonesian Rupiahs (IDR)</source>
        <translation>Rupias indonesias (IDR)</translation>
    </message>
    <message>
        <source>New Zealand Dollars (NZD)</source>
        <translation>Dólares neozelandeses (NZD)</translation>
    </message>
    <message>
        <source>Brazillian Real (BRL)</source>
        <translation>Real brasileño (BRL)</translation>
    </message>
    <message>
        <source>Argentina Pesos (ARS)</source>
        <translation>Pesos argentinos (ARS)</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>África</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Oriente Medio</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>América del Norte</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Oceanía</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>América del Sur</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>, line %1</source>
        <translation>, línea %1</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>y %1 más.</translation>
    </message>
</context>
<context>
    <name>Datasheet</name>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Atenuación (dB/100 ft):</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Atenuación (dB/100 m):</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Atenuación total (dB):</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Pérdida de inserción (dB):</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Eficiencia (%):</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Potencia máx. (kW):</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Potencia media (kW):</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>no indicado</translation>
    </message>
    <message>
        <source>Velocity factor:</source>
        <translation>Factor de velocidad:</translation>
    </message>
    <message>
        <source>Minimum bend radius, single (mm):</source>
        <translation>Radio de curvatura mínimo, curvatura única (mm):</translation>
    </message>
    <message>
        <source>Minimum bend radius, repeated (mm):</source>
        <translation>Radio de curvatura mínimo, curvaturas repetidas (mm):</translation>
    </message>
    <message>
        <source>Weight (kg):</source>
        <translation>Peso (kg):</translation>
    </message>
    <message>
        <source>Fire rating:</source>
        <translation>Clasificación al fuego:</translation>
    </message>
    <message>
        <source>PIM:</source>
        <translation>PIM:</translation>
    </message>
</context>
<context>
    <name>DatasheetPdf</name>
    <message>
        <source>Pricing date: %1</source>
        <translation>Fecha de precios: %1</translation>
    </message>
    <message>
        <source>Performance at the middle of the band</source>
        <translation>Prestaciones en el centro de la banda</translation>
    </message>
    <message>
        <source>Mechanical data</source>
        <translation>Datos mecánicos</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>(no connector)</source>
        <translation>(sin conector)</translation>
    </message>
    <message>
        <source>Not to scale.</source>
        <translation>Sin escala.</translation>
    </message>
    <message>
        <source>Assembly as built</source>
        <translation>Conjunto tal como se fabrica</translation>
    </message>
    <message>
        <source>Insertion loss as built and return-loss limit across the band</source>
        <translation>Pérdida de inserción tal como se fabrica y límite de pérdida de retorno en la banda</translation>
    </message>
    <message>
        <source>Green: insertion loss as built (dB, left). Orange: return-loss limit (dB, right).</source>
        <translation>Verde: pérdida de inserción tal como se fabrica (dB, izquierda). Naranja: límite de pérdida de retorno (dB, derecha).</translation>
    </message>
    <message>
        <source>Datasheet %1</source>
        <translation>Hoja de datos %1</translation>
    </message>
    <message>
        <source>datasheet</source>
        <translation>hoja de datos</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No picture</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>Saved as %1.
No application to open it was found on this computer.</source>
        <translation>Guardado como %1.
No se encontró en este equipo ninguna aplicación para abrirlo.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>The server answered %1%2 instead of sending the file.</source>
        <translation>El servidor respondió %1%2 en lugar de enviar el archivo.</translation>
    </message>
    <message>
        <source>The server sent an empty file.</source>
        <translation>El servidor envió un archivo vacío.</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced.</source>
        <translation>El servidor envió %1 de los %2 bytes anunciados.</translation>
    </message>
    <message>
        <source>The download address is not valid.</source>
        <translation>La dirección de descarga no es válida.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Quick Update</source>
        <translation>Actualización rápida</translation>
    </message>
    <message>
        <source>The download is larger than the limit of %1.</source>
        <translation>La descarga supera el límite de %1.</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>El usuario canceló la descarga.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>El servidor no envió nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>No connection to the server: %1</source>
        <translation>Sin conexión con el servidor: %1</translation>
    </message>
    <message>
        <source>The download failed: %1</source>
        <translation>Error en la descarga: %1</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Descargando la actualización...</translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be above zero.</source>
        <translation>&apos;%1&apos; no es un tipo de cambio válido para %2: el tipo debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be at least 0.000000001.</source>
        <translation>&apos;%1&apos; no es un tipo de cambio válido para %2: el tipo debe ser al menos 0.000000001.</translation>
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
        <translation>Uso: ferrolyn history [--search TEXT] [--json]
Lista el archivo de cotizaciones, de la más reciente a la más antigua: número, revisión, fecha, empresa, total, moneda y líneas.
  --search TEXT  solo las cotizaciones cuya empresa, número, n.º de trabajo o de propuesta, autor o referencias contengan TEXT
  --json         escribir JSON en lugar de CSV
</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Argumento desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The list could not be written: %1</source>
        <translation>No se pudo escribir la lista: %1</translation>
    </message>
    <message>
        <source>%1 (kept on this computer, not yet sent: %2)</source>
        <translation>%1 (guardada en este equipo, aún sin enviar: %2)</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>settings file</source>
        <translation>archivo de configuración</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>&quot;%1&quot; is a link to nothing.</source>
        <translation>&quot;%1&quot; es un enlace roto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>&quot;%1&quot; no es un archivo normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>KeyIndex</name>
    <message>
        <source>The file holds more entries than can be indexed.</source>
        <translation>El archivo contiene más entradas de las que se pueden indexar.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation>No se pudo guardar el idioma para el próximo inicio: %1</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
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
        <translation>Uso: ferrolyn [OPEN ORDER.fyn]
     ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR] [--archive]
     ferrolyn --register-common-files FOLDER
Sin argumentos, abre el configurador; con OPEN y un archivo de pedido, abre ese pedido.
&apos;ferrolyn quote --help&apos; describe cómo cotizar un archivo CSV de conjuntos.
</translation>
    </message>
    <message>
        <source>Ferrolyn needs a display to open its window; &apos;ferrolyn quote&apos; and &apos;ferrolyn history&apos; work without one.
</source>
        <translation>Ferrolyn necesita una pantalla gráfica para abrir su ventana; «ferrolyn quote» y «ferrolyn history» funcionan sin ella.
</translation>
    </message>
    <message>
        <source>&apos;ferrolyn history --help&apos; describes listing the quote archive.
</source>
        <translation>&apos;ferrolyn history --help&apos; describe la lista del archivo de cotizaciones.
</translation>
    </message>
</context>
<context>
    <name>OrderFile</name>
    <message>
        <source>company name</source>
        <translation>nombre de empresa</translation>
    </message>
    <message>
        <source>author</source>
        <translation>autor</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>job number</source>
        <translation>n.º de trabajo</translation>
    </message>
    <message>
        <source>proposal number</source>
        <translation>n.º de propuesta</translation>
    </message>
    <message>
        <source>currency</source>
        <translation>moneda</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>archivo de pedido</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: it has more than %2 lines.</source>
        <translation>No se puede abrir el archivo de pedido &quot;%1&quot;: tiene más de %2 líneas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an order file.</source>
        <translation>&quot;%1&quot; no es un archivo de pedido.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: the %3 is longer than %4 characters.</source>
        <translation>No se puede abrir el archivo de pedido &quot;%1&quot;: línea %2: el campo %3 tiene más de %4 caracteres.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: %3.</source>
        <translation>No se puede abrir el archivo de pedido &quot;%1&quot;: línea %2: %3.</translation>
    </message>
    <message>
        <source>no &apos;=&apos; before the item&apos;s fields</source>
        <translation>no hay &apos;=&apos; antes de los campos del artículo</translation>
    </message>
    <message>
        <source>fewer than six fields</source>
        <translation>menos de seis campos</translation>
    </message>
    <message>
        <source>field %1 is longer than %2 characters</source>
        <translation>el campo %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the quantity %1 is not a number from 0 to 1000000000</source>
        <translation>la cantidad %1 no es un número de 0 a 1000000000</translation>
    </message>
    <message>
        <source>the price %1 is not a number from 0 to 1000000000</source>
        <translation>el precio %1 no es un número de 0 a 1000000000</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo de pedido &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>no existe.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is far too large to be an order file.</source>
        <translation>es demasiado grande para ser un archivo de pedido.</translation>
    </message>
    <message>
        <source>it has more than %1 lines.</source>
        <translation>tiene más de %1 líneas.</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Price %1:</source>
        <translation>Precio %1:</translation>
    </message>
</context>
<context>
    <name>PricingDate</name>
    <message>
        <source>Your pricing database was last updated on: %1</source>
        <translation>Su base de datos de precios se actualizó por última vez el: %1</translation>
    </message>
</context>
<context>
    <name>QuickUpdate</name>
    <message>
        <source>It appears you have not updated your application files lately. You can download the latest data files from here.</source>
        <translation>Parece que no ha actualizado los archivos de la aplicación últimamente. Puede descargar aquí los archivos de datos más recientes.</translation>
    </message>
    <message>
        <source>Unable to dowload files. Please make sure you have an active Internet connection.</source>
        <translation>No se pueden descargar los archivos. Compruebe que tiene una conexión a Internet activa.</translation>
    </message>
    <message>
        <source>Downloading the update&apos;s signature...</source>
        <translation>Descargando la firma de la actualización...</translation>
    </message>
    <message>
        <source>Update files have been downloaded. Press OK to continue with installation</source>
        <translation>Se han descargado los archivos de actualización. Pulse Aceptar para continuar con la instalación</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Below is a list of the part numbers that correspond to your specifications:</source>
        <translation>A continuación figura la lista de referencias que corresponden a sus requisitos:</translation>
    </message>
    <message>
        <source>There is no standard part number that matches your selections.</source>
        <translation>No hay ninguna referencia estándar que coincida con sus selecciones.</translation>
    </message>
    <message>
        <source>Below is a list of the individual components that will make up your cable assembly,</source>
        <translation>A continuación figura la lista de los componentes individuales que formarán su conjunto,</translation>
    </message>
    <message>
        <source>along with the charges to have the connectors attached to the cable (if applicable).</source>
        <translation>junto con los cargos por montar los conectores en el cable (si procede).</translation>
    </message>
</context>
<context>
    <name>QuoteArchive</name>
    <message>
        <source>The quote archive cannot be used: %1</source>
        <translation>No se puede usar el archivo de cotizaciones: %1</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>its folder cannot be made.</source>
        <translation>no se puede crear su carpeta.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Ferrolyn.</source>
        <translation>lo creó una versión más reciente de Ferrolyn.</translation>
    </message>
    <message>
        <source>the server refused user &quot;%1&quot;: the password is wrong or missing.</source>
        <translation>el servidor rechazó al usuario &quot;%1&quot;; la contraseña es incorrecta o falta.</translation>
    </message>
    <message>
        <source>the server has no database &quot;%1&quot;.</source>
        <translation>el servidor no tiene ninguna base de datos &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the host &quot;%1&quot; is not known.</source>
        <translation>no se conoce el host &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds.</source>
        <translation>el servidor %1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>no server answers at %1, port %2. Is it running, and are the host and port right?</source>
        <translation>ningún servidor responde en %1, puerto %2. ¿Está en marcha y son correctos el host y el puerto?</translation>
    </message>
    <message>
        <source>user &quot;%1&quot; may not use the archive&apos;s tables, or may not make them on first use: %2</source>
        <translation>el usuario &quot;%1&quot; no puede usar las tablas del archivo o no puede crearlas en el primer uso: %2</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>el controlador PostgreSQL de Qt no está instalado (paquete Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>the server has no user &quot;%1&quot;.</source>
        <translation>el servidor no tiene ningún usuario &quot;%1&quot;.</translation>
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
        <translation>Uso: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                    [--datasheets DIR] [--archive]
Cotiza cada conjunto de IN.csv (UTF-8, con una fila de encabezado que nombre las columnas
%1)
y escribe una línea por cada línea de pedido en OUT.csv o en la salida estándar.
  -o OUT      escribir en este archivo en lugar de en la salida estándar
  --json      escribir JSON en lugar de CSV
  --currency  la moneda de los precios, como EUR (USD si no se indica)
  --strict    rechazar una fila con una pieza sin precio de lista (en lugar de
              cotizarla a 0 con una advertencia)
  --datasheets DIR  escribir en DIR una hoja de datos PDF de cada fila cotizada,
              con el nombre de su referencia (o row-N)
</translation>
    </message>
    <message>
        <source>%1 more datasheets could not be written.</source>
        <translation>No se pudieron escribir otras %1 hojas de datos.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Argumento desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Name the CSV file of assemblies to quote.</source>
        <translation>Indique el archivo CSV de conjuntos que desea cotizar.</translation>
    </message>
    <message>
        <source>The shared data folder is not registered: start Ferrolyn once, or install it again.</source>
        <translation>La carpeta de datos compartidos no está registrada: inicie Ferrolyn una vez o vuelva a instalarlo.</translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing: </source>
        <translation>Faltan uno o más archivos necesarios para ejecutar esta aplicación: </translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are in US dollars only: %1</source>
        <translation>No se pueden leer los tipos de cambio, por lo que los precios solo se dan en dólares estadounidenses: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency code such as USD or EUR.</source>
        <translation>&quot;%1&quot; no es un código de moneda como USD o EUR.</translation>
    </message>
    <message>
        <source>No exchange rates are installed: prices can be given in US dollars (USD) only.</source>
        <translation>No hay tipos de cambio instalados: los precios solo pueden darse en dólares estadounidenses (USD).</translation>
    </message>
    <message>
        <source>The exchange rate of %1 cannot be used.</source>
        <translation>No se puede usar el tipo de cambio de %1.</translation>
    </message>
    <message>
        <source>This program cannot draw datasheets.</source>
        <translation>Este programa no puede generar hojas de datos.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>No se puede crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The quote could not be written to the standard output: %1</source>
        <translation>No se pudo escribir la cotización en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be quoted.</source>
        <translation>No se pudieron cotizar %1 de %2 filas.</translation>
    </message>
    <message>
        <source>  --archive   record the quoted rows as one quote in the quote archive
</source>
        <translation>  --archive   guardar las filas cotizadas como una sola cotización en el archivo de cotizaciones
</translation>
    </message>
    <message>
        <source>The quote is too large to be recorded.</source>
        <translation>La cotización es demasiado grande para guardarse.</translation>
    </message>
    <message>
        <source>No row was quoted: no quote was recorded.</source>
        <translation>No se cotizó ninguna fila: no se guardó ninguna cotización.</translation>
    </message>
    <message>
        <source>The quote archive is not available.</source>
        <translation>El archivo de cotizaciones no está disponible.</translation>
    </message>
    <message>
        <source>Recorded as quote %1.</source>
        <translation>Guardada como cotización %1.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Preparado por:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Job Number:</source>
        <translation>N.º de trabajo:</translation>
    </message>
    <message>
        <source>Proposal Number:</source>
        <translation>N.º de propuesta:</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Cotización</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Unit Price (%1)</source>
        <translation>Precio unitario (%1)</translation>
    </message>
    <message>
        <source>Extended (%1)</source>
        <translation>Importe (%1)</translation>
    </message>
    <message>
        <source>Price on request</source>
        <translation>Precio a consultar</translation>
    </message>
    <message>
        <source>The total leaves out the lines priced on request.</source>
        <translation>El total no incluye las líneas con precio a consultar.</translation>
    </message>
    <message>
        <source>Total (%1):</source>
        <translation>Total (%1):</translation>
    </message>
    <message>
        <source>Quote %1, revision %2</source>
        <translation>Cotización %1, revisión %2</translation>
    </message>
</context>
<context>
    <name>QuoteEngine</name>
    <message>
        <source>No top connector of this cable matches your selections. Please choose another top connector.</source>
        <translation>Ningún conector superior de este cable coincide con sus selecciones. Elija otro conector superior.</translation>
    </message>
    <message>
        <source>No bottom connector of this cable matches your selections. Please choose another bottom connector.</source>
        <translation>Ningún conector inferior de este cable coincide con sus selecciones. Elija otro conector inferior.</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Chapado</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>top or bottom connector</source>
        <translation>conector superior o inferior</translation>
    </message>
    <message>
        <source>top connector</source>
        <translation>conector superior</translation>
    </message>
    <message>
        <source>bottom connector</source>
        <translation>conector inferior</translation>
    </message>
    <message>
        <source>The %1 grade has no such %2; a connector of another grade is used.</source>
        <translation>La calidad %1 no tiene ese %2; se usa un conector de otra calidad.</translation>
    </message>
    <message>
        <source>No list price for %1: the total leaves them out.</source>
        <translation>Sin precio de lista para %1: no se incluyen en el total.</translation>
    </message>
    <message>
        <source>There is no cable to choose for these selections.</source>
        <translation>No hay ningún cable que elegir para estas selecciones.</translation>
    </message>
    <message>
        <source>Ending frequency must be greater than beginning frequency.</source>
        <translation>La frecuencia final debe ser mayor que la frecuencia inicial.</translation>
    </message>
    <message>
        <source>Sorry, there are no items that match your selection criteria.</source>
        <translation>Lo sentimos, no hay artículos que coincidan con sus criterios de selección.</translation>
    </message>
    <message>
        <source>Add it to the order anyway?</source>
        <translation>¿Añadirlo al pedido de todos modos?</translation>
    </message>
</context>
<context>
    <name>QuoteHistory</name>
    <message>
        <source>Recorded as quote %1, revision %2.</source>
        <translation>Guardada como cotización %1, revisión %2.</translation>
    </message>
    <message>
        <source>Not recorded in the quote history: %1</source>
        <translation>No se guardó en el historial de cotizaciones: %1</translation>
    </message>
    <message>
        <source>Quote Archive</source>
        <translation>Archivo de cotizaciones</translation>
    </message>
    <message>
        <source>Password of user &quot;%1&quot; on the quote archive server %2:</source>
        <translation>Contraseña del usuario &quot;%1&quot; en el servidor del archivo de cotizaciones %2:</translation>
    </message>
    <message>
        <source>Kept on this computer as quote %1, revision %2, not yet sent: %3</source>
        <translation>Guardada en este equipo como cotización %1, revisión %2, aún sin enviar: %3</translation>
    </message>
    <message>
        <source>Recorded as quote %1, revision %2. Quotes that waited on this computer, now sent: %3.</source>
        <translation>Guardada como cotización %1, revisión %2. Cotizaciones que esperaban en este equipo, ya enviadas: %3.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. Not sent: %2</source>
        <translation>Cotizaciones en este equipo a la espera del servidor del archivo de cotizaciones: %1. Sin enviar: %2</translation>
    </message>
    <message>
        <source>Quotes that waited on this computer, now sent to the quote archive server: %1.</source>
        <translation>Cotizaciones que esperaban en este equipo, ya enviadas al servidor del archivo de cotizaciones: %1.</translation>
    </message>
    <message>
        <source>No keyring answered: the password is kept until Ferrolyn closes.</source>
        <translation>Ningún llavero respondió: la contraseña se conserva hasta que se cierre Ferrolyn.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. They are sent when the server is chosen again.</source>
        <translation>Cotizaciones en este equipo a la espera del servidor del archivo de cotizaciones: %1. Se enviarán cuando se vuelva a elegir el servidor.</translation>
    </message>
</context>
<context>
    <name>QuotePdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the %2 could not be drawn.</source>
        <translation>No se puede escribir el archivo PDF &quot;%1&quot;: no se pudo generar el contenido (%2).</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>archivo PDF</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Cotización</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>cotización</translation>
    </message>
    <message>
        <source>The quote could not be printed.</source>
        <translation>No se pudo imprimir la cotización.</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>The common-files folder is not registered: %1</source>
        <translation>La carpeta de archivos comunes no está registrada: %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user; run Ferrolyn as that user.</source>
        <translation>%1 pertenece a otro usuario; ejecute Ferrolyn como ese usuario.</translation>
    </message>
    <message>
        <source>Registered the common-files folder %1 in %2.</source>
        <translation>Se registró la carpeta de archivos comunes %1 en %2.</translation>
    </message>
</context>
<context>
    <name>ResultContent</name>
    <message>
        <source>Foreign Currencies:</source>
        <translation>Monedas extranjeras:</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Recordatorio:</translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation>Última actualización:</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Total del pedido:</translation>
    </message>
    <message>
        <source>Order Total (%1):</source>
        <translation>Total del pedido (%1):</translation>
    </message>
    <message>
        <source>Currencies other than United States Dollars($US) are provided for information purposes only and are based on exchange rates as of %1</source>
        <translation>Las monedas distintas del dólar estadounidense ($US) se ofrecen solo a título informativo y se basan en los tipos de cambio vigentes al %1</translation>
    </message>
    <message>
        <source>Prices are subject to change without notice.  %1</source>
        <translation>Los precios están sujetos a cambios sin previo aviso.  %1</translation>
    </message>
    <message>
        <source>Your pricing database was last updated on %1</source>
        <translation>Su base de datos de precios se actualizó por última vez el %1</translation>
    </message>
    <message>
        <source>Vantrel Jumper Results</source>
        <translation>Resultados de jumpers Vantrel</translation>
    </message>
    <message>
        <source>Jumper Results</source>
        <translation>Resultados de jumpers</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price: %2</source>
        <translation>Cant.: %1,          Precio total: %2</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price (%2): %3</source>
        <translation>Cant.: %1,          Precio total (%2): %3</translation>
    </message>
    <message>
        <source>Foreign Currencies</source>
        <translation>Monedas extranjeras</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Última actualización</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is a link; choose another name.</source>
        <translation>es un enlace; elija otro nombre.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation>No se puede escribir &quot;%2&quot; (%1): %3</translation>
    </message>
    <message>
        <source>only part of it could be written</source>
        <translation>solo se pudo escribir una parte</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made.</source>
        <translation>no se puede crear su carpeta %1.</translation>
    </message>
    <message>
        <source>another running copy of Ferrolyn keeps it locked.</source>
        <translation>otra copia de Ferrolyn en ejecución lo mantiene bloqueado.</translation>
    </message>
    <message>
        <source>its folder cannot be written.</source>
        <translation>no se puede escribir en su carpeta.</translation>
    </message>
</context>
<context>
    <name>Specs</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from %2 to %3 here)</source>
        <translation>&apos;%1&apos; no es un número decimal válido (aquí, de %2 a %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a VSWR range (low-high:VSWR in MHz, such as 698-960:1.15)</source>
        <translation>&apos;%1&apos; no es un rango de ROE (mín-máx:ROE en MHz, p. ej. 698-960:1.15)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a part data line (part number=fields)</source>
        <translation>&apos;%1&apos; no es una línea de datos de pieza (referencia=campos)</translation>
    </message>
    <message>
        <source>Some part data cannot be read; the parts it concerns show n/a:</source>
        <translation>No se pueden leer algunos datos de piezas; las piezas afectadas se muestran sin datos:</translation>
    </message>
</context>
<context>
    <name>StandardLengths</name>
    <message>
        <source>%1 Meters</source>
        <translation>%1 metros</translation>
    </message>
    <message>
        <source>%1 Feet</source>
        <translation>%1 pies</translation>
    </message>
    <message>
        <source>Your Selection:</source>
        <translation>Su selección:</translation>
    </message>
    <message>
        <source>A little shorter:</source>
        <translation>Algo más corto:</translation>
    </message>
    <message>
        <source>A little longer:</source>
        <translation>Algo más largo:</translation>
    </message>
</context>
<context>
    <name>TAsBuiltPanel</name>
    <message>
        <source>Assembly as built, with the connectors fitted</source>
        <translation>Conjunto tal como se fabrica, con los conectores montados</translation>
    </message>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>&amp;Hoja de datos PDF...</translation>
    </message>
</context>
<context>
    <name>TBandPanel</name>
    <message>
        <source>Save Chart as &amp;PNG...</source>
        <translation>Guardar gráfico como &amp;PNG...</translation>
    </message>
    <message>
        <source>Save Chart as &amp;SVG...</source>
        <translation>Guardar gráfico como &amp;SVG...</translation>
    </message>
    <message>
        <source>Cable total</source>
        <translation>Total cable</translation>
    </message>
    <message>
        <source>Insertion loss</source>
        <translation>Inserción</translation>
    </message>
    <message>
        <source>Avg. power</source>
        <translation>Potencia media</translation>
    </message>
    <message>
        <source>Middle of the band</source>
        <translation>Centro de la banda</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Pérdida (dB)</translation>
    </message>
    <message>
        <source>Average (kW)</source>
        <translation>Media (kW)</translation>
    </message>
    <message>
        <source>%1 MHz
Cable total attenuation: %2 dB
Insertion loss: %3 dB
Average power: %4 kW</source>
        <translation>%1 MHz
Atenuación total del cable: %2 dB
Pérdida de inserción: %3 dB
Potencia media: %4 kW</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Cannot draw the chart.</source>
        <translation>No se puede dibujar el gráfico.</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>gráfico</translation>
    </message>
</context>
<context>
    <name>TBandPanels</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparar...</translation>
    </message>
</context>
<context>
    <name>TDatasheetActions</name>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>&amp;Hoja de datos PDF...</translation>
    </message>
    <message>
        <source>Save Datasheet as PDF</source>
        <translation>Guardar hoja de datos como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TImportAssemblies</name>
    <message>
        <source>&amp;Import Assemblies...</source>
        <translation>I&amp;mportar conjuntos...</translation>
    </message>
    <message>
        <source>Import Assemblies</source>
        <translation>Importar conjuntos</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file has no assemblies to import.</source>
        <translation>El archivo no contiene conjuntos para importar.</translation>
    </message>
    <message>
        <source>Quoting the assemblies...</source>
        <translation>Cotizando los conjuntos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>its unit price or quantity would be above %1.</source>
        <translation>su precio unitario o su cantidad superaría %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>These assemblies cannot be added: the order would be too large to save. Import them in smaller parts or into a new order.</source>
        <translation>No se pueden añadir estos conjuntos: el pedido sería demasiado grande para guardarlo. Impórtelos en partes más pequeñas o en un pedido nuevo.</translation>
    </message>
    <message>
        <source>%1 of %2 rows were added to the order.</source>
        <translation>Se han añadido %1 de %2 filas al pedido.</translation>
    </message>
    <message>
        <source> The order is in %1: they were added at their prices in %1.</source>
        <translation> El pedido está en %1: se han añadido con sus precios en %1.</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be added to the order:</source>
        <translation>No se han podido añadir %1 de %2 filas al pedido:</translation>
    </message>
    <message>
        <source>Notes on the rows added:</source>
        <translation>Notas sobre las filas añadidas:</translation>
    </message>
</context>
<context>
    <name>TMPReporter</name>
    <message>
        <source>Customer Service Center: %1</source>
        <translation>Centro de atención al cliente: %1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se ha podido imprimir el informe.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file: %1</source>
        <translation>No se puede escribir un archivo temporal: %1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the report could not be drawn.</source>
        <translation>No se puede escribir el archivo PDF &quot;%1&quot;: no se ha podido generar el informe.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>archivo PDF</translation>
    </message>
</context>
<context>
    <name>TOrderDocument</name>
    <message>
        <source>The current order has changes that are not saved. Save them before opening another order?</source>
        <translation>El pedido actual tiene cambios sin guardar. ¿Desea guardarlos antes de abrir otro pedido?</translation>
    </message>
    <message>
        <source>The current order has changes that are not saved. Save them before closing Ferrolyn?</source>
        <translation>El pedido actual tiene cambios sin guardar. ¿Desea guardarlos antes de cerrar Ferrolyn?</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>Sin título[*] - %1</translation>
    </message>
    <message>
        <source>Save Order As</source>
        <translation>Guardar pedido como</translation>
    </message>
    <message>
        <source>Save Order</source>
        <translation>Guardar pedido</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Archivos de Ferrolyn (*.fyn)</translation>
    </message>
</context>
<context>
    <name>TQuoteActions</name>
    <message>
        <source>Order &amp;Details...</source>
        <translation>&amp;Detalles del pedido...</translation>
    </message>
    <message>
        <source>Print Q&amp;uote...</source>
        <translation>Imprimir co&amp;tización...</translation>
    </message>
    <message>
        <source>Save Quote as PD&amp;F...</source>
        <translation>Guardar cotización como PD&amp;F...</translation>
    </message>
    <message>
        <source>To an Excel &amp;Workbook (.xlsx)...</source>
        <translation>A un &amp;libro de Excel (.xlsx)...</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <translation>De&amp;talles...</translation>
    </message>
    <message>
        <source>&amp;Quote PDF...</source>
        <translation>C&amp;otización PDF...</translation>
    </message>
    <message>
        <source>Save Quote as PDF</source>
        <translation>Guardar cotización como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TQuoteHistory</name>
    <message>
        <source>Quote Histo&amp;ry...</source>
        <translation>Historial de coti&amp;zaciones...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Quote Archive...</source>
        <translation>&amp;Archivo de cotizaciones...</translation>
    </message>
</context>
<context>
    <name>TextBuffer</name>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it is a link to nothing.</source>
        <translation>es un enlace roto.</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>no existe.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than such a file holds.</source>
        <translation>ocupa más de %1 MB, más de lo que puede contener un archivo de este tipo.</translation>
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
        <translation>Condiciones

Los precios y las características técnicas de esta lista de precios pueden cambiar sin previo aviso.

Los precios se entienden FOB origen para pedidos dentro de Estados Unidos y EXW fábrica para pedidos internacionales. No incluyen embalaje de exportación, seguros, impuestos, aranceles ni derechos de aduana.

Se cobra un depósito reembolsable por determinados palés y por las bobinas de cable grandes.

Todo pedido está sujeto a un importe mínimo de 50,00 USD netos.

Para obtener una cotización adaptada a sus necesidades concretas, póngase en contacto con su representante o su oficina de ventas local de Vantrel.

Todos los pedidos están sujetos a la aceptación de Vantrel y se rigen por las condiciones generales de venta de Vantrel.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Ferrolyn™
RF cable assembly configurator and price calculator</source>
        <translation>Ferrolyn™
Configurador de conjuntos de cable RF y calculadora de precios</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare Cables</source>
        <translation>Comparar cables</translation>
    </message>
    <message>
        <source>Tick up to %1 cables to draw their total attenuation at %2 %3.</source>
        <translation>Marque hasta %1 cables para trazar su atenuación total a %2 %3.</translation>
    </message>
    <message>
        <source>&amp;Use This Cable</source>
        <translation>&amp;Usar este cable</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>At most %1 cables are drawn: untick one first.</source>
        <translation>Se trazan como máximo %1 cables: desmarque uno primero.</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Total attenuation (dB)</source>
        <translation>Atenuación total (dB)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>These exchange rates cannot be used; their currencies are not offered:

</source>
        <translation>No se pueden usar estos tipos de cambio; sus monedas no están disponibles:

</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Archivos de Ferrolyn (*.fyn)</translation>
    </message>
    <message>
        <source>This field must contain a numeric value.</source>
        <translation>Este campo debe contener un valor numérico.</translation>
    </message>
    <message>
        <source>This field cannot contain the character &apos;|&apos;.</source>
        <translation>Este campo no puede contener el carácter &apos;|&apos;.</translation>
    </message>
    <message>
        <source>To delete items, highlight the rows you wish to delete<byte value="xd"/>by clicking the rowbar on the left.<byte value="xd"/>To delete multiple rows, hold down the Ctrl key while<byte value="xd"/>selecting each row.</source>
        <translation>Para eliminar elementos, seleccione las filas que desea eliminar<byte value="xd"/>haciendo clic en la barra de filas de la izquierda.<byte value="xd"/>Para eliminar varias filas, mantenga pulsada la tecla Ctrl<byte value="xd"/>mientras selecciona cada fila.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected items?<byte value="xd"/>This action can not be undone!</source>
        <translation>¿Está seguro de que desea eliminar los elementos seleccionados?<byte value="xd"/>¡Esta acción no se puede deshacer!</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Parts List</source>
        <translation>Lista de piezas</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Total del pedido:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This item cannot be added to the order: its unit price or quantity would be above %1.</source>
        <translation>No se puede añadir este artículo al pedido: su precio unitario o su cantidad superaría %1.</translation>
    </message>
    <message>
        <source>The order is in %1: the item was added at its prices in %1.</source>
        <translation>El pedido está en %1: el artículo se ha añadido con sus precios en %1.</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Precios en %1</translation>
    </message>
    <message>
        <source>The quantity must be at most %1.</source>
        <translation>La cantidad debe ser como máximo %1.</translation>
    </message>
    <message>
        <source>Ferrolyn cannot write to its program folder, so it keeps the last order and the order files in:<byte value="xd"/>%1</source>
        <translation>Ferrolyn no puede escribir en su carpeta de programa, por lo que guarda el último pedido y los archivos de pedido en:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>archivo de pedido</translation>
    </message>
    <message>
        <source>The order&apos;s currency &quot;%1&quot; is not offered here: its prices are taken to be in %2.</source>
        <translation>La moneda del pedido &quot;%1&quot; no está disponible aquí: se considera que sus precios están en %2.</translation>
    </message>
    <message>
        <source>Open Order</source>
        <translation>Abrir pedido</translation>
    </message>
    <message>
        <source>No Order To View</source>
        <translation>No hay ningún pedido que mostrar</translation>
    </message>
    <message>
        <source>The order on screen could not be written to the last-order file, which still holds an older order.<byte value="xd"/>Replace the order on screen with that older order?</source>
        <translation>No se ha podido escribir el pedido en pantalla en el archivo del último pedido, que aún contiene un pedido anterior.<byte value="xd"/>¿Desea sustituir el pedido en pantalla por ese pedido anterior?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>Archivos HTML (*.html)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Archivos de Excel (*.xls)</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicación:</translation>
    </message>
    <message>
        <source>Jumper</source>
        <translation>Jumper</translation>
    </message>
    <message>
        <source>Feeder</source>
        <translation>Feeder</translation>
    </message>
    <message>
        <source>Select An Application</source>
        <translation>Seleccione una aplicación</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Select a Length</source>
        <translation>Seleccione una longitud</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frecuencias:</translation>
    </message>
    <message>
        <source>Select Frequencies</source>
        <translation>Seleccione las frecuencias</translation>
    </message>
    <message>
        <source>Select A Beginning Frequency</source>
        <translation>Seleccione una frecuencia inicial</translation>
    </message>
    <message>
        <source>Select An Ending Frequency</source>
        <translation>Seleccione una frecuencia final</translation>
    </message>
    <message>
        <source>Beginning Frequency:</source>
        <translation>Frecuencia inicial:</translation>
    </message>
    <message>
        <source>Ending Frequency:</source>
        <translation>Frecuencia final:</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>Tipo de cable:</translation>
    </message>
    <message>
        <source>Air Coaxial</source>
        <translation>Coaxial de aire</translation>
    </message>
    <message>
        <source>Foam Coaxial</source>
        <translation>Coaxial de espuma</translation>
    </message>
    <message>
        <source>Elliptical Waveguide</source>
        <translation>Guía de ondas elíptica</translation>
    </message>
    <message>
        <source>Select A Cable Type</source>
        <translation>Seleccione un tipo de cable</translation>
    </message>
    <message>
        <source>Connector Attachment(s)</source>
        <translation>Conectores montados</translation>
    </message>
    <message>
        <source>Both Connectors</source>
        <translation>Ambos conectores</translation>
    </message>
    <message>
        <source>Top Connector ONLY</source>
        <translation>SOLO conector superior</translation>
    </message>
    <message>
        <source>Bottom Connector ONLY</source>
        <translation>SOLO conector inferior</translation>
    </message>
    <message>
        <source>No Connectors</source>
        <translation>Sin conectores</translation>
    </message>
    <message>
        <source>Select A Type Of Feeder</source>
        <translation>Seleccione un tipo de feeder</translation>
    </message>
    <message>
        <source>Connectors:</source>
        <translation>Conectores:</translation>
    </message>
    <message>
        <source>Include Top Connector</source>
        <translation>Incluir conector superior</translation>
    </message>
    <message>
        <source>Include Bottom Connector</source>
        <translation>Incluir conector inferior</translation>
    </message>
    <message>
        <source>Top Jumper</source>
        <translation>Jumper superior</translation>
    </message>
    <message>
        <source>Bottom Jumper</source>
        <translation>Jumper inferior</translation>
    </message>
    <message>
        <source>Main Feeder</source>
        <translation>Feeder principal</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Mates To</source>
        <translation>Se acopla con</translation>
    </message>
    <message>
        <source>Top Connector</source>
        <translation>Conector superior</translation>
    </message>
    <message>
        <source>Bottom Connector</source>
        <translation>Conector inferior</translation>
    </message>
    <message>
        <source>Top Connector Desc.</source>
        <translation>Descripción del conector sup.</translation>
    </message>
    <message>
        <source>Bottom Connector Desc</source>
        <translation>Descripción del conector inferior</translation>
    </message>
    <message>
        <source>Special Characteristics:</source>
        <translation>Características particulares:</translation>
    </message>
    <message>
        <source>Select special characteristics for top connector</source>
        <translation>Seleccione las características particulares del conector superior</translation>
    </message>
    <message>
        <source>Select special characteristics for bottom connector</source>
        <translation>Seleccione las características particulares del conector inferior</translation>
    </message>
    <message>
        <source>Inner Connector Attachment:</source>
        <translation>Fijación interna del conector:</translation>
    </message>
    <message>
        <source>Select inner connector attachment for top connector</source>
        <translation>Seleccione la fijación interna del conector superior</translation>
    </message>
    <message>
        <source>Select inner connector attachment for bottom connector</source>
        <translation>Seleccione la fijación interna del conector inferior</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Select Cable Size</source>
        <translation>Seleccione el tamaño del cable</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Connector Grade:</source>
        <translation>Calidad del conector:</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Chapado</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Cable Grade:</source>
        <translation>Calidad del cable:</translation>
    </message>
    <message>
        <source>Standard Cable</source>
        <translation>Cable estándar</translation>
    </message>
    <message>
        <source>Premium Cable</source>
        <translation>Cable premium</translation>
    </message>
    <message>
        <source>Flame Retardant Cable</source>
        <translation>Cable ignífugo</translation>
    </message>
    <message>
        <source>Connector Attachment:</source>
        <translation>Fijación del conector:</translation>
    </message>
    <message>
        <source>Prenvo</source>
        <translation>Prenvo</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation>Siguiente -&gt;</translation>
    </message>
    <message>
        <source>Click here to &amp;update your software</source>
        <translation>Haga clic aquí para act&amp;ualizar el software</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Atenuación (dB/100 ft):</translation>
    </message>
    <message>
        <source>Attenuation (dB/100m):</source>
        <translation>Atenuación (dB/100m):</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Atenuación total (dB):</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Pérdida de inserción (dB):</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Eficiencia (%):</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Potencia máx. (kW):</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Potencia media (kW):</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>Referencia:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Atenuación (dB/100 m):</translation>
    </message>
    <message>
        <source>Total ($US):</source>
        <translation>Total ($US):</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, make sure to update regularly to get the latest pricing and product information.</source>
        <translation>Para sacar el máximo partido a su software de Vantrel, actualícelo con regularidad y disponga siempre de los precios y la información de productos más recientes.</translation>
    </message>
    <message>
        <source>The length you have selected is not a standard length for this jumper assembly, but there are some standard lengths available that are close to your selection.

Your jumper assembly can still be made with the length you originally selected, but ordering standard lengths may speed up production time, allowing you to receive your order faster.

Below is a list of standard lengths for the jumper assembly that you have selected that are close to the length you picked.

You can either select one of these standard lengths, or you can keep your current selection.</source>
        <translation>La longitud seleccionada no es una longitud estándar para este jumper, pero hay algunas longitudes estándar disponibles cercanas a su selección.

Su jumper puede fabricarse igualmente con la longitud que seleccionó en un principio, pero pedir longitudes estándar puede acortar el tiempo de producción y permitirle recibir su pedido antes.

A continuación figura una lista de longitudes estándar del jumper seleccionado cercanas a la longitud que eligió.

Puede seleccionar una de estas longitudes estándar o mantener su selección actual.</translation>
    </message>
    <message>
        <source>Length (Feet)</source>
        <translation>Longitud (pies)</translation>
    </message>
    <message>
        <source>Length (Meters)</source>
        <translation>Longitud (metros)</translation>
    </message>
    <message>
        <source>Difference In Length</source>
        <translation>Diferencia de longitud</translation>
    </message>
    <message>
        <source>Standard Lengths</source>
        <translation>Longitudes estándar</translation>
    </message>
    <message>
        <source>Keep Your Current Selection</source>
        <translation>Mantener la selección actual</translation>
    </message>
    <message>
        <source>Select This Jumper</source>
        <translation>Seleccionar este jumper</translation>
    </message>
    <message>
        <source>Select A Jumper</source>
        <translation>Seleccione un jumper</translation>
    </message>
    <message>
        <source>Final Selection Data</source>
        <translation>Datos de la selección final</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, you should update regularly to get the latest pricing and product information.</source>
        <translation>Para sacar el máximo partido a su software de Vantrel, le recomendamos actualizarlo con regularidad y disponer siempre de los precios y la información de productos más recientes.</translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation>Precio %1</translation>
    </message>
    <message>
        <source>Total %1:</source>
        <translation>Total %1:</translation>
    </message>
    <message>
        <source>Unable to locate Registry Key</source>
        <translation>No se encuentra la clave del Registro</translation>
    </message>
    <message>
        <source>Unable to create path from Registry</source>
        <translation>No se puede crear la ruta a partir del Registro</translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are shown in US dollars only.<byte value="xd"/></source>
        <translation>No se pueden leer los tipos de cambio, por lo que los precios se muestran solo en dólares estadounidenses.<byte value="xd"/></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing.</source>
        <translation>Faltan uno o varios archivos necesarios para ejecutar esta aplicación.</translation>
    </message>
    <message>
        <source>Currencies other than the United States Dollars ($US)  are provided for information purposes only and are based on exchange rates as of: %1.</source>
        <translation>Las monedas distintas del dólar estadounidense ($US) se indican solo a título informativo y se basan en los tipos de cambio vigentes a fecha de: %1.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>Empezar de &amp;nuevo</translation>
    </message>
    <message>
        <source>Go back to the beginning.</source>
        <translation>Volver al principio.</translation>
    </message>
    <message>
        <source>&lt;- Back</source>
        <translation>&lt;- Atrás</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Volver atrás</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Vantrel Ferrolyn Results</source>
        <translation>Resultados de Vantrel Ferrolyn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>To a text file</source>
        <translation>A un archivo de texto</translation>
    </message>
    <message>
        <source>To an HTML Document</source>
        <translation>A un documento HTML</translation>
    </message>
    <message>
        <source>To an MS Excel Spreadsheet</source>
        <translation>A una hoja de cálculo de MS Excel</translation>
    </message>
    <message>
        <source>&amp;Copy To Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;View Last Order</source>
        <translation>&amp;Ver último pedido</translation>
    </message>
    <message>
        <source>&amp;Quick Update</source>
        <translation>Actualización &amp;rápida</translation>
    </message>
    <message>
        <source>S&amp;tart Over</source>
        <translation>Empezar de &amp;nuevo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Currency Settings</source>
        <translation>Configuración de moneda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Add To Order</source>
        <translation>Añadir al pedido</translation>
    </message>
    <message>
        <source>Add to Order</source>
        <translation>Añadir al pedido</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Update Options</source>
        <translation>Opciones de actualización</translation>
    </message>
    <message>
        <source>Set days between each update</source>
        <translation>Días entre actualizaciones</translation>
    </message>
    <message>
        <source>Do not use Auto Update</source>
        <translation>No usar la actualización automática</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmOrderDetails</name>
    <message>
        <source>Order Details</source>
        <translation>Detalles del pedido</translation>
    </message>
    <message>
        <source>&amp;Company name:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Job number:</source>
        <translation>N.º de &amp;trabajo:</translation>
    </message>
    <message>
        <source>&amp;Proposal number:</source>
        <translation>N.º de &amp;propuesta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The date must be a date such as %1.</source>
        <translation>La fecha debe ser una fecha válida, como %1.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteArchive</name>
    <message>
        <source>Quote Archive</source>
        <translation>Archivo de cotizaciones</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>En este equipo</translation>
    </message>
    <message>
        <source>On a server</source>
        <translation>En un servidor</translation>
    </message>
    <message>
        <source>(as kept)</source>
        <translation>(guardada)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>Puer&amp;to:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de datos:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>&amp;Probar conexión</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Connected: the quote archive on the server is ready.</source>
        <translation>Conectado: el archivo de cotizaciones del servidor está listo.</translation>
    </message>
    <message>
        <source>Enter the database and the user of the quote archive server.</source>
        <translation>Indique la base de datos y el usuario del servidor del archivo de cotizaciones.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteHistory</name>
    <message>
        <source>Quote History</source>
        <translation>Historial de cotizaciones</translation>
    </message>
    <message>
        <source>Search by company, quote number, job or proposal number, author or part number</source>
        <translation>Buscar por empresa, n.º de cotización, n.º de trabajo o de propuesta, autor o referencia</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Cotización</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export Quote History</source>
        <translation>Exportar historial de cotizaciones</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>quote history</source>
        <translation>historial de cotizaciones</translation>
    </message>
    <message>
        <source>Delete quote %1, revision %2, from the quote history? This cannot be undone.</source>
        <translation>¿Eliminar la cotización %1, revisión %2, del historial de cotizaciones? No se puede deshacer.</translation>
    </message>
    <message>
        <source>(not yet sent)</source>
        <translation>(aún sin enviar)</translation>
    </message>
    <message>
        <source>Quote %1, revision %2, was not deleted: it is gone, or it is not one of yours.</source>
        <translation>La cotización %1, revisión %2, no se eliminó: ya no existe o no es suya.</translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>Quick Update</source>
        <translation>Actualización rápida</translation>
    </message>
    <message>
        <source>Before clicking the Update button, please make sure you have an active Internet connection.</source>
        <translation>Antes de hacer clic en el botón Actualizar, asegúrese de tener una conexión a Internet activa.</translation>
    </message>
    <message>
        <source>It is recommended that you restart your application after updated files have been installed.</source>
        <translation>Se recomienda reiniciar la aplicación después de instalar los archivos actualizados.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
</context>
<context>
    <name>UpdateIni</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo de configuración &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%1&quot; so that it reads back.</source>
        <translation>No se puede escribir el archivo de configuración &quot;%1&quot; de forma que pueda volver a leerse.</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>archivo de configuración</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/.</source>
        <translation>No se pueden verificar las actualizaciones: esta instalación no tiene clave de actualización. Instale la nueva versión manualmente desde https://www.vantrel.example/.</translation>
    </message>
    <message>
        <source>The download could not be verified: the server offers no signature.</source>
        <translation>No se ha podido verificar la descarga: el servidor no ofrece ninguna firma.</translation>
    </message>
    <message>
        <source>The download could not be verified: its signature does not match the maker&apos;s key.</source>
        <translation>No se ha podido verificar la descarga: su firma no coincide con la clave del fabricante.</translation>
    </message>
</context>
<context>
    <name>WizardModel</name>
    <message>
        <source>The beginning frequency must be a number greater than 0 MHz.</source>
        <translation>La frecuencia inicial debe ser un número mayor que 0 MHz.</translation>
    </message>
    <message>
        <source>The ending frequency must be a number greater than 0 MHz.</source>
        <translation>La frecuencia final debe ser un número mayor que 0 MHz.</translation>
    </message>
    <message>
        <source>The length must be a number greater than 0.</source>
        <translation>La longitud debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>The frequency must be at most %1 MHz.</source>
        <translation>La frecuencia debe ser como máximo %1 MHz.</translation>
    </message>
    <message>
        <source>The length must be at most %1.</source>
        <translation>La longitud debe ser como máximo %1.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Cannot make the workbook: %1</source>
        <translation>No se puede crear el libro: %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook: no temporary folder: %1</source>
        <translation>No se puede crear el libro: no hay carpeta temporal: %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook.</source>
        <translation>No se puede crear el libro.</translation>
    </message>
    <message>
        <source>workbook</source>
        <translation>libro</translation>
    </message>
</context>
</TS>
