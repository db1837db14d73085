#pragma once

#include "configfile/ini_file.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orvik::cli {

// Every input is read up to a configuration file's bound: diff takes either
// kind, and no image or firmware comes near it.
inline constexpr qint64 kLargestInput = kMaxIniFileSize;

// A file a command writes, and the option that names it (for the message).
struct OutputFile {
    QString option;
    QString path;
    // A configuration file updated in place may be the one the command read.
    bool updatesInput = false;
};

// Before a command touches anything: every input can be read (a regular file,
// or a link to one) and no output would replace an input or another output.
// Fails naming the file otherwise.
Result<> checkCommandFiles(const QStringList& inputs, const QList<OutputFile>& outputs);

} // namespace orvik::cli
