#include "app/held_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace orvik {

namespace {

// What a user does to a widget, rather than what it is told by the program.
constexpr QEvent::Type kInput[] = {
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::Shortcut,
    QEvent::Wheel,
    QEvent::ContextMenu,
    QEvent::InputMethod,
    QEvent::DragEnter,
    QEvent::DragMove,
    QEvent::Drop,
    QEvent::TouchBegin,
    QEvent::TouchUpdate,
    QEvent::TouchEnd,
};

bool movesFocus(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           (key.modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
}

} // namespace

HeldInput::HeldInput(QWidget& window, std::function<bool(const QWidget&)> open)
    : window_(window), open_(std::move(open))
{
    QApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput()
{
    QApplication::instance()->removeEventFilter(this);
}

bool HeldInput::eventFilter(QObject* watched, QEvent* event)
{
    if (std::find(std::begin(kInput), std::end(kInput), event->type()) == std::end(kInput))
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != &window_ || open_(*widget) || movesFocus(*event))
        return false;
    event->accept(); // taken: not handed on to the parent either
    return true;
}

} // namespace orvik
