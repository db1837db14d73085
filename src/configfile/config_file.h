#pragma once

#include <QString>

namespace orvik {

class Reporter;
class Settings;

// "Save to file" after the dialog. Every value is prepared before the first
// byte is written: a numeric field that does not convert throws
// ConversionError, and a character Latin-1 cannot hold is refused in the
// information box (returns false); either way the file stays as it was. The
// 90 keys then replace their values in the file, which is replaced as a whole
// (a temporary file beside it, then a rename). A file that cannot be written
// throws OperationError "Unable to write to <full path>".
[[nodiscard]] bool ExportConfigFile(const Settings& settings, const QString& path,
                                    Reporter& reporter);

// "Read from file" after the dialog. False, with the information box, when the
// file is not one of ours; otherwise warns once about another version and
// puts the 87 values into the settings (the clock fields stay as they are).
[[nodiscard]] bool ImportConfigFile(Settings& settings, const QString& path, Reporter& reporter);

} // namespace orvik
