<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cable Assembly Configurator</source>
        <translation>Konfigurator für Kabelkonfektionen</translation>
    </message>
    <message>
        <source>Configure and price RF coaxial cable assemblies</source>
        <translation>HF-Koaxialkabelkonfektionen konfigurieren und kalkulieren</translation>
    </message>
    <message>
        <source>coaxial;cable;assembly;RF;quote;</source>
        <translation>Koaxial;Kabel;Konfektion;HF;Angebot;</translation>
    </message>
</context>
<context>
    <name>AsBuilt</name>
    <message>
        <source>Connector loss taken as %1 dB/√GHz for %2: no part data.</source>
        <translation>Steckverbinderdämpfung für %2 mit %1 dB/√GHz angesetzt: keine Teiledaten.</translation>
    </message>
    <message>
        <source>Insertion loss as built (dB)</source>
        <translation>Einfügedämpfung konfektioniert (dB)</translation>
    </message>
    <message>
        <source>Maximum insertion loss in the band (dB)</source>
        <translation>Maximale Einfügedämpfung im Band (dB)</translation>
    </message>
    <message>
        <source>Maximum VSWR</source>
        <translation>Maximales VSWR</translation>
    </message>
    <message>
        <source>Minimum return loss (dB)</source>
        <translation>Minimale Rückflussdämpfung (dB)</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PIM</translation>
    </message>
    <message>
        <source>Electrical length (m)</source>
        <translation>Elektrische Länge (m)</translation>
    </message>
    <message>
        <source>Delay (ns)</source>
        <translation>Laufzeit (ns)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>Minimum bend radius (mm)</source>
        <translation>Minimaler Biegeradius (mm)</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft)</source>
        <translation>Dämpfung (dB/100 ft)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m)</source>
        <translation>Dämpfung (dB/100 m)</translation>
    </message>
    <message>
        <source>Cable Total Attenuation (dB)</source>
        <translation>Gesamt­dämpfung Kabel (dB)</translation>
    </message>
    <message>
        <source>Insertion Loss (dB)</source>
        <translation>Einfüge­dämpfung (dB)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Wirkungs­grad (%)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Belast­barkeit (kW)</translation>
    </message>
    <message>
        <source>Figures at %1 MHz, the middle of %2–%3 MHz</source>
        <translation>Werte bei %1 MHz, der Mitte von %2–%3 MHz</translation>
    </message>
