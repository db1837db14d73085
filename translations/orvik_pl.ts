<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Appliance</name>
    <message>
        <source>Uncompatible firmware version:
Device: %1
Configurator: %2

You need to upload new firmware using &quot;Upload firmware&quot; button.</source>
        <translation>Niezgodna wersja firmware:
Urządzenie: %1
Konfigurator: %2

Wgraj nowy firmware przyciskiem „Wgraj firmware”.</translation>
    </message>
    <message>
        <source>Uncompatible firmware version:
Device: %1
Configurator: %2

You need use the same Configurator and firmware version to read device configuration or you can write new configuration using &quot;Write config&quot; button.</source>
        <translation>Niezgodna wersja firmware:
Urządzenie: %1
Konfigurator: %2

Do odczytu konfiguracji urządzenia konfigurator i firmware muszą mieć tę samą wersję; można też zapisać nową konfigurację przyciskiem „Zapisz konfig.”.</translation>
    </message>
    <message>
        <source>Eeprom checksum error. Please reload configuration.</source>
        <translation>Błąd sumy kontrolnej Eeprom. Odczytaj konfigurację ponownie.</translation>
    </message>
    <message>
        <source>Eeprom write success</source>
        <translation>Eeprom zapisany pomyślnie</translation>
    </message>
    <message>
        <source>No attached Orvik 2.0 matches %1 (attached: %2).</source>
        <translation>Żadne podłączone urządzenie Orvik 2.0 nie pasuje do %1 (podłączone: %2).</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1</source>
        <translation>Nie udało się otworzyć urządzenia Orvik 2.0: %1</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1 (on Linux, install the udev rule 60-orvik.rules; see the README)</source>
        <translation>Nie udało się otworzyć urządzenia Orvik 2.0: %1 (w Linuksie zainstaluj regułę udev 60-orvik.rules; zobacz README)</translation>
    </message>
    <message>
        <source>Orvik 2.0 could not be opened: %1 (the appliance is no longer there: plug it in again)</source>
        <translation>Nie udało się otworzyć urządzenia Orvik 2.0: %1 (urządzenia już nie ma: podłącz je ponownie)</translation>
    </message>
    <message>
        <source>Orvik 2.0 not found.</source>
        <translation>Nie znaleziono urządzenia Orvik 2.0.</translation>
    </message>
    <message>
        <source>Orvik 2.0 is in use by another program.</source>
        <translation>Orvik 2.0 jest używany przez inny program.</translation>
    </message>
    <message>
        <source>Orvik 2.0 found, vid: Vid_0483, pid: A04F</source>
        <translation>Znaleziono Orvik 2.0, vid: Vid_0483, pid: A04F</translation>
    </message>
    <message>
        <source>Firmware file too long.</source>
        <translation>Plik firmware jest za duży.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>Firmware file is empty.</source>
        <translation>Plik firmware jest pusty.</translation>
    </message>
    <message>
        <source>Firmware resource not found (FindResource).</source>
        <translation>Nie znaleziono zasobu firmware (FindResource).</translation>
    </message>
    <message>
        <source>Firmware resource not found (LoadResource).</source>
        <translation>Nie znaleziono zasobu firmware (LoadResource).</translation>
    </message>
    <message>
        <source>Firmware upgrade success</source>
        <translation>Firmware zaktualizowany pomyślnie</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Page written: %1/%2</source>
        <translation>Zapisano stronę: %1/%2</translation>
    </message>
    <message>
        <source>Page write error: %1/%2</source>
        <translation>Błąd zapisu strony: %1/%2</translation>
    </message>
    <message>
        <source>page written %1/%2</source>
        <translation>zapisano stronę %1/%2</translation>
    </message>
    <message>
        <source>Page read: %1/%2</source>
        <translation>Odczytano stronę: %1/%2</translation>
    </message>
    <message>
        <source>Page read error: %1/%2</source>
        <translation>Błąd odczytu strony: %1/%2</translation>
    </message>
    <message>
        <source>page read %1/%2</source>
        <translation>odczytano stronę %1/%2</translation>
    </message>
    <message>
        <source>Firmware version read error.</source>
        <translation>Błąd odczytu wersji firmware.</translation>
    </message>
    <message>
        <source>interrupted before anything was sent; the appliance is unchanged</source>
        <translation>przerwano, zanim cokolwiek wysłano; urządzenie jest bez zmian</translation>
    </message>
    <message>
        <source>finishing the write so that the appliance stays consistent; interrupt again to stop now</source>
        <translation>zapis zostanie dokończony, aby urządzenie pozostało spójne; przerwij ponownie, aby zatrzymać od razu</translation>
    </message>
    <message>
        <source>stopped in the middle of the write; the appliance may hold part of the new configuration and part of the old, so write the configuration again</source>
        <translation>zatrzymano w trakcie zapisu; urządzenie może mieć część nowej i część starej konfiguracji, więc zapisz konfigurację ponownie</translation>
    </message>
    <message>
        <source>stopped in the middle of the upload; the appliance may hold only part of the new firmware, so upload the firmware again</source>
        <translation>zatrzymano w trakcie wgrywania; urządzenie może mieć tylko część nowego firmware, więc wgraj firmware ponownie</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Wersja firmware: %1</translation>
    </message>
    <message>
        <source>Eeprom read success.</source>
        <translation>Eeprom odczytany pomyślnie.</translation>
    </message>
    <message>
        <source>Eeprom read error. Please reload configuration.</source>
        <translation>Błąd odczytu Eeprom. Odczytaj konfigurację ponownie.</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new configuration: plug it in again and write the configuration again.</source>
        <translation>Urządzenie ma teraz część nowej konfiguracji: podłącz je ponownie i zapisz konfigurację jeszcze raz.</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new configuration: plug it in again and write the configuration again (the configuration it held before is in %1).</source>
        <translation>Urządzenie ma teraz część nowej konfiguracji: podłącz je ponownie i zapisz konfigurację jeszcze raz (poprzednia konfiguracja jest w %1).</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed.</source>
        <translation>Na urządzeniu nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>The appliance now holds part of the new firmware: plug it in again and upload the firmware again.</source>
        <translation>Urządzenie ma teraz część nowego firmware: podłącz je ponownie i wgraj firmware jeszcze raz.</translation>
    </message>
    <message>
        <source>Orvik 2.0 was disconnected at page %1/%2.</source>
        <translation>Orvik 2.0 został odłączony przy stronie %1/%2.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 detached.</source>
        <translation>Odłączono Orvik 2.0 %1.</translation>
    </message>
    <message>
        <source>Orvik 2.0 detached.</source>
        <translation>Odłączono Orvik 2.0.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 attached.</source>
        <translation>Podłączono Orvik 2.0 %1.</translation>
    </message>
    <message>
        <source>Orvik 2.0 attached.</source>
        <translation>Podłączono Orvik 2.0.</translation>
    </message>
    <message>
        <source>Orvik 2.0 %1 attached, but it cannot be opened: %2.</source>
        <translation>Podłączono Orvik 2.0 %1, ale nie można go otworzyć: %2.</translation>
    </message>
    <message>
        <source>Orvik 2.0 attached, but it cannot be opened: %1.</source>
        <translation>Podłączono Orvik 2.0, ale nie można go otworzyć: %1.</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed: plug it in again and write the configuration again.</source>
        <translation>Na urządzeniu nic nie zostało zmienione: podłącz je ponownie i zapisz konfigurację jeszcze raz.</translation>
    </message>
    <message>
        <source>Nothing on the appliance was changed: plug it in again and upload the firmware again.</source>
        <translation>Na urządzeniu nic nie zostało zmienione: podłącz je ponownie i wgraj firmware jeszcze raz.</translation>
    </message>
    <message>
        <source>Orvik 2.0 was disconnected while its firmware version was being read.</source>
        <translation>Urządzenie Orvik 2.0 zostało odłączone podczas odczytu wersji firmware.</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Imported configuration file is not a Orvik 2.0 configuration file. 
