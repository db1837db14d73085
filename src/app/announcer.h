#pragma once

#include <QWidget>

namespace orvik {

// Says a line to screen readers without moving the keyboard focus. Qt 6.4's
// AT-SPI bridge has no announcement, so this is a notification that never
// shows on the screen and tells the readers it has just appeared, as
// desktop notifications do; Orca speaks those wherever the focus is.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

} // namespace orvik
