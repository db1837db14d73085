#pragma once

#include <QApplication>

// Window tests share one QApplication for the whole test program; whichever
// test comes first makes it.
inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "orvik_app_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
