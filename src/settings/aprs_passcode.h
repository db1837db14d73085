#pragma once

#include <QString>
#include <optional>

namespace orvik {

// The APRS-IS passcode of `login`: the 15-bit hash of its callsign (the part
// before any "-SSID"), a to z upper-cased, as the servers compute it.
[[nodiscard]] int aprsPasscode(const QString& login);

// The warning when `password` is neither the login's passcode nor "-1" (the
// receive-only login): the servers accept such a login but drop its reports.
[[nodiscard]] std::optional<QString> passcodeWarning(const QString& login, const QString& password);

} // namespace orvik
