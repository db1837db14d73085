#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvik::cli {

struct Context;

// Inputs are read whole; no file of this program comes near this size, so a
// larger one is refused rather than filling the memory.
inline constexpr qint64 kLargestInput = 64 * 1024 * 1024;

// A file a command writes, and the option that names it (for the message).
struct OutputFile {
    QString option;
    QString path;
    // A configuration file updated in place may be the one the command read.
    bool updatesInput = false;
};

// Before a command touches anything: every input can be read (a regular file,
// or a link to one) and no output would replace an input or another output.
// False, with one line naming the file on standard error, otherwise.
[[nodiscard]] bool checkCommandFiles(Context& ctx, const QStringList& inputs,
                                     const QList<OutputFile>& outputs);

} // namespace orvik::cli
