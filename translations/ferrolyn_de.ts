<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AsBuilt</name>
    <message>
        <source>Connector loss taken as %1 dB/√GHz for %2: no part data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion loss as built (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum insertion loss in the band (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum VSWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum return loss (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrical length (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (ns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum bend radius (mm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable Total Attenuation (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Loss (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures at %1 MHz, the middle of %2–%3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchQuote</name>
    <message>
        <source>%1: %2 is not one of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not a number greater than 0 (such as 12 or 2.5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is above the largest value, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row has %1 cells, more than the %2 columns the first line names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable: there is no cable %1 in the catalog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable: elliptical waveguide is offered for feeders only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable: %1 is not offered from %2 to %3 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attachment: Prenvo is offered for jumpers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attachment: this cable is not offered with Prenvo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grade: this cable is not offered with plated connectors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grade: standard connectors are not offered with Prenvo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grade: this cable is not offered with standard connectors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not offered for these choices; the choices are: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feeder_connectors: a jumper has both connectors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top: the feeder has no top connector (feeder_connectors).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom: the feeder has no bottom connector (feeder_connectors).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quantity: %1 is not a whole number from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (is it %2?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no column %1.%2 The first line must name the columns %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It has the unknown column %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has %1 rows; at most %2 assemblies can be quoted at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quantity: the order would hold %1 of %2, above the largest quantity, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit price of %1 is above %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from 0 to %2 here)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Attenuation at %1 MHz (dB/100 ft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Attenuation at %1 MHz (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Power (kW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price per %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no list price</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: a row has more than %2 cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a cell is longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the file has more than %2 rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: text after the closing quote of a field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>US Dollars (USD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South African Rand (ZAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Renminbi (RMB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong Dollars (HKD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Rupees (INR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese Yen (JPY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean Won (KRW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippino Pesos (PHP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore Dollars (SGD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taiwan Dollars (TWD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austrian Schillings (ATS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgian Francs (BEF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swiss Francs (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German Deutch Marks (DEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish Krones (DKK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish Pesetas (ESP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Euros (EUR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish Markkas (FIM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French Franks (FRF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pounds Sterling (GBP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek Drachmas (GRD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irish Punts (IEP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian Lira (ITL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch Gilders (NLG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian Krones (NOK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugese Escudos (PTE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweedish Krona (SEK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United Arib Emirates Dirhams (AED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saudi Riyal (SAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canadian Dollars (CAD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexican Pesos (MXP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Dollars (AUD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indeonesian Rupiahs (IDR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Dollars (NZD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazillian Real (BRL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentina Pesos (ARS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Europe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North America</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South America</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>, line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Datasheet</name>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum bend radius, single (mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum bend radius, repeated (mm):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (kg):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIM:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatasheetPdf</name>
    <message>
        <source>Pricing date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance at the middle of the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no connector)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not to scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembly as built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion loss as built and return-loss limit across the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green: insertion loss as built (dB, left). Orange: return-loss limit (dB, right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datasheet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datasheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>The server answered %1%2 instead of sending the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent an empty file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download is larger than the limit of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection to the server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be above zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be at least 0.000000001.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>settings file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>&quot;%1&quot; is a link to nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyIndex</name>
    <message>
        <source>The file holds more entries than can be indexed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Usage: ferrolyn [OPEN ORDER.fyn]
       ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR]
       ferrolyn --register-common-files FOLDER
Without arguments, opens the configurator; with OPEN and an order file, opens that order.
&apos;ferrolyn quote --help&apos; describes quoting a CSV file of assemblies.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderFile</name>
    <message>
        <source>company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proposal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: it has more than %2 lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an order file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: the %3 is longer than %4 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &apos;=&apos; before the item&apos;s fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fewer than six fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quantity %1 is not a number from 0 to 1000000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the price %1 is not a number from 0 to 1000000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is far too large to be an order file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 lines.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Price %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PricingDate</name>
    <message>
        <source>Your pricing database was last updated on: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickUpdate</name>
    <message>
        <source>It appears you have not updated your application files lately. You can download the latest data files from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to dowload files. Please make sure you have an active Internet connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update&apos;s signature...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update files have been downloaded. Press OK to continue with installation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Below is a list of the part numbers that correspond to your specifications:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no standard part number that matches your selections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below is a list of the individual components that will make up your cable assembly,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>along with the charges to have the connectors attached to the cable (if applicable).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuoteCommand</name>
    <message>
        <source>Usage: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                      [--datasheets DIR]
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the CSV file of assemblies to quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared data folder is not registered: start Ferrolyn once, or install it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are in US dollars only: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency code such as USD or EUR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No exchange rates are installed: prices can be given in US dollars (USD) only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of %1 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program cannot draw datasheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quote could not be written to the standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be quoted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposal Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price on request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total leaves out the lines priced on request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total (%1):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuoteEngine</name>
    <message>
        <source>No top connector of this cable matches your selections. Please choose another top connector.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bottom connector of this cable matches your selections. Please choose another bottom connector.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top or bottom connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 grade has no such %2; a connector of another grade is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No list price for %1: the total leaves them out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no cable to choose for these selections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending frequency must be greater than beginning frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there are no items that match your selection criteria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add it to the order anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuotePdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the %2 could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quote could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>The common-files folder is not registered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user; run Ferrolyn as that user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered the common-files folder %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultContent</name>
    <message>
        <source>Foreign Currencies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Total (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currencies other than United States Dollars($US) are provided for information purposes only and are based on exchange rates as of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prices are subject to change without notice.  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pricing database was last updated on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Jumper Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumper Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign Currencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only part of it could be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another running copy of Ferrolyn keeps it locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Specs</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from %2 to %3 here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a VSWR range (low-high:VSWR in MHz, such as 698-960:1.15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a part data line (part number=fields)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some part data cannot be read; the parts it concerns show n/a:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandardLengths</name>
    <message>
        <source>%1 Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Selection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little shorter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little longer:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAsBuiltPanel</name>
    <message>
        <source>Assembly as built, with the connectors fitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBandPanel</name>
    <message>
        <source>Save Chart as &amp;PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart as &amp;SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle of the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average (kW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz
Cable total attenuation: %2 dB
Insertion loss: %3 dB
Average power: %4 kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot draw the chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBandPanels</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDatasheetActions</name>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Datasheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportAssemblies</name>
    <message>
        <source>&amp;Import Assemblies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Assemblies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no assemblies to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quoting the assemblies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its unit price or quantity would be above %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These assemblies cannot be added: the order would be too large to save. Import them in smaller parts or into a new order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows were added to the order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The order is in %1: they were added at their prices in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be added to the order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes on the rows added:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMPReporter</name>
    <message>
        <source>Customer Service Center: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write a temporary file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the report could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOrderDocument</name>
    <message>
        <source>The current order has changes that are not saved. Save them before opening another order?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Order As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TQuoteActions</name>
    <message>
        <source>Order &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Q&amp;uote...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Quote as PD&amp;F...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To an Excel &amp;Workbook (.xlsx)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quote PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Quote as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextBuffer</name>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than such a file holds.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrolyn™
RF cable assembly configurator and price calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare Cables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick up to %1 cables to draw their total attenuation at %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use This Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 cables are drawn: untick one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total attenuation (dB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>These exchange rates cannot be used; their currencies are not offered:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field must contain a numeric value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field cannot contain the character &apos;|&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To delete items, highlight the rows you wish to delete<byte value="xd"/>by clicking the rowbar on the left.<byte value="xd"/>To delete multiple rows, hold down the Ctrl key while<byte value="xd"/>selecting each row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected items?<byte value="xd"/>This action can not be undone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item cannot be added to the order: its unit price or quantity would be above %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order is in %1: the item was added at its prices in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quantity must be at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrolyn cannot write to its program folder, so it keeps the last order and the order files in:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order&apos;s currency &quot;%1&quot; is not offered here: its prices are taken to be in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Order To View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order on screen could not be written to the last-order file, which still holds an older order.<byte value="xd"/>Replace the order on screen with that older order?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select An Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Beginning Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select An Ending Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Coaxial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foam Coaxial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elliptical Waveguide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Cable Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Attachment(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Connector ONLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Connector ONLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Type Of Feeder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connectors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Top Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Bottom Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Jumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Jumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Feeder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mates To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Connector Desc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Connector Desc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Characteristics:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select special characteristics for top connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select special characteristics for bottom connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inner Connector Attachment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select inner connector attachment for top connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select inner connector attachment for bottom connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Cable Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Grade:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable Grade:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flame Retardant Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Attachment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prenvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to &amp;update your software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total ($US):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, make sure to update regularly to get the latest pricing and product information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length you have selected is not a standard length for this jumper assembly, but there are some standard lengths available that are close to your selection.

Your jumper assembly can still be made with the length you originally selected, but ordering standard lengths may speed up production time, allowing you to receive your order faster.

Below is a list of standard lengths for the jumper assembly that you have selected that are close to the length you picked.

You can either select one of these standard lengths, or you can keep your current selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length (Feet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length (Meters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference In Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Lengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Your Current Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select This Jumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Jumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Selection Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, you should update regularly to get the latest pricing and product information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate Registry Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create path from Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are shown in US dollars only.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currencies other than the United States Dollars ($US)  are provided for information purposes only and are based on exchange rates as of: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the beginning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;- Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Ferrolyn Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To an HTML Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To an MS Excel Spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Last Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add To Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Update Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set days between each update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not use Auto Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOrderDetails</name>
    <message>
        <source>Order Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Company name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Job number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Proposal number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date must be a date such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>Quick Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before clicking the Update button, please make sure you have an active Internet connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is recommended that you restart your application after updated files have been installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateIni</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%1&quot; so that it reads back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be verified: the server offers no signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be verified: its signature does not match the maker&apos;s key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WizardModel</name>
    <message>
        <source>The beginning frequency must be a number greater than 0 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ending frequency must be a number greater than 0 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length must be a number greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency must be at most %1 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length must be at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Cannot make the workbook: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the workbook: no temporary folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the workbook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>workbook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
