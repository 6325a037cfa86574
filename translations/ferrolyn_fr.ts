<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Cable Assembly Configurator</source>
        <translation>Configurateur de cordons</translation>
    </message>
    <message>
        <source>Configure and price RF coaxial cable assemblies</source>
        <translation>Configurer et chiffrer des cordons coaxiaux RF</translation>
    </message>
    <message>
        <source>coaxial;cable;assembly;RF;quote;</source>
        <translation>coaxial;câble;cordon;RF;devis;</translation>
    </message>
</context>
<context>
    <name>AsBuilt</name>
    <message>
        <source>Connector loss taken as %1 dB/√GHz for %2: no part data.</source>
        <translation>Perte des connecteurs estimée à %1 dB/√GHz pour %2&#xa0;: pas de données pour ces pièces.</translation>
    </message>
    <message>
        <source>Insertion loss as built (dB)</source>
        <translation>Perte d&apos;insertion du cordon tel que fabriqué (dB)</translation>
    </message>
    <message>
        <source>Maximum insertion loss in the band (dB)</source>
        <translation>Perte d&apos;insertion max. dans la bande (dB)</translation>
    </message>
    <message>
        <source>Maximum VSWR</source>
        <translation>ROS maximal</translation>
    </message>
    <message>
        <source>Minimum return loss (dB)</source>
        <translation>Affaiblissement de réflexion min. (dB)</translation>
    </message>
    <message>
        <source>PIM</source>
        <translation>PIM</translation>
    </message>
    <message>
        <source>Electrical length (m)</source>
        <translation>Longueur électrique (m)</translation>
    </message>
    <message>
        <source>Delay (ns)</source>
        <translation>Temps de propagation (ns)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Poids (kg)</translation>
    </message>
    <message>
        <source>Minimum bend radius (mm)</source>
        <translation>Rayon de courbure min. (mm)</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft)</source>
        <translation>Atténuation (dB/100 ft)</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m)</source>
        <translation>Atténuation (dB/100 m)</translation>
    </message>
    <message>
        <source>Cable Total Attenuation (dB)</source>
        <translation>Atténuation totale du câble (dB)</translation>
    </message>
    <message>
        <source>Insertion Loss (dB)</source>
        <translation>Perte d&apos;insertion (dB)</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Rendement (%)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Puissance moyenne (kW)</translation>
    </message>
    <message>
        <source>Figures at %1 MHz, the middle of %2–%3 MHz</source>
        <translation>Valeurs à %1 MHz, milieu de la bande %2–%3 MHz</translation>
    </message>
