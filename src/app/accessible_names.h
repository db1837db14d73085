#pragma once

class QWidget;

namespace orvik {

class SettingBindings;

// Gives the controls of `window` the names a screen reader says where their
// labels do not name them well: the fields with no label of their own
// (octets, ports, the weather and beacon rows), those whose label names
// another field too, and the log and the progress bar. The others are named
// by their labels and captions. A label standing for a named field says the
// same name, as screen readers read a field by its label.
void nameControls(QWidget& window, const SettingBindings& bindings);

} // namespace orvik