Operation aborted.</source>
        <translation>Importowany plik nie jest plikiem konfiguracji Orvik 2.0.
Operację przerwano.</translation>
    </message>
    <message>
        <source>Imported configuration file is UTF-16 text, which this configurator cannot read (save it as ANSI or UTF-8). 
Operation aborted.</source>
        <translation>Importowany plik konfiguracji jest tekstem UTF-16, którego ten konfigurator nie odczyta (zapisz go jako ANSI lub UTF-8).
Operację przerwano.</translation>
    </message>
    <message>
        <source>Imported configuration file version is different than your current application version. 
Please double-check configuration fields after import. 
Some configuration fields my change between firmware versions.</source>
        <translation>Wersja importowanego pliku konfiguracji różni się od wersji programu.
Po imporcie sprawdź dokładnie pola konfiguracji.
Niektóre pola mogą się różnić między wersjami firmware.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nie można zapisać do %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Not enough memory to read %1</source>
        <translation>Za mało pamięci, aby wczytać %1</translation>
    </message>
    <message>
        <source>it is not a configuration file; nothing was changed.</source>
        <translation>to nie jest plik konfiguracji; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Holds UTF-16 text, which would be lost</source>
        <translation>Zawiera tekst UTF-16, który zostałby utracony</translation>
    </message>
    <message>
        <source>%1: %2 characters; the first %3 were taken.</source>
        <translation>%1: znaków: %2; przyjęto pierwsze %3.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number; %3 was taken.</source>
        <translation>%1: &apos;%2&apos; nie jest liczbą; przyjęto %3.</translation>
    </message>
</context>
<context>
    <name>Emulator</name>
    <message>
        <source>not a fault</source>
        <translation>to nie jest opis usterki</translation>
    </message>
    <message>
        <source>%1 pages run from 0 to %2</source>
        <translation>strony %1 mają numery od 0 do %2</translation>
    </message>
    <message>
        <source>bad-checksum is for read only, whose reply alone carries one</source>
        <translation>bad-checksum dotyczy tylko read, bo tylko jego odpowiedź ma sumę kontrolną</translation>
    </message>
    <message>
        <source>%1: the folder belongs to another user, who could plant links in it; as root, use a folder of root&apos;s own</source>
        <translation>%1: katalog należy do innego użytkownika, który mógłby podłożyć w nim dowiązania; jako root użyj własnego katalogu roota</translation>
    </message>
    <message>
        <source>%1: not an EEPROM image (it must be exactly %2 bytes)</source>
        <translation>%1: to nie obraz EEPROM (wymagany rozmiar: dokładnie %2 B)</translation>
    </message>
    <message>
        <source>%1: not a firmware version in hundredths (such as 102)</source>
        <translation>%1: to nie wersja firmware w setnych (np. 102)</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>wiersz %1: %2: %3</translation>
    </message>
    <message>
        <source>%1/%2: not listed, since its name is not valid in this system&apos;s encoding</source>
        <translation>%1/%2: pominięty, bo jego nazwa jest niepoprawna w kodowaniu tego systemu</translation>
    </message>
    <message>
        <source>%1: other users may write in the folder and could plant links in it; as root, use a folder of root&apos;s own</source>
        <translation>%1: inni użytkownicy mogą pisać w tym katalogu i podłożyć w nim dowiązania; jako root użyj własnego katalogu roota</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Is a FIFO, not a regular file</source>
        <translation>To FIFO, a nie zwykły plik</translation>
    </message>
    <message>
        <source>Is a device, not a regular file</source>
        <translation>To urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>Is a socket, not a regular file</source>
        <translation>To gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>Is a symbolic link, not a regular file</source>
        <translation>To dowiązanie symboliczne, a nie zwykły plik</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie zwykły plik</translation>
    </message>
    <message>
        <source>another program is updating it</source>
        <translation>inny program właśnie go aktualizuje</translation>
    </message>
    <message>
        <source>File too large (more than %1 bytes)</source>
        <translation>Plik za duży (więcej niż %1 bajtów)</translation>
    </message>
    <message>
        <source>the argument &apos;%1&apos; cannot be used (not valid in this system&apos;s encoding)</source>
        <translation>nie można użyć argumentu &apos;%1&apos; (niepoprawny w kodowaniu tego systemu)</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>Uncompatible configuration version:
Device: %1
Configurator: %2</source>
        <translation>Niezgodna wersja konfiguracji:
