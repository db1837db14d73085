#pragma once

#include "support/run_orvikctl.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace orvik::test {

inline const QString kFound = "Orvik 2.0 found, vid: Vid_0483, pid: A04F";
// A whole "write" on a terminal: the found line, the progress line drawn over
// itself (operation, page, percent, pace, time left), the success line.
inline const QString kTerminalWrite =
    "^Orvik 2.0 found, vid: Vid_0483, pid: A04F\\n(\\rwrite: page written \\d+/192  \\d+%  "
    "(\\d+|--) pages/s  (\\d+:\\d\\d|-:--) left\\x1b\\[K)+\\nEeprom write success\\n$";

// orvikctl runs against an emulated appliance kept in a folder of the test's own.
class EmulatorCli : public TempFiles {
protected:
    CliRun run(QStringList args)
    {
        args.prepend(emu);
        args.prepend("--emulator");
        return runCli(args);
    }
    static QStringList lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }
    // From `at` in `log`: the appliance found, then its first and last page
    // logged as `done` ("read", "written").
    static void expectEveryPage(const QStringList& log, qsizetype at, const QString& done)
    {
        EXPECT_EQ(log[at], kFound);
        EXPECT_EQ(log[at + 1], "Page " + done + ": 1/192");
        EXPECT_EQ(log[at + 192], "Page " + done + ": 192/192");
    }

    const QString emu = dir.filePath("appliance");
};

} // namespace orvik::test