</context>
<context>
    <name>BatchQuote</name>
    <message>
        <source>%1: %2 is not one of %3.</source>
        <translation>%1: %2 ist keiner der Werte %3.</translation>
    </message>
    <message>
        <source>%1: %2 is not a number greater than 0 (such as 12 or 2.5).</source>
        <translation>%1: %2 ist keine Zahl größer als 0 (wie 12 oder 2.5).</translation>
    </message>
    <message>
        <source>%1: %2 is above the largest value, %3.</source>
        <translation>%1: %2 liegt über dem Höchstwert %3.</translation>
    </message>
    <message>
        <source>the row has %1 cells, more than the %2 columns the first line names.</source>
        <translation>die Zeile hat %1 Zellen, mehr als die %2 Spalten der Kopfzeile.</translation>
    </message>
    <message>
        <source>cable: there is no cable %1 in the catalog.</source>
        <translation>cable: Kein Kabel %1 im Katalog.</translation>
    </message>
    <message>
        <source>cable: elliptical waveguide is offered for feeders only.</source>
        <translation>cable: Elliptischer Hohlleiter wird nur für Feeder angeboten.</translation>
    </message>
    <message>
        <source>cable: %1 is not offered from %2 to %3 MHz.</source>
        <translation>cable: %1 wird von %2 bis %3 MHz nicht angeboten.</translation>
    </message>
    <message>
        <source>attachment: Prenvo is offered for jumpers only.</source>
        <translation>attachment: Prenvo wird nur für Jumper angeboten.</translation>
    </message>
    <message>
        <source>attachment: this cable is not offered with Prenvo.</source>
        <translation>attachment: Dieses Kabel wird nicht mit Prenvo angeboten.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with plated connectors.</source>
        <translation>grade: Dieses Kabel wird nicht mit beschichteten Steckverbindern angeboten.</translation>
    </message>
    <message>
        <source>grade: standard connectors are not offered with Prenvo.</source>
        <translation>grade: Standard-Steckverbinder werden nicht mit Prenvo angeboten.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with standard connectors.</source>
        <translation>grade: Dieses Kabel wird nicht mit Standard-Steckverbindern angeboten.</translation>
    </message>
    <message>
        <source>%1: %2 is not offered for these choices; the choices are: %3.</source>
        <translation>%1: %2 wird für diese Auswahl nicht angeboten; möglich sind: %3.</translation>
    </message>
    <message>
        <source>feeder_connectors: a jumper has both connectors.</source>
        <translation>feeder_connectors: Ein Jumper hat immer beide Steckverbinder.</translation>
    </message>
    <message>
        <source>top: the feeder has no top connector (feeder_connectors).</source>
        <translation>top: Der Feeder hat keinen oberen Steckverbinder (feeder_connectors).</translation>
    </message>
    <message>
        <source>bottom: the feeder has no bottom connector (feeder_connectors).</source>
        <translation>bottom: Der Feeder hat keinen unteren Steckverbinder (feeder_connectors).</translation>
    </message>
    <message>
        <source>quantity: %1 is not a whole number from 1 to %2.</source>
        <translation>quantity: %1 ist keine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (is it %2?)</source>
        <translation>&quot;%1&quot; (gemeint: %2?)</translation>
    </message>
    <message>
        <source>The file has no column %1.%2 The first line must name the columns %3.</source>
        <translation>Die Datei hat keine Spalte %1.%2 Die erste Zeile muss die Spalten %3 benennen.</translation>
    </message>
    <message>
        <source> It has the unknown column %1.</source>
        <translation> Unbekannte Spalte: %1.</translation>
    </message>
    <message>
        <source>The file has %1 rows; at most %2 assemblies can be quoted at once.</source>
        <translation>Die Datei hat %1 Zeilen; höchstens %2 Konfektionen können auf einmal angeboten werden.</translation>
    </message>
    <message>
        <source>quantity: the order would hold %1 of %2, above the largest quantity, %3.</source>
        <translation>quantity: Die Bestellung enthielte %1 von %2, mehr als die Höchstmenge %3.</translation>
    </message>
    <message>
        <source>The unit price of %1 is above %2.</source>
        <translation>Der Stückpreis von %1 liegt über %2.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from 0 to %2 here)</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl (hier von 0 bis %2)</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Attenuation at %1 MHz (dB/100 ft)</source>
        <translation>Dämpfung bei %1 MHz (dB/100 ft)</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durch­messer</translation>
    </message>
    <message>
        <source>Total Attenuation at %1 MHz (dB)</source>
        <translation>Gesamt­dämpfung bei %1 MHz (dB)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Mittlere Belast­barkeit (kW)</translation>
    </message>
    <message>
        <source>Max Power (kW)</source>
        <translation>Spitzen­leistung (kW)</translation>
    </message>
    <message>
        <source>Price per %1 (%2)</source>
        <translation>Preis pro %1 (%2)</translation>
    </message>
    <message>
        <source>no list price</source>
        <translation>kein Listenpreis</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: a row has more than %2 cells.</source>
        <translation>Zeile %1: Ein Datensatz hat mehr als %2 Zellen.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Line %1: a cell is longer than %2 bytes.</source>
        <translation>Zeile %1: Eine Zelle ist länger als %2 Bytes.</translation>
    </message>
    <message>
        <source>Line %1: the file has more than %2 rows.</source>
        <translation>Zeile %1: Die Datei hat mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <source>Line %1: text after the closing quote of a field.</source>
        <translation>Zeile %1: Text nach dem schließenden Anführungszeichen eines Feldes.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Zeile %1: Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>US Dollars (USD)</source>
        <translation>US-Dollar (USD)</translation>
    </message>
    <message>
        <source>South African Rand (ZAR)</source>
        <translation>Südafrikanischer Rand (ZAR)</translation>
    </message>
    <message>
        <source>Chinese Renminbi (RMB)</source>
        <translation>Chinesischer Renminbi (RMB)</translation>
    </message>
    <message>
        <source>Hong Kong Dollars (HKD)</source>
        <translation>Hongkong-Dollar (HKD)</translation>
    </message>
    <message>
        <source>Indian Rupees (INR)</source>
        <translation>Indische Rupie (INR)</translation>
    </message>
    <message>
        <source>Japanese Yen (JPY)</source>
        <translation>Japanischer Yen (JPY)</translation>
    </message>
    <message>
        <source>Korean Won (KRW)</source>
        <translation>Koreanischer Won (KRW)</translation>
    </message>
    <message>
        <source>Philippino Pesos (PHP)</source>
        <translation>Philippinischer Peso (PHP)</translation>
    </message>
    <message>
        <source>Singapore Dollars (SGD)</source>
        <translation>Singapur-Dollar (SGD)</translation>
    </message>
    <message>
        <source>Taiwan Dollars (TWD)</source>
        <translation>Taiwan-Dollar (TWD)</translation>
    </message>
    <message>
        <source>Austrian Schillings (ATS)</source>
        <translation>Österreichischer Schilling (ATS)</translation>
    </message>
    <message>
        <source>Belgian Francs (BEF)</source>
        <translation>Belgischer Franc (BEF)</translation>
    </message>
    <message>
        <source>Swiss Francs (CHF)</source>
        <translation>Schweizer Franken (CHF)</translation>
    </message>
    <message>
        <source>German Deutch Marks (DEM)</source>
        <translation>Deutsche Mark (DEM)</translation>
    </message>
    <message>
        <source>Danish Krones (DKK)</source>
        <translation>Dänische Krone (DKK)</translation>
    </message>
    <message>
        <source>Spanish Pesetas (ESP)</source>
        <translation>Spanische Peseta (ESP)</translation>
    </message>
    <message>
        <source>Euros (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Finish Markkas (FIM)</source>
        <translation>Finnische Mark (FIM)</translation>
    </message>
    <message>
        <source>French Franks (FRF)</source>
        <translation>Französischer Franc (FRF)</translation>
    </message>
    <message>
        <source>Pounds Sterling (GBP)</source>
        <translation>Pfund Sterling (GBP)</translation>
    </message>
    <message>
        <source>Greek Drachmas (GRD)</source>
        <translation>Griechische Drachme (GRD)</translation>
    </message>
    <message>
        <source>Irish Punts (IEP)</source>
        <translation>Irisches Pfund (IEP)</translation>
    </message>
    <message>
        <source>Italian Lira (ITL)</source>
        <translation>Italienische Lira (ITL)</translation>
    </message>
    <message>
        <source>Dutch Gilders (NLG)</source>
        <translation>Niederländischer Gulden (NLG)</translation>
    </message>
    <message>
        <source>Norwegian Krones (NOK)</source>
        <translation>Norwegische Krone (NOK)</translation>
    </message>
    <message>
        <source>Portugese Escudos (PTE)</source>
        <translation>Portugiesischer Escudo (PTE)</translation>
    </message>
    <message>
        <source>Sweedish Krona (SEK)</source>
        <translation>Schwedische Krone (SEK)</translation>
    </message>
    <message>
        <source>United Arib Emirates Dirhams (AED)</source>
        <translation>VAE-Dirham (AED)</translation>
    </message>
    <message>
        <source>Saudi Riyal (SAR)</source>
        <translation>Saudi-Riyal (SAR)</translation>
    </message>
    <message>
        <source>Canadian Dollars (CAD)</source>
        <translation>Kanadischer Dollar (CAD)</translation>
    </message>
    <message>
        <source>Mexican Pesos (MXP)</source>
        <translation>Mexikanischer Peso (MXP)</translation>
    </message>
    <message>
        <source>Australian Dollars (AUD)</source>
        <translation>Australischer Dollar (AUD)</translation>
    </message>
    <message>
        <source>Indeonesian Rupiahs (IDR)</source>
        <translation>Indonesische Rupiah (IDR)</translation>
    </message>
    <message>
        <source>New Zealand Dollars (NZD)</source>
        <translation>Neuseeland-Dollar (NZD)</translation>
    </message>
    <message>
        <source>Brazillian Real (BRL)</source>
        <translation>Brasilianischer Real (BRL)</translation>
    </message>
    <message>
        <source>Argentina Pesos (ARS)</source>
        <translation>Argentinischer Peso (ARS)</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asien</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Naher Osten</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Ozeanien</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Südamerika</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>Datasheet</name>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Dämpfung (dB/100 ft):</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Dämpfung (dB/100 m):</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Gesamtdämpfung (dB):</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Einfügedämpfung (dB):</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Wirkungsgrad (%):</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Spitzenleistung (kW):</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Belastbarkeit (kW):</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Velocity factor:</source>
        <translation>Rel. Ausbreitungsgeschwindigkeit:</translation>
    </message>
    <message>
        <source>Minimum bend radius, single (mm):</source>
        <translation>Minimaler Biegeradius, einmalig (mm):</translation>
    </message>
    <message>
        <source>Minimum bend radius, repeated (mm):</source>
        <translation>Minimaler Biegeradius, wiederholt (mm):</translation>
    </message>
    <message>
        <source>Weight (kg):</source>
        <translation>Gewicht (kg):</translation>
    </message>
    <message>
        <source>Fire rating:</source>
        <translation>Brandschutzklasse:</translation>
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
        <translation>Preisstand: %1</translation>
    </message>
    <message>
        <source>Performance at the middle of the band</source>
        <translation>Kennwerte in Bandmitte</translation>
    </message>
    <message>
        <source>Mechanical data</source>
        <translation>Mechanische Daten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>(no connector)</source>
        <translation>(kein Steckverbinder)</translation>
    </message>
    <message>
        <source>Not to scale.</source>
        <translation>Nicht maßstabsgetreu.</translation>
    </message>
    <message>
        <source>Assembly as built</source>
        <translation>Fertige Konfektion</translation>
    </message>
    <message>
        <source>Insertion loss as built and return-loss limit across the band</source>
        <translation>Einfügedämpfung konfektioniert und Grenzwert der Rückflussdämpfung über das Band</translation>
    </message>
    <message>
        <source>Green: insertion loss as built (dB, left). Orange: return-loss limit (dB, right).</source>
        <translation>Grün: Einfügedämpfung konfektioniert (dB, links). Orange: Grenzwert der Rückflussdämpfung (dB, rechts).</translation>
    </message>
    <message>
        <source>Datasheet %1</source>
        <translation>Datenblatt %1</translation>
    </message>
    <message>
        <source>datasheet</source>
        <translation>Datenblatt</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Saved as %1.
No application to open it was found on this computer.</source>
        <translation>Gespeichert als %1.
Auf diesem Computer wurde kein Programm gefunden, das die Datei öffnet.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>The server answered %1%2 instead of sending the file.</source>
        <translation>Der Server antwortete mit %1%2, statt die Datei zu senden.</translation>
    </message>
    <message>
        <source>The server sent an empty file.</source>
        <translation>Der Server hat eine leere Datei gesendet.</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced.</source>
        <translation>Der Server hat %1 der angekündigten %2 Bytes gesendet.</translation>
    </message>
    <message>
        <source>The download address is not valid.</source>
        <translation>Die Download-Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Quick Update</source>
        <translation>Schnellaktualisierung</translation>
    </message>
    <message>
        <source>The download is larger than the limit of %1.</source>
        <translation>Der Download überschreitet die Grenze von %1.</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Der Download wurde vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Der Server hat %1 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>No connection to the server: %1</source>
        <translation>Keine Verbindung zum Server: %1</translation>
    </message>
    <message>
        <source>The download failed: %1</source>
        <translation>Der Download ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Aktualisierung wird heruntergeladen...</translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be above zero.</source>
        <translation>&apos;%1&apos; ist kein gültiger Wechselkurs für %2: Ein Kurs muss größer als null sein.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be at least 0.000000001.</source>
        <translation>&apos;%1&apos; ist kein gültiger Wechselkurs für %2: Ein Kurs muss mindestens 0.000000001 betragen.</translation>
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
        <translation>Aufruf: ferrolyn history [--search TEXT] [--json]
Listet das Angebotsarchiv, neueste zuerst: Nummer, Revision, Datum, Firma, Summe, Währung und Positionen.
  --search TEXT  nur Angebote, deren Firma, Nummer, Auftrags- oder Angebotsnummer, Bearbeiter oder Artikelnummern TEXT enthalten
  --json         JSON statt CSV schreiben
</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Unbekanntes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The list could not be written: %1</source>
        <translation>Die Liste konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 (kept on this computer, not yet sent: %2)</source>
        <translation>%1 (auf diesem Computer abgelegt, noch nicht gesendet: %2)</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>&quot;%1&quot; is a link to nothing.</source>
        <translation>&quot;%1&quot; ist eine Verknüpfung ins Leere.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>&quot;%1&quot; ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>KeyIndex</name>
    <message>
        <source>The file holds more entries than can be indexed.</source>
        <translation>Die Datei enthält mehr Einträge, als indiziert werden können.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation>Die Sprache konnte nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
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
        <translation>Aufruf: ferrolyn [OPEN ORDER.fyn]
        ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR] [--archive]
        ferrolyn --register-common-files FOLDER
