#include "language/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace orvik {

namespace {

// Where the build puts the compiled translations, orvik_LL.qm, into the
// programs.
const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("orvik_");
const QString kSuffix = QStringLiteral(".qm");

// Texts of Qt's that its own translations (Debian 12's) leave in English in
// one of our languages. They are marked here so that the program's
// translation, consulted before Qt's, words them.
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

QStringList translatedLanguages()
{
    QStringList languages = QDir(kFolder).entryList({kPrefix + '*' + kSuffix});
    for (QString& file : languages)
        file = file.mid(kPrefix.size()).chopped(kSuffix.size());
    return languages;
}

QString userLanguage()
{
    // The messages' locale as the C library takes it. Not QLocale::system(),
    // which takes the first language of LANGUAGE, known or not, for it.
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (messages = qEnvironmentVariable(variable); !messages.isEmpty())
            break;
    }
    if (QLocale(messages).language() == QLocale::C)
        return {};
    const QStringList translated = translatedLanguages();
    // A language Qt does not know reads as C, and is skipped.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return {};
        if (const QString code = QLocale::languageToCode(language); translated.contains(code))
            return code;
    }
    return {};
}

QString translationLanguage()
{
    // As Qt's own translations say their layout direction.
    return QCoreApplication::translate("Window", "en",
                                       "The two-letter code of the language of this translation");
}

Translation::Translation(const QString& language)
{
    if (language.isEmpty() || !program_.load(kPrefix + language, kFolder))
        return;
    // The program's own come first, so that it may word a text of Qt's anew.
    if (qt_.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&program_);
}

} // namespace orvik
