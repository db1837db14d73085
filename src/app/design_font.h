#pragma once

#include <QFont>
#include <functional>

namespace orvik {

// The windows were laid out for "MS Sans Serif" 8 points, 11 pixels high.
// Liberation Sans (which the package depends on) and its twins have the widths
// the places were tuned for; any other sans serif of the same height stands in.
QFont designFont(QFont font);

// The first of the design font and ever narrower or smaller forms of it for
// which `fits` holds, or the narrowest when none does. Each form is judged on
// the font it resolves to: a narrower request may bring a condensed face
// whose widths follow no simple factor.
QFont fittedFont(const QFont& design, const std::function<bool(const QFont&)>& fits);

} // namespace orvik