Urządzenie: %1
Konfigurator: %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>APRS-IS password does not match the login %1 (expected %2); the servers will accept the login but ignore its reports.</source>
        <translation>Passcode APRS-IS nie pasuje do loginu %1 (oczekiwano: %2); serwery przyjmą logowanie, ale zignorują wysyłane raporty.</translation>
    </message>
    <message>
        <source>%1 - holds a character that cannot be stored (only Latin-1 characters are allowed).</source>
        <translation>%1 - zawiera znak, którego nie da się zapisać (dozwolone są tylko znaki Latin-1).</translation>
    </message>
    <message>
        <source>%1 - holds a character that cannot be stored (a line of a configuration file cannot hold a line break or NUL).</source>
        <translation>%1 - zawiera znak, którego nie da się zapisać (wiersz pliku konfiguracji nie może zawierać końca wiersza ani NUL).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; nie jest poprawną liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 - range error (%2 - %3).</source>
        <translation>%1 - wartość poza zakresem (%2 - %3).</translation>
    </message>
    <message numerus="yes">
        <source>%1 - text too long (at most %n characters).</source>
        <translation>
            <numerusform>%1 - tekst za długi (najwyżej %n znak).</numerusform>
            <numerusform>%1 - tekst za długi (najwyżej %n znaki).</numerusform>
            <numerusform>%1 - tekst za długi (najwyżej %n znaków).</numerusform>
        </translation>
    </message>
    <message>
        <source>Telnet port</source>
        <translation>Port Telnet</translation>
    </message>
    <message>
        <source>WWW port</source>
        <translation>Port WWW</translation>
    </message>
    <message>
        <source>RTC year</source>
        <translation>Rok RTC</translation>
    </message>
    <message>
        <source>RTC month</source>
        <translation>Miesiąc RTC</translation>
    </message>
    <message>
        <source>RTC day</source>
        <translation>Dzień RTC</translation>
    </message>
    <message>
        <source>RTC hour</source>
        <translation>Godzina RTC</translation>
    </message>
    <message>
        <source>RTC minute</source>
        <translation>Minuta RTC</translation>
    </message>
    <message>
        <source>Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).</source>
        <translation>Szerokość stacji - błąd składni (np. 5221.60N, format: DDMM.MM).</translation>
    </message>
    <message>
        <source>Our longitude - syntax error (e.g. 01653.63E, format DDDMM.MM).</source>
        <translation>Długość stacji - błąd składni (np. 01653.63E, format: DDDMM.MM).</translation>
    </message>
    <message>
        <source>Our longitude - syntax error (e.g. 01653.63E, format: DDDMM.MM).</source>
        <translation>Długość stacji - błąd składni (np. 01653.63E, format: DDDMM.MM).</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>IP Mask</source>
        <translation>Maska sieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Callsign - too short (e.g. NOCALL-4).</source>
        <translation>Znak wywoławczy - za krótki (np. NOCALL-4).</translation>
    </message>
    <message>
        <source>Callsign - SSID range error (0 - 15).</source>
        <translation>Znak wywoławczy - SSID poza zakresem (0 - 15).</translation>
    </message>
    <message>
        <source>APRS-IS Server %1 Port</source>
        <translation>Port serwera APRS-IS %1</translation>
    </message>
    <message>
        <source>Weather destination - too short (e.g. APXQ08).</source>
        <translation>Adres docelowy raportu pogody - za krótki (np. APXQ08).</translation>
    </message>
    <message>
        <source>Weather destination - SSID range error (0 - 15).</source>
        <translation>Adres docelowy raportu pogody - SSID poza zakresem (0 - 15).</translation>
    </message>
    <message>
        <source>Weather report tx rate (APRSIS) range error (5 - 1440).</source>
        <translation>Interwał raportu pogody (APRS-IS) poza zakresem (5 - 1440).</translation>
    </message>
    <message>
        <source>Weather report comment - forbidden characters.</source>
        <translation>Komentarz raportu pogody - niedozwolone znaki.</translation>
    </message>
    <message>
        <source>Beacon %1 destination - too short (e.g. APXQ08).</source>
        <translation>Adres docelowy beaconu %1 - za krótki (np. APXQ08).</translation>
    </message>
    <message>
        <source>Beacon %1 destination - SSID range error (0 - 15).</source>
        <translation>Adres docelowy beaconu %1 - SSID poza zakresem (0 - 15).</translation>
    </message>
    <message>
        <source>Beacon %1 tx rate (APRSIS) range error (5 - 1440), or 0 to disable.</source>
        <translation>Interwał beaconu %1 (APRS-IS) poza zakresem (5 - 1440; 0 wyłącza).</translation>
    </message>
    <message>
        <source>Beacon %1 message - forbidden characters.</source>
        <translation>Treść beaconu %1 - niedozwolone znaki.</translation>
    </message>
    <message>
        <source>WeatherUnderground normal send rate range error (1 - 240).</source>
        <translation>WeatherUnderground - zwykły interwał wysyłania poza zakresem (1 - 240).</translation>
    </message>
    <message>
        <source>WeatherUnderground &quot;Rapid fire&quot; send rate range error (5 - 60).</source>
        <translation>WeatherUnderground - interwał „Rapid fire” poza zakresem (5 - 60).</translation>
    </message>
    <message>
        <source>Latitude/Longitude place the station at sea; with %1 it would be in %2.</source>
        <translation>Według szerokości i długości geograficznej stacja leży na morzu; przy %1 leżałaby na lądzie: %2.</translation>
    </message>
    <message>
        <source>Beacon %1 message gives a position %2 km from the station&apos;s.</source>
        <translation>Treść beaconu %1 podaje pozycję odległą o %2 km od pozycji stacji.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>The splash picture cannot be decoded</source>
        <translation>Nie można zdekodować obrazu powitalnego</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>Configuration import/export:</source>
        <translation>Import/eksport konfiguracji:</translation>
    </message>
    <message>
        <source>Read config</source>
        <translation>Odczytaj konfig.</translation>
    </message>
    <message>
        <source>Write config</source>
        <translation>Zapisz konfig.</translation>
    </message>
    <message>
        <source>Upload firmware</source>
        <translation>Wgraj firmware</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>&lt;date&gt; - inserts current time in format: DDHHMM. </source>
        <translation>&lt;date&gt; - bieżący czas w formacie DDGGMM.</translation>
    </message>
    <message>
        <source>&lt;lat&gt; - inserts latitude defined on  &quot;Radio&quot; Tab.</source>
        <translation>&lt;lat&gt; - szerokość z karty „Urządzenie”.</translation>
    </message>
    <message>
        <source>&lt;long&gt; - inserts longitude defined on  &quot;Radio&quot; Tab.</source>
        <translation>&lt;long&gt; - długość z karty „Urządzenie”.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Przykład:</translation>
    </message>
    <message>
        <source>@&lt;date&gt;z&lt;lat&gt;/&lt;long&gt;-Orvik Test.</source>
        <translation>@&lt;date&gt;z&lt;lat&gt;/&lt;long&gt;-Orvik Test.</translation>
    </message>
    <message>
        <source>Beacon special strings</source>
        <translation>Znaczniki w treści beaconu</translation>
    </message>
    <message>
        <source>IP Address, octet %1 of 4</source>
        <translation>Adres IP, oktet %1 z 4</translation>
    </message>
    <message>
        <source>IP Mask, octet %1 of 4</source>
        <translation>Maska sieci, oktet %1 z 4</translation>
    </message>
    <message>
        <source>Gateway, octet %1 of 4</source>
        <translation>Brama, oktet %1 z 4</translation>
    </message>
    <message>
        <source>DNS, octet %1 of 4</source>
        <translation>DNS, oktet %1 z 4</translation>
    </message>
    <message>
        <source>Callsign SSID</source>
        <translation>SSID znaku wywoławczego</translation>
    </message>
    <message>
        <source>APRS-IS server %1 port</source>
        <translation>Port serwera APRS-IS %1</translation>
    </message>
    <message>
        <source>APRS-IS password</source>
        <translation>Passcode APRS-IS</translation>
    </message>
    <message>
        <source>Weather report destination</source>
        <translation>Adres docelowy raportu pogody</translation>
    </message>
    <message>
        <source>Weather report destination SSID</source>
        <translation>SSID adresu docelowego raportu pogody</translation>
    </message>
    <message>
        <source>Weather report TX rate</source>
        <translation>Interwał raportu pogody</translation>
    </message>
    <message>
        <source>Weather report comment</source>
        <translation>Komentarz raportu pogody</translation>
    </message>
    <message>
        <source>Beacon %1 destination</source>
        <translation>Adres docelowy beaconu %1</translation>
    </message>
    <message>
        <source>Beacon %1 destination SSID</source>
        <translation>SSID adresu docelowego beaconu %1</translation>
    </message>
    <message>
        <source>Beacon %1 TX rate</source>
        <translation>Interwał beaconu %1</translation>
    </message>
    <message>
        <source>Beacon %1 message</source>
        <translation>Treść beaconu %1</translation>
    </message>
    <message>
        <source>Weather Underground password</source>
        <translation>Hasło Weather Underground</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Orvik config files (*.cfg)</source>
        <translation>Pliki konfiguracji Orvik (*.cfg)</translation>
    </message>
    <message>
        <source>Firmware images (*.bin);;All files (*)</source>
        <translation>Obrazy firmware (*.bin);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open firmware image</source>
        <translation>Otwórz obraz firmware</translation>
    </message>
    <message>
        <source>More than one Orvik 2.0 is attached. Which one shall be used until the program ends?</source>
        <translation>Podłączono więcej niż jedno urządzenie Orvik 2.0. Którego używać do końca pracy programu?</translation>
    </message>
    <message>
        <source>%1 (emulator)</source>
        <comment>the window&apos;s caption</comment>
        <translation>%1 (emulator)</translation>
    </message>
    <message>
        <source>Static IP settings:</source>
        <translation>Ustawienia statycznego adresu IP:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>IP Mask:</source>
        <translation>Maska sieci:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <source>Telnet debug messages (default state after connect):</source>
        <translation>Komunikaty diagnostyczne Telnet (stan po połączeniu):</translation>
    </message>
    <message>
        <source>Internal Real Time Clock is updated when the device exits config mode and enters normal mode. To get exact time please change to normal mode quickly after config write.</source>
        <translation>Wewnętrzny zegar RTC jest ustawiany, gdy urządzenie przechodzi z trybu konfiguracji w tryb normalny. Aby czas był dokładny, przełącz je w tryb normalny zaraz po zapisie konfiguracji.</translation>
    </message>
    <message>
        <source>APRS-IS servers:</source>
        <translation>Serwery APRS-IS:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>APRS-IS login:</source>
        <translation>Logowanie APRS-IS:</translation>
    </message>
    <message>
        <source>Weather report:</source>
        <translation>Raport pogody:</translation>
    </message>
    <message>
        <source>Dest:</source>
        <translation>Cel:</translation>
    </message>
    <message>
        <source>IS[min]:</source>
        <translation>IS[min]:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Komentarz:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Adres docelowy:</translation>
    </message>
    <message>
        <source>TX Rate:</source>
        <translation>Interwał:</translation>
    </message>
    <message>
        <source>Message (empty fields are ignored):</source>
        <translation>Treść (puste pola są pomijane):</translation>
    </message>
    <message>
        <source>Special strings</source>
        <translation>Znaczniki</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Weather station:</source>
        <translation>Stacja pogodowa:</translation>
    </message>
    <message>
        <source>Weather station selection box.</source>
        <translation>Wybór stacji pogodowej.</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Station latitude.</source>
        <translation>Szerokość geograficzna stacji.</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Długość:</translation>
    </message>
    <message>
        <source>Station longitude.</source>
        <translation>Długość geograficzna stacji.</translation>
    </message>
    <message>
        <source>IP configuration method:</source>
        <translation>Konfiguracja IP:</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statyczny adres IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Device IP address.</source>
        <translation>Adres IP urządzenia.</translation>
    </message>
    <message>
        <source>Device network mask</source>
        <translation>Maska sieci urządzenia</translation>
    </message>
    <message>
        <source>Your network gateway/router IP.</source>
        <translation>Adres IP bramy lub routera w Twojej sieci.</translation>
    </message>
    <message>
        <source>Domain name server IP. This should be your ISP&apos;s DNS server IP. Also most home routers are able to relay DNS queries.</source>
        <translation>Adres IP serwera DNS. Powinien to być serwer DNS Twojego dostawcy internetu; większość domowych routerów także przekazuje zapytania DNS.</translation>
    </message>
    <message>
        <source>Telnet user:</source>
        <translation>Użytkownik Telnet:</translation>
    </message>
    <message>
        <source>Telnet administration user name.</source>
        <translation>Nazwa użytkownika do administracji przez Telnet.</translation>
    </message>
    <message>
        <source>Telnet password:</source>
        <translation>Hasło Telnet:</translation>
    </message>
    <message>
        <source>Telnet administration password.</source>
        <translation>Hasło do administracji przez Telnet.</translation>
    </message>
    <message>
        <source>Telnet port:</source>
        <translation>Port Telnet:</translation>
    </message>
    <message>
        <source>Telnet administration port number.</source>
        <translation>Numer portu do administracji przez Telnet.</translation>
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
        <translation>Pogoda:</translation>
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
        <translation>Wyślij czas z PC przy zapisie konfig.</translation>
    </message>
    <message>
        <source>If selected, the application will send current PC time on config save.</source>
        <translation>Po zaznaczeniu program wyśle przy zapisie konfiguracji bieżący czas komputera.</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mies.:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dzień:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Godz.:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Min.:</translation>
    </message>
    <message>
        <source>Use NTP server</source>
        <translation>Użyj serwera NTP</translation>
    </message>
    <message>
        <source>If selected, the device will synchronize time with network time protocol server.</source>
        <translation>Po zaznaczeniu urządzenie synchronizuje czas z serwerem NTP.</translation>
    </message>
    <message>
        <source>NTP server:</source>
        <translation>Serwer NTP:</translation>
    </message>
    <message>
        <source>Network time protocol server IP for time synchronization.</source>
        <translation>Adres serwera NTP do synchronizacji czasu.</translation>
    </message>
    <message>
        <source>APRS-IS callsign:</source>
        <translation>Znak wywoławczy APRS-IS:</translation>
    </message>
    <message>
        <source>Station callsign.</source>
        <translation>Znak wywoławczy stacji.</translation>
    </message>
    <message>
        <source>Station SSID.</source>
        <translation>SSID stacji.</translation>
    </message>
    <message>
        <source>Server 1:</source>
        <translation>Serwer 1:</translation>
    </message>
    <message>
        <source>Server 2:</source>
        <translation>Serwer 2:</translation>
    </message>
    <message>
        <source>Server 3:</source>
        <translation>Serwer 3:</translation>
    </message>
    <message>
        <source>APRS-IS server domain name or IP address.</source>
        <translation>Nazwa domenowa lub adres IP serwera APRS-IS.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Login:</translation>
    </message>
    <message>
        <source>Your login to APRS-IS network. Usually your callsign.</source>
        <translation>Login do sieci APRS-IS, zwykle Twój znak wywoławczy.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>You login to APRS-IS network. If you don&apos;t know it, you should ask your local APRS-IS administrator.</source>
        <translation>Hasło (passcode) do sieci APRS-IS. Jeśli go nie znasz, zapytaj lokalnego administratora APRS-IS.</translation>
    </message>
    <message>
        <source>Weather report destination to-call.</source>
        <translation>Adres docelowy (to-call) raportu pogody.</translation>
    </message>
    <message>
        <source>Weather report destination SSID.</source>
        <translation>SSID adresu docelowego raportu pogody.</translation>
    </message>
    <message>
        <source>Weather report TX rate to APRS-IS (minutes). Set 0 to disable.</source>
        <translation>Co ile minut wysyłać raport pogody do APRS-IS. 0 wyłącza raporty.</translation>
    </message>
    <message>
        <source>Weather report comment.</source>
        <translation>Komentarz raportu pogody.</translation>
    </message>
    <message>
        <source>Beacon destination to-call.</source>
        <translation>Adres docelowy (to-call) beaconu.</translation>
    </message>
    <message>
        <source>Beacon destination SSID.</source>
        <translation>SSID adresu docelowego beaconu.</translation>
    </message>
    <message>
        <source>Beacon TX rate to APRS-IS (minutes).</source>
        <translation>Co ile minut wysyłać beacon do APRS-IS.</translation>
    </message>
    <message>
        <source>Beacon message. Please check &quot;Special strings&quot;.</source>
        <translation>Treść beaconu. Zobacz „Znaczniki”.</translation>
    </message>
    <message>
        <source>Weather reports to Weather Underground:</source>
        <translation>Raporty pogody do Weather Underground:</translation>
    </message>
    <message>
        <source>Enables or disables weather reports to Weather Underground.</source>
        <translation>Włącza lub wyłącza raporty pogody do Weather Underground.</translation>
    </message>
    <message>
        <source>Station ID:</source>
        <translation>ID stacji:</translation>
    </message>
    <message>
        <source>Weather Underground station ID.</source>
        <translation>ID stacji w Weather Underground.</translation>
    </message>
    <message>
        <source>Weather Underground account password.</source>
        <translation>Hasło konta Weather Underground.</translation>
    </message>
    <message>
        <source>Normal upload server:</source>
        <translation>Serwer zwykłego wysyłania:</translation>
    </message>
    <message>
        <source>Normal upload server.</source>
        <translation>Serwer zwykłego wysyłania.</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; upload server:</source>
        <translation>Serwer „Rapid fire”:</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; upload server.</source>
        <translation>Serwer wysyłania „Rapid fire”.</translation>
    </message>
    <message>
        <source>Weather send method:</source>
        <translation>Sposób wysyłania:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Zwykły</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot;</source>
        <translation>„Rapid fire”</translation>
    </message>
    <message>
        <source>Weather send method.</source>
        <translation>Sposób wysyłania pogody.</translation>
    </message>
    <message>
        <source>Normal weather send rate [min]:</source>
        <translation>Zwykły interwał wysyłania [min]:</translation>
    </message>
    <message>
        <source>Weather send rate (in minutes) for normal server.</source>
        <translation>Interwał wysyłania pogody (w minutach) do zwykłego serwera.</translation>
    </message>
    <message>
        <source>&quot;Rapid fire&quot; weather send rate [sec]:</source>
        <translation>Interwał „Rapid fire” [s]:</translation>
    </message>
    <message>
        <source>Weather send rate (in seconds) for &quot;Rapid fire&quot; server.</source>
        <translation>Interwał wysyłania pogody (w sekundach) do serwera „Rapid fire”.</translation>
    </message>
    <message>
        <source>WWW port:</source>
        <translation>Port WWW:</translation>
    </message>
    <message>
        <source>WWW port number.</source>
        <translation>Numer portu WWW.</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Telnet access</source>
        <translation>Dostęp Telnet</translation>
    </message>
    <message>
        <source>WWW access</source>
        <translation>Dostęp WWW</translation>
    </message>
    <message>
        <source>RTC/NTP time</source>
        <translation>Czas RTC/NTP</translation>
    </message>
    <message>
        <source>APRS-IS Servers</source>
        <translation>Serwery APRS-IS</translation>
    </message>
    <message>
        <source>APRS-IS Weather</source>
        <translation>Pogoda APRS-IS</translation>
    </message>
    <message>
        <source>APRS-IS Beacons</source>
        <translation>Beacony APRS-IS</translation>
    </message>
    <message>
        <source>WeatherUnderground</source>
        <translation>WeatherUnderground</translation>
    </message>
    <message>
        <source>Orvik 2.0 Configurator</source>
        <translation>Konfigurator Orvik 2.0</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>APRS-IS passcode</comment>
        <translation>Passcode:</translation>
    </message>
    <message>
        <source>At sea</source>
        <translation>Na morzu</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Locator:</source>
        <translation>Lokator:</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The two-letter code of the language of this translation</comment>
        <translation>pl</translation>
    </message>
