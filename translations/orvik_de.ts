<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Appliance</name>
    <message>
        <source>Uncompatible firmware version:
Device: %1
Configurator: %2

You need to upload new firmware using &quot;Upload firmware&quot; button.</source>
        <translation>Inkompatible Firmware-Version:
Gerät: %1
Konfigurator: %2

Spielen Sie mit „Firmware flashen“ neue Firmware auf.</translation>
    </message>
    <message>
        <source>Uncompatible firmware version:
Device: %1
Configurator: %2

You need use the same Configurator and firmware version to read device configuration or you can write new configuration using &quot;Write config&quot; button.</source>
        <translation>Inkompatible Firmware-Version:
Gerät: %1
Konfigurator: %2

Zum Lesen der Gerätekonfiguration müssen Konfigurator und Firmware dieselbe Version haben; Sie können auch mit „Konfig. schreiben“ eine neue Konfiguration schreiben.</translation>
    </message>
    <message>
        <source>Eeprom checksum error. Please reload configuration.</source>
        <translation>Prüfsummenfehler im Eeprom. Bitte die Konfiguration erneut lesen („Konfig. lesen“).</translation>
    </message>
    <message>
        <source>Eeprom write success</source>
        <translation>Eeprom erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>No attached Orvik 2.0 matches %1 (attached: %2).</source>
        <translation>Kein angeschlossener Orvik 2.0 passt zu %1 (angeschlossen: %2).</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1</source>
        <translation>Orvik 2.0 konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1 (on Linux, install the udev rule 60-orvik.rules; see the README)</source>
        <translation>Orvik 2.0 konnte nicht geöffnet werden: %1 (unter Linux die udev-Regel 60-orvik.rules installieren; siehe README)</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1 (the appliance is no longer there: plug it in again)</source>
        <translation>Orvik 2.0 konnte nicht geöffnet werden: %1 (das Gerät ist nicht mehr da: erneut einstecken)</translation>
    </message>
    <message>
        <source>Orvik 2.0 not found.</source>
        <translation>Orvik 2.0 nicht gefunden.</translation>
    </message>
    <message>
        <source>Orvik 2.0 is in use by another program.</source>
        <translation>Orvik 2.0 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Orvik 2.0 found, vid: Vid_0483, pid: A04F</source>
        <translation>Orvik 2.0 gefunden, vid: Vid_0483, pid: A04F</translation>
    </message>
    <message>
        <source>Firmware file too long.</source>
        <translation>Firmware-Datei zu groß.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Firmware file is empty.</source>
        <translation>Firmware-Datei ist leer.</translation>
    </message>
    <message>
        <source>Firmware resource not found (FindResource).</source>
        <translation>Firmware-Ressource nicht gefunden (FindResource).</translation>
    </message>
    <message>
        <source>Firmware resource not found (LoadResource).</source>
        <translation>Firmware-Ressource nicht gefunden (LoadResource).</translation>
    </message>
    <message>
        <source>Firmware upgrade success</source>
        <translation>Firmware erfolgreich aktualisiert</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Page written: %1/%2</source>
        <translation>Seite geschrieben: %1/%2</translation>
    </message>
    <message>
        <source>Page write error: %1/%2</source>
        <translation>Fehler beim Schreiben der Seite: %1/%2</translation>
    </message>
    <message>
        <source>page written %1/%2</source>
        <translation>Seite geschrieben %1/%2</translation>
    </message>
    <message>
        <source>Page read: %1/%2</source>
        <translation>Seite gelesen: %1/%2</translation>
    </message>
    <message>
        <source>Page read error: %1/%2</source>
        <translation>Fehler beim Lesen der Seite: %1/%2</translation>
    </message>
    <message>
        <source>page read %1/%2</source>
        <translation>Seite gelesen %1/%2</translation>
    </message>
    <message>
        <source>Firmware version read error.</source>
        <translation>Fehler beim Lesen der Firmware-Version.</translation>
    </message>
    <message>
        <source>interrupted before anything was sent; the appliance is unchanged</source>
        <translation>abgebrochen, bevor etwas gesendet wurde; das Gerät ist unverändert</translation>
    </message>
    <message>
        <source>finishing the write so that the appliance stays consistent; interrupt again to stop now</source>
        <translation>das Schreiben wird noch abgeschlossen, damit das Gerät konsistent bleibt; erneut abbrechen, um sofort aufzuhören</translation>
    </message>
    <message>
        <source>stopped in the middle of the write; the appliance may hold part of the new configuration and part of the old, so write the configuration again</source>
        <translation>mitten im Schreiben angehalten; das Gerät kann Teile der neuen und der alten Konfiguration enthalten, also die Konfiguration erneut schreiben</translation>
    </message>
    <message>
        <source>stopped in the middle of the upload; the appliance may hold only part of the new firmware, so upload the firmware again</source>
        <translation>mitten im Aufspielen angehalten; das Gerät kann nur einen Teil der neuen Firmware enthalten, also die Firmware erneut aufspielen</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Firmware-Version: %1</translation>
    </message>
    <message>
        <source>Eeprom read success.</source>
        <translation>Eeprom erfolgreich gelesen.</translation>
    </message>
    <message>
        <source>Eeprom read error. Please reload configuration.</source>
        <translation>Fehler beim Lesen des Eeprom. Bitte die Konfiguration erneut lesen („Konfig. lesen“).</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new configuration: plug it in again and write the configuration again.</source>
        <translation>Das Gerät enthält jetzt einen Teil der neuen Konfiguration: erneut einstecken und die Konfiguration erneut schreiben.</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new configuration: plug it in again and write the configuration again (the configuration it held before is in %1).</source>
        <translation>Das Gerät enthält jetzt einen Teil der neuen Konfiguration: erneut einstecken und die Konfiguration erneut schreiben (die vorherige Konfiguration steht in %1).</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed.</source>
        <translation>Am Gerät wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new firmware: plug it in again and upload the firmware again.</source>
        <translation>Das Gerät enthält jetzt einen Teil der neuen Firmware: erneut einstecken und die Firmware erneut aufspielen.</translation>
    </message>
    <message>
        <source>Orvik 2.0 was disconnected at page %1/%2.</source>
        <translation>Orvik 2.0 wurde bei Seite %1/%2 getrennt.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 detached.</source>
        <translation>Orvik 2.0 %1 getrennt.</translation>
    </message>
    <message>
        <source>Orvik 2.0 detached.</source>
        <translation>Orvik 2.0 getrennt.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 attached.</source>
        <translation>Orvik 2.0 %1 angeschlossen.</translation>
    </message>
    <message>
        <source>Orvik 2.0 attached.</source>
        <translation>Orvik 2.0 angeschlossen.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 attached, but it cannot be opened: %2.</source>
        <translation>Orvik 2.0 %1 angeschlossen, kann aber nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Orvik 2.0 attached, but it cannot be opened: %1.</source>
        <translation>Orvik 2.0 angeschlossen, kann aber nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed: plug it in again and write the configuration again.</source>
        <translation>Am Gerät wurde nichts geändert: erneut einstecken und die Konfiguration erneut schreiben.</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed: plug it in again and upload the firmware again.</source>
        <translation>Am Gerät wurde nichts geändert: erneut einstecken und die Firmware erneut aufspielen.</translation>
    </message>
    <message>
        <source>Orvik 2.0 was disconnected while its firmware version was being read.</source>
        <translation>Orvik 2.0 wurde getrennt, während seine Firmware-Version gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Imported configuration file is not a Orvik 2.0 configuration file. 
