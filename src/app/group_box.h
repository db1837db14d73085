#pragma once

class QGroupBox;
class QString;
class QWidget;

namespace orvik {

// A group box drawn as the places were laid out for: the frame line runs
// through the middle of the caption, so the controls placed 14 pixels below
// the group's top stand inside the frame. Styles such as Fusion draw the
// caption above the frame instead, which puts the frame line through them.
QGroupBox* makeGroupBox(const QString& title, QWidget* parent);

} // namespace orvik