</context>
<context>
    <name>orvik-configurator</name>
    <message>
        <source>Edits the settings of an Orvik 2.0 appliance attached by USB.</source>
        <translation>Edytuje ustawienia urządzenia Orvik 2.0 podłączonego przez USB.</translation>
    </message>
    <message>
        <source>Configuration file to read once the window shows, as &quot;Read from file&quot;.</source>
        <translation>Plik konfiguracji do wczytania po pokazaniu okna, jak „Wczytaj z pliku”.</translation>
    </message>
    <message>
        <source>Works with the emulated appliance kept in DIR, as orvikctl --emulator DIR does, instead of one attached by USB.</source>
        <translation>Pracuje z emulowanym urządzeniem z katalogu DIR, jak orvikctl --emulator DIR, zamiast z podłączonym przez USB.</translation>
    </message>
    <message>
        <source>&quot;Upload firmware&quot; uploads FILE, without asking for one.</source>
        <translation>„Wgraj firmware” wgrywa FILE, nie pytając o plik.</translation>
    </message>
    <message>
        <source>Starts, says on standard output whether the main window came up, and ends (exit status 0 when it did).</source>
        <translation>Uruchamia się, podaje na standardowym wyjściu, czy pojawiło się okno główne, i kończy działanie (kod wyjścia 0, jeśli tak).</translation>
    </message>
    <message>
        <source>one configuration file at most</source>
        <translation>najwyżej jeden plik konfiguracji</translation>
    </message>
    <message>
        <source>the main window came up: %1</source>
        <translation>okno główne pojawiło się: %1</translation>
    </message>
    <message>
        <source>the main window did not come up</source>
        <translation>okno główne się nie pojawiło</translation>
    </message>
