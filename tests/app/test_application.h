#pragma once

#include "device/signal_watcher.h"

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

// The watcher a program's main makes before any thread; the window tests' one,
// made by their main before the application, lives as long as they run.
inline orvik::SignalWatcher& testInterrupts()
{
    static orvik::SignalWatcher watcher;
    return watcher;
}
