#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace orvik {

// The languages the programs carry a translation into ("de", "pl").
QStringList translatedLanguages();

// The language the user reads, of those the programs speak: the first of the
// user's languages as Qt reads them (LANGUAGE, else LC_ALL, LC_MESSAGES or
// LANG) that is English or has a translation. Empty for English, the
// language of the texts themselves, and also where the messages' locale is C
// or POSIX, which makes LANGUAGE count for nothing, as it does for programs
// translated with gettext: a script that sets LC_ALL=C reads English.
QString userLanguage();

// The two-letter code of the language of the translation installed now, as
// the translation names itself ("pl"); "en" without one.
QString translationLanguage();

// The program's translation into `language`, and Qt's own for its dialogs
// and buttons where it is installed, for as long as this lives. English, or a
// language without a translation, installs nothing. Needs the application.
class Translation {
public:
    explicit Translation(const QString& language);

private:
    QTranslator qt_;
    QTranslator program_;
};

} // namespace orvik
