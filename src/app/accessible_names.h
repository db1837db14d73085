#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace orvik {

// The name a screen reader says for a control that its label does not name
// well: a field with no label of its own (octets, ports, the weather and
// beacon rows), one whose label names another field too, and the window's
// log and progress bar. The others are named by their labels and captions.
struct ControlName {
    QString object;   // the control's object name
    const char* text; // "%1" stands for `number`
    int number = 0;   // 0: none
    QString name() const;
};

const std::vector<ControlName>& controlNames();

// Gives the controls of `window` their names. A label standing for a named
// field says the same name, as screen readers read a field by its label.
void nameControls(QWidget& window);

} // namespace orvik
