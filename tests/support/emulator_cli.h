#pragma once

#include "support/run_orvikctl.h"
#include "support/temp_files.h"

namespace orvik::test {

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

    const QString emu = dir.filePath("appliance");
};

} // namespace orvik::test
