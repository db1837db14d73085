#pragma once

#include "files/result.h"

#include <QString>

namespace orvik {

class Settings;

// "Save to file" after the dialog. Every value is prepared before the first
// byte is written: a numeric field that does not convert throws
// ConversionError, and a text that a line of the file cannot hold (a character
// Latin-1 cannot hold, a line break) is refused for the information box;
// either way the file stays as it was. The keys then replace their values in
// the file, which is replaced as a whole (writeFileAtomically). A file that
// cannot be written, or is UTF-16 text, stays as it was and fails with "Unable
// to write to <full path>" for the error box, its reason() saying why in the
// system's words for orvikctl's one line.
Result<> ExportConfigFile(const Settings& settings, const QString& path);

// "Read from file" after the dialog. Fails for the information box when the
// file is not one of ours (also when it cannot be read at all) or is UTF-16
// text, and for the error box when the import runs out of memory; otherwise
// puts the values into the settings (the clock fields stay as they are), with
// a note for the information box when the file is of another version.
Result<> ImportConfigFile(Settings& settings, const QString& path);

} // namespace orvik