Operation aborted.</source>
        <translation>Die importierte Datei ist keine Orvik-2.0-Konfigurationsdatei.
Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Imported configuration file is UTF-16 text, which this configurator cannot read (save it as ANSI or UTF-8). 
Operation aborted.</source>
        <translation>Die importierte Konfigurationsdatei ist UTF-16-Text, den dieser Konfigurator nicht lesen kann (als ANSI oder UTF-8 speichern).
Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Imported configuration file version is different than your current application version. 
Please double-check configuration fields after import. 
Some configuration fields my change between firmware versions.</source>
        <translation>Die Version der importierten Konfigurationsdatei weicht von der Version des Programms ab.
Bitte prüfen Sie nach dem Import die Konfigurationsfelder.
Manche Felder können sich zwischen Firmware-Versionen ändern.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Schreiben in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
    <message>
        <source>Not enough memory to read %1</source>
        <translation>Nicht genug Speicher, um %1 zu lesen</translation>
    </message>
    <message>
        <source>it is not a configuration file; nothing was changed.</source>
        <translation>es ist keine Konfigurationsdatei; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Holds UTF-16 text, which would be lost</source>
        <translation>Enthält UTF-16-Text, der verloren ginge</translation>
    </message>
    <message>
        <source>%1: %2 characters; the first %3 were taken.</source>
        <translation>%1: %2 Zeichen; die ersten %3 wurden übernommen.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number; %3 was taken.</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl; %3 wurde übernommen.</translation>
    </message>
</context>
<context>
    <name>Emulator</name>
    <message>
        <source>not a fault</source>
        <translation>kein Fehlerbild</translation>
    </message>
    <message>
        <source>%1 pages run from 0 to %2</source>
        <translation>%1-Seiten reichen von 0 bis %2</translation>
    </message>
    <message>
        <source>bad-checksum is for read only, whose reply alone carries one</source>
        <translation>bad-checksum gilt nur für read, da nur dessen Antwort eine Prüfsumme enthält</translation>
    </message>
    <message>
        <source>%1: the folder belongs to another user, who could plant links in it; as root, use a folder of root&apos;s own</source>
        <translation>%1: der Ordner gehört einem anderen Benutzer, der Links darin anlegen könnte; als root einen Ordner von root verwenden</translation>
    </message>
    <message>
        <source>%1: not an EEPROM image (it must be exactly %2 bytes)</source>
        <translation>%1: kein EEPROM-Abbild (es muss genau %2 Bytes lang sein)</translation>
    </message>
    <message>
        <source>%1: not a firmware version in hundredths (such as 102)</source>
        <translation>%1: keine Firmware-Version in Hundertsteln (etwa 102)</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>Zeile %1: %2: %3</translation>
    </message>
    <message>
        <source>%1/%2: not listed, since its name is not valid in this system&apos;s encoding</source>
        <translation>%1/%2: nicht aufgeführt, da sein Name in der Kodierung dieses Systems ungültig ist</translation>
    </message>
    <message>
        <source>%1: other users may write in the folder and could plant links in it; as root, use a folder of root&apos;s own</source>
        <translation>%1: andere Benutzer dürfen in diesem Ordner schreiben und könnten Links darin anlegen; als root einen Ordner von root verwenden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Is a FIFO, not a regular file</source>
        <translation>Ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Is a device, not a regular file</source>
        <translation>Ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Is a socket, not a regular file</source>
        <translation>Ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Is a symbolic link, not a regular file</source>
        <translation>Ist ein symbolischer Link, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>another program is updating it</source>
        <translation>ein anderes Programm aktualisiert sie gerade</translation>
    </message>
    <message>
        <source>File too large (more than %1 bytes)</source>
        <translation>Datei zu groß (mehr als %1 Bytes)</translation>
    </message>
    <message>
        <source>the argument &apos;%1&apos; cannot be used (not valid in this system&apos;s encoding)</source>
        <translation>das Argument &apos;%1&apos; ist nicht verwendbar (ungültig in der Kodierung dieses Systems)</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Uncompatible configuration version:
Device: %1
Configurator: %2</source>
        <translation>Inkompatible Konfigurationsversion:
