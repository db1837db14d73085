#pragma once

#include <QString>

namespace orvik {

// The position of a valid Latitude or Longitude text in decimal degrees, for
// checking against a map: "= 52.3847° N". Empty for another setting, or for a
// text that fails its check.
[[nodiscard]] QString decimalPosition(const QString& setting, const QString& text);

} // namespace orvik
