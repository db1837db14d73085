#pragma once

#include <QStringList>
#include <QTextStream>

namespace orvik::cli {

struct Context;

// Runs orvikctl with `args` (without the program name); returns the exit status.
int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err);

// One function per command, each in its own cmd_*.cpp.
int runShow(Context& ctx);
int runPack(Context& ctx);
int runUnpack(Context& ctx);
int runSave(Context& ctx);

} // namespace orvik::cli
