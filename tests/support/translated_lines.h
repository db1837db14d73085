#pragma once

#include <QString>

// What orvikctl says in Polish and German, as their translations word it:
// enough lines to see that it speaks the user's language, and that keys,
// setting names and values stay as they are.
namespace orvik::test {

inline const QString kPolish = "pl_PL.UTF-8";
inline const QString kGerman = "de_DE.UTF-8";

inline const QString kPolishUsage = "Użycie: orvikctl COMMAND [opcje] [argumenty]";
inline const QString kGermanWriteUsage = "Aufruf: orvikctl write [Optionen] [CONFIG.cfg]";
inline const QString kPolishNoneAttached =
    "orvikctl: żaden Orvik 2.0 nie został podłączony w wyznaczonym czasie\n";
inline const QString kPolishStillAttached = "orvikctl: Orvik 2.0 jest nadal podłączony\n";
inline const QString kPolishUnknownCommand =
    "nieznane polecenie frobnicate (zobacz orvikctl --help)";
inline const QString kGermanUnknownSetting =
    "--set: unbekannte Einstellung Nope (siehe orvikctl save --help)";
inline const QString kPolishRefusedPage = "Zapisano stronę: 6/192\nBłąd zapisu strony: 7/192\n";
inline const QString kGermanWritten =
    "Seite geschrieben: 192/192\nEeprom erfolgreich geschrieben\n";
inline const QString kGermanOldFirmware =
    "Inkompatible Firmware-Version:\nGerät: 1.01\nKonfigurator: 1.02\n\nSpielen Sie mit "
    "„Firmware flashen“ neue Firmware auf.\n";
// `check` of the faults in CheckListsEveryFaultOfAFileInRuleOrderAndWarnsOfThePasscode.
inline const QString kGermanCheck =
    "Latitude: Breitengrad der Station - Syntaxfehler (z. B. 5221.60N, Format: DDMM.MM).\n"
    "Callsign: Callsign - Text zu lang (höchstens 6 Zeichen).\n"
    "Ssid: 'x' ist keine gültige Ganzzahl.\n"
    "warning: Der APRS-IS-Passcode passt nicht zum Login NOCALL (erwartet: 12960); die Server "
    "nehmen die Anmeldung an, verwerfen aber die gesendeten Daten.\n"
    "Beacon3_msg: Text der Bake 3 - unzulässige Zeichen.\n"
    "Rtcmonth: RTC-Monat - Wert außerhalb des Bereichs (1 - 12).\n";
// `check` of a file holding Ipmask3=x: the import's warning, the check's.
inline const QString kPolishWarnings =
    "warning: Ipmask3: 'x' nie jest liczbą; przyjęto 0.\nwarning: Passcode APRS-IS nie pasuje do "
    "loginu NOCALL (oczekiwano: 12960); serwery przyjmą logowanie, ale zignorują wysyłane "
    "raporty.\n";
inline const QString kGermanWarnings =
    "warning: Ipmask3: 'x' ist keine Zahl; 0 wurde übernommen.\nwarning: Der APRS-IS-Passcode "
    "passt "
    "nicht zum Login NOCALL (erwartet: 12960); die Server nehmen die Anmeldung an, verwerfen aber "
    "die gesendeten Daten.\n";

} // namespace orvik::test