</context>
<context>
    <name>orvikctl</name>
    <message>
        <source>-- pages/s  -:-- left</source>
        <translation>-- stron/s  zostało -:--</translation>
    </message>
    <message>
        <source>%1 pages/s  %2 left</source>
        <translation>%1 stron/s  zostało %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>of the pages done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>print every fault &quot;Write config&quot; would find</source>
        <translation>wypisuje każdy błąd, który znalazłoby „Zapisz konfig.”</translation>
    </message>
    <message>
        <source>Keep the appliance&apos;s image in FILE before it is overwritten.</source>
        <translation>Zachowuje obraz urządzenia w FILE przed nadpisaniem.</translation>
    </message>
    <message>
        <source>the appliance holds no valid configuration image (erased or damaged), so there is nothing to back up; write without --backup to write anyway</source>
        <translation>urządzenie nie ma poprawnego obrazu konfiguracji (skasowany lub uszkodzony), więc nie ma czego zachować; aby mimo to zapisać, pomiń --backup</translation>
    </message>
    <message>
        <source>backup failed; nothing was written to the appliance</source>
        <translation>nie udało się wykonać kopii zapasowej; do urządzenia niczego nie zapisano</translation>
    </message>
    <message>
        <source>list the attached appliances</source>
        <translation>wypisuje podłączone urządzenia</translation>
    </message>
    <message>
        <source>show the appliance&apos;s firmware version</source>
        <translation>wyświetla wersję firmware urządzenia</translation>
    </message>
    <message>
        <source>Show the appliance&apos;s firmware version, as the notice after &quot;Read config&quot;
