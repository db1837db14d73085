#include "language/language.h"
#include "support/private_home.h"
#ifdef ORVIK_WINDOW_TESTS
#include "app/test_application.h"
#else
#include <QCoreApplication>
#endif

#include <cstdio>
#include <gtest/gtest.h>

namespace {

// --locale=NAME: the program runs as a user of NAME runs it, LANG alone
// saying the language, whatever the machine's own locale.
void takeLocale(int argc, char** argv)
{
    const QByteArray option = "--locale=";
    for (int i = 1; i < argc; ++i) {
        if (const QByteArray arg = argv[i]; arg.startsWith(option)) {
            for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
                qunsetenv(overriding);
            qputenv("LANG", arg.mid(option.size()));
        }
    }
}

} // namespace

// Every test program's main. Its home is a private one (PrivateHome), also
// when a single test runs alone. It starts as the programs do, the
// application taking its locale from the environment; the tests pin the
// English texts, which CTest has them read in the C locale and again in an
// English one (en_GB.UTF-8) that must leave each text as it is.
int main(int argc, char** argv)
{
    takeLocale(argc, argv);
    const orvik::test::PrivateHome home;
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (const QString language = orvik::userLanguage(); !language.isEmpty()) {
        std::fprintf(stderr,
                     "The tests expect the English texts, and this locale asks for %s: run them "
                     "with --locale=C or LC_ALL=C, as CTest does.\n",
                     qPrintable(language));
        return 1;
    }
#ifdef ORVIK_WINDOW_TESTS
    testInterrupts(); // before any thread, as in the program
    ensureApplication();
#else
    QCoreApplication application(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