Ohne Argumente öffnet sich der Konfigurator, mit OPEN und einer Bestelldatei diese Bestellung.
&apos;ferrolyn quote --help&apos; beschreibt die Angebotserstellung für eine CSV-Datei mit Konfektionen.
</translation>
    </message>
    <message>
        <source>Ferrolyn needs a display to open its window; &apos;ferrolyn quote&apos; and &apos;ferrolyn history&apos; work without one.
</source>
        <translation>Ferrolyn braucht eine grafische Anzeige, um sein Fenster zu öffnen; „ferrolyn quote“ und „ferrolyn history“ funktionieren auch ohne.
</translation>
    </message>
    <message>
        <source>&apos;ferrolyn history --help&apos; describes listing the quote archive.
</source>
        <translation>&apos;ferrolyn history --help&apos; beschreibt die Liste des Angebotsarchivs.
</translation>
    </message>
</context>
<context>
    <name>OrderFile</name>
    <message>
        <source>company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>author</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>job number</source>
        <translation>Auftragsnummer</translation>
    </message>
    <message>
        <source>proposal number</source>
        <translation>Angebotsnummer</translation>
    </message>
    <message>
        <source>currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>Bestelldatei</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: it has more than %2 lines.</source>
        <translation>Die Bestelldatei &quot;%1&quot; kann nicht geöffnet werden: Die Datei hat mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an order file.</source>
        <translation>&quot;%1&quot; ist keine Bestelldatei.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: the %3 is longer than %4 characters.</source>
        <translation>Die Bestelldatei &quot;%1&quot; kann nicht geöffnet werden: Zeile %2: %3 ist länger als %4 Zeichen.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: %3.</source>
        <translation>Die Bestelldatei &quot;%1&quot; kann nicht geöffnet werden: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>no &apos;=&apos; before the item&apos;s fields</source>
        <translation>Kein &apos;=&apos; vor den Feldern des Eintrags</translation>
    </message>
    <message>
        <source>fewer than six fields</source>
        <translation>Weniger als sechs Felder</translation>
    </message>
    <message>
        <source>field %1 is longer than %2 characters</source>
        <translation>Feld %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the quantity %1 is not a number from 0 to 1000000000</source>
        <translation>Die Menge %1 ist keine Zahl von 0 bis 1000000000</translation>
    </message>
    <message>
        <source>the price %1 is not a number from 0 to 1000000000</source>
        <translation>Der Preis %1 ist keine Zahl von 0 bis 1000000000</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: %2</source>
        <translation>Die Bestelldatei &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es handelt sich um einen Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es handelt sich nicht um eine reguläre Datei.</translation>
    </message>
    <message>
        <source>it is far too large to be an order file.</source>
        <translation>sie ist viel zu groß für eine Bestelldatei.</translation>
    </message>
    <message>
        <source>it has more than %1 lines.</source>
        <translation>sie hat mehr als %1 Zeilen.</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Price %1:</source>
        <translation>Preis %1:</translation>
    </message>
</context>
<context>
    <name>PricingDate</name>
    <message>
        <source>Your pricing database was last updated on: %1</source>
        <translation>Letzte Aktualisierung Ihrer Preisdatenbank: %1</translation>
    </message>
</context>
<context>
    <name>QuickUpdate</name>
    <message>
        <source>It appears you have not updated your application files lately. You can download the latest data files from here.</source>
        <translation>Ihre Anwendungsdateien wurden offenbar länger nicht aktualisiert. Die neuesten Datendateien können Sie hier herunterladen.</translation>
    </message>
    <message>
        <source>Unable to dowload files. Please make sure you have an active Internet connection.</source>
        <translation>Dateien können nicht heruntergeladen werden. Bitte stellen Sie sicher, dass eine Internetverbindung besteht.</translation>
    </message>
    <message>
        <source>Downloading the update&apos;s signature...</source>
        <translation>Signatur der Aktualisierung wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Update files have been downloaded. Press OK to continue with installation</source>
        <translation>Die Aktualisierungsdateien wurden heruntergeladen. Klicken Sie auf OK, um mit der Installation fortzufahren</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Below is a list of the part numbers that correspond to your specifications:</source>
        <translation>Nachfolgend die Artikelnummern, die Ihren Vorgaben entsprechen:</translation>
    </message>
    <message>
        <source>There is no standard part number that matches your selections.</source>
        <translation>Keine Standard-Artikelnummer entspricht Ihrer Auswahl.</translation>
    </message>
    <message>
        <source>Below is a list of the individual components that will make up your cable assembly,</source>
        <translation>Nachfolgend die einzelnen Komponenten Ihrer Kabelkonfektion,</translation>
    </message>
    <message>
        <source>along with the charges to have the connectors attached to the cable (if applicable).</source>
        <translation>mit den Kosten für die Montage der Steckverbinder am Kabel (falls zutreffend).</translation>
    </message>
</context>
<context>
    <name>QuoteArchive</name>
    <message>
        <source>The quote archive cannot be used: %1</source>
        <translation>Das Angebotsarchiv kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>its folder cannot be made.</source>
        <translation>sein Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Ferrolyn.</source>
        <translation>es wurde von einer neueren Ferrolyn-Version angelegt.</translation>
    </message>
    <message>
        <source>the server refused user &quot;%1&quot;: the password is wrong or missing.</source>
        <translation>der Server weist den Benutzer &quot;%1&quot; ab; das Passwort ist falsch oder fehlt.</translation>
    </message>
    <message>
        <source>the server has no database &quot;%1&quot;.</source>
        <translation>der Server hat keine Datenbank &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the host &quot;%1&quot; is not known.</source>
        <translation>der Host &quot;%1&quot; ist unbekannt.</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds.</source>
        <translation>der Server %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>no server answers at %1, port %2. Is it running, and are the host and port right?</source>
        <translation>unter %1, Port %2 antwortet kein Server. Läuft er, und sind Host und Port richtig?</translation>
    </message>
    <message>
        <source>user &quot;%1&quot; may not use the archive&apos;s tables, or may not make them on first use: %2</source>
        <translation>der Benutzer &quot;%1&quot; darf die Tabellen des Archivs nicht verwenden oder bei der ersten Verwendung nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>der PostgreSQL-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>the server has no user &quot;%1&quot;.</source>
        <translation>der Server hat keinen Benutzer &quot;%1&quot;.</translation>
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
        <translation>Aufruf: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                       [--datasheets DIR] [--archive]