does.</source>
        <translation>Wyświetla wersję firmware urządzenia, jak komunikat po „Odczytaj konfig.”.</translation>
    </message>
    <message>
        <source>not every page could be read; nothing was kept</source>
        <translation>nie udało się odczytać wszystkich stron; niczego nie zachowano</translation>
    </message>
    <message>
        <source>%1 holds the image read; %2 was left as it was</source>
        <translation>%1 zawiera odczytany obraz; %2 pozostał bez zmian</translation>
    </message>
    <message>
        <source>&quot;Read config&quot;: read the appliance&apos;s configuration</source>
        <translation>„Odczytaj konfig.”: odczytuje konfigurację urządzenia</translation>
    </message>
    <message>
        <source>Run &quot;Read config&quot;: read the appliance&apos;s configuration into the settings show
would print and print them as show does; --image FILE keeps the received
image, -o FILE the settings as a configuration file, and either prints
nothing.</source>
        <translation>Wykonuje „Odczytaj konfig.”: odczytuje konfigurację urządzenia do ustawień,
które wypisałoby show, i wypisuje je jak show; --image FILE zachowuje
odebrany obraz, -o FILE ustawienia jako plik konfiguracji; z każdą z tych
opcji niczego nie wypisuje.</translation>
    </message>
    <message>
        <source>&quot;Write config&quot;: write the settings to the appliance</source>
        <translation>„Zapisz konfig.”: zapisuje ustawienia do urządzenia</translation>
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
        <translation>Wykonuje „Zapisz konfig.” na ustawieniach, które wypisałoby show: wpisuje
„teraz” do pól zegara, gdy zaznaczone jest Uploadpctime, sprawdza, pakuje i
zapisuje je. --backup FILE: po spakowaniu ustawień najpierw odczytuje obraz
konfiguracji urządzenia jak „Odczytaj konfig.” i zachowuje go w FILE (zobacz
unpack, diff); gdy ten odczyt się nie uda, obraz nie przejdzie sprawdzenia lub
FILE nie da się zapisać, do urządzenia nic nie trafia (kod wyjścia 1).
Skasowane urządzenie nie ma obrazu do zachowania: zapisuj je bez --backup.
--image FILE zamiast tego zapisuje bajt po bajcie zachowany obraz (z --backup
lub read --image), bez CONFIG.cfg i bez --set: droga powrotu po zapisie.</translation>
    </message>
    <message>
        <source>compare two configurations setting by setting</source>
        <translation>porównuje dwie konfiguracje ustawienie po ustawieniu</translation>
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
        <translation>Porównuje dwie konfiguracje ustawienie po ustawieniu. A i B to obraz
