#pragma once

#include "files/result.h"

#include <QString>
#include <QStringList>

namespace orvik {

class Settings;

// "Save to file" after the dialog. Every value is prepared before the first
// byte is written: a numeric field that does not convert fails with
// notANumber, and a text that a line of the file cannot hold (a character
// Latin-1 cannot hold, a line break) is refused for the information box;
// either way the file stays as it was. The keys then replace their values in
// the file, which is replaced as a whole (updateIniFile). A file that cannot
// be written or updated stays as it was and fails with "Unable to write to
// <full path>" for the error box, its reason() saying why for orvikctl's one
// line; the box gives the reason too when another program is updating the
// file, or it is not a configuration file.
Result<> ExportConfigFile(const Settings& settings, const QString& path);

// "Read from file" after the dialog. Fails for the information box when the
// file is not one of ours (also when it cannot be read at all) or is UTF-16
// text, and for the error box when the import runs out of memory; otherwise
// puts the values into the settings (the clock fields stay as they are), with
// a note for the information box when the file is of another version.
// Succeeds with one line for the log per number, list index or flag in the
// file that is not a number, whose default was taken: "warning: Ipmask3: 'x'
// is not a number; 0 was taken.", and one per text too long to be taken
// whole, of which the start was taken.
Result<QStringList> ImportConfigFile(Settings& settings, const QString& path);

} // namespace orvik
