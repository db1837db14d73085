#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace orvik {

// While it lives, what the user types and clicks in `window` reaches only the
// widgets `open` names, and the keys that move the focus; nothing is greyed
// for it. For a session that reads or writes the settings: meanwhile nothing
// may change one or start an operation.
class HeldInput : public QObject {
public:
    HeldInput(QWidget& window, std::function<bool(const QWidget&)> open);
    ~HeldInput() override;
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<bool(const QWidget&)> open_;
};

} // namespace orvik
