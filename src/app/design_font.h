#pragma once

#include <QFont>

namespace orvik {

// The windows were laid out for "MS Sans Serif" 8 points, 11 pixels high;
// where that font is missing, a sans serif of the same height keeps the places.
QFont designFont(QFont font);

} // namespace orvik
