#pragma once

#include <QString>

namespace orvik {

// A name that does not come back byte for byte from Qt's text of it, each
// byte that is not part of a valid character written \xNN; empty for one that
// does.
[[nodiscard]] QString unusableName(const QByteArray& bytes);

// A program's arguments reach Qt as text; one whose bytes are not valid in
// the system's encoding (0xE9 alone under UTF-8) comes back from that text
// as other bytes, so a file it names would be another file. The first
// argument after the program's name that is an unusableName, shown as that
// shows it; empty when there is none.
[[nodiscard]] QString unusableArgument(int argc, const char* const* argv);

// The message that refuses it, after the program's name and ": ".
[[nodiscard]] QString unusableArgumentMessage(const QString& shown);

} // namespace orvik