Kalkuliert jede Konfektion aus IN.csv (UTF-8, eine Kopfzeile mit den Spalten
%1)
und schreibt je Bestellposition eine Zeile in OUT.csv oder die Standardausgabe.
  -o OUT      in diese Datei statt in die Standardausgabe schreiben
  --json      JSON statt CSV schreiben
  --currency  Währung der Preise, z. B. EUR (ohne Angabe USD)
  --strict    Zeilen mit einem Teil ohne Listenpreis ablehnen (statt sie
              mit einer Warnung zu 0 zu kalkulieren)
  --datasheets DIR  ein Datenblatt-PDF jeder kalkulierten Zeile in DIR schreiben,
              benannt nach ihrer Artikelnummer (oder row-N)
</translation>
    </message>
    <message>
        <source>%1 more datasheets could not be written.</source>
        <translation>%1 weitere Datenblätter konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 benötigt einen Wert.</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Unbekanntes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Name the CSV file of assemblies to quote.</source>
        <translation>Geben Sie die CSV-Datei mit den zu kalkulierenden Konfektionen an.</translation>
    </message>
    <message>
        <source>The shared data folder is not registered: start Ferrolyn once, or install it again.</source>
        <translation>Der gemeinsame Datenordner ist nicht registriert: Starten Sie Ferrolyn einmal oder installieren Sie es erneut.</translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing: </source>
        <translation>Eine oder mehrere zum Ausführen dieser Anwendung benötigte Dateien fehlen: </translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are in US dollars only: %1</source>
        <translation>Die Wechselkurse können nicht gelesen werden, daher gibt es Preise nur in US-Dollar: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency code such as USD or EUR.</source>
        <translation>&quot;%1&quot; ist kein Währungscode wie USD oder EUR.</translation>
    </message>
    <message>
        <source>No exchange rates are installed: prices can be given in US dollars (USD) only.</source>
        <translation>Keine Wechselkurse installiert: Preise können nur in US-Dollar (USD) angegeben werden.</translation>
    </message>
    <message>
        <source>The exchange rate of %1 cannot be used.</source>
        <translation>Der Wechselkurs für %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>This program cannot draw datasheets.</source>
        <translation>Dieses Programm kann keine Datenblätter erstellen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Ordner &quot;%1&quot; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The quote could not be written to the standard output: %1</source>
        <translation>Das Angebot konnte nicht in die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be quoted.</source>
        <translation>%1 von %2 Zeilen konnten nicht kalkuliert werden.</translation>
    </message>
    <message>
        <source>  --archive   record the quoted rows as one quote in the quote archive
</source>
        <translation>  --archive   die kalkulierten Zeilen als ein Angebot im Angebotsarchiv ablegen
</translation>
    </message>
    <message>
        <source>The quote is too large to be recorded.</source>
        <translation>Das Angebot ist zu groß, um abgelegt zu werden.</translation>
    </message>
    <message>
        <source>No row was quoted: no quote was recorded.</source>
        <translation>Keine Zeile wurde kalkuliert: kein Angebot abgelegt.</translation>
    </message>
    <message>
        <source>The quote archive is not available.</source>
        <translation>Das Angebotsarchiv ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Recorded as quote %1.</source>
        <translation>Als Angebot %1 abgelegt.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Job Number:</source>
        <translation>Auftragsnummer:</translation>
    </message>
    <message>
        <source>Proposal Number:</source>
        <translation>Angebotsnummer:</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>ME</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Unit Price (%1)</source>
        <translation>Stückpreis (%1)</translation>
    </message>
    <message>
        <source>Extended (%1)</source>
        <translation>Gesamtpreis (%1)</translation>
    </message>
    <message>
        <source>Price on request</source>
        <translation>Preis auf Anfrage</translation>
    </message>
    <message>
        <source>The total leaves out the lines priced on request.</source>
        <translation>Die Summe enthält keine Positionen mit Preis auf Anfrage.</translation>
    </message>
    <message>
        <source>Total (%1):</source>
        <translation>Summe (%1):</translation>
    </message>
    <message>
        <source>Quote %1, revision %2</source>
        <translation>Angebot %1, Revision %2</translation>
    </message>
</context>
<context>
    <name>QuoteEngine</name>
    <message>
        <source>No top connector of this cable matches your selections. Please choose another top connector.</source>
        <translation>Kein oberer Steckverbinder dieses Kabels entspricht Ihrer Auswahl. Bitte wählen Sie einen anderen oberen Steckverbinder.</translation>
    </message>
    <message>
        <source>No bottom connector of this cable matches your selections. Please choose another bottom connector.</source>
        <translation>Kein unterer Steckverbinder dieses Kabels entspricht Ihrer Auswahl. Bitte wählen Sie einen anderen unteren Steckverbinder.</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Beschichtet</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>top or bottom connector</source>
        <translation>oberen oder unteren Steckverbinder</translation>
    </message>
    <message>
        <source>top connector</source>
        <translation>oberen Steckverbinder</translation>
    </message>
    <message>
        <source>bottom connector</source>
        <translation>unteren Steckverbinder</translation>
    </message>
    <message>
        <source>The %1 grade has no such %2; a connector of another grade is used.</source>
        <translation>Die Ausführung %1 hat keinen solchen %2; es wird ein Steckverbinder einer anderen Ausführung verwendet.</translation>
    </message>
    <message>
        <source>No list price for %1: the total leaves them out.</source>
        <translation>Kein Listenpreis für %1: in der Summe nicht enthalten.</translation>
    </message>
    <message>
        <source>There is no cable to choose for these selections.</source>
        <translation>Für diese Auswahl gibt es kein passendes Kabel.</translation>
    </message>
    <message>
        <source>Ending frequency must be greater than beginning frequency.</source>
        <translation>Die Endfrequenz muss größer als die Anfangsfrequenz sein.</translation>
    </message>
    <message>
        <source>Sorry, there are no items that match your selection criteria.</source>
        <translation>Leider entsprechen keine Artikel Ihren Auswahlkriterien.</translation>
    </message>
    <message>
        <source>Add it to the order anyway?</source>
        <translation>Trotzdem zur Bestellung hinzufügen?</translation>
    </message>
</context>
<context>
    <name>QuoteHistory</name>
    <message>
        <source>Recorded as quote %1, revision %2.</source>
        <translation>Als Angebot %1, Revision %2 abgelegt.</translation>
    </message>
    <message>
        <source>Not recorded in the quote history: %1</source>
        <translation>Nicht im Angebotsverlauf abgelegt: %1</translation>
    </message>
    <message>
        <source>Quote Archive</source>
        <translation>Angebotsarchiv</translation>
    </message>
    <message>
        <source>Password of user &quot;%1&quot; on the quote archive server %2:</source>
        <translation>Passwort des Benutzers &quot;%1&quot; auf dem Angebotsarchiv-Server %2:</translation>
    </message>
    <message>
        <source>Kept on this computer as quote %1, revision %2, not yet sent: %3</source>
        <translation>Auf diesem Computer als Angebot %1, Revision %2 abgelegt, noch nicht gesendet: %3</translation>
    </message>
    <message>
        <source>Recorded as quote %1, revision %2. Quotes that waited on this computer, now sent: %3.</source>
        <translation>Als Angebot %1, Revision %2 abgelegt. Von diesem Computer nachgesendete Angebote: %3.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. Not sent: %2</source>
        <translation>Auf diesem Computer wartende Angebote für den Angebotsarchiv-Server: %1. Nicht gesendet: %2</translation>
    </message>
    <message>
        <source>Quotes that waited on this computer, now sent to the quote archive server: %1.</source>
        <translation>Von diesem Computer an den Angebotsarchiv-Server nachgesendete Angebote: %1.</translation>
    </message>
    <message>
        <source>No keyring answered: the password is kept until Ferrolyn closes.</source>
        <translation>Kein Schlüsselbund antwortete: Das Passwort bleibt bis zum Beenden von Ferrolyn gespeichert.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. They are sent when the server is chosen again.</source>
        <translation>Auf diesem Computer wartende Angebote für den Angebotsarchiv-Server: %1. Sie werden gesendet, sobald der Server wieder gewählt ist.</translation>
    </message>
