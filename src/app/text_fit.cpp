#include "app/text_fit.h"

#include "app/tab_control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace orvik {

namespace {

// The page under two rows of tabs was laid out to hold every row of fields.
constexpr int kMaxTabRows = 2;

// The ink of one line of `text` whose line box starts at `top`.
QRect inkOf(const QFontMetrics& metrics, const QString& text, int left, int top)
{
    return metrics.tightBoundingRect(text).translated(left, top + metrics.ascent());
}

// What a widget covers: of a one-line label only its text's ink, of a check
// box its box and text centred on its row. Places given a row's full height,
// or a font's generous line spacing, may touch without anything hidden.
QRect occupied(const QWidget& w)
{
    const QFontMetrics& metrics = w.fontMetrics();
    if (qobject_cast<const QCheckBox*>(&w)) {
        const int indicator = w.style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &w);
        const int height = std::min(std::max(metrics.height(), indicator), w.height());
        return {w.x(), w.y() + (w.height() - height) / 2, w.width(), height};
    }
    const auto* label = qobject_cast<const QLabel*>(&w);
    if (!label || label->wordWrap())
        return w.geometry();
    const int top =
        label->alignment() & Qt::AlignVCenter ? w.y() + (w.height() - metrics.height()) / 2 : w.y();
    return inkOf(metrics, label->text(), w.x(), top);
}

QString outsideOrCovering(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    if (!parent || widget.isWindow())
        return {};
    if (!parent->rect().contains(widget.geometry()))
        return QStringLiteral("reaches out of %1").arg(parent->objectName());
    for (const QObject* object : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (sibling && sibling != &widget && !sibling->isWindow() &&
            occupied(*sibling).intersects(occupied(widget)))
            return QStringLiteral("overlaps %1").arg(sibling->objectName());
    }
    return {};
}

QString labelMisfit(const QLabel& label)
{
    const QSize needed = label.wordWrap()
                             ? QSize(label.width(), label.heightForWidth(label.width()))
                             : label.sizeHint();
    if (needed.width() > label.width() || needed.height() > label.height())
        return QStringLiteral("needs %1 by %2")
            .arg(QString::number(needed.width()), QString::number(needed.height()));
    return outsideOrCovering(label);
}

QString buttonMisfit(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width();
    if (needed > room.width())
        return QStringLiteral("needs %1 of %2")
            .arg(QString::number(needed), QString::number(room.width()));
    return outsideOrCovering(button);
}

QString groupMisfit(const QGroupBox& group)
{
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QStyle& style = *group.style();
    const QRect caption =
        style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
    const QRect frame =
        style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, &group);
    if (!group.rect().contains(caption))
        return QStringLiteral("caption needs %1").arg(caption.right() + 1);
    // The places inside a group count from a frame line through the caption.
    if (frame.top() != caption.center().y())
        return QStringLiteral("frame line at %1, not through the caption").arg(frame.top());
    const QRect ink = inkOf(group.fontMetrics(), group.title(), caption.left(), caption.top());
    for (const QWidget* child : group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->y() <= frame.top() || child->geometry().intersects(ink))
            return QStringLiteral("%1 stands on the frame line").arg(child->objectName());
    }
    return outsideOrCovering(group);
}

} // namespace

QString textMisfit(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return labelMisfit(*label);
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return buttonMisfit(*button);
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        if (box->sizeHint().width() > box->width())
            return QStringLiteral("needs %1").arg(box->sizeHint().width());
        return outsideOrCovering(*box);
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return groupMisfit(*group);
    if (const auto* tabs = qobject_cast<const TabControl*>(&widget)) {
        if (tabs->rowCount() > kMaxTabRows)
            return QStringLiteral("%1 rows of tabs").arg(tabs->rowCount());
    }
    return {};
}

bool textsFit(const QWidget& window)
{
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    return std::all_of(widgets.cbegin(), widgets.cend(),
                       [](const QWidget* w) { return textMisfit(*w).isEmpty(); });
}

} // namespace orvik
