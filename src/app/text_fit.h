#pragma once

#include <QString>

class QWidget;

namespace orvik {

// Why the text that `widget` shows is cut off or covered where it stands:
// a caption wider than its button, a label running into a field, a group's
// caption wider than the group, a control standing on a group's frame line,
// tabs wrapping into more than two rows. Empty when it fits, or when the
// widget shows no fixed text.
QString textMisfit(const QWidget& widget);

// True when no text within `window` misfits.
bool textsFit(const QWidget& window);

} // namespace orvik