konfiguracji, gdy ma dokładnie 6144 bajty i przechodzi sprawdzenie obrazu, a w
pozostałych przypadkach plik konfiguracji; każdy jest wczytywany jak przez
unpack lub „Wczytaj z pliku” do świeżo uruchomionego konfiguratora. Wypisuje
po wierszu na każde różniące się ustawienie, w kolejności i postaci show:
NAME: &apos;VALUE IN A&apos; | &apos;VALUE IN B&apos;, np. Callsign: &apos;NOCALL&apos; | &apos;SP9XYZ&apos; (znak &apos;
w wartości jest podwajany; znak sterujący stoi poza cudzysłowem jako #kod:
&apos;a&apos;#9&apos;b&apos;). Pola zegara nigdy nie są porównywane (żaden rodzaj ich nie
przechowuje), ani Uploadpctime, gdy A lub B jest obrazem. Obraz przechowuje
Aprsis_user wielkimi literami, a Callsign dopełniony do sześciu znaków, więc
plik i spakowany z niego obraz różnią się tam tak, jak zapisze je urządzenie.
Kod wyjścia 0: takie same, 1: różne, 2: błąd użycia lub plik, którego nie
można wczytać (jego komunikaty na standardowym wyjściu błędów).</translation>
    </message>
    <message>
        <source>&quot;Upload firmware&quot;: send new firmware to the appliance</source>
        <translation>„Wgraj firmware”: wysyła nowy firmware do urządzenia</translation>
    </message>
    <message>
        <source>Run &quot;Upload firmware&quot; with the firmware image this program carries, or the
--image FILE.</source>
        <translation>Wykonuje „Wgraj firmware” z obrazem firmware wbudowanym w ten program albo z
--image FILE.</translation>
    </message>
    <message>
        <source>validate and pack the settings into an image</source>
        <translation>sprawdza ustawienia i pakuje je do obrazu</translation>
    </message>
    <message>
        <source>Validate and pack the settings show would print into the 6144-byte
configuration image, as &quot;Write config&quot; does before it opens the device (the
clock fields take &quot;now&quot; while Uploadpctime is ticked); -o FILE writes it.
Without -o, only validates.</source>
        <translation>Sprawdza ustawienia, które wypisałoby show, i pakuje je do 6144-bajtowego
obrazu konfiguracji, jak „Zapisz konfig.” przed otwarciem urządzenia (pola
zegara przyjmują „teraz”, gdy zaznaczone jest Uploadpctime); -o FILE zapisuje
go. Bez -o tylko sprawdza.</translation>
    </message>
    <message>
        <source>save the settings to a configuration file</source>
        <translation>zapisuje ustawienia do pliku konfiguracji</translation>
    </message>
    <message>
        <source>Save the settings show would print to the configuration file FILE, as &quot;Save
to file&quot; does; an existing FILE keeps every line it does not get from the
settings.</source>
        <translation>Zapisuje ustawienia, które wypisałoby show, do pliku konfiguracji FILE, jak
„Zapisz do pliku”; istniejący FILE zachowuje każdy wiersz, którego nie
zastępują ustawienia.</translation>
    </message>
    <message>
        <source>print the settings, one NAME=VALUE line each</source>
        <translation>wypisuje ustawienia, po jednym wierszu NAME=VALUE</translation>
    </message>
    <message>
        <source>Print every setting of a freshly started configurator, one NAME=VALUE line
each (text fields their text, lists their index, check boxes 0 or 1).
CONFIG.cfg is read first, as &quot;Read from file&quot; does; then the --set options
apply in order.</source>
        <translation>Wypisuje każde ustawienie świeżo uruchomionego konfiguratora, po jednym
wierszu NAME=VALUE (pola tekstowe swój tekst, listy indeks, pola wyboru 0 lub
1). Najpierw wczytuje CONFIG.cfg, jak „Wczytaj z pliku”; potem po kolei
stosuje opcje --set.</translation>
    </message>
    <message>
        <source>print the settings an image holds</source>
        <translation>wypisuje ustawienia zawarte w obrazie</translation>
    </message>
    <message>
        <source>Check the 6144-byte configuration image FILE, unpack it onto a freshly started
configurator as &quot;Read config&quot; does and print the settings as show does.</source>
        <translation>Sprawdza 6144-bajtowy obraz konfiguracji FILE, rozpakowuje go do świeżo
uruchomionego konfiguratora jak „Odczytaj konfig.” i wypisuje ustawienia jak
show.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 would overwrite the input %3; nothing was written</source>
        <translation>%1 %2 nadpisałby plik wejściowy %3; niczego nie zapisano</translation>
    </message>
    <message>
        <source>%1 %2 and %3 %4 are the same file; nothing was written</source>
        <translation>%1 %2 i %3 %4 to ten sam plik; niczego nie zapisano</translation>
    </message>
    <message>
        <source>Usage: orvikctl COMMAND [options] [arguments]</source>
        <translation>Użycie: orvikctl COMMAND [opcje] [argumenty]</translation>
    </message>
    <message>
        <source>Exit status 1: the command failed, 2: a usage error. See orvikctl(1).
</source>
        <translation>Kod wyjścia 1: polecenie nie powiodło się, 2: błąd użycia. Zobacz orvikctl(1).
</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Wyświetla wersję.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>Usage: orvikctl %1 [options]</source>
        <translation>Użycie: orvikctl %1 [opcje]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1 (zobacz %2)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 nie przyjmuje opcji %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing argument %1</source>
        <translation>brak argumentu %1</translation>
    </message>
    <message>
        <source>%1 needs %2 %3</source>
        <translation>%1 wymaga %2 %3</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>%1 %2 takes no configuration file and no --set</source>
        <translation>%1 %2 nie przyjmuje pliku konfiguracji ani --set</translation>
    </message>
    <message>
        <source>waiting for %1: %2</source>
        <translation>oczekiwanie na %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>See &apos;orvikctl --help&apos; and &apos;orvikctl COMMAND --help&apos;.</source>
        <translation>Zobacz &apos;orvikctl --help&apos; i &apos;orvikctl COMMAND --help&apos;.</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>nieznane polecenie %1</translation>
    </message>
    <message>
        <source>no USB access here; use --emulator DIR</source>
        <translation>brak dostępu do USB; użyj --emulator DIR</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration image (it must be exactly %2 bytes)</source>
        <translation>%1 to nie obraz konfiguracji (wymagany rozmiar: dokładnie %2 B)</translation>
    </message>
    <message>
        <source>--set: &apos;%1&apos; is not NAME=VALUE</source>
        <translation>--set: &apos;%1&apos; to nie NAME=VALUE</translation>
    </message>
    <message>
        <source>--set: unknown setting %1</source>
        <translation>--set: nieznane ustawienie %1</translation>
    </message>
    <message>
        <source>--time: &apos;%1&apos; is not a number of seconds</source>
        <translation>--time: &apos;%1&apos; to nie liczba sekund</translation>
    </message>
    <message>
        <source>Change a setting first, repeatable: a text, a list&apos;s index, a check box&apos;s 0 or 1.</source>
        <translation>Najpierw zmienia ustawienie, można powtarzać: tekst, indeks listy, 0 lub 1 pola wyboru.</translation>
    </message>
    <message>
        <source>Take &quot;now&quot; as EPOCH seconds since 1970-01-01 UTC (clock fields, write stamp).</source>
        <translation>Przyjmuje jako „teraz” EPOCH: liczbę sekund od 1970-01-01 UTC (pola zegara, znacznik zapisu).</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Plik do zapisania.</translation>
    </message>
    <message>
        <source>The image file (see above).</source>
        <translation>Plik obrazu (zobacz wyżej).</translation>
    </message>
    <message>
        <source>Use the emulated appliances kept in DIR, not USB.</source>
        <translation>Używa emulowanych urządzeń z DIR zamiast USB.</translation>
    </message>
    <message>
        <source>Pick an appliance by its path or serial number.</source>
        <translation>Wybiera urządzenie po ścieżce lub numerze seryjnym.</translation>
    </message>
    <message>
        <source>Log failed exchanges with the HID layer&apos;s reason.</source>
        <translation>Przy błędzie wymiany podaje przyczynę z warstwy HID.</translation>
    </message>
    <message>
        <source>Say only what went wrong.</source>
        <translation>Wypisuje tylko komunikaty o błędach.</translation>
    </message>
    <message>
        <source>%1 could not be compared</source>
        <translation>nie można porównać %1</translation>
    </message>
    <message numerus="yes">
        <source>gave up waiting for %1 after %n seconds; nothing was changed</source>
        <translation>
            <numerusform>przerwano oczekiwanie na %1 po %n sekundzie; niczego nie zmieniono</numerusform>
            <numerusform>przerwano oczekiwanie na %1 po %n sekundach; niczego nie zmieniono</numerusform>
            <numerusform>przerwano oczekiwanie na %1 po %n sekundach; niczego nie zmieniono</numerusform>
        </translation>
    </message>
    <message>
        <source>Go on with a line per appliance attached or detached.</source>
        <translation>Działa dalej, wypisując wiersz o każdym podłączonym lub odłączonym urządzeniu.</translation>
    </message>
    <message>
        <source>Print every attached Orvik 2.0, one a line: its path, then its serial number