Gerät: %1
Konfigurator: %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>APRS-IS password does not match the login %1 (expected %2); the servers will accept the login but ignore its reports.</source>
        <translation>Der APRS-IS-Passcode passt nicht zum Login %1 (erwartet: %2); die Server nehmen die Anmeldung an, verwerfen aber die gesendeten Daten.</translation>
    </message>
    <message>
        <source>%1 - holds a character that cannot be stored (only Latin-1 characters are allowed).</source>
        <translation>%1 - enthält ein Zeichen, das nicht gespeichert werden kann (nur Latin-1-Zeichen sind erlaubt).</translation>
    </message>
    <message>
        <source>%1 - holds a character that cannot be stored (a line of a configuration file cannot hold a line break or NUL).</source>
        <translation>%1 - enthält ein Zeichen, das nicht gespeichert werden kann (eine Zeile der Konfigurationsdatei kann keinen Zeilenumbruch und kein NUL enthalten).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>%1 - range error (%2 - %3).</source>
        <translation>%1 - Wert außerhalb des Bereichs (%2 - %3).</translation>
    </message>
    <message numerus="yes">
        <source>%1 - text too long (at most %n characters).</source>
        <translation>
            <numerusform>%1 - Text zu lang (höchstens %n Zeichen).</numerusform>
            <numerusform>%1 - Text zu lang (höchstens %n Zeichen).</numerusform>
        </translation>
    </message>
    <message>
        <source>Telnet port</source>
        <translation>Telnet-Port</translation>
    </message>
    <message>
        <source>WWW port</source>
        <translation>WWW-Port</translation>
    </message>
    <message>
        <source>RTC year</source>
        <translation>RTC-Jahr</translation>
    </message>
    <message>
        <source>RTC month</source>
        <translation>RTC-Monat</translation>
    </message>
    <message>
        <source>RTC day</source>
        <translation>RTC-Tag</translation>
    </message>
    <message>
        <source>RTC hour</source>
        <translation>RTC-Stunde</translation>
    </message>
    <message>
        <source>RTC minute</source>
        <translation>RTC-Minute</translation>
    </message>
    <message>
        <source>Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).</source>
        <translation>Breitengrad der Station - Syntaxfehler (z. B. 5221.60N, Format: DDMM.MM).</translation>
    </message>
    <message>
        <source>Our longitude - syntax error (e.g. 01653.63E, format DDDMM.MM).</source>
        <translation>Längengrad der Station - Syntaxfehler (z. B. 01653.63E, Format: DDDMM.MM).</translation>
    </message>
    <message>
        <source>Our longitude - syntax error (e.g. 01653.63E, format: DDDMM.MM).</source>
        <translation>Längengrad der Station - Syntaxfehler (z. B. 01653.63E, Format: DDDMM.MM).</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>IP Mask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Callsign - too short (e.g. NOCALL-4).</source>
        <translation>Rufzeichen - zu kurz (z. B. NOCALL-4).</translation>
    </message>
    <message>
        <source>Callsign - SSID range error (0 - 15).</source>
        <translation>Rufzeichen - SSID außerhalb des Bereichs (0 - 15).</translation>
    </message>
    <message>
        <source>APRS-IS Server %1 Port</source>
        <translation>Port des APRS-IS-Servers %1</translation>
    </message>
    <message>
        <source>Weather destination - too short (e.g. APXQ08).</source>
        <translation>Wetter-Zieladresse - zu kurz (z. B. APXQ08).</translation>
    </message>
    <message>
        <source>Weather destination - SSID range error (0 - 15).</source>
        <translation>Wetter-Zieladresse - SSID außerhalb des Bereichs (0 - 15).</translation>
    </message>
    <message>
        <source>Weather report tx rate (APRSIS) range error (5 - 1440).</source>
        <translation>Sendeintervall des Wetterberichts (APRS-IS) außerhalb des Bereichs (5 - 1440).</translation>
    </message>
    <message>
        <source>Weather report comment - forbidden characters.</source>
        <translation>Kommentar des Wetterberichts - unzulässige Zeichen.</translation>
    </message>
    <message>
        <source>Beacon %1 destination - too short (e.g. APXQ08).</source>
        <translation>Zieladresse der Bake %1 - zu kurz (z. B. APXQ08).</translation>
    </message>
    <message>
        <source>Beacon %1 destination - SSID range error (0 - 15).</source>
        <translation>Zieladresse der Bake %1 - SSID außerhalb des Bereichs (0 - 15).</translation>
    </message>
    <message>
        <source>Beacon %1 tx rate (APRSIS) range error (5 - 1440), or 0 to disable.</source>
        <translation>Sendeintervall der Bake %1 (APRS-IS) außerhalb des Bereichs (5 - 1440; 0 = aus).</translation>
    </message>
    <message>
        <source>Beacon %1 message - forbidden characters.</source>
        <translation>Text der Bake %1 - unzulässige Zeichen.</translation>
    </message>
    <message>
        <source>WeatherUnderground normal send rate range error (1 - 240).</source>
        <translation>WeatherUnderground - normales Sendeintervall außerhalb des Bereichs (1 - 240).</translation>
    </message>
    <message>
        <source>WeatherUnderground &quot;Rapid fire&quot; send rate range error (5 - 60).</source>
        <translation>WeatherUnderground - „Rapid Fire“-Sendeintervall außerhalb des Bereichs (5 - 60).</translation>
    </message>
    <message>
        <source>Latitude/Longitude place the station at sea; with %1 it would be in %2.</source>
        <translation>Nach Breiten- und Längengrad liegt die Station auf See; mit %1 läge sie an Land: %2.</translation>
    </message>
    <message>
        <source>Beacon %1 message gives a position %2 km from the station&apos;s.</source>
        <translation>Der Text der Bake %1 nennt eine Position, die %2 km von der Station entfernt ist.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>The splash picture cannot be decoded</source>
        <translation>Das Startbild kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>Configuration import/export:</source>
        <translation>Import/Export der Konfiguration:</translation>
    </message>
    <message>
        <source>Read config</source>
        <translation>Konfig. lesen</translation>
    </message>
    <message>
        <source>Write config</source>
        <translation>Konfig. schreiben</translation>
    </message>
    <message>
        <source>Upload firmware</source>
        <translation>Firmware flashen</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>&lt;date&gt; - inserts current time in format: DDHHMM. </source>
        <translation>&lt;date&gt; - aktuelle Zeit im Format TThhmm.</translation>
    </message>
    <message>
        <source>&lt;lat&gt; - inserts latitude defined on  &quot;Radio&quot; Tab.</source>
        <translation>&lt;lat&gt; - Breitengrad vom Reiter „Gerät“.</translation>
    </message>
    <message>
        <source>&lt;long&gt; - inserts longitude defined on  &quot;Radio&quot; Tab.</source>
        <translation>&lt;long&gt; - Längengrad vom Reiter „Gerät“.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>@&lt;date&gt;z&lt;lat&gt;/&lt;long&gt;-Orvik Test.</source>
        <translation>@&lt;date&gt;z&lt;lat&gt;/&lt;long&gt;-Orvik Test.</translation>
    </message>
    <message>
        <source>Beacon special strings</source>
        <translation>Platzhalter im Bakentext</translation>
    </message>
    <message>
        <source>IP Address, octet %1 of 4</source>
        <translation>IP-Adresse, Oktett %1 von 4</translation>
    </message>
    <message>
        <source>IP Mask, octet %1 of 4</source>
        <translation>Netzmaske, Oktett %1 von 4</translation>
    </message>
    <message>
        <source>Gateway, octet %1 of 4</source>
        <translation>Gateway, Oktett %1 von 4</translation>
    </message>
    <message>
        <source>DNS, octet %1 of 4</source>
        <translation>DNS, Oktett %1 von 4</translation>
    </message>
    <message>
        <source>Callsign SSID</source>
        <translation>SSID des Rufzeichens</translation>
    </message>
    <message>
        <source>APRS-IS server %1 port</source>
        <translation>Port des APRS-IS-Servers %1</translation>
    </message>
    <message>
        <source>APRS-IS password</source>
        <translation>APRS-IS-Passcode</translation>
    </message>
    <message>
        <source>Weather report destination</source>
        <translation>Zieladresse des Wetterberichts</translation>
    </message>
    <message>
        <source>Weather report destination SSID</source>
        <translation>SSID der Zieladresse des Wetterberichts</translation>
    </message>
    <message>
        <source>Weather report TX rate</source>
        <translation>Sendeintervall des Wetterberichts</translation>
    </message>
    <message>
        <source>Weather report comment</source>
        <translation>Kommentar des Wetterberichts</translation>
    </message>
    <message>
        <source>Beacon %1 destination</source>
        <translation>Zieladresse der Bake %1</translation>
    </message>
    <message>
        <source>Beacon %1 destination SSID</source>
        <translation>SSID der Zieladresse der Bake %1</translation>
    </message>
    <message>
        <source>Beacon %1 TX rate</source>
        <translation>Sendeintervall der Bake %1</translation>
    </message>
    <message>
        <source>Beacon %1 message</source>
        <translation>Text der Bake %1</translation>
    </message>
    <message>
        <source>Weather Underground password</source>
        <translation>Weather-Underground-Passwort</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Orvik config files (*.cfg)</source>
        <translation>Orvik-Konfigurationsdateien (*.cfg)</translation>
    </message>
    <message>
        <source>Firmware images (*.bin);;All files (*)</source>
        <translation>Firmware-Abbilder (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open firmware image</source>
        <translation>Firmware-Abbild öffnen</translation>
    </message>
    <message>
        <source>More than one Orvik 2.0 is attached. Which one shall be used until the program ends?</source>
        <translation>Es ist mehr als ein Orvik 2.0 angeschlossen. Welcher soll bis zum Programmende verwendet werden?</translation>
    </message>
    <message>
        <source>%1 (emulator)</source>
        <comment>the window&apos;s caption</comment>
        <translation>%1 (Emulator)</translation>
    </message>
    <message>
        <source>Static IP settings:</source>
        <translation>Statische IP-Einstellungen:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>IP Mask:</source>
        <translation>Netzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <source>Telnet debug messages (default state after connect):</source>
        <translation>Telnet-Debugmeldungen (Zustand nach dem Verbinden):</translation>
    </message>
    <message>
        <source>Internal Real Time Clock is updated when the device exits config mode and enters normal mode. To get exact time please change to normal mode quickly after config write.</source>
        <translation>Die interne Uhr (RTC) wird gestellt, wenn das Gerät den Konfigurationsmodus verlässt. Damit die Uhr genau geht, das Gerät nach dem Schreiben rasch in den Normalbetrieb schalten.</translation>
    </message>
    <message>
        <source>APRS-IS servers:</source>
        <translation>APRS-IS-Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>APRS-IS login:</source>
        <translation>APRS-IS-Anmeldung:</translation>
    </message>
    <message>
        <source>Weather report:</source>
        <translation>Wetterbericht:</translation>
    </message>
    <message>
        <source>Dest:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>IS[min]:</source>
        <translation>IS[min]:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Zieladresse:</translation>
    </message>
    <message>
        <source>TX Rate:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Message (empty fields are ignored):</source>
        <translation>Text (leere Felder werden ignoriert):</translation>
    </message>
    <message>
        <source>Special strings</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Weather station:</source>
        <translation>Wetterstation:</translation>
    </message>
    <message>
        <source>Weather station selection box.</source>
        <translation>Auswahl der Wetterstation.</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>Station latitude.</source>
        <translation>Breitengrad der Station.</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>Station longitude.</source>
        <translation>Längengrad der Station.</translation>
    </message>
    <message>
        <source>IP configuration method:</source>
        <translation>IP-Konfiguration:</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statische IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Device IP address.</source>
        <translation>IP-Adresse des Geräts.</translation>
    </message>
    <message>
        <source>Device network mask</source>
        <translation>Netzmaske des Geräts</translation>
    </message>
    <message>
        <source>Your network gateway/router IP.</source>
        <translation>IP-Adresse des Gateways oder Routers in Ihrem Netz.</translation>
    </message>
    <message>
        <source>Domain name server IP. This should be your ISP&apos;s DNS server IP. Also most home routers are able to relay DNS queries.</source>
        <translation>IP-Adresse des DNS-Servers. Das sollte der DNS-Server Ihres Providers sein; die meisten Heimrouter leiten DNS-Anfragen auch weiter.</translation>
    </message>
    <message>
        <source>Telnet user:</source>
        <translation>Telnet-Benutzer:</translation>
    </message>
    <message>
        <source>Telnet administration user name.</source>
        <translation>Benutzername für die Verwaltung über Telnet.</translation>
    </message>
    <message>
        <source>Telnet password:</source>
        <translation>Telnet-Passwort:</translation>
    </message>
    <message>
        <source>Telnet administration password.</source>
        <translation>Passwort für die Verwaltung über Telnet.</translation>
    </message>
    <message>
        <source>Telnet port:</source>
        <translation>Telnet-Port:</translation>
    </message>
    <message>
        <source>Telnet administration port number.</source>
        <translation>Portnummer für die Verwaltung über Telnet.</translation>
    </message>
    <message>
        <source>APRS-IS:</source>
        <translation>APRS-IS:</translation>
    </message>
    <message>
        <source>NTP:</source>
        <translation>NTP:</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Wetter:</translation>
    </message>
    <message>
        <source>Wunderground:</source>
        <translation>Wunderground:</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>Upload PC system time on config write</source>
        <translation>PC-Zeit beim Schreiben übertragen</translation>
    </message>
    <message>
        <source>If selected, the application will send current PC time on config save.</source>
        <translation>Wenn ausgewählt, sendet das Programm beim Schreiben der Konfiguration die aktuelle PC-Zeit.</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Std.:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Use NTP server</source>
        <translation>NTP-Server verwenden</translation>
    </message>
    <message>
        <source>If selected, the device will synchronize time with network time protocol server.</source>
        <translation>Wenn ausgewählt, gleicht das Gerät seine Uhr mit einem NTP-Server ab.</translation>
    </message>
    <message>
        <source>NTP server:</source>
        <translation>NTP-Server:</translation>
    </message>
    <message>
        <source>Network time protocol server IP for time synchronization.</source>
        <translation>Adresse des NTP-Servers für den Zeitabgleich.</translation>
    </message>
    <message>
        <source>APRS-IS callsign:</source>
        <translation>APRS-IS-Rufzeichen:</translation>
    </message>
    <message>
        <source>Station callsign.</source>
        <translation>Rufzeichen der Station.</translation>
    </message>
    <message>
        <source>Station SSID.</source>
        <translation>SSID der Station.</translation>
    </message>
    <message>
        <source>Server 1:</source>
        <translation>Server 1:</translation>
    </message>
    <message>
        <source>Server 2:</source>
        <translation>Server 2:</translation>
    </message>
    <message>
        <source>Server 3:</source>
        <translation>Server 3:</translation>
    </message>
    <message>
        <source>APRS-IS server domain name or IP address.</source>
        <translation>Domainname oder IP-Adresse des APRS-IS-Servers.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Your login to APRS-IS network. Usually your callsign.</source>
        <translation>Ihr Login (Anmeldename) für das APRS-IS-Netz, meist Ihr Rufzeichen.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>You login to APRS-IS network. If you don&apos;t know it, you should ask your local APRS-IS administrator.</source>
        <translation>Ihr Passwort (Passcode) für das APRS-IS-Netz. Wenn Sie es nicht kennen, fragen Sie Ihren örtlichen APRS-IS-Administrator.</translation>
    </message>
    <message>
        <source>Weather report destination to-call.</source>
        <translation>Zieladresse (To-Call) des Wetterberichts.</translation>
    </message>
    <message>
        <source>Weather report destination SSID.</source>
        <translation>SSID der Zieladresse des Wetterberichts.</translation>
    </message>
    <message>
        <source>Weather report TX rate to APRS-IS (minutes). Set 0 to disable.</source>
        <translation>Sendeintervall des Wetterberichts an APRS-IS (Minuten). 0 schaltet ihn ab.</translation>
    </message>
    <message>
        <source>Weather report comment.</source>
        <translation>Kommentar des Wetterberichts.</translation>
    </message>
    <message>
        <source>Beacon destination to-call.</source>
        <translation>Zieladresse (To-Call) der Bake.</translation>
    </message>
    <message>
        <source>Beacon destination SSID.</source>
        <translation>SSID der Zieladresse der Bake.</translation>
    </message>
    <message>
        <source>Beacon TX rate to APRS-IS (minutes).</source>
        <translation>Sendeintervall der Bake an APRS-IS (Minuten).</translation>
    </message>
    <message>
        <source>Beacon message. Please check &quot;Special strings&quot;.</source>
        <translation>Bakentext. Siehe „Platzhalter“.</translation>
    </message>
    <message>
        <source>Weather reports to Weather Underground:</source>
        <translation>Wetterberichte an Weather Underground:</translation>
    </message>
    <message>
        <source>Enables or disables weather reports to Weather Underground.</source>
        <translation>Schaltet Wetterberichte an Weather Underground ein oder aus.</translation>
    </message>
    <message>
        <source>Station ID:</source>
        <translation>Stations-ID:</translation>
    </message>
    <message>
        <source>Weather Underground station ID.</source>
        <translation>Stations-ID bei Weather Underground.</translation>
    </message>
    <message>
        <source>Weather Underground account password.</source>
        <translation>Passwort des Weather-Underground-Kontos.</translation>
    </message>
    <message>
        <source>Normal upload server:</source>
        <translation>Normaler Upload-Server:</translation>
    </message>
    <message>
        <source>Normal upload server.</source>
        <translation>Server für das normale Hochladen.</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; upload server:</source>
        <translation>„Rapid Fire“-Upload-Server:</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; upload server.</source>
        <translation>Server für „Rapid Fire“.</translation>
    </message>
    <message>
        <source>Weather send method:</source>
        <translation>Sendeverfahren:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot;</source>
        <translation>„Rapid Fire“</translation>
    </message>
    <message>
        <source>Weather send method.</source>
        <translation>Verfahren zum Senden der Wetterdaten.</translation>
    </message>
    <message>
        <source>Normal weather send rate [min]:</source>
        <translation>Normales Sendeintervall [min]:</translation>
    </message>
    <message>
        <source>Weather send rate (in minutes) for normal server.</source>
        <translation>Sendeintervall (in Minuten) für den normalen Server.</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; weather send rate [sec]:</source>
        <translation>„Rapid Fire“-Sendeintervall [s]:</translation>
    </message>
    <message>
        <source>Weather send rate (in seconds) for &quot;Rapid fire&quot; server.</source>
        <translation>Sendeintervall (in Sekunden) für den „Rapid Fire“-Server.</translation>
    </message>
    <message>
        <source>WWW port:</source>
        <translation>WWW-Port:</translation>
    </message>
    <message>
        <source>WWW port number.</source>
        <translation>Portnummer des Webservers.</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Telnet access</source>
        <translation>Telnet-Zugang</translation>
    </message>
    <message>
        <source>WWW access</source>
        <translation>WWW-Zugang</translation>
    </message>
    <message>
        <source>RTC/NTP time</source>
        <translation>RTC/NTP-Zeit</translation>
    </message>
    <message>
        <source>APRS-IS Servers</source>
        <translation>APRS-IS-Server</translation>
    </message>
    <message>
        <source>APRS-IS Weather</source>
        <translation>APRS-IS-Wetter</translation>
    </message>
    <message>
        <source>APRS-IS Beacons</source>
        <translation>APRS-IS-Baken</translation>
    </message>
    <message>
        <source>WeatherUnderground</source>
        <translation>WeatherUnderground</translation>
    </message>
    <message>
        <source>Orvik 2.0 Configurator</source>
        <translation>Orvik-2.0-Konfigurator</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>APRS-IS passcode</comment>
        <translation>Passcode:</translation>
    </message>
    <message>
        <source>At sea</source>
        <translation>Auf See</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Locator:</source>
        <translation>Locator:</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The two-letter code of the language of this translation</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>orvik-configurator</name>
    <message>
        <source>Edits the settings of an Orvik 2.0 appliance attached by USB.</source>
        <translation>Bearbeitet die Einstellungen eines per USB angeschlossenen Orvik 2.0.</translation>
    </message>
    <message>
        <source>Configuration file to read once the window shows, as &quot;Read from file&quot;.</source>
        <translation>Konfigurationsdatei, die nach dem Erscheinen des Fensters gelesen wird, wie mit „Aus Datei laden“.</translation>
    </message>
    <message>
        <source>Works with the emulated appliance kept in DIR, as orvikctl --emulator DIR does, instead of one attached by USB.</source>
        <translation>Arbeitet mit dem emulierten Gerät in DIR, wie orvikctl --emulator DIR, statt mit einem per USB angeschlossenen.</translation>
    </message>
    <message>
        <source>&quot;Upload firmware&quot; uploads FILE, without asking for one.</source>
        <translation>„Firmware flashen“ spielt FILE auf, ohne nach einer Datei zu fragen.</translation>
    </message>
    <message>
        <source>Starts, says on standard output whether the main window came up, and ends (exit status 0 when it did).</source>
        <translation>Startet, meldet auf der Standardausgabe, ob das Hauptfenster erschienen ist, und beendet sich (Exit-Status 0, wenn ja).</translation>
    </message>
    <message>
        <source>one configuration file at most</source>
        <translation>höchstens eine Konfigurationsdatei</translation>
    </message>
    <message>
        <source>the main window came up: %1</source>
        <translation>das Hauptfenster ist erschienen: %1</translation>
    </message>
    <message>
        <source>the main window did not come up</source>
        <translation>das Hauptfenster ist nicht erschienen</translation>
    </message>
</context>
<context>
    <name>orvikctl</name>
    <message>
        <source>-- pages/s  -:-- left</source>
        <translation>-- Seiten/s  noch -:--</translation>
    </message>
    <message>
        <source>%1 pages/s  %2 left</source>
        <translation>%1 Seiten/s  noch %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>of the pages done</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>print every fault &quot;Write config&quot; would find</source>
        <translation>gibt jeden Fehler aus, den „Konfig. schreiben“ fände</translation>
    </message>
    <message>
        <source>Keep the appliance&apos;s image in FILE before it is overwritten.</source>
        <translation>Sichert das Abbild des Geräts in FILE, bevor es überschrieben wird.</translation>
    </message>
    <message>
        <source>the appliance holds no valid configuration image (erased or damaged), so there is nothing to back up; write without --backup to write anyway</source>
        <translation>das Gerät hat kein gültiges Konfigurationsabbild (gelöscht oder beschädigt), es gibt also nichts zu sichern; zum Schreiben ohne Sicherung --backup weglassen</translation>
    </message>
    <message>
        <source>backup failed; nothing was written to the appliance</source>
        <translation>Sicherung fehlgeschlagen; nichts wurde auf das Gerät geschrieben</translation>
    </message>
    <message>
        <source>list the attached appliances</source>
        <translation>listet die angeschlossenen Geräte auf</translation>
    </message>
    <message>
        <source>show the appliance&apos;s firmware version</source>
        <translation>zeigt die Firmware-Version des Geräts</translation>
    </message>
    <message>
        <source>Show the appliance&apos;s firmware version, as the notice after &quot;Read config&quot;
does.</source>
        <translation>Zeigt die Firmware-Version des Geräts, wie der Hinweis nach „Konfig. lesen“.</translation>
    </message>
    <message>
        <source>not every page could be read; nothing was kept</source>
        <translation>nicht jede Seite konnte gelesen werden; nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>%1 holds the image read; %2 was left as it was</source>
        <translation>%1 enthält das gelesene Abbild; %2 blieb unverändert</translation>
    </message>
    <message>
        <source>&quot;Read config&quot;: read the appliance&apos;s configuration</source>
        <translation>„Konfig. lesen“: liest die Konfiguration des Geräts</translation>
    </message>
    <message>
        <source>Run &quot;Read config&quot;: read the appliance&apos;s configuration into the settings show
would print and print them as show does; --image FILE keeps the received
image, -o FILE the settings as a configuration file, and either prints
nothing.</source>
        <translation>Führt „Konfig. lesen“ aus: liest die Konfiguration des Geräts in die
Einstellungen, die show ausgäbe, und gibt sie wie show aus; --image FILE
speichert das empfangene Abbild, -o FILE die Einstellungen als
Konfigurationsdatei, und mit einer davon wird nichts ausgegeben.</translation>
    </message>
    <message>
        <source>&quot;Write config&quot;: write the settings to the appliance</source>
        <translation>„Konfig. schreiben“: schreibt die Einstellungen ins Gerät</translation>
    </message>
    <message>
        <source>Run &quot;Write config&quot; on the settings show would print: take &quot;now&quot; into the
clock fields while Uploadpctime is ticked, validate, pack and write them.
--backup FILE: once the settings are packed, first read the appliance&apos;s
configuration image as &quot;Read config&quot; does and keep it in FILE (see unpack,
diff); when that read fails, the image fails its check or FILE cannot be
written, nothing is written to the appliance (exit status 1). An erased
appliance holds no image to keep: write to it without --backup.
--image FILE writes a kept image (from --backup or read --image) back byte
for byte instead, with no CONFIG.cfg and no --set: the way back after a write.</source>
        <translation>Führt „Konfig. schreiben“ für die Einstellungen aus, die show ausgäbe:
übernimmt die aktuelle Zeit in die Uhrfelder, solange Uploadpctime angekreuzt
ist, prüft, packt und schreibt sie. --backup FILE: liest nach dem Packen zuerst
das Abbild des Geräts wie „Konfig. lesen“ und sichert es in FILE (siehe unpack,
diff); schlägt das Lesen fehl, besteht das Abbild die Prüfung nicht oder lässt
sich FILE nicht schreiben, wird nichts ins Gerät geschrieben (Exit-Status 1).
Ein gelöschtes Gerät hat kein Abbild zum Sichern: ohne --backup schreiben.
--image FILE schreibt stattdessen ein gesichertes Abbild (von --backup oder
read --image) Byte für Byte zurück, ohne CONFIG.cfg und --set: der Weg zurück.</translation>
    </message>
    <message>
        <source>compare two configurations setting by setting</source>
        <translation>vergleicht zwei Konfigurationen Einstellung für Einstellung</translation>
    </message>
    <message>
        <source>Compare two configurations setting by setting. Each of A and B is a
configuration image when it is exactly 6144 bytes long and passes the image
check, and a configuration file otherwise; each is loaded as unpack or &quot;Read
from file&quot; would, onto a freshly started configurator. Prints one line per
setting that differs, in show&apos;s order and form: NAME: &apos;VALUE IN A&apos; | &apos;VALUE IN
B&apos;, e.g. Callsign: &apos;NOCALL&apos; | &apos;SP9XYZ&apos; (a &apos; inside a value is doubled; a
control character stands outside the quotes as #code: &apos;a&apos;#9&apos;b&apos;). The clock
fields are never compared (neither kind keeps them), nor Uploadpctime when A
or B is an image. An image keeps Aprsis_user upper-cased and Callsign padded
to six characters, so a file and the image packed from it differ there, as
the appliance would hold them. Exit status 0: the same, 1: they differ, 2: a
usage error or a file that cannot be loaded (its messages on standard error).</source>
        <translation>Vergleicht zwei Konfigurationen Einstellung für Einstellung. A und B sind je
ein Konfigurationsabbild, wenn sie genau 6144 Bytes lang sind und die Prüfung
des Abbilds bestehen, sonst eine Konfigurationsdatei; jede wird wie von unpack
oder „Aus Datei laden“ in einen frisch gestarteten Konfigurator geladen. Gibt
je abweichende Einstellung eine Zeile aus, in Reihenfolge und Form von show:
NAME: &apos;VALUE IN A&apos; | &apos;VALUE IN B&apos;, z. B. Callsign: &apos;NOCALL&apos; | &apos;SP9XYZ&apos; (ein &apos;
im Wert wird verdoppelt; ein Steuerzeichen steht als #Code außerhalb der
Anführungszeichen: &apos;a&apos;#9&apos;b&apos;). Die Uhrfelder werden nie verglichen (keine der
beiden Arten speichert sie), Uploadpctime nicht, wenn A oder B ein Abbild ist.
Ein Abbild speichert Aprsis_user in Großbuchstaben und Callsign auf sechs
Zeichen aufgefüllt, so wie das Gerät sie speichern würde; Datei und daraus
gepacktes Abbild unterscheiden sich dort. Exit-Status 0: gleich, 1:
verschieden, 2: falscher Aufruf oder eine Datei, die nicht geladen werden kann
(ihre Meldungen auf der Standardfehlerausgabe).</translation>
    </message>
    <message>
        <source>&quot;Upload firmware&quot;: send new firmware to the appliance</source>
        <translation>„Firmware flashen“: spielt neue Firmware auf das Gerät</translation>
    </message>
    <message>
        <source>Run &quot;Upload firmware&quot; with the firmware image this program carries, or the
--image FILE.</source>
        <translation>Führt „Firmware flashen“ mit dem Firmware-Abbild aus, das dieses Programm
mitbringt, oder mit --image FILE.</translation>
    </message>
    <message>
        <source>validate and pack the settings into an image</source>
        <translation>prüft die Einstellungen und packt sie in ein Abbild</translation>
    </message>
    <message>
        <source>Validate and pack the settings show would print into the 6144-byte
configuration image, as &quot;Write config&quot; does before it opens the device (the
clock fields take &quot;now&quot; while Uploadpctime is ticked); -o FILE writes it.
Without -o, only validates.</source>
        <translation>Prüft die Einstellungen, die show ausgäbe, und packt sie in das 6144 Bytes
lange Konfigurationsabbild, wie „Konfig. schreiben“ es vor dem Öffnen des
Geräts tut (die Uhrfelder übernehmen die aktuelle Zeit, solange Uploadpctime
angekreuzt ist); -o FILE schreibt es. Ohne -o wird nur geprüft.</translation>
    </message>
    <message>
        <source>save the settings to a configuration file</source>
        <translation>speichert die Einstellungen in einer Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Save the settings show would print to the configuration file FILE, as &quot;Save
to file&quot; does; an existing FILE keeps every line it does not get from the
settings.</source>
        <translation>Speichert die Einstellungen, die show ausgäbe, in der Konfigurationsdatei
FILE, wie „Datei speichern“ es tut; eine vorhandene FILE behält jede Zeile,
die nicht aus den Einstellungen kommt.</translation>
    </message>
    <message>
        <source>print the settings, one NAME=VALUE line each</source>
        <translation>gibt die Einstellungen aus, je eine Zeile NAME=VALUE</translation>
    </message>
    <message>
        <source>Print every setting of a freshly started configurator, one NAME=VALUE line
each (text fields their text, lists their index, check boxes 0 or 1).
CONFIG.cfg is read first, as &quot;Read from file&quot; does; then the --set options
apply in order.</source>
        <translation>Gibt jede Einstellung eines frisch gestarteten Konfigurators aus, je eine
Zeile NAME=VALUE (Textfelder ihren Text, Listen ihren Index, Kästchen 0 oder
1). Zuerst wird CONFIG.cfg gelesen, wie „Aus Datei laden“ es tut; dann
gelten die Optionen --set der Reihe nach.</translation>
    </message>
    <message>
        <source>print the settings an image holds</source>
        <translation>gibt die Einstellungen eines Abbilds aus</translation>
    </message>
    <message>
        <source>Check the 6144-byte configuration image FILE, unpack it onto a freshly started
configurator as &quot;Read config&quot; does and print the settings as show does.</source>
        <translation>Prüft das 6144 Bytes lange Konfigurationsabbild FILE, entpackt es in einen
frisch gestarteten Konfigurator wie „Konfig. lesen“ und gibt die
Einstellungen wie show aus.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 %2 would overwrite the input %3; nothing was written</source>
        <translation>%1 %2 würde die Eingabe %3 überschreiben; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1 %2 and %3 %4 are the same file; nothing was written</source>
        <translation>%1 %2 und %3 %4 sind dieselbe Datei; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Usage: orvikctl COMMAND [options] [arguments]</source>
        <translation>Aufruf: orvikctl COMMAND [Optionen] [Argumente]</translation>
    </message>
    <message>
        <source>Exit status 1: the command failed, 2: a usage error. See orvikctl(1).
</source>
        <translation>Exit-Status 1: Befehl fehlgeschlagen, 2: falscher Aufruf. Siehe orvikctl(1).
</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>Usage: orvikctl %1 [options]</source>
        <translation>Aufruf: orvikctl %1 [Optionen]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1 (siehe %2)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 kennt keine Option %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing argument %1</source>
        <translation>Argument %1 fehlt</translation>
    </message>
    <message>
        <source>%1 needs %2 %3</source>
        <translation>%1 braucht %2 %3</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 %2 takes no configuration file and no --set</source>
        <translation>%1 %2 erlaubt weder Konfigurationsdatei noch --set</translation>
    </message>
    <message>
        <source>waiting for %1: %2</source>
        <translation>warte auf %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>See &apos;orvikctl --help&apos; and &apos;orvikctl COMMAND --help&apos;.</source>
        <translation>Siehe &apos;orvikctl --help&apos; und &apos;orvikctl COMMAND --help&apos;.</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>no USB access here; use --emulator DIR</source>
        <translation>kein USB-Zugriff hier; --emulator DIR verwenden</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration image (it must be exactly %2 bytes)</source>
        <translation>%1 ist kein Konfigurationsabbild (es muss genau %2 Bytes lang sein)</translation>
    </message>
    <message>
        <source>--set: &apos;%1&apos; is not NAME=VALUE</source>
        <translation>--set: &apos;%1&apos; ist nicht NAME=VALUE</translation>
    </message>
    <message>
        <source>--set: unknown setting %1</source>
        <translation>--set: unbekannte Einstellung %1</translation>
    </message>
    <message>
        <source>--time: &apos;%1&apos; is not a number of seconds</source>
        <translation>--time: &apos;%1&apos; ist keine Anzahl Sekunden</translation>
    </message>
    <message>
        <source>Change a setting first, repeatable: a text, a list&apos;s index, a check box&apos;s 0 or 1.</source>
        <translation>Ändert zuerst eine Einstellung, wiederholbar: ein Text, ein Listenindex, 0 oder 1 eines Kästchens.</translation>
    </message>
    <message>
        <source>Take &quot;now&quot; as EPOCH seconds since 1970-01-01 UTC (clock fields, write stamp).</source>
        <translation>Verwendet EPOCH als „jetzt“, in Sekunden seit 1970-01-01 UTC (Uhrfelder, Schreibstempel).</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>The image file (see above).</source>
        <translation>Die Abbilddatei (siehe oben).</translation>
    </message>
    <message>
        <source>Use the emulated appliances kept in DIR, not USB.</source>
        <translation>Verwendet die emulierten Geräte in DIR statt USB.</translation>
    </message>
    <message>
        <source>Pick an appliance by its path or serial number.</source>
        <translation>Wählt ein Gerät nach Pfad oder Seriennummer.</translation>
    </message>
    <message>
        <source>Log failed exchanges with the HID layer&apos;s reason.</source>
        <translation>Nennt bei Austauschfehlern den Grund der HID-Schicht.</translation>
    </message>
    <message>
        <source>Say only what went wrong.</source>
        <translation>Meldet nur, was schiefging.</translation>
    </message>
    <message>
        <source>%1 could not be compared</source>
        <translation>%1 konnte nicht verglichen werden</translation>
    </message>
    <message numerus="yes">
        <source>gave up waiting for %1 after %n seconds; nothing was changed</source>
        <translation>
            <numerusform>Warten auf %1 nach %n Sekunde aufgegeben; nichts wurde geändert</numerusform>
            <numerusform>Warten auf %1 nach %n Sekunden aufgegeben; nichts wurde geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Go on with a line per appliance attached or detached.</source>
        <translation>Läuft weiter und gibt je angeschlossenem oder getrenntem Gerät eine Zeile aus.</translation>
    </message>
    <message>
        <source>Print every attached Orvik 2.0, one a line: its path, then its serial number
when it tells one. Exit status 1, with &quot;Orvik 2.0 not found.&quot;, when none is
attached. With --watch, go on until interrupted: a line per appliance attached
or detached, &quot;attached&quot; or &quot;detached&quot;, its path and its serial number, split
by tabs.</source>
        <translation>Gibt jeden angeschlossenen Orvik 2.0 aus, einen je Zeile: seinen Pfad, dann
seine Seriennummer, wenn er eine nennt. Exit-Status 1 mit „Orvik 2.0 nicht
gefunden.“, wenn keiner angeschlossen ist. Mit --watch läuft der Befehl bis
zur Unterbrechung weiter: eine Zeile je angeschlossenem oder getrenntem Gerät,
„attached“ oder „detached“, sein Pfad und seine Seriennummer, mit Tabulatoren
dazwischen.</translation>
    </message>
    <message>
        <source>Wait until no appliance is attached.</source>
        <translation>Wartet, bis kein Gerät mehr angeschlossen ist.</translation>
    </message>
    <message>
        <source>Give up after SECONDS.</source>
        <translation>Gibt nach SECONDS Sekunden auf.</translation>
    </message>
    <message>
        <source>--timeout: &apos;%1&apos; is not a number of seconds from 0 to %2</source>
        <translation>--timeout: &apos;%1&apos; ist keine Sekundenzahl von 0 bis %2</translation>
    </message>
    <message>
        <source>an Orvik 2.0 is still attached</source>
        <translation>ein Orvik 2.0 ist noch angeschlossen</translation>
    </message>
    <message>
        <source>no Orvik 2.0 was attached in time</source>
        <translation>innerhalb der Wartezeit wurde kein Orvik 2.0 angeschlossen</translation>
    </message>
    <message>
        <source>wait for an appliance to be attached</source>
        <translation>wartet, bis ein Gerät angeschlossen ist</translation>
    </message>
    <message>
        <source>Wait until an Orvik 2.0 is attached (at once when one is), or, with --detach,
until none is. Exit status 0 then, 1 when --timeout SECONDS pass first, 130
when interrupted. Between wait and wait --detach, a script configures one
appliance after another (see the README).</source>
        <translation>Wartet, bis ein Orvik 2.0 angeschlossen ist (sofort, wenn einer da ist), oder
mit --detach, bis keiner mehr da ist. Exit-Status 0, sobald es so weit ist; 1,
wenn zuvor --timeout SECONDS verstrichen sind; 130 bei Unterbrechung. Zwischen
wait und wait --detach konfiguriert ein Skript ein Gerät nach dem anderen
(siehe README).</translation>
    </message>
    <message>
        <source>cannot hear appliances come and go: %1</source>
        <translation>das Anschließen und Trennen von Geräten kann nicht überwacht werden: %1</translation>
    </message>
    <message>
        <source>Run every check of &quot;Write config&quot; over the settings show would print (the
clock fields take &quot;now&quot; while Uploadpctime is ticked) and print one line
per setting that fails, in the order of the checks: NAME: MESSAGE, e.g.
Latitude: Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).
An APRS-IS password that is not the login&apos;s passcode (nor -1), a position at
sea that the other hemisphere letter puts on land, and a beacon&apos;s position
more than 5 km from the station&apos;s each add a line &quot;warning: ...&quot;, which
does not fail. Nothing is written. Exit status 0: every check passes, 1:
one fails.</source>
        <translation>Führt jede Prüfung von „Konfig. schreiben“ für die Einstellungen aus, die show
ausgäbe (die Uhrfelder übernehmen „jetzt“, solange Uploadpctime angekreuzt
ist), und gibt je Einstellung mit Fehler eine Zeile aus, in der Reihenfolge
der Prüfungen: NAME: MELDUNG, z. B. Latitude: Breitengrad der Station -
Syntaxfehler (z. B. 5221.60N, Format: DDMM.MM). Ein APRS-IS-Passwort, das
weder der Passcode zum Login noch -1 ist, eine Position auf See, die mit dem
Buchstaben der anderen Halbkugel an Land läge, und eine Baken-Position, die
mehr als 5 km von der Station entfernt ist, ergeben je eine Zeile
„warning: ...“, die nicht als Fehler gilt. Es wird nichts geschrieben.
Exit-Status 0: alle Prüfungen bestanden, 1: eine nicht.</translation>
    </message>
    <message>
        <source>print the station&apos;s locator and country</source>
        <translation>gibt Locator und Land der Station aus</translation>
    </message>
    <message>
        <source>Print the Maidenhead locator of Latitude and Longitude and the country the
position lies in, or &quot;sea&quot;, in English on one line: JO82lj Poland.
CONFIG.cfg and the --set options are read as show reads them. Exit status
1: Latitude or Longitude fails its check, whose message is printed.</source>
        <translation>Gibt in einer Zeile den Maidenhead-Locator von Latitude und Longitude und das
Land aus, in dem die Position liegt, oder „sea“, auf Englisch: JO82lj Poland.
CONFIG.cfg und die Optionen --set werden wie von show gelesen. Exit-Status 1:
Latitude oder Longitude besteht die Prüfung nicht; ihre Meldung wird
ausgegeben.</translation>
    </message>
</context>
</TS>