</context>
<context>
    <name>BatchQuote</name>
    <message>
        <source>%1: %2 is not one of %3.</source>
        <translation>%1: %2 n&apos;est pas une valeur admise (%3).</translation>
    </message>
    <message>
        <source>%1: %2 is not a number greater than 0 (such as 12 or 2.5).</source>
        <translation>%1: %2 n&apos;est pas un nombre supérieur à 0 (par exemple 12 ou 2.5).</translation>
    </message>
    <message>
        <source>%1: %2 is above the largest value, %3.</source>
        <translation>%1: %2 dépasse la valeur maximale, %3.</translation>
    </message>
    <message>
        <source>the row has %1 cells, more than the %2 columns the first line names.</source>
        <translation>la ligne compte %1 cellules, plus que les %2 colonnes nommées par la première ligne.</translation>
    </message>
    <message>
        <source>cable: there is no cable %1 in the catalog.</source>
        <translation>cable: le catalogue ne contient aucun câble %1.</translation>
    </message>
    <message>
        <source>cable: elliptical waveguide is offered for feeders only.</source>
        <translation>cable: le guide d&apos;ondes elliptique n&apos;est proposé que pour les feeders.</translation>
    </message>
    <message>
        <source>cable: %1 is not offered from %2 to %3 MHz.</source>
        <translation>cable: %1 n&apos;est pas proposé de %2 à %3 MHz.</translation>
    </message>
    <message>
        <source>attachment: Prenvo is offered for jumpers only.</source>
        <translation>attachment: Prenvo n&apos;est proposé que pour les jarretières.</translation>
    </message>
    <message>
        <source>attachment: this cable is not offered with Prenvo.</source>
        <translation>attachment: ce câble n&apos;est pas proposé avec Prenvo.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with plated connectors.</source>
        <translation>grade: ce câble n&apos;est pas proposé avec des connecteurs plaqués.</translation>
    </message>
    <message>
        <source>grade: standard connectors are not offered with Prenvo.</source>
        <translation>grade: les connecteurs standard ne sont pas proposés avec Prenvo.</translation>
    </message>
    <message>
        <source>grade: this cable is not offered with standard connectors.</source>
        <translation>grade: ce câble n&apos;est pas proposé avec des connecteurs standard.</translation>
    </message>
    <message>
        <source>%1: %2 is not offered for these choices; the choices are: %3.</source>
        <translation>%1: %2 n&apos;est pas proposé pour ces choix&#xa0;; choix possibles&#xa0;: %3.</translation>
    </message>
    <message>
        <source>feeder_connectors: a jumper has both connectors.</source>
        <translation>feeder_connectors: une jarretière a toujours ses deux connecteurs.</translation>
    </message>
    <message>
        <source>top: the feeder has no top connector (feeder_connectors).</source>
        <translation>top: le feeder n&apos;a pas de connecteur supérieur (feeder_connectors).</translation>
    </message>
    <message>
        <source>bottom: the feeder has no bottom connector (feeder_connectors).</source>
        <translation>bottom: le feeder n&apos;a pas de connecteur inférieur (feeder_connectors).</translation>
    </message>
    <message>
        <source>quantity: %1 is not a whole number from 1 to %2.</source>
        <translation>quantity: %1 n&apos;est pas un nombre entier de 1 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (is it %2?)</source>
        <translation>«&#xa0;%1&#xa0;» (s&apos;agit-il de %2&#xa0;?)</translation>
    </message>
    <message>
        <source>The file has no column %1.%2 The first line must name the columns %3.</source>
        <translation>Le fichier n&apos;a pas de colonne %1.%2 La première ligne doit nommer les colonnes %3.</translation>
    </message>
    <message>
        <source> It has the unknown column %1.</source>
        <translation> Il contient la colonne inconnue %1.</translation>
    </message>
    <message>
        <source>The file has %1 rows; at most %2 assemblies can be quoted at once.</source>
        <translation>Le fichier compte %1 lignes&#xa0;; au plus %2 cordons peuvent être chiffrés à la fois.</translation>
    </message>
    <message>
        <source>quantity: the order would hold %1 of %2, above the largest quantity, %3.</source>
        <translation>quantity: la commande contiendrait %1 unités de %2, au-delà de la quantité maximale, %3.</translation>
    </message>
    <message>
        <source>The unit price of %1 is above %2.</source>
        <translation>Le prix unitaire de %1 dépasse %2.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from 0 to %2 here)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur décimale valide (de 0 à %2 ici)</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Attenuation at %1 MHz (dB/100 ft)</source>
        <translation>Atténuation à %1 MHz (dB/100 ft)</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Total Attenuation at %1 MHz (dB)</source>
        <translation>Atténuation totale à %1 MHz (dB)</translation>
    </message>
    <message>
        <source>Average Power (kW)</source>
        <translation>Puissance moyenne (kW)</translation>
    </message>
    <message>
        <source>Max Power (kW)</source>
        <translation>Puissance max. (kW)</translation>
    </message>
    <message>
        <source>Price per %1 (%2)</source>
        <translation>Prix par %1 (%2)</translation>
    </message>
    <message>
        <source>no list price</source>
        <translation>pas de prix catalogue</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: a row has more than %2 cells.</source>
        <translation>Ligne %1&#xa0;: une ligne compte plus de %2 cellules.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: a cell is longer than %2 bytes.</source>
        <translation>Ligne %1&#xa0;: une cellule dépasse %2 octets.</translation>
    </message>
    <message>
        <source>Line %1: the file has more than %2 rows.</source>
        <translation>Ligne %1&#xa0;: le fichier compte plus de %2 lignes.</translation>
    </message>
    <message>
        <source>Line %1: text after the closing quote of a field.</source>
        <translation>Ligne %1&#xa0;: texte après le guillemet fermant d&apos;un champ.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>US Dollars (USD)</source>
        <translation>Dollar américain (USD)</translation>
    </message>
    <message>
        <source>South African Rand (ZAR)</source>
        <translation>Rand sud-africain (ZAR)</translation>
    </message>
    <message>
        <source>Chinese Renminbi (RMB)</source>
        <translation>Renminbi chinois (RMB)</translation>
    </message>
    <message>
        <source>Hong Kong Dollars (HKD)</source>
        <translation>Dollar de Hong Kong (HKD)</translation>
    </message>
    <message>
        <source>Indian Rupees (INR)</source>
        <translation>Roupie indienne (INR)</translation>
    </message>
    <message>
        <source>Japanese Yen (JPY)</source>
        <translation>Yen japonais (JPY)</translation>
    </message>
    <message>
        <source>Korean Won (KRW)</source>
        <translation>Won sud-coréen (KRW)</translation>
    </message>
    <message>
        <source>Philippino Pesos (PHP)</source>
        <translation>Peso philippin (PHP)</translation>
    </message>
    <message>
        <source>Singapore Dollars (SGD)</source>
        <translation>Dollar de Singapour (SGD)</translation>
    </message>
    <message>
        <source>Taiwan Dollars (TWD)</source>
        <translation>Dollar de Taïwan (TWD)</translation>
    </message>
    <message>
        <source>Austrian Schillings (ATS)</source>
        <translation>Schilling autrichien (ATS)</translation>
    </message>
    <message>
        <source>Belgian Francs (BEF)</source>
        <translation>Franc belge (BEF)</translation>
    </message>
    <message>
        <source>Swiss Francs (CHF)</source>
        <translation>Franc suisse (CHF)</translation>
    </message>
    <message>
        <source>German Deutch Marks (DEM)</source>
        <translation>Mark allemand (DEM)</translation>
    </message>
    <message>
        <source>Danish Krones (DKK)</source>
        <translation>Couronne danoise (DKK)</translation>
    </message>
    <message>
        <source>Spanish Pesetas (ESP)</source>
        <translation>Peseta espagnole (ESP)</translation>
    </message>
    <message>
        <source>Euros (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Finish Markkas (FIM)</source>
        <translation>Mark finlandais (FIM)</translation>
    </message>
    <message>
        <source>French Franks (FRF)</source>
        <translation>Franc français (FRF)</translation>
    </message>
    <message>
        <source>Pounds Sterling (GBP)</source>
        <translation>Livre sterling (GBP)</translation>
    </message>
    <message>
        <source>Greek Drachmas (GRD)</source>
        <translation>Drachme grecque (GRD)</translation>
    </message>
    <message>
        <source>Irish Punts (IEP)</source>
        <translation>Livre irlandaise (IEP)</translation>
    </message>
    <message>
        <source>Italian Lira (ITL)</source>
        <translation>Lire italienne (ITL)</translation>
    </message>
    <message>
        <source>Dutch Gilders (NLG)</source>
        <translation>Florin néerlandais (NLG)</translation>
    </message>
    <message>
        <source>Norwegian Krones (NOK)</source>
        <translation>Couronne norvégienne (NOK)</translation>
    </message>
    <message>
        <source>Portugese Escudos (PTE)</source>
        <translation>Escudo portugais (PTE)</translation>
    </message>
    <message>
        <source>Sweedish Krona (SEK)</source>
        <translation>Couronne suédoise (SEK)</translation>
    </message>
    <message>
        <source>United Arib Emirates Dirhams (AED)</source>
        <translation>Dirham des Émirats arabes unis (AED)</translation>
    </message>
    <message>
        <source>Saudi Riyal (SAR)</source>
        <translation>Riyal saoudien (SAR)</translation>
    </message>
    <message>
        <source>Canadian Dollars (CAD)</source>
        <translation>Dollar canadien (CAD)</translation>
    </message>
    <message>
        <source>Mexican Pesos (MXP)</source>
        <translation>Peso mexicain (MXP)</translation>
    </message>
    <message>
        <source>Australian Dollars (AUD)</source>
        <translation>Dollar australien (AUD)</translation>
    </message>
    <message>
        <source>Indeonesian Rupiahs (IDR)</source>
        <translation>Roupie indonésienne (IDR)</translation>
    </message>
    <message>
        <source>New Zealand Dollars (NZD)</source>
        <translation>Dollar néo-zélandais (NZD)</translation>
    </message>
    <message>
        <source>Brazillian Real (BRL)</source>
        <translation>Real brésilien (BRL)</translation>
    </message>
    <message>
        <source>Argentina Pesos (ARS)</source>
        <translation>Peso argentin (ARS)</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrique</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asie</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Moyen-Orient</translation>
    </message>
    <message>
        <source>North America</source>
        <translation>Amérique du Nord</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Océanie</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Amérique du Sud</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>, line %1</source>
        <translation>, ligne %1</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>et %1 autres.</translation>
    </message>
</context>
<context>
    <name>Datasheet</name>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Atténuation (dB/100 ft)&#xa0;:</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Atténuation (dB/100 m)&#xa0;:</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Atténuation totale (dB)&#xa0;:</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Perte d&apos;insertion (dB)&#xa0;:</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Rendement (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Puissance max. (kW)&#xa0;:</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Puissance moyenne (kW)&#xa0;:</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>non indiqué</translation>
    </message>
    <message>
        <source>Velocity factor:</source>
        <translation>Coefficient de vélocité&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum bend radius, single (mm):</source>
        <translation>Rayon de courbure min., pliage unique (mm)&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum bend radius, repeated (mm):</source>
        <translation>Rayon de courbure min., pliages répétés (mm)&#xa0;:</translation>
    </message>
    <message>
        <source>Weight (kg):</source>
        <translation>Poids (kg)&#xa0;:</translation>
    </message>
    <message>
        <source>Fire rating:</source>
        <translation>Classement feu&#xa0;:</translation>
    </message>
    <message>
        <source>PIM:</source>
        <translation>PIM&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DatasheetPdf</name>
    <message>
        <source>Pricing date: %1</source>
        <translation>Date du tarif&#xa0;: %1</translation>
    </message>
    <message>
        <source>Performance at the middle of the band</source>
        <translation>Performances au milieu de la bande</translation>
    </message>
    <message>
        <source>Mechanical data</source>
        <translation>Caractéristiques mécaniques</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>(no connector)</source>
        <translation>(sans connecteur)</translation>
    </message>
    <message>
        <source>Not to scale.</source>
        <translation>Dessin non à l&apos;échelle.</translation>
    </message>
    <message>
        <source>Assembly as built</source>
        <translation>Cordon tel que fabriqué</translation>
    </message>
    <message>
        <source>Insertion loss as built and return-loss limit across the band</source>
        <translation>Perte d&apos;insertion du cordon tel que fabriqué et limite d&apos;affaiblissement de réflexion sur la bande</translation>
    </message>
    <message>
        <source>Green: insertion loss as built (dB, left). Orange: return-loss limit (dB, right).</source>
        <translation>Vert&#xa0;: perte d&apos;insertion du cordon tel que fabriqué (dB, à gauche). Orange&#xa0;: limite d&apos;affaiblissement de réflexion (dB, à droite).</translation>
    </message>
    <message>
        <source>Datasheet %1</source>
        <translation>Fiche technique %1</translation>
    </message>
    <message>
        <source>datasheet</source>
        <translation>fiche technique</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>No picture</source>
        <translation>Pas d&apos;image</translation>
    </message>
    <message>
        <source>Saved as %1.
No application to open it was found on this computer.</source>
        <translation>Enregistré sous %1.
Aucune application pour l&apos;ouvrir n&apos;a été trouvée sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>The server answered %1%2 instead of sending the file.</source>
        <translation>Le serveur a répondu %1%2 au lieu d&apos;envoyer le fichier.</translation>
    </message>
    <message>
        <source>The server sent an empty file.</source>
        <translation>Le serveur a envoyé un fichier vide.</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced.</source>
        <translation>Le serveur a envoyé %1 des %2 octets annoncés.</translation>
    </message>
    <message>
        <source>The download address is not valid.</source>
        <translation>L&apos;adresse de téléchargement n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Quick Update</source>
        <translation>Mise à jour rapide</translation>
    </message>
    <message>
        <source>The download is larger than the limit of %1.</source>
        <translation>Le téléchargement dépasse la limite de %1.</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Le téléchargement a été annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Le serveur n&apos;a rien envoyé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>No connection to the server: %1</source>
        <translation>Pas de connexion au serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The download failed: %1</source>
        <translation>Échec du téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur décimale valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be above zero.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un taux de change valide pour %2&#xa0;: un taux doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid exchange rate for %2: a rate must be at least 0.000000001.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un taux de change valide pour %2&#xa0;: un taux doit être d&apos;au moins 0.000000001.</translation>
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
        <translation>Utilisation : ferrolyn history [--search TEXT] [--json]
Liste les devis archivés, du plus récent au plus ancien : numéro, révision, date, société, total, devise et lignes.
  --search TEXT  seulement les devis dont la société, le numéro, le n° d&apos;affaire ou de proposition, l&apos;auteur ou les références contiennent TEXT
  --json         écrire du JSON au lieu du CSV
</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Argument inconnu « %1 ».</translation>
    </message>
    <message>
        <source>The list could not be written: %1</source>
        <translation>La liste n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>%1 (kept on this computer, not yet sent: %2)</source>
        <translation>%1 (conservé sur cet ordinateur, pas encore envoyé&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>settings file</source>
        <translation>fichier de paramètres</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>&quot;%1&quot; is a link to nothing.</source>
        <translation>«&#xa0;%1&#xa0;» est un lien rompu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>KeyIndex</name>
    <message>
        <source>The file holds more entries than can be indexed.</source>
        <translation>Le fichier contient plus d&apos;entrées qu&apos;il n&apos;est possible d&apos;indexer.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language could not be remembered for the next start: %1</source>
        <translation>Impossible de mémoriser la langue pour le prochain démarrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
</context>
<context>
    <name>LineFormat</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur décimale valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
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
        <translation>Utilisation&#xa0;: ferrolyn [OPEN ORDER.fyn]
              ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR] [--archive]
              ferrolyn --register-common-files FOLDER
Sans argument, ouvre le configurateur&#xa0;; avec OPEN et un fichier de commande, ouvre cette commande.
«&#xa0;ferrolyn quote --help&#xa0;» décrit le chiffrage d&apos;un fichier CSV de cordons.
</translation>
    </message>
    <message>
        <source>Ferrolyn needs a display to open its window; &apos;ferrolyn quote&apos; and &apos;ferrolyn history&apos; work without one.
</source>
        <translation>Ferrolyn a besoin d&apos;un affichage graphique pour ouvrir sa fenêtre&#xa0;; «&#xa0;ferrolyn quote&#xa0;» et «&#xa0;ferrolyn history&#xa0;» fonctionnent sans.
</translation>
    </message>
    <message>
        <source>&apos;ferrolyn history --help&apos; describes listing the quote archive.
</source>
        <translation>&apos;ferrolyn history --help&apos; décrit la liste des devis archivés.
</translation>
    </message>
</context>
<context>
    <name>OrderFile</name>
    <message>
        <source>company name</source>
        <translation>nom de la société</translation>
    </message>
    <message>
        <source>author</source>
        <translation>auteur</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>job number</source>
        <translation>n° d&apos;affaire</translation>
    </message>
    <message>
        <source>proposal number</source>
        <translation>n° de proposition</translation>
    </message>
    <message>
        <source>currency</source>
        <translation>devise</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>fichier de commande</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: it has more than %2 lines.</source>
        <translation>Impossible d&apos;ouvrir le fichier de commande «&#xa0;%1&#xa0;»&#xa0;: il compte plus de %2 lignes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an order file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de commande.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: the %3 is longer than %4 characters.</source>
        <translation>Impossible d&apos;ouvrir le fichier de commande «&#xa0;%1&#xa0;»&#xa0;: ligne %2&#xa0;: le champ «&#xa0;%3&#xa0;» dépasse %4 caractères.</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: line %2: %3.</source>
        <translation>Impossible d&apos;ouvrir le fichier de commande «&#xa0;%1&#xa0;»&#xa0;: ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>no &apos;=&apos; before the item&apos;s fields</source>
        <translation>aucun &apos;=&apos; avant les champs de l&apos;article</translation>
    </message>
    <message>
        <source>fewer than six fields</source>
        <translation>moins de six champs</translation>
    </message>
    <message>
        <source>field %1 is longer than %2 characters</source>
        <translation>le champ %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the quantity %1 is not a number from 0 to 1000000000</source>
        <translation>la quantité %1 n&apos;est pas un nombre de 0 à 1000000000</translation>
    </message>
    <message>
        <source>the price %1 is not a number from 0 to 1000000000</source>
        <translation>le prix %1 n&apos;est pas un nombre de 0 à 1000000000</translation>
    </message>
    <message>
        <source>Cannot open the order file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier de commande «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>il n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it is far too large to be an order file.</source>
        <translation>il est bien trop volumineux pour être un fichier de commande.</translation>
    </message>
    <message>
        <source>it has more than %1 lines.</source>
        <translation>il compte plus de %1 lignes.</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>n/a</source>
        <translation>n.d.</translation>
    </message>
</context>
<context>
    <name>Prices</name>
    <message>
        <source>Price %1:</source>
        <translation>Prix %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PricingDate</name>
    <message>
        <source>Your pricing database was last updated on: %1</source>
        <translation>Dernière mise à jour de votre base de prix&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QuickUpdate</name>
    <message>
        <source>It appears you have not updated your application files lately. You can download the latest data files from here.</source>
        <translation>Il semble que vous n&apos;ayez pas mis à jour vos fichiers d&apos;application récemment. Vous pouvez télécharger les derniers fichiers de données ici.</translation>
    </message>
    <message>
        <source>Unable to dowload files. Please make sure you have an active Internet connection.</source>
        <translation>Impossible de télécharger les fichiers. Vérifiez que vous disposez d&apos;une connexion Internet active.</translation>
    </message>
    <message>
        <source>Downloading the update&apos;s signature...</source>
        <translation>Téléchargement de la signature de la mise à jour...</translation>
    </message>
    <message>
        <source>Update files have been downloaded. Press OK to continue with installation</source>
        <translation>Les fichiers de mise à jour ont été téléchargés. Cliquez sur OK pour poursuivre l&apos;installation</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Below is a list of the part numbers that correspond to your specifications:</source>
        <translation>Voici la liste des références correspondant à vos critères&#xa0;:</translation>
    </message>
    <message>
        <source>There is no standard part number that matches your selections.</source>
        <translation>Aucune référence standard ne correspond à vos sélections.</translation>
    </message>
    <message>
        <source>Below is a list of the individual components that will make up your cable assembly,</source>
        <translation>Voici la liste des composants qui constitueront votre cordon,</translation>
    </message>
    <message>
        <source>along with the charges to have the connectors attached to the cable (if applicable).</source>
        <translation>ainsi que les frais de montage des connecteurs sur le câble (le cas échéant).</translation>
    </message>
</context>
<context>
    <name>QuoteArchive</name>
    <message>
        <source>The quote archive cannot be used: %1</source>
        <translation>Les devis archivés ne peuvent pas être utilisés : %1</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>its folder cannot be made.</source>
        <translation>son dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Ferrolyn.</source>
        <translation>il a été créé par une version plus récente de Ferrolyn.</translation>
    </message>
    <message>
        <source>the server refused user &quot;%1&quot;: the password is wrong or missing.</source>
        <translation>le serveur a refusé l&apos;utilisateur «&#xa0;%1&#xa0;», mot de passe erroné ou absent.</translation>
    </message>
    <message>
        <source>the server has no database &quot;%1&quot;.</source>
        <translation>le serveur n&apos;a pas de base de données «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the host &quot;%1&quot; is not known.</source>
        <translation>l&apos;hôte «&#xa0;%1&#xa0;» est inconnu.</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds.</source>
        <translation>le serveur %1 n&apos;a pas répondu en %2 secondes.</translation>
    </message>
    <message>
        <source>no server answers at %1, port %2. Is it running, and are the host and port right?</source>
        <translation>aucun serveur ne répond sur %1, port %2. Est-il démarré, et l&apos;hôte et le port sont-ils corrects&#xa0;?</translation>
    </message>
    <message>
        <source>user &quot;%1&quot; may not use the archive&apos;s tables, or may not make them on first use: %2</source>
        <translation>l&apos;utilisateur «&#xa0;%1&#xa0;» ne peut pas utiliser les tables des devis archivés, ou ne peut pas les créer à la première utilisation&#xa0;: %2</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>the server has no user &quot;%1&quot;.</source>
        <translation>le serveur n&apos;a pas d&apos;utilisateur «&#xa0;%1&#xa0;».</translation>
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
        <translation>Utilisation&#xa0;: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]
                             [--datasheets DIR] [--archive]
Chiffre chaque cordon de IN.csv (UTF-8, une ligne d&apos;en-tête nommant les colonnes
%1)
et écrit une ligne par ligne de commande dans OUT.csv ou sur la sortie standard.
  -o OUT      écrire dans ce fichier plutôt que sur la sortie standard
  --json      écrire du JSON plutôt que du CSV
  --currency  la devise des prix, par exemple EUR (USD par défaut)
  --strict    refuser une ligne contenant une pièce sans prix catalogue (au lieu
              de la chiffrer à 0 avec un avertissement)
  --datasheets DIR  écrire dans DIR la fiche technique PDF de chaque ligne chiffrée,
              nommée d&apos;après sa référence (ou row-N)
</translation>
    </message>
    <message>
        <source>%1 more datasheets could not be written.</source>
        <translation>%1 autres fiches techniques n&apos;ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 attend une valeur.</translation>
    </message>
    <message>
        <source>Unknown argument &quot;%1&quot;.</source>
        <translation>Argument inconnu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Name the CSV file of assemblies to quote.</source>
        <translation>Indiquez le fichier CSV des cordons à chiffrer.</translation>
    </message>
    <message>
        <source>The shared data folder is not registered: start Ferrolyn once, or install it again.</source>
        <translation>Le dossier des données partagées n&apos;est pas enregistré&#xa0;: lancez Ferrolyn une fois, ou réinstallez-le.</translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing: </source>
        <translation>Un ou plusieurs fichiers nécessaires à l&apos;exécution de cette application sont manquants&#xa0;: </translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are in US dollars only: %1</source>
        <translation>Les taux de change sont illisibles, les prix sont donc uniquement en dollars américains&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency code such as USD or EUR.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un code de devise tel que USD ou EUR.</translation>
    </message>
    <message>
        <source>No exchange rates are installed: prices can be given in US dollars (USD) only.</source>
        <translation>Aucun taux de change n&apos;est installé&#xa0;: les prix ne peuvent être donnés qu&apos;en dollars américains (USD).</translation>
    </message>
    <message>
        <source>The exchange rate of %1 cannot be used.</source>
        <translation>Le taux de change de %1 est inutilisable.</translation>
    </message>
    <message>
        <source>This program cannot draw datasheets.</source>
        <translation>Ce programme ne peut pas générer de fiches techniques.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The quote could not be written to the standard output: %1</source>
        <translation>Impossible d&apos;écrire le devis sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be quoted.</source>
        <translation>Lignes non chiffrées&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>  --archive   record the quoted rows as one quote in the quote archive
</source>
        <translation>  --archive   archiver les lignes chiffrées comme un seul devis
</translation>
    </message>
    <message>
        <source>The quote is too large to be recorded.</source>
        <translation>Le devis est trop grand pour être archivé.</translation>
    </message>
    <message>
        <source>No row was quoted: no quote was recorded.</source>
        <translation>Aucune ligne n&apos;a été chiffrée : aucun devis archivé.</translation>
    </message>
    <message>
        <source>The quote archive is not available.</source>
        <translation>Les devis archivés ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>Recorded as quote %1.</source>
        <translation>Archivé sous le devis %1.</translation>
    </message>
</context>
<context>
    <name>QuoteDocument</name>
    <message>
        <source>Company:</source>
        <translation>Société&#xa0;:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Établi par&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Job Number:</source>
        <translation>N° d&apos;affaire&#xa0;:</translation>
    </message>
    <message>
        <source>Proposal Number:</source>
        <translation>N° de proposition&#xa0;:</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Unit Price (%1)</source>
        <translation>Prix unitaire (%1)</translation>
    </message>
    <message>
        <source>Extended (%1)</source>
        <translation>Montant (%1)</translation>
    </message>
    <message>
        <source>Price on request</source>
        <translation>Prix sur demande</translation>
    </message>
    <message>
        <source>The total leaves out the lines priced on request.</source>
        <translation>Le total exclut les lignes à prix sur demande.</translation>
    </message>
    <message>
        <source>Total (%1):</source>
        <translation>Total (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Quote %1, revision %2</source>
        <translation>Devis %1, révision %2</translation>
    </message>
</context>
<context>
    <name>QuoteEngine</name>
    <message>
        <source>No top connector of this cable matches your selections. Please choose another top connector.</source>
        <translation>Aucun connecteur supérieur de ce câble ne correspond à vos sélections. Veuillez choisir un autre connecteur supérieur.</translation>
    </message>
    <message>
        <source>No bottom connector of this cable matches your selections. Please choose another bottom connector.</source>
        <translation>Aucun connecteur inférieur de ce câble ne correspond à vos sélections. Veuillez choisir un autre connecteur inférieur.</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Plaqué</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>top or bottom connector</source>
        <translation>connecteur supérieur ou inférieur</translation>
    </message>
    <message>
        <source>top connector</source>
        <translation>connecteur supérieur</translation>
    </message>
    <message>
        <source>bottom connector</source>
        <translation>connecteur inférieur</translation>
    </message>
    <message>
        <source>The %1 grade has no such %2; a connector of another grade is used.</source>
        <translation>La qualité %1 n&apos;offre pas ce %2&#xa0;; un connecteur d&apos;une autre qualité est utilisé.</translation>
    </message>
    <message>
        <source>No list price for %1: the total leaves them out.</source>
        <translation>Aucun prix catalogue pour %1&#xa0;: le total ne les inclut pas.</translation>
    </message>
    <message>
        <source>There is no cable to choose for these selections.</source>
        <translation>Aucun câble ne correspond à ces sélections.</translation>
    </message>
    <message>
        <source>Ending frequency must be greater than beginning frequency.</source>
        <translation>La fréquence de fin doit être supérieure à la fréquence de début.</translation>
    </message>
    <message>
        <source>Sorry, there are no items that match your selection criteria.</source>
        <translation>Désolé, aucun article ne correspond à vos critères de sélection.</translation>
    </message>
    <message>
        <source>Add it to the order anyway?</source>
        <translation>L&apos;ajouter quand même à la commande&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QuoteHistory</name>
    <message>
        <source>Recorded as quote %1, revision %2.</source>
        <translation>Archivé sous le devis %1, révision %2.</translation>
    </message>
    <message>
        <source>Not recorded in the quote history: %1</source>
        <translation>Non archivé dans l&apos;historique des devis : %1</translation>
    </message>
    <message>
        <source>Quote Archive</source>
        <translation>Devis archivés</translation>
    </message>
    <message>
        <source>Password of user &quot;%1&quot; on the quote archive server %2:</source>
        <translation>Mot de passe de l&apos;utilisateur «&#xa0;%1&#xa0;» sur le serveur des devis archivés %2&#xa0;:</translation>
    </message>
    <message>
        <source>Kept on this computer as quote %1, revision %2, not yet sent: %3</source>
        <translation>Conservé sur cet ordinateur sous le devis %1, révision %2, pas encore envoyé&#xa0;: %3</translation>
    </message>
    <message>
        <source>Recorded as quote %1, revision %2. Quotes that waited on this computer, now sent: %3.</source>
        <translation>Archivé sous le devis %1, révision %2. Devis en attente sur cet ordinateur, désormais envoyés&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. Not sent: %2</source>
        <translation>Devis en attente sur cet ordinateur pour le serveur des devis archivés&#xa0;: %1. Non envoyés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Quotes that waited on this computer, now sent to the quote archive server: %1.</source>
        <translation>Devis en attente sur cet ordinateur, désormais envoyés au serveur des devis archivés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No keyring answered: the password is kept until Ferrolyn closes.</source>
        <translation>Aucun trousseau de clés n&apos;a répondu&#xa0;: le mot de passe est conservé jusqu&apos;à la fermeture de Ferrolyn.</translation>
    </message>
    <message>
        <source>Quotes waiting on this computer for the quote archive server: %1. They are sent when the server is chosen again.</source>
        <translation>Devis en attente sur cet ordinateur pour le serveur des devis archivés&#xa0;: %1. Ils seront envoyés quand le serveur sera de nouveau choisi.</translation>
    </message>
</context>
<context>
    <name>QuotePdf</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the %2 could not be drawn.</source>
        <translation>Impossible d&apos;écrire le fichier PDF «&#xa0;%1&#xa0;»&#xa0;: échec du rendu (%2).</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>fichier PDF</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>devis</translation>
    </message>
    <message>
        <source>The quote could not be printed.</source>
        <translation>Impossible d&apos;imprimer le devis.</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>The common-files folder is not registered: %1</source>
        <translation>Le dossier des fichiers communs n&apos;est pas enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user; run Ferrolyn as that user.</source>
        <translation>%1 appartient à un autre utilisateur&#xa0;; exécutez Ferrolyn sous cet utilisateur.</translation>
    </message>
    <message>
        <source>Registered the common-files folder %1 in %2.</source>
        <translation>Dossier des fichiers communs %1 enregistré dans %2.</translation>
    </message>
</context>
<context>
    <name>ResultContent</name>
    <message>
        <source>Foreign Currencies:</source>
        <translation>Devises étrangères&#xa0;:</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Rappel&#xa0;:</translation>
    </message>
    <message>
        <source>Last Update:</source>
        <translation>Dernière mise à jour&#xa0;:</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Total de la commande&#xa0;:</translation>
    </message>
    <message>
        <source>Order Total (%1):</source>
        <translation>Total de la commande (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Currencies other than United States Dollars($US) are provided for information purposes only and are based on exchange rates as of %1</source>
        <translation>Les montants en devises autres que le dollar américain ($US) sont fournis à titre indicatif et reposent sur les taux de change au %1</translation>
    </message>
    <message>
        <source>Prices are subject to change without notice.  %1</source>
        <translation>Prix susceptibles d&apos;être modifiés sans préavis.  %1</translation>
    </message>
    <message>
        <source>Your pricing database was last updated on %1</source>
        <translation>Votre base de prix a été mise à jour pour la dernière fois le %1</translation>
    </message>
    <message>
        <source>Vantrel Jumper Results</source>
        <translation>Résultats jarretières Vantrel</translation>
    </message>
    <message>
        <source>Jumper Results</source>
        <translation>Résultats jarretières</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price: %2</source>
        <translation>Qté&#xa0;: %1,          Prix total&#xa0;: %2</translation>
    </message>
    <message>
        <source>Qty: %1,          Total Price (%2): %3</source>
        <translation>Qté&#xa0;: %1,          Prix total (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Foreign Currencies</source>
        <translation>Devises étrangères</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Dernière mise à jour</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is a link; choose another name.</source>
        <translation>c&apos;est un lien&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation>Impossible d&apos;écrire «&#xa0;%2&#xa0;» (%1)&#xa0;: %3</translation>
    </message>
    <message>
        <source>only part of it could be written</source>
        <translation>seule une partie a pu être écrite</translation>
    </message>
    <message>
        <source>its folder %1 cannot be made.</source>
        <translation>impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>another running copy of Ferrolyn keeps it locked.</source>
        <translation>une autre instance de Ferrolyn en cours d&apos;exécution le verrouille.</translation>
    </message>
    <message>
        <source>its folder cannot be written.</source>
        <translation>son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>Specs</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value (from %2 to %3 here)</source>
        <translation>« %1 » n&apos;est pas une valeur décimale valide (de %2 à %3 ici)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a VSWR range (low-high:VSWR in MHz, such as 698-960:1.15)</source>
        <translation>« %1 » n&apos;est pas une plage de ROS (bas-haut:ROS en MHz, par exemple 698-960:1.15)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a part data line (part number=fields)</source>
        <translation>« %1 » n&apos;est pas une ligne de données de pièce (référence=champs)</translation>
    </message>
    <message>
        <source>Some part data cannot be read; the parts it concerns show n/a:</source>
        <translation>Certaines données de pièces ne peuvent pas être lues ; les valeurs des pièces concernées sont indisponibles :</translation>
    </message>
</context>
<context>
    <name>StandardLengths</name>
    <message>
        <source>%1 Meters</source>
        <translation>%1 mètres</translation>
    </message>
    <message>
        <source>%1 Feet</source>
        <translation>%1 pieds</translation>
    </message>
    <message>
        <source>Your Selection:</source>
        <translation>Votre sélection :</translation>
    </message>
    <message>
        <source>A little shorter:</source>
        <translation>Un peu plus courte :</translation>
    </message>
    <message>
        <source>A little longer:</source>
        <translation>Un peu plus longue :</translation>
    </message>
</context>
<context>
    <name>TAsBuiltPanel</name>
    <message>
        <source>Assembly as built, with the connectors fitted</source>
        <translation>Cordon tel que fabriqué, connecteurs montés</translation>
    </message>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>Fic&amp;he technique PDF...</translation>
    </message>
</context>
<context>
    <name>TBandPanel</name>
    <message>
        <source>Save Chart as &amp;PNG...</source>
        <translation>Enregistrer le graphique en &amp;PNG...</translation>
    </message>
    <message>
        <source>Save Chart as &amp;SVG...</source>
        <translation>Enregistrer le graphique en &amp;SVG...</translation>
    </message>
    <message>
        <source>Cable total</source>
        <translation>Total câble</translation>
    </message>
    <message>
        <source>Insertion loss</source>
        <translation>Perte d&apos;insertion</translation>
    </message>
    <message>
        <source>Avg. power</source>
        <translation>Puiss. moy.</translation>
    </message>
    <message>
        <source>Middle of the band</source>
        <translation>Milieu de bande</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Perte (dB)</translation>
    </message>
    <message>
        <source>Average (kW)</source>
        <translation>Moyenne (kW)</translation>
    </message>
    <message>
        <source>%1 MHz
Cable total attenuation: %2 dB
Insertion loss: %3 dB
Average power: %4 kW</source>
        <translation>%1 MHz
Atténuation totale du câble : %2 dB
Perte d&apos;insertion : %3 dB
Puissance moyenne : %4 kW</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Cannot draw the chart.</source>
        <translation>Impossible de tracer le graphique.</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>graphique</translation>
    </message>
</context>
<context>
    <name>TBandPanels</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparer...</translation>
    </message>
</context>
<context>
    <name>TDatasheetActions</name>
    <message>
        <source>Datas&amp;heet PDF...</source>
        <translation>Fic&amp;he technique PDF...</translation>
    </message>
    <message>
        <source>Save Datasheet as PDF</source>
        <translation>Enregistrer la fiche technique en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TImportAssemblies</name>
    <message>
        <source>&amp;Import Assemblies...</source>
        <translation>&amp;Importer des cordons...</translation>
    </message>
    <message>
        <source>Import Assemblies</source>
        <translation>Importer des cordons</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file has no assemblies to import.</source>
        <translation>Le fichier ne contient aucun cordon à importer.</translation>
    </message>
    <message>
        <source>Quoting the assemblies...</source>
        <translation>Chiffrage des cordons...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>its unit price or quantity would be above %1.</source>
        <translation>son prix unitaire ou sa quantité dépasserait %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>These assemblies cannot be added: the order would be too large to save. Import them in smaller parts or into a new order.</source>
        <translation>Ces cordons ne peuvent pas être ajoutés : la commande serait trop volumineuse pour être enregistrée. Importez-les en plusieurs fois ou dans une nouvelle commande.</translation>
    </message>
    <message>
        <source>%1 of %2 rows were added to the order.</source>
        <translation>%1 lignes sur %2 ont été ajoutées à la commande.</translation>
    </message>
    <message>
        <source> The order is in %1: they were added at their prices in %1.</source>
        <translation> La commande est en %1 : les lignes ont été ajoutées à leurs prix en %1.</translation>
    </message>
    <message>
        <source>%1 of %2 rows could not be added to the order:</source>
        <translation>%1 lignes sur %2 n&apos;ont pas pu être ajoutées à la commande :</translation>
    </message>
    <message>
        <source>Notes on the rows added:</source>
        <translation>Remarques sur les lignes ajoutées :</translation>
    </message>
</context>
<context>
    <name>TMPReporter</name>
    <message>
        <source>Customer Service Center: %1</source>
        <translation>Service client : %1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Cannot write a temporary file: %1</source>
        <translation>Impossible d&apos;écrire un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;: the report could not be drawn.</source>
        <translation>Impossible d&apos;écrire le fichier PDF « %1 » : le rapport n&apos;a pas pu être généré.</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>fichier PDF</translation>
    </message>
</context>
<context>
    <name>TOrderDocument</name>
    <message>
        <source>The current order has changes that are not saved. Save them before opening another order?</source>
        <translation>La commande en cours comporte des modifications non enregistrées. Les enregistrer avant d&apos;ouvrir une autre commande ?</translation>
    </message>
    <message>
        <source>The current order has changes that are not saved. Save them before closing Ferrolyn?</source>
        <translation>La commande en cours comporte des modifications non enregistrées. Les enregistrer avant de fermer Ferrolyn ?</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer so&amp;us...</translation>
    </message>
    <message>
        <source>Untitled[*] - %1</source>
        <translation>Sans titre[*] - %1</translation>
    </message>
    <message>
        <source>Save Order As</source>
        <translation>Enregistrer la commande sous</translation>
    </message>
    <message>
        <source>Save Order</source>
        <translation>Enregistrer la commande</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Fichiers Ferrolyn (*.fyn)</translation>
    </message>
</context>
<context>
    <name>TQuoteActions</name>
    <message>
        <source>Order &amp;Details...</source>
        <translation>&amp;Détails de la commande...</translation>
    </message>
    <message>
        <source>Print Q&amp;uote...</source>
        <translation>I&amp;mprimer le devis...</translation>
    </message>
    <message>
        <source>Save Quote as PD&amp;F...</source>
        <translation>Enregistrer le devis en PD&amp;F...</translation>
    </message>
    <message>
        <source>To an Excel &amp;Workbook (.xlsx)...</source>
        <translation>Vers un &amp;classeur Excel (.xlsx)...</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <translation>Dé&amp;tails...</translation>
    </message>
    <message>
        <source>&amp;Quote PDF...</source>
        <translation>&amp;Devis PDF...</translation>
    </message>
    <message>
        <source>Save Quote as PDF</source>
        <translation>Enregistrer le devis en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TQuoteHistory</name>
    <message>
        <source>Quote Histo&amp;ry...</source>
        <translation>His&amp;torique des devis...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quote Archive...</source>
        <translation>&amp;Devis archivés...</translation>
    </message>
</context>
<context>
    <name>TextBuffer</name>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>it is a link to nothing.</source>
        <translation>c&apos;est un lien rompu.</translation>
    </message>
    <message>
        <source>it does not exist.</source>
        <translation>il n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, more than such a file holds.</source>
        <translation>il dépasse %1 Mo, plus qu&apos;un tel fichier ne peut contenir.</translation>
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
        <translation>Conditions

Les prix et caractéristiques techniques figurant dans ce tarif peuvent être modifiés sans préavis.

Les prix s&apos;entendent FOB origine pour les commandes à destination des États-Unis et EXW usine pour les commandes internationales. Ils n&apos;incluent pas l&apos;emballage export, l&apos;assurance, les taxes, les droits de douane ni les autres droits.

Une consigne remboursable est facturée pour certaines palettes et pour les grands tourets de câble.

Toute commande est soumise à un montant minimum de facturation de 50,00 $ US net.

Pour un devis répondant à un besoin particulier, veuillez contacter votre représentant ou votre agence commerciale Vantrel.

Toutes les commandes sont soumises à l&apos;acceptation de Vantrel et régies par les conditions générales de vente de Vantrel.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Ferrolyn™
RF cable assembly configurator and price calculator</source>
        <translation>Ferrolyn™
Configurateur et calculateur de prix de cordons coaxiaux RF</translation>
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
        <translation>Comparer les câbles</translation>
    </message>
    <message>
        <source>Tick up to %1 cables to draw their total attenuation at %2 %3.</source>
        <translation>Cochez jusqu&apos;à %1 câbles pour tracer leur atténuation totale sur %2 %3.</translation>
    </message>
    <message>
        <source>&amp;Use This Cable</source>
        <translation>&amp;Utiliser ce câble</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>At most %1 cables are drawn: untick one first.</source>
        <translation>%1 câbles au plus sont tracés : décochez-en d&apos;abord un.</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Total attenuation (dB)</source>
        <translation>Atténuation totale (dB)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>These exchange rates cannot be used; their currencies are not offered:

</source>
        <translation>Ces taux de change ne peuvent pas être utilisés ; leurs devises ne sont pas proposées :

</translation>
    </message>
    <message>
        <source>Ferrolyn Files (*.fyn)</source>
        <translation>Fichiers Ferrolyn (*.fyn)</translation>
    </message>
    <message>
        <source>This field must contain a numeric value.</source>
        <translation>Ce champ doit contenir une valeur numérique.</translation>
    </message>
    <message>
        <source>This field cannot contain the character &apos;|&apos;.</source>
        <translation>Ce champ ne peut pas contenir le caractère « | ».</translation>
    </message>
    <message>
        <source>To delete items, highlight the rows you wish to delete<byte value="xd"/>by clicking the rowbar on the left.<byte value="xd"/>To delete multiple rows, hold down the Ctrl key while<byte value="xd"/>selecting each row.</source>
        <translation>Pour supprimer des articles, sélectionnez les lignes à supprimer<byte value="xd"/>en cliquant sur l&apos;en-tête de ligne à gauche.<byte value="xd"/>Pour supprimer plusieurs lignes, maintenez la touche Ctrl enfoncée<byte value="xd"/>en sélectionnant chaque ligne.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected items?<byte value="xd"/>This action can not be undone!</source>
        <translation>Voulez-vous vraiment supprimer les articles sélectionnés ?<byte value="xd"/>Cette action est irréversible !</translation>
    </message>
    <message>
        <source>Qty.</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>UOM</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Parts List</source>
        <translation>Nomenclature</translation>
    </message>
    <message>
        <source>Order Total:</source>
        <translation>Total de la commande :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enregi&amp;strer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This item cannot be added to the order: its unit price or quantity would be above %1.</source>
        <translation>Cet article ne peut pas être ajouté à la commande : son prix unitaire ou sa quantité dépasserait %1.</translation>
    </message>
    <message>
        <source>The order is in %1: the item was added at its prices in %1.</source>
        <translation>La commande est en %1 : l&apos;article a été ajouté à ses prix en %1.</translation>
    </message>
    <message>
        <source>Prices in %1</source>
        <translation>Prix en %1</translation>
    </message>
    <message>
        <source>The quantity must be at most %1.</source>
        <translation>La quantité ne doit pas dépasser %1.</translation>
    </message>
    <message>
        <source>Ferrolyn cannot write to its program folder, so it keeps the last order and the order files in:<byte value="xd"/>%1</source>
        <translation>Ferrolyn ne peut pas écrire dans son dossier d&apos;installation ; la dernière commande et les fichiers de commande sont donc conservés dans :<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>order file</source>
        <translation>fichier de commande</translation>
    </message>
    <message>
        <source>The order&apos;s currency &quot;%1&quot; is not offered here: its prices are taken to be in %2.</source>
        <translation>La devise de la commande « %1 » n&apos;est pas proposée ici : ses prix sont considérés comme étant en %2.</translation>
    </message>
    <message>
        <source>Open Order</source>
        <translation>Ouvrir une commande</translation>
    </message>
    <message>
        <source>No Order To View</source>
        <translation>Aucune commande à afficher</translation>
    </message>
    <message>
        <source>The order on screen could not be written to the last-order file, which still holds an older order.<byte value="xd"/>Replace the order on screen with that older order?</source>
        <translation>La commande affichée n&apos;a pas pu être écrite dans le fichier de la dernière commande, qui contient encore une commande plus ancienne.<byte value="xd"/>Remplacer la commande affichée par cette commande plus ancienne ?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>Fichiers HTML (*.html)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Fichiers Excel (*.xls)</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Application :</translation>
    </message>
    <message>
        <source>Jumper</source>
        <translation>Jarretière</translation>
    </message>
    <message>
        <source>Feeder</source>
        <translation>Feeder</translation>
    </message>
    <message>
        <source>Select An Application</source>
        <translation>Sélectionnez une application</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur :</translation>
    </message>
    <message>
        <source>Select a Length</source>
        <translation>Sélectionnez une longueur</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Frequencies:</source>
        <translation>Fréquences :</translation>
    </message>
    <message>
        <source>Select Frequencies</source>
        <translation>Sélectionnez les fréquences</translation>
    </message>
    <message>
        <source>Select A Beginning Frequency</source>
        <translation>Sélectionnez une fréquence de début</translation>
    </message>
    <message>
        <source>Select An Ending Frequency</source>
        <translation>Sélectionnez une fréquence de fin</translation>
    </message>
    <message>
        <source>Beginning Frequency:</source>
        <translation>Fréquence de début :</translation>
    </message>
    <message>
        <source>Ending Frequency:</source>
        <translation>Fréquence de fin :</translation>
    </message>
    <message>
        <source>Cable Type:</source>
        <translation>Type de câble :</translation>
    </message>
    <message>
        <source>Air Coaxial</source>
        <translation>Coaxial à air</translation>
    </message>
    <message>
        <source>Foam Coaxial</source>
        <translation>Coaxial à mousse</translation>
    </message>
    <message>
        <source>Elliptical Waveguide</source>
        <translation>Guide d&apos;ondes elliptique</translation>
    </message>
    <message>
        <source>Select A Cable Type</source>
        <translation>Sélectionnez un type de câble</translation>
    </message>
    <message>
        <source>Connector Attachment(s)</source>
        <translation>Connecteur(s) monté(s)</translation>
    </message>
    <message>
        <source>Both Connectors</source>
        <translation>Deux connecteurs</translation>
    </message>
    <message>
        <source>Top Connector ONLY</source>
        <translation>Connecteur supérieur SEUL</translation>
    </message>
    <message>
        <source>Bottom Connector ONLY</source>
        <translation>Connecteur inférieur SEUL</translation>
    </message>
    <message>
        <source>No Connectors</source>
        <translation>Sans connecteur</translation>
    </message>
    <message>
        <source>Select A Type Of Feeder</source>
        <translation>Sélectionnez un type de feeder</translation>
    </message>
    <message>
        <source>Connectors:</source>
        <translation>Connecteurs :</translation>
    </message>
    <message>
        <source>Include Top Connector</source>
        <translation>Inclure le connecteur supérieur</translation>
    </message>
    <message>
        <source>Include Bottom Connector</source>
        <translation>Inclure le connecteur inférieur</translation>
    </message>
    <message>
        <source>Top Jumper</source>
        <translation>Jarretière supérieure</translation>
    </message>
    <message>
        <source>Bottom Jumper</source>
        <translation>Jarretière inférieure</translation>
    </message>
    <message>
        <source>Main Feeder</source>
        <translation>Feeder principal</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Mates To</source>
        <translation>S&apos;accouple avec</translation>
    </message>
    <message>
        <source>Top Connector</source>
        <translation>Connecteur supérieur</translation>
    </message>
    <message>
        <source>Bottom Connector</source>
        <translation>Connecteur inférieur</translation>
    </message>
    <message>
        <source>Top Connector Desc.</source>
        <translation>Desc. connecteur sup.</translation>
    </message>
    <message>
        <source>Bottom Connector Desc</source>
        <translation>Desc. connecteur inférieur</translation>
    </message>
    <message>
        <source>Special Characteristics:</source>
        <translation>Caractéristiques particulières :</translation>
    </message>
    <message>
        <source>Select special characteristics for top connector</source>
        <translation>Choisissez les caractéristiques particulières du connecteur supérieur</translation>
    </message>
    <message>
        <source>Select special characteristics for bottom connector</source>
        <translation>Choisissez les caractéristiques particulières du connecteur inférieur</translation>
    </message>
    <message>
        <source>Inner Connector Attachment:</source>
        <translation>Fixation du contact central :</translation>
    </message>
    <message>
        <source>Select inner connector attachment for top connector</source>
        <translation>Choisissez la fixation du contact central du connecteur supérieur</translation>
    </message>
    <message>
        <source>Select inner connector attachment for bottom connector</source>
        <translation>Choisissez la fixation du contact central du connecteur inférieur</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>Select Cable Size</source>
        <translation>Sélectionnez la taille du câble</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diamètre :</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Connector Grade:</source>
        <translation>Qualité des connecteurs :</translation>
    </message>
    <message>
        <source>Plated</source>
        <translation>Plaqué</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cable Grade:</source>
        <translation>Qualité du câble :</translation>
    </message>
    <message>
        <source>Standard Cable</source>
        <translation>Câble standard</translation>
    </message>
    <message>
        <source>Premium Cable</source>
        <translation>Câble premium</translation>
    </message>
    <message>
        <source>Flame Retardant Cable</source>
        <translation>Câble ignifugé</translation>
    </message>
    <message>
        <source>Connector Attachment:</source>
        <translation>Montage des connecteurs :</translation>
    </message>
    <message>
        <source>Prenvo</source>
        <translation>Prenvo</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation>Suivant -&gt;</translation>
    </message>
    <message>
        <source>Click here to &amp;update your software</source>
        <translation>Cliquez ici pour &amp;mettre à jour votre logiciel</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 ft):</source>
        <translation>Atténuation (dB/100 ft) :</translation>
    </message>
    <message>
        <source>Attenuation (dB/100m):</source>
        <translation>Atténuation (dB/100m) :</translation>
    </message>
    <message>
        <source>Total Attenuation (dB):</source>
        <translation>Atténuation totale (dB) :</translation>
    </message>
    <message>
        <source>Insertion Loss (dB):</source>
        <translation>Perte d&apos;insertion (dB) :</translation>
    </message>
    <message>
        <source>Efficiency (%):</source>
        <translation>Rendement (%) :</translation>
    </message>
    <message>
        <source>Max Power (kW):</source>
        <translation>Puissance max. (kW) :</translation>
    </message>
    <message>
        <source>Average Power (kW):</source>
        <translation>Puissance moyenne (kW) :</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Attenuation (dB/100 m):</source>
        <translation>Atténuation (dB/100 m) :</translation>
    </message>
    <message>
        <source>Total ($US):</source>
        <translation>Total ($US) :</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, make sure to update regularly to get the latest pricing and product information.</source>
        <translation>Pour tirer le meilleur parti de votre logiciel Vantrel, mettez-le à jour régulièrement afin de disposer des derniers prix et informations produits.</translation>
    </message>
    <message>
        <source>The length you have selected is not a standard length for this jumper assembly, but there are some standard lengths available that are close to your selection.

Your jumper assembly can still be made with the length you originally selected, but ordering standard lengths may speed up production time, allowing you to receive your order faster.

Below is a list of standard lengths for the jumper assembly that you have selected that are close to the length you picked.

You can either select one of these standard lengths, or you can keep your current selection.</source>
        <translation>La longueur choisie n&apos;est pas une longueur standard pour cette jarretière, mais des longueurs standard proches de votre sélection sont disponibles.

Votre jarretière peut tout de même être fabriquée à la longueur choisie initialement, mais commander une longueur standard peut réduire le délai de fabrication et vous permettre de recevoir votre commande plus rapidement.

Voici la liste des longueurs standard de la jarretière sélectionnée qui sont proches de la longueur choisie.

Vous pouvez choisir l&apos;une de ces longueurs standard ou conserver votre sélection actuelle.</translation>
    </message>
    <message>
        <source>Length (Feet)</source>
        <translation>Longueur (pieds)</translation>
    </message>
    <message>
        <source>Length (Meters)</source>
        <translation>Longueur (mètres)</translation>
    </message>
    <message>
        <source>Difference In Length</source>
        <translation>Écart de longueur</translation>
    </message>
    <message>
        <source>Standard Lengths</source>
        <translation>Longueurs standard</translation>
    </message>
    <message>
        <source>Keep Your Current Selection</source>
        <translation>Conserver votre sélection actuelle</translation>
    </message>
    <message>
        <source>Select This Jumper</source>
        <translation>Choisir cette jarretière</translation>
    </message>
    <message>
        <source>Select A Jumper</source>
        <translation>Sélectionnez une jarretière</translation>
    </message>
    <message>
        <source>Final Selection Data</source>
        <translation>Données de la sélection finale</translation>
    </message>
    <message>
        <source>To get the most of your Vantrel software, you should update regularly to get the latest pricing and product information.</source>
        <translation>Pour tirer le meilleur parti de votre logiciel Vantrel, il est conseillé de le mettre à jour régulièrement afin de disposer des derniers prix et informations produits.</translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation>Prix %1</translation>
    </message>
    <message>
        <source>Total %1:</source>
        <translation>Total %1 :</translation>
    </message>
    <message>
        <source>Unable to locate Registry Key</source>
        <translation>Clé de registre introuvable</translation>
    </message>
    <message>
        <source>Unable to create path from Registry</source>
        <translation>Impossible de créer le chemin à partir du registre</translation>
    </message>
    <message>
        <source>The exchange rates cannot be read, so prices are shown in US dollars only.<byte value="xd"/></source>
        <translation>Les taux de change ne peuvent pas être lus : les prix sont donc affichés en dollars US uniquement.<byte value="xd"/></translation>
    </message>
    <message>
        <source>One or more files needed to run this application are missing.</source>
        <translation>Un ou plusieurs fichiers nécessaires au fonctionnement de cette application sont manquants.</translation>
    </message>
    <message>
        <source>Currencies other than the United States Dollars ($US)  are provided for information purposes only and are based on exchange rates as of: %1.</source>
        <translation>Les devises autres que le dollar américain ($US) sont fournies à titre indicatif uniquement et reposent sur les taux de change en date du : %1.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Go back to the beginning.</source>
        <translation>Revenir au début.</translation>
    </message>
    <message>
        <source>&lt;- Back</source>
        <translation>&lt;- Précédent</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Revenir en arrière</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Vantrel Ferrolyn Results</source>
        <translation>Résultats Vantrel Ferrolyn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>To a text file</source>
        <translation>Vers un fichier texte</translation>
    </message>
    <message>
        <source>To an HTML Document</source>
        <translation>Vers un document HTML</translation>
    </message>
    <message>
        <source>To an MS Excel Spreadsheet</source>
        <translation>Vers une feuille de calcul MS Excel</translation>
    </message>
    <message>
        <source>&amp;Copy To Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;View Last Order</source>
        <translation>&amp;Voir la dernière commande</translation>
    </message>
    <message>
        <source>&amp;Quick Update</source>
        <translation>Mise à jour r&amp;apide</translation>
    </message>
    <message>
        <source>S&amp;tart Over</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Currency Settings</source>
        <translation>Paramètres de devise</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Add To Order</source>
        <translation>Ajouter à la commande</translation>
    </message>
    <message>
        <source>Add to Order</source>
        <translation>Ajouter à la commande</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Update Options</source>
        <translation>Options de mise à jour</translation>
    </message>
    <message>
        <source>Set days between each update</source>
        <translation>Nombre de jours entre deux mises à jour</translation>
    </message>
    <message>
        <source>Do not use Auto Update</source>
        <translation>Ne pas utiliser la mise à jour automatique</translation>
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
        <translation>Détails de la commande</translation>
    </message>
    <message>
        <source>&amp;Company name:</source>
        <translation>&amp;Société :</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur :</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;te :</translation>
    </message>
    <message>
        <source>&amp;Job number:</source>
        <translation>&amp;N° d&apos;affaire :</translation>
    </message>
    <message>
        <source>&amp;Proposal number:</source>
        <translation>N° de &amp;proposition :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The date must be a date such as %1.</source>
        <translation>La date doit être une date valide, par exemple %1.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteArchive</name>
    <message>
        <source>Quote Archive</source>
        <translation>Devis archivés</translation>
    </message>
    <message>
        <source>On this computer</source>
        <translation>Sur cet ordinateur</translation>
    </message>
    <message>
        <source>On a server</source>
        <translation>Sur un serveur</translation>
    </message>
    <message>
        <source>(as kept)</source>
        <translation>(enregistré)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de données&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Connected: the quote archive on the server is ready.</source>
        <translation>Connecté&#xa0;: le serveur des devis archivés est prêt.</translation>
    </message>
    <message>
        <source>Enter the database and the user of the quote archive server.</source>
        <translation>Indiquez la base de données et l&apos;utilisateur du serveur des devis archivés.</translation>
    </message>
</context>
<context>
    <name>TfrmQuoteHistory</name>
    <message>
        <source>Quote History</source>
        <translation>Historique des devis</translation>
    </message>
    <message>
        <source>Search by company, quote number, job or proposal number, author or part number</source>
        <translation>Rechercher par société, n° de devis, n° d&apos;affaire ou de proposition, auteur ou référence</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export Quote History</source>
        <translation>Exporter l&apos;historique des devis</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>quote history</source>
        <translation>historique des devis</translation>
    </message>
    <message>
        <source>Delete quote %1, revision %2, from the quote history? This cannot be undone.</source>
        <translation>Supprimer le devis %1, révision %2, de l&apos;historique des devis ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>(not yet sent)</source>
        <translation>(pas encore envoyé)</translation>
    </message>
    <message>
        <source>Quote %1, revision %2, was not deleted: it is gone, or it is not one of yours.</source>
        <translation>Le devis %1, révision %2, n&apos;a pas été supprimé&#xa0;: il n&apos;existe plus, ou ce n&apos;est pas l&apos;un des vôtres.</translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>Quick Update</source>
        <translation>Mise à jour rapide</translation>
    </message>
    <message>
        <source>Before clicking the Update button, please make sure you have an active Internet connection.</source>
        <translation>Avant de cliquer sur le bouton Mettre à jour, vérifiez que vous disposez d&apos;une connexion Internet active.</translation>
    </message>
    <message>
        <source>It is recommended that you restart your application after updated files have been installed.</source>
        <translation>Il est recommandé de redémarrer l&apos;application après l&apos;installation des fichiers mis à jour.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
</context>
<context>
    <name>UpdateIni</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier de paramètres « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%1&quot; so that it reads back.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres « %1 » de façon à pouvoir le relire.</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>fichier de paramètres</translation>
    </message>
</context>
<context>
    <name>UpdateSignature</name>
    <message>
        <source>Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/.</source>
        <translation>Les mises à jour ne peuvent pas être vérifiées : cette installation n&apos;a pas de clé de mise à jour. Installez la nouvelle version manuellement depuis https://www.vantrel.example/.</translation>
    </message>
    <message>
        <source>The download could not be verified: the server offers no signature.</source>
        <translation>Le téléchargement n&apos;a pas pu être vérifié : le serveur ne fournit aucune signature.</translation>
    </message>
    <message>
        <source>The download could not be verified: its signature does not match the maker&apos;s key.</source>
        <translation>Le téléchargement n&apos;a pas pu être vérifié : sa signature ne correspond pas à la clé de l&apos;éditeur.</translation>
    </message>
</context>
<context>
    <name>WizardModel</name>
    <message>
        <source>The beginning frequency must be a number greater than 0 MHz.</source>
        <translation>La fréquence de début doit être un nombre supérieur à 0 MHz.</translation>
    </message>
    <message>
        <source>The ending frequency must be a number greater than 0 MHz.</source>
        <translation>La fréquence de fin doit être un nombre supérieur à 0 MHz.</translation>
    </message>
    <message>
        <source>The length must be a number greater than 0.</source>
        <translation>La longueur doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>The frequency must be at most %1 MHz.</source>
        <translation>La fréquence ne doit pas dépasser %1 MHz.</translation>
    </message>
    <message>
        <source>The length must be at most %1.</source>
        <translation>La longueur ne doit pas dépasser %1.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Sans objet</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Cannot make the workbook: %1</source>
        <translation>Impossible de créer le classeur : %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook: no temporary folder: %1</source>
        <translation>Impossible de créer le classeur : aucun dossier temporaire : %1</translation>
    </message>
    <message>
        <source>Cannot make the workbook.</source>
        <translation>Impossible de créer le classeur.</translation>
    </message>
    <message>
        <source>workbook</source>
        <translation>classeur</translation>
    </message>
</context>
</TS>