when it tells one. Exit status 1, with &quot;Orvik 2.0 not found.&quot;, when none is
attached. With --watch, go on until interrupted: a line per appliance attached
or detached, &quot;attached&quot; or &quot;detached&quot;, its path and its serial number, split
by tabs.</source>
        <translation>Wypisuje każde podłączone urządzenie Orvik 2.0, po jednym w wierszu: ścieżkę,
a potem numer seryjny, jeśli urządzenie go podaje. Gdy żadne nie jest
podłączone, wypisuje „Nie znaleziono urządzenia Orvik 2.0.” i kończy się kodem
wyjścia 1. Z --watch działa do przerwania i wypisuje wiersz o każdym
podłączonym lub odłączonym urządzeniu: „attached” lub „detached”, jego ścieżkę
i numer seryjny, rozdzielone tabulatorami.</translation>
    </message>
    <message>
        <source>Wait until no appliance is attached.</source>
        <translation>Czeka, aż żadne urządzenie nie będzie podłączone.</translation>
    </message>
    <message>
        <source>Give up after SECONDS.</source>
        <translation>Przestaje czekać po SECONDS sekundach.</translation>
    </message>
    <message>
        <source>--timeout: &apos;%1&apos; is not a number of seconds from 0 to %2</source>
        <translation>--timeout: &apos;%1&apos; nie jest liczbą sekund od 0 do %2</translation>
    </message>
    <message>
        <source>an Orvik 2.0 is still attached</source>
        <translation>Orvik 2.0 jest nadal podłączony</translation>
    </message>
    <message>
        <source>no Orvik 2.0 was attached in time</source>
        <translation>żaden Orvik 2.0 nie został podłączony w wyznaczonym czasie</translation>
    </message>
    <message>
        <source>wait for an appliance to be attached</source>
        <translation>czeka na podłączenie urządzenia</translation>
    </message>
    <message>
        <source>Wait until an Orvik 2.0 is attached (at once when one is), or, with --detach,
until none is. Exit status 0 then, 1 when --timeout SECONDS pass first, 130
when interrupted. Between wait and wait --detach, a script configures one
appliance after another (see the README).</source>
        <translation>Czeka, aż zostanie podłączone urządzenie Orvik 2.0 (jeśli już jest, kończy od
razu), a z --detach, aż żadne nie będzie podłączone. Kod wyjścia: 0, gdy się
doczeka, 1, gdy wcześniej upłynie --timeout SECONDS, 130 po przerwaniu. Skrypt,
który konfiguruje urządzenie między wait a wait --detach, skonfiguruje w ten
sposób jedno urządzenie po drugim (zob. README).</translation>
    </message>
    <message>
        <source>cannot hear appliances come and go: %1</source>
        <translation>nie można śledzić podłączania i odłączania urządzeń: %1</translation>
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
        <translation>Wykonuje każde sprawdzenie „Zapisz konfig.” na ustawieniach, które wypisałoby
show (pola zegara przyjmują „teraz”, gdy zaznaczone jest Uploadpctime), i
wypisuje po jednym wierszu na każde błędne ustawienie, w kolejności sprawdzeń:
NAME: KOMUNIKAT, np. Latitude: Szerokość stacji - błąd składni (np. 5221.60N,
format: DDMM.MM). Hasło APRS-IS inne niż passcode obliczony z loginu i inne
niż -1, pozycja na morzu, która przy przeciwnej literze półkuli byłaby na
lądzie, oraz pozycja beaconu dalej niż 5 km od pozycji stacji dodają po
jednym wierszu „warning: ...”, który nie oznacza błędu. Niczego nie zapisuje.
Kod wyjścia 0: wszystkie sprawdzenia przeszły, 1: któreś nie.</translation>
    </message>
    <message>
        <source>print the station&apos;s locator and country</source>
        <translation>wypisuje lokator i kraj stacji</translation>
    </message>
    <message>
        <source>Print the Maidenhead locator of Latitude and Longitude and the country the
position lies in, or &quot;sea&quot;, in English on one line: JO82lj Poland.
CONFIG.cfg and the --set options are read as show reads them. Exit status
1: Latitude or Longitude fails its check, whose message is printed.</source>
        <translation>Wypisuje lokator Maidenhead pozycji z Latitude i Longitude oraz kraj, w którym
leży, albo „sea”, po angielsku, w jednym wierszu: JO82lj Poland.
CONFIG.cfg i opcje --set są czytane tak jak przez show. Kod wyjścia
1: Latitude lub Longitude nie przechodzi sprawdzenia; wypisuje jego komunikat.</translation>
    </message>
</context>
</TS>
