#pragma once

#include <QString>

namespace orvik {

// A program's arguments reach Qt as text; one whose bytes are not valid in
// the system's encoding (0xE9 alone under UTF-8) comes back from that text
// as other bytes, so a file it names would be another file. The first
// argument after the program's name that does not come back byte for byte,
// each byte that is not part of a valid character written \xNN; empty when
// every one does.
[[nodiscard]] QString unusableArgument(int argc, const char* const* argv);

// The message that refuses it, after the program's name and ": ".
[[nodiscard]] QString unusableArgumentMessage(const QString& shown);

} // namespace orvik