</context>
<context>
    <name>QuotePdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the %2 could not be drawn.</source>
        <translation>PDF-Datei &quot;%1&quot; kann nicht geschrieben werden: das %2 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>The quote could not be printed.</source>
        <translation>Das Angebot konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>The common-files folder is not registered: %1</source>
        <translation>Der Ordner für gemeinsame Dateien ist nicht registriert: %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user; run Ferrolyn as that user.</source>
        <translation>%1 gehört einem anderen Benutzer; führen Sie Ferrolyn als dieser Benutzer aus.</translation>
    </message>
    <message>
        <source>Registered the common-files folder %1 in %2.</source>
        <translation>Ordner für gemeinsame Dateien %1 in %2 registriert.</translation>
    </message>
</context>
<context>
    <name>ResultContent</name>
    <message>
        <source>Foreign Currencies:</source>
        <translation>Fremdwährungen:</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation>Letzte Aktualisierung:</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Bestellsumme:</translation>
    </message>
    <message>
        <source>Order Total (%1):</source>
        <translation>Bestellsumme (%1):</translation>
    </message>
    <message>
        <source>Currencies other than United States Dollars($US) are provided for information purposes only and are based on exchange rates as of %1</source>
        <translation>Preise in anderen Währungen als US-Dollar ($US) dienen nur zur Information und beruhen auf den Wechselkursen vom %1</translation>
    </message>
    <message>
        <source>Prices are subject to change without notice.  %1</source>
        <translation>Preisänderungen ohne Ankündigung vorbehalten.  %1</translation>
    </message>
    <message>
        <source>Your pricing database was last updated on %1</source>
        <translation>Ihre Preisdatenbank wurde zuletzt am %1 aktualisiert</translation>
    </message>
    <message>
        <source>Vantrel Jumper Results</source>
        <translation>Vantrel-Jumper-Ergebnisse</translation>
    </message>
    <message>
        <source>Jumper Results</source>
        <translation>Jumper-Ergebnisse</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price: %2</source>
        <translation>Menge: %1,          Gesamtpreis: %2</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price (%2): %3</source>
        <translation>Menge: %1,          Gesamtpreis (%2): %3</translation>
    </message>
    <message>
        <source>Foreign Currencies</source>
        <translation>Fremdwährungen</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Letzte Aktualisierung</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>es handelt sich um einen Ordner.</translation>
    </message>
    <message>
        <source>it is a link; choose another name.</source>
        <translation>es ist ein Link; bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es handelt sich nicht um eine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot; kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>only part of it could be written</source>
        <translation>nur ein Teil konnte geschrieben werden</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made.</source>
        <translation>der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>another running copy of Ferrolyn keeps it locked.</source>
        <translation>eine andere laufende Ferrolyn-Instanz hält die Datei gesperrt.</translation>
    </message>
    <message>
        <source>its folder cannot be written.</source>
        <translation>der Ordner ist nicht beschreibbar.</translation>
    </message>
</context>
<context>
    <name>Specs</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from %2 to %3 here)</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl (hier von %2 bis %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a VSWR range (low-high:VSWR in MHz, such as 698-960:1.15)</source>
        <translation>&apos;%1&apos; ist kein VSWR-Bereich (von-bis:VSWR in MHz, z. B. 698-960:1.15)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a part data line (part number=fields)</source>
        <translation>&apos;%1&apos; ist keine Teiledatenzeile (Artikelnummer=Felder)</translation>
    </message>
    <message>
        <source>Some part data cannot be read; the parts it concerns show n/a:</source>
        <translation>Einige Teiledaten können nicht gelesen werden; die betroffenen Teile zeigen k. A.:</translation>
    </message>
</context>
<context>
    <name>StandardLengths</name>
    <message>
        <source>%1 Meters</source>
        <translation>%1 Meter</translation>
    </message>
    <message>
        <source>%1 Feet</source>
        <translation>%1 Fuß</translation>
    </message>
    <message>
        <source>Your Selection:</source>
        <translation>Ihre Auswahl:</translation>
    </message>
    <message>
        <source>A little shorter:</source>
        <translation>Etwas kürzer:</translation>
    </message>
    <message>
        <source>A little longer:</source>
        <translation>Etwas länger:</translation>
    </message>
</context>
<context>
    <name>TAsBuiltPanel</name>
    <message>
        <source>Assembly as built, with the connectors fitted</source>
        <translation>Konfektion wie gefertigt, mit montierten Steckverbindern</translation>
    </message>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>Datenb&amp;latt-PDF...</translation>
    </message>
</context>
<context>
    <name>TBandPanel</name>
    <message>
        <source>Save Chart as &amp;PNG...</source>
        <translation>Diagramm als &amp;PNG speichern...</translation>
    </message>
    <message>
        <source>Save Chart as &amp;SVG...</source>
        <translation>Diagramm als &amp;SVG speichern...</translation>
    </message>
    <message>
        <source>Cable total</source>
        <translation>Kabel gesamt</translation>
    </message>
    <message>
        <source>Insertion loss</source>
        <translation>Einfügedämpfung</translation>
    </message>
    <message>
        <source>Avg. power</source>
        <translation>Belastbarkeit</translation>
    </message>
    <message>
        <source>Middle of the band</source>
        <translation>Bandmitte</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Dämpfung (dB)</translation>
    </message>
    <message>
        <source>Average (kW)</source>
        <translation>Belastbarkeit (kW)</translation>
    </message>
    <message>
        <source>%1 MHz
Cable total attenuation: %2 dB
Insertion loss: %3 dB
Average power: %4 kW</source>
        <translation>%1 MHz
Gesamtdämpfung Kabel: %2 dB
Einfügedämpfung: %3 dB
Belastbarkeit: %4 kW</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Cannot draw the chart.</source>
        <translation>Das Diagramm kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>TBandPanels</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
</context>
<context>
    <name>TDatasheetActions</name>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>Datenb&amp;latt-PDF...</translation>
    </message>
    <message>
        <source>Save Datasheet as PDF</source>
        <translation>Datenblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TImportAssemblies</name>
    <message>
        <source>&amp;Import Assemblies...</source>
        <translation>Konfektionen &amp;importieren...</translation>
    </message>
    <message>
        <source>Import Assemblies</source>
        <translation>Konfektionen importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file has no assemblies to import.</source>
        <translation>Die Datei enthält keine Konfektionen zum Importieren.</translation>
    </message>
    <message>
        <source>Quoting the assemblies...</source>
        <translation>Konfektionen werden kalkuliert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>its unit price or quantity would be above %1.</source>
        <translation>Stückpreis oder Menge läge über %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>These assemblies cannot be added: the order would be too large to save. Import them in smaller parts or into a new order.</source>
        <translation>Diese Konfektionen können nicht hinzugefügt werden: Die Bestellung wäre zu groß zum Speichern. Importieren Sie sie in kleineren Teilen oder in eine neue Bestellung.</translation>
    </message>
    <message>
        <source>%1 of %2 rows were added to the order.</source>
        <translation>%1 von %2 Zeilen wurden zur Bestellung hinzugefügt.</translation>
    </message>
    <message>
        <source> The order is in %1: they were added at their prices in %1.</source>
        <translation> Die Bestellung ist in %1: Die Zeilen wurden zu ihren Preisen in %1 hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be added to the order:</source>
        <translation>%1 von %2 Zeilen konnten nicht zur Bestellung hinzugefügt werden:</translation>
    </message>
    <message>
        <source>Notes on the rows added:</source>
        <translation>Hinweise zu den hinzugefügten Zeilen:</translation>
    </message>
</context>
<context>
    <name>TMPReporter</name>
    <message>
        <source>Customer Service Center: %1</source>
        <translation>Kundenservice: %1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file: %1</source>
        <translation>Temporäre Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the report could not be drawn.</source>
        <translation>PDF-Datei &quot;%1&quot; kann nicht geschrieben werden: der Bericht konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
</context>
<context>
    <name>TOrderDocument</name>
    <message>
        <source>The current order has changes that are not saved. Save them before opening another order?</source>
        <translation>Die aktuelle Bestellung enthält ungespeicherte Änderungen. Vor dem Öffnen einer anderen Bestellung speichern?</translation>
    </message>
    <message>
        <source>The current order has changes that are not saved. Save them before closing Ferrolyn?</source>
        <translation>Die aktuelle Bestellung enthält ungespeicherte Änderungen. Vor dem Schließen von Ferrolyn speichern?</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>Unbenannt[*] - %1</translation>
    </message>
    <message>
        <source>Save Order As</source>
        <translation>Bestellung speichern unter</translation>
    </message>
    <message>
        <source>Save Order</source>
        <translation>Bestellung speichern</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Ferrolyn-Dateien (*.fyn)</translation>
    </message>
</context>
<context>
    <name>TQuoteActions</name>
    <message>
        <source>Order &amp;Details...</source>
        <translation>Bestell&amp;angaben...</translation>
    </message>
    <message>
        <source>Print Q&amp;uote...</source>
        <translation>An&amp;gebot drucken...</translation>
    </message>
    <message>
        <source>Save Quote as PD&amp;F...</source>
        <translation>Angebot als PDF spei&amp;chern...</translation>
    </message>
    <message>
        <source>To an Excel &amp;Workbook (.xlsx)...</source>
        <translation>In eine Excel-&amp;Arbeitsmappe (.xlsx)...</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <translation>An&amp;gaben...</translation>
    </message>
    <message>
        <source>&amp;Quote PDF...</source>
        <translation>Angebots-&amp;PDF...</translation>
    </message>
    <message>
        <source>Save Quote as PDF</source>
        <translation>Angebot als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TQuoteHistory</name>
    <message>
        <source>Quote Histo&amp;ry...</source>
        <translation>Angebots&amp;verlauf...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Quote Archive...</source>
        <translation>&amp;Angebotsarchiv...</translation>
    </message>
</context>
<context>
    <name>TextBuffer</name>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is a link to nothing.</source>
        <translation>es handelt sich um einen Verweis ins Leere.</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es handelt sich um einen Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es handelt sich nicht um eine reguläre Datei.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than such a file holds.</source>
        <translation>die Datei ist größer als %1 MB, mehr als eine solche Datei enthält.</translation>
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
        <translation>Bedingungen

Preise und technische Daten in dieser Preisliste können ohne Ankündigung geändert werden.

Die Preise gelten für Lieferung FOB Origin bei Bestellungen innerhalb der USA und EXW Werk bei internationalen Bestellungen. Exportverpackung, Versicherung, Steuern, Zölle und Abgaben sind nicht enthalten.

Für bestimmte Paletten und für große Kabeltrommeln wird ein rückerstattbares Pfand berechnet.

Für jede Bestellung gilt ein Mindestbestellwert von 50,00 $ netto.

Für ein Angebot zu einer bestimmten Anforderung wenden Sie sich bitte an Ihre örtliche Vantrel-Vertretung oder Ihr Vertriebsbüro.

Alle Bestellungen bedürfen der Annahme durch Vantrel und unterliegen den Verkaufsbedingungen von Vantrel.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Ferrolyn™
RF cable assembly configurator and price calculator</source>
        <translation>Ferrolyn™
Konfigurator und Preisrechner für HF-Kabelkonfektionen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare Cables</source>
        <translation>Kabel vergleichen</translation>
    </message>
    <message>
        <source>Tick up to %1 cables to draw their total attenuation at %2 %3.</source>
        <translation>Markieren Sie bis zu %1 Kabel, um ihre Gesamtdämpfung bei %2 %3 darzustellen.</translation>
    </message>
    <message>
        <source>&amp;Use This Cable</source>
        <translation>Dieses Kabel &amp;verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>At most %1 cables are drawn: untick one first.</source>
        <translation>Es werden höchstens %1 Kabel dargestellt: Entfernen Sie zuerst ein Häkchen.</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Total attenuation (dB)</source>
        <translation>Gesamtdämpfung (dB)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>These exchange rates cannot be used; their currencies are not offered:

</source>
        <translation>Diese Wechselkurse können nicht verwendet werden; ihre Währungen werden nicht angeboten:

</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Ferrolyn-Dateien (*.fyn)</translation>
    </message>
    <message>
        <source>This field must contain a numeric value.</source>
        <translation>Dieses Feld muss einen Zahlenwert enthalten.</translation>
    </message>
    <message>
        <source>This field cannot contain the character &apos;|&apos;.</source>
        <translation>Dieses Feld darf das Zeichen &apos;|&apos; nicht enthalten.</translation>
    </message>
    <message>
        <source>To delete items, highlight the rows you wish to delete<byte value="xd"/>by clicking the rowbar on the left.<byte value="xd"/>To delete multiple rows, hold down the Ctrl key while<byte value="xd"/>selecting each row.</source>
        <translation>Um Positionen zu löschen, markieren Sie die Zeilen über<byte value="xd"/>die Zeilenleiste links.<byte value="xd"/>Um mehrere Zeilen zu löschen, halten Sie beim Auswählen<byte value="xd"/>die Strg-Taste gedrückt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected items?<byte value="xd"/>This action can not be undone!</source>
        <translation>Möchten Sie die ausgewählten Positionen wirklich löschen?<byte value="xd"/>Dies kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <source>Parts List</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Bestellsumme:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This item cannot be added to the order: its unit price or quantity would be above %1.</source>
        <translation>Diese Position kann nicht zur Bestellung hinzugefügt werden: Stückpreis oder Menge läge über %1.</translation>
    </message>
    <message>
        <source>The order is in %1: the item was added at its prices in %1.</source>
        <translation>Die Bestellung ist in %1: Die Position wurde zu ihren Preisen in %1 hinzugefügt.</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Preise in %1</translation>
    </message>
    <message>
        <source>The quantity must be at most %1.</source>
        <translation>Die Menge darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>Ferrolyn cannot write to its program folder, so it keeps the last order and the order files in:<byte value="xd"/>%1</source>
        <translation>Ferrolyn kann nicht in seinen Programmordner schreiben und legt die letzte Bestellung und die Bestelldateien daher hier ab:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>Bestelldatei</translation>
    </message>
    <message>
        <source>The order&apos;s currency &quot;%1&quot; is not offered here: its prices are taken to be in %2.</source>
        <translation>Die Währung &quot;%1&quot; der Bestellung wird hier nicht angeboten: Die Preise werden als Preise in %2 behandelt.</translation>
    </message>
    <message>
        <source>Open Order</source>
        <translation>Bestellung öffnen</translation>
    </message>
    <message>
        <source>No Order To View</source>
        <translation>Keine Bestellung zum Anzeigen</translation>
    </message>
    <message>
        <source>The order on screen could not be written to the last-order file, which still holds an older order.<byte value="xd"/>Replace the order on screen with that older order?</source>
        <translation>Die angezeigte Bestellung konnte nicht in die Datei der letzten Bestellung geschrieben werden; diese enthält noch eine ältere Bestellung.<byte value="xd"/>Die angezeigte Bestellung durch diese ältere Bestellung ersetzen?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>HTML-Dateien (*.html)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel-Dateien (*.xls)</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Anwendung:</translation>
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
        <translation>Anwendung wählen</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Select a Length</source>
        <translation>Länge wählen</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Frequenzen:</translation>
    </message>
    <message>
        <source>Select Frequencies</source>
        <translation>Frequenzen wählen</translation>
    </message>
    <message>
        <source>Select A Beginning Frequency</source>
        <translation>Anfangsfrequenz wählen</translation>
    </message>
    <message>
        <source>Select An Ending Frequency</source>
        <translation>Endfrequenz wählen</translation>
    </message>
    <message>
        <source>Beginning Frequency:</source>
        <translation>Anfangsfrequenz:</translation>
    </message>
    <message>
        <source>Ending Frequency:</source>
        <translation>Endfrequenz:</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>Kabeltyp:</translation>
    </message>
    <message>
        <source>Air Coaxial</source>
        <translation>Luftkoaxialkabel</translation>
    </message>
    <message>
        <source>Foam Coaxial</source>
        <translation>Schaumkoaxialkabel</translation>
    </message>
    <message>
        <source>Elliptical Waveguide</source>
        <translation>Elliptischer Hohlleiter</translation>
    </message>
    <message>
        <source>Select A Cable Type</source>
        <translation>Kabeltyp wählen</translation>
    </message>
    <message>
        <source>Connector Attachment(s)</source>
        <translation>Steckverbindermontage</translation>
    </message>
    <message>
        <source>Both Connectors</source>
        <translation>Beide Steckverbinder</translation>
    </message>
    <message>
        <source>Top Connector ONLY</source>
        <translation>NUR oberer Steckverbinder</translation>
    </message>
    <message>
        <source>Bottom Connector ONLY</source>
        <translation>NUR unterer Steckverbinder</translation>
    </message>
    <message>
        <source>No Connectors</source>
        <translation>Keine Steckverbinder</translation>
    </message>
    <message>
        <source>Select A Type Of Feeder</source>
        <translation>Feeder-Typ wählen</translation>
    </message>
    <message>
        <source>Connectors:</source>
        <translation>Steckverbinder:</translation>
    </message>
    <message>
        <source>Include Top Connector</source>
        <translation>Oberen Steckverbinder einschließen</translation>
    </message>
    <message>
        <source>Include Bottom Connector</source>
        <translation>Unteren Steckverbinder einschließen</translation>
    </message>
    <message>
        <source>Top Jumper</source>
        <translation>Oberer Jumper</translation>
    </message>
    <message>
        <source>Bottom Jumper</source>
        <translation>Unterer Jumper</translation>
    </message>
    <message>
        <source>Main Feeder</source>
        <translation>Haupt-Feeder</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Tatsächlich</translation>
    </message>
    <message>
        <source>Mates To</source>
        <translation>Passt zu</translation>
    </message>
    <message>
        <source>Top Connector</source>
        <translation>Oberer Steckverbinder</translation>
    </message>
    <message>
        <source>Bottom Connector</source>
        <translation>Unterer Steckverbinder</translation>
    </message>
    <message>
        <source>Top Connector Desc.</source>
        <translation>Oberer Steckverbinder, Beschr.</translation>
    </message>
    <message>
        <source>Bottom Connector Desc</source>
        <translation>Unterer Steckverbinder, Beschreibung</translation>
    </message>
    <message>
        <source>Special Characteristics:</source>
        <translation>Besondere Merkmale:</translation>
    </message>
    <message>
        <source>Select special characteristics for top connector</source>
        <translation>Besondere Merkmale für oberen Steckverbinder wählen</translation>
    </message>
    <message>
        <source>Select special characteristics for bottom connector</source>
        <translation>Besondere Merkmale für unteren Steckverbinder wählen</translation>
    </message>
    <message>
        <source>Inner Connector Attachment:</source>
        <translation>Innenleiteranschluss:</translation>
    </message>
    <message>
        <source>Select inner connector attachment for top connector</source>
        <translation>Innenleiteranschluss für oberen Steckverbinder wählen</translation>
    </message>
    <message>
        <source>Select inner connector attachment for bottom connector</source>
        <translation>Innenleiteranschluss für unteren Steckverbinder wählen</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Select Cable Size</source>
        <translation>Kabelgröße wählen</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Durchmesser:</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Connector Grade:</source>
        <translation>Steckverbinder-Ausführung:</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Beschichtet</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cable Grade:</source>
        <translation>Kabelausführung:</translation>
    </message>
    <message>
        <source>Standard Cable</source>
        <translation>Standardkabel</translation>
    </message>
    <message>
        <source>Premium Cable</source>
        <translation>Premiumkabel</translation>
    </message>
    <message>
        <source>Flame Retardant Cable</source>
        <translation>Flammwidriges Kabel</translation>
    </message>
    <message>
        <source>Connector Attachment:</source>
        <translation>Steckverbindermontage:</translation>
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
        <translation>Weiter -&gt;</translation>
    </message>
    <message>
        <source>Click here to &amp;update your software</source>
        <translation>Hier klicken, um die Software zu &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Dämpfung (dB/100 ft):</translation>
    </message>
    <message>
        <source>Attenuation (dB/100m):</source>
        <translation>Dämpfung (dB/100m):</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Gesamtdämpfung (dB):</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Einfügedämpfung (dB):</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Wirkungsgrad (%):</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Spitzenleistung (kW):</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Mittlere Belastbarkeit (kW):</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>Artikelnummer:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Dämpfung (dB/100 m):</translation>
    </message>
    <message>
        <source>Total ($US):</source>
        <translation>Summe ($US):</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, make sure to update regularly to get the latest pricing and product information.</source>
        <translation>Um Ihre Vantrel-Software optimal zu nutzen, aktualisieren Sie sie regelmäßig, damit Sie stets die neuesten Preise und Produktinformationen haben.</translation>
    </message>
    <message>
        <source>The length you have selected is not a standard length for this jumper assembly, but there are some standard lengths available that are close to your selection.

Your jumper assembly can still be made with the length you originally selected, but ordering standard lengths may speed up production time, allowing you to receive your order faster.

Below is a list of standard lengths for the jumper assembly that you have selected that are close to the length you picked.

You can either select one of these standard lengths, or you can keep your current selection.</source>
        <translation>Die gewählte Länge ist keine Standardlänge für diese Jumper-Konfektion, es gibt jedoch Standardlängen in der Nähe Ihrer Auswahl.

Ihre Jumper-Konfektion kann weiterhin in der ursprünglich gewählten Länge gefertigt werden. Standardlängen können jedoch die Fertigung beschleunigen, sodass Sie Ihre Bestellung schneller erhalten.

Unten finden Sie eine Liste der Standardlängen für die gewählte Jumper-Konfektion, die nahe an der von Ihnen gewählten Länge liegen.

Sie können eine dieser Standardlängen wählen oder Ihre aktuelle Auswahl beibehalten.</translation>
    </message>
    <message>
        <source>Length (Feet)</source>
        <translation>Länge (Fuß)</translation>
    </message>
    <message>
        <source>Length (Meters)</source>
        <translation>Länge (Meter)</translation>
    </message>
    <message>
        <source>Difference In Length</source>
        <translation>Längendifferenz</translation>
    </message>
    <message>
        <source>Standard Lengths</source>
        <translation>Standardlängen</translation>
    </message>
    <message>
        <source>Keep Your Current Selection</source>
        <translation>Aktuelle Auswahl beibehalten</translation>
    </message>
    <message>
        <source>Select This Jumper</source>
        <translation>Diesen Jumper wählen</translation>
    </message>
    <message>
        <source>Select A Jumper</source>
        <translation>Jumper wählen</translation>
    </message>
    <message>
        <source>Final Selection Data</source>
        <translation>Daten der endgültigen Auswahl</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, you should update regularly to get the latest pricing and product information.</source>
        <translation>Um Ihre Vantrel-Software optimal zu nutzen, sollten Sie sie regelmäßig aktualisieren, damit Sie stets die neuesten Preise und Produktinformationen haben.</translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation>Preis %1</translation>
    </message>
    <message>
        <source>Total %1:</source>
        <translation>Summe %1:</translation>
    </message>
    <message>
        <source>Unable to locate Registry Key</source>
        <translation>Registrierungsschlüssel nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to create path from Registry</source>
        <translation>Pfad aus der Registrierung kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are shown in US dollars only.<byte value="xd"/></source>
        <translation>Die Wechselkurse können nicht gelesen werden, daher werden die Preise nur in US-Dollar angezeigt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing.</source>
        <translation>Eine oder mehrere Dateien, die zum Ausführen dieser Anwendung benötigt werden, fehlen.</translation>
    </message>
    <message>
        <source>Currencies other than the United States Dollars ($US)  are provided for information purposes only and are based on exchange rates as of: %1.</source>
        <translation>Andere Währungen als US-Dollar ($US) dienen nur zur Information und beruhen auf den Wechselkursen vom: %1.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>Go back to the beginning.</source>
        <translation>Zurück zum Anfang.</translation>
    </message>
    <message>
        <source>&lt;- Back</source>
        <translation>&lt;- Zurück</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Vantrel Ferrolyn Results</source>
        <translation>Vantrel Ferrolyn – Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>To a text file</source>
        <translation>In eine Textdatei</translation>
    </message>
    <message>
        <source>To an HTML Document</source>
        <translation>In ein HTML-Dokument</translation>
    </message>
    <message>
        <source>To an MS Excel Spreadsheet</source>
        <translation>In eine MS-Excel-Tabelle</translation>
    </message>
    <message>
        <source>&amp;Copy To Clipboard</source>
        <translation>In &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;View Last Order</source>
        <translation>Le&amp;tzte Bestellung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Quick Update</source>
        <translation>Sc&amp;hnellaktualisierung</translation>
    </message>
    <message>
        <source>S&amp;tart Over</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Currency Settings</source>
        <translation>Währungseinstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Add To Order</source>
        <translation>Zur Bestellung</translation>
    </message>
    <message>
        <source>Add to Order</source>
        <translation>Zur Bestellung</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Update Options</source>
        <translation>Aktualisierungsoptionen</translation>
    </message>
    <message>
        <source>Set days between each update</source>
        <translation>Tage zwischen den Aktualisierungen festlegen</translation>
    </message>
    <message>
        <source>Do not use Auto Update</source>
        <translation>Keine automatische Aktualisierung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmOrderDetails</name>
    <message>
        <source>Order Details</source>
        <translation>Bestellangaben</translation>
    </message>
    <message>
        <source>&amp;Company name:</source>
        <translation>&amp;Firmenname:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Bearbeiter:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;tum:</translation>
    </message>
    <message>
        <source>&amp;Job number:</source>
        <translation>&amp;Auftragsnummer:</translation>
    </message>
    <message>
        <source>&amp;Proposal number:</source>
        <translation>Angebots&amp;nummer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The date must be a date such as %1.</source>
        <translation>Das Datum muss die Form %1 haben.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteArchive</name>
    <message>
        <source>Quote Archive</source>
        <translation>Angebotsarchiv</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message>
        <source>On a server</source>
        <translation>Auf einem Server</translation>
    </message>
    <message>
        <source>(as kept)</source>
        <translation>(gespeichert)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird aufgebaut...</translation>
    </message>
    <message>
        <source>Connected: the quote archive on the server is ready.</source>
        <translation>Verbunden: Das Angebotsarchiv auf dem Server ist bereit.</translation>
    </message>
    <message>
        <source>Enter the database and the user of the quote archive server.</source>
        <translation>Geben Sie die Datenbank und den Benutzer des Angebotsarchiv-Servers ein.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteHistory</name>
    <message>
        <source>Quote History</source>
        <translation>Angebotsverlauf</translation>
    </message>
    <message>
        <source>Search by company, quote number, job or proposal number, author or part number</source>
        <translation>Nach Firma, Angebotsnummer, Auftrags- oder Angebotsnummer, Bearbeiter oder Artikelnummer suchen</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export Quote History</source>
        <translation>Angebotsverlauf exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>quote history</source>
        <translation>Angebotsverlauf</translation>
    </message>
    <message>
        <source>Delete quote %1, revision %2, from the quote history? This cannot be undone.</source>
        <translation>Angebot %1, Revision %2 aus dem Angebotsverlauf löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>(not yet sent)</source>
        <translation>(noch nicht gesendet)</translation>
    </message>
    <message>
        <source>Quote %1, revision %2, was not deleted: it is gone, or it is not one of yours.</source>
        <translation>Angebot %1, Revision %2 wurde nicht gelöscht: Es ist nicht mehr vorhanden oder nicht Ihres.</translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>Quick Update</source>
        <translation>Schnellaktualisierung</translation>
    </message>
    <message>
        <source>Before clicking the Update button, please make sure you have an active Internet connection.</source>
        <translation>Bitte stellen Sie vor dem Klicken auf die Schaltfläche Aktualisieren sicher, dass eine Internetverbindung besteht.</translation>
    </message>
    <message>
        <source>It is recommended that you restart your application after updated files have been installed.</source>
        <translation>Es wird empfohlen, die Anwendung nach der Installation aktualisierter Dateien neu zu starten.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
</context>
<context>
    <name>UpdateIni</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%1&quot; so that it reads back.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; kann nicht so geschrieben werden, dass sie sich wieder lesen lässt.</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/.</source>
        <translation>Aktualisierungen können nicht geprüft werden: Diese Installation hat keinen Aktualisierungsschlüssel. Installieren Sie die neue Version manuell von https://www.vantrel.example/.</translation>
    </message>
    <message>
        <source>The download could not be verified: the server offers no signature.</source>
        <translation>Der Download konnte nicht geprüft werden: Der Server bietet keine Signatur an.</translation>
    </message>
    <message>
        <source>The download could not be verified: its signature does not match the maker&apos;s key.</source>
        <translation>Der Download konnte nicht geprüft werden: Seine Signatur passt nicht zum Schlüssel des Herstellers.</translation>
    </message>
</context>
<context>
    <name>WizardModel</name>
    <message>
        <source>The beginning frequency must be a number greater than 0 MHz.</source>
        <translation>Die Anfangsfrequenz muss eine Zahl größer als 0 MHz sein.</translation>
    </message>
    <message>
        <source>The ending frequency must be a number greater than 0 MHz.</source>
        <translation>Die Endfrequenz muss eine Zahl größer als 0 MHz sein.</translation>
    </message>
    <message>
        <source>The length must be a number greater than 0.</source>
        <translation>Die Länge muss eine Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>The frequency must be at most %1 MHz.</source>
        <translation>Die Frequenz darf höchstens %1 MHz betragen.</translation>
    </message>
    <message>
        <source>The length must be at most %1.</source>
        <translation>Die Länge darf höchstens %1 betragen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Cannot make the workbook: %1</source>
        <translation>Die Arbeitsmappe kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook: no temporary folder: %1</source>
        <translation>Die Arbeitsmappe kann nicht erstellt werden: kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook.</source>
        <translation>Die Arbeitsmappe kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>workbook</source>
        <translation>Arbeitsmappe</translation>
    </message>
</context>
</TS>
