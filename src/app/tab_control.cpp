#include "app/tab_control.h"

#include "app/tab_accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>

namespace orvik {

namespace {
// Pages stand this far inside the frame: left and right, top and bottom.
constexpr int kPageInsetX = 4;
constexpr int kPageInsetY = 2;
constexpr int kTabVerticalSpace = 6;
} // namespace

class TabButton : public QAbstractButton {
public:
    TabButton(const QString& text, TabControl* control)
        : QAbstractButton(control), control_(control)
    {
        setText(text);
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override
    {
        QStyleOptionTab option;
        initStyleOption(&option);
        const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
        // The style's own height would leave too little of the page under
        // two rows of tabs; the captions need only a little air.
        return {fontMetrics().size(Qt::TextShowMnemonic, text()).width() + hspace,
                fontMetrics().height() + kTabVerticalSpace};
    }

    QStyleOptionTab::TabPosition position = QStyleOptionTab::OnlyOneTab;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionTab option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_TabBarTab, option);
        // The tab shape leaves the focus mark to its bar; here the tab draws it.
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = style()->subElementRect(QStyle::SE_TabBarTabText, &option, this);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    void initStyleOption(QStyleOptionTab* option) const
    {
        option->initFrom(this);
        option->shape = QTabBar::RoundedNorth;
        option->text = text();
        option->position = position;
        // Not a checkable button: a click on the selected tab must not clear it.
        const bool selected = control_->currentIndex() == control_->indexOfTab(this);
        option->state.setFlag(QStyle::State_Selected, selected);
        option->state.setFlag(QStyle::State_Sunken, isDown());
        // The control takes the focus as a whole; its selected tab shows it.
        option->state.setFlag(QStyle::State_HasFocus, selected && control_->hasFocus());
    }

    TabControl* control_;
};

TabControl::TabControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this))
{
    // One stop in the focus chain, as the tabs are one control; a click on a
    // tab gives it the focus, a click on a page's background does not.
    setFocusPolicy(Qt::TabFocus);
    installTabAccessibility();
    const auto shortcut = [this](QKeyCombination keys, int delta) {
        new QShortcut(
            QKeySequence(keys), this, this, [this, delta] { step(delta, true); },
            Qt::WindowShortcut);
    };
    shortcut(Qt::CTRL | Qt::Key_Tab, 1);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
    shortcut(Qt::CTRL | Qt::Key_PageDown, 1);
    shortcut(Qt::CTRL | Qt::Key_PageUp, -1);
}

int TabControl::addTab(QWidget* page, const QString& text)
{
    const int index = count();
    auto* tab = new TabButton(text, this);
    connect(tab, &QAbstractButton::pressed, this, [this, index] {
        setCurrentIndex(index);
        setFocus(Qt::MouseFocusReason);
    });
    tabs_.append(tab);
    stack_->addWidget(page);
    if (current_ < 0)
        setCurrentIndex(index);
    else
        layoutTabs();
    tab->show();
    return index;
}

void TabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    // Read before the old page hides, which would send the focus elsewhere.
    const QWidget* focus = QApplication::focusWidget();
    const bool focusOnPage = focus && stack_->isAncestorOf(focus);
    current_ = index;
    stack_->setCurrentIndex(index);
    layoutTabs();
    if (focusOnPage)
        setFocus(Qt::OtherFocusReason);
    // As QTabBar does: a screen reader announces the newly selected tab.
    if (hasFocus()) {
        QAccessibleEvent focused(tabs_[index], QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
    QAccessibleEvent selected(tabs_[index], QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
    emit currentChanged(index);
}

QString TabControl::tabText(int index) const
{
    return index >= 0 && index < count() ? tabs_[index]->text() : QString();
}

QWidget* TabControl::widget(int index) const
{
    return stack_->widget(index);
}

QWidget* TabControl::tabButton(int index) const
{
    return index >= 0 && index < count() ? tabs_[index] : nullptr;
}

int TabControl::indexOfTab(const QWidget* tab) const
{
    const auto found = std::find(tabs_.cbegin(), tabs_.cend(), tab);
    return found == tabs_.cend() ? -1 : static_cast<int>(found - tabs_.cbegin());
}

QWidget* TabControl::pages() const
{
    return stack_;
}

int TabControl::rowOf(int index) const
{
    for (int r = 0; r < rowCount(); ++r) {
        if (rows_[r].contains(index))
            return r;
    }
    return -1;
}

void TabControl::step(int delta, bool wrap)
{
    if (count() == 0)
        return;
    int next = current_ + delta;
    if (wrap)
        next = (next + count()) % count();
    setCurrentIndex(std::clamp(next, 0, count() - 1));
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    // Keys that a control on a page let pass are not the tabs' business.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step(-1, false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step(1, false);
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        break;
    default:
        event->ignore();
    }
}

void TabControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (current_ >= 0)
        tabs_[current_]->update();
}

void TabControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (current_ >= 0)
        tabs_[current_]->update();
}

void TabControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        layoutTabs();
}

void TabControl::layoutTabs()
{
    // Fill rows greedily in tab order.
    QList<QList<int>> rows;
    QList<int> row;
    int used = 0;
    rowHeight_ = 0;
    for (int i = 0; i < count(); ++i) {
        const QSize hint = tabs_[i]->sizeHint();
        rowHeight_ = std::max(rowHeight_, hint.height());
        if (!row.isEmpty() && used + hint.width() > width()) {
            rows.append(row);
            row.clear();
            used = 0;
        }
        row.append(i);
        used += hint.width();
    }
    if (!row.isEmpty())
        rows.append(row);

    // The rows turn round so that the selected tab's row comes last, on the page.
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].contains(current_)) {
            std::rotate(rows.begin(), rows.begin() + r + 1, rows.end());
            break;
        }
    }
    rows_ = rows;

    for (int r = 0; r < rows_.size(); ++r) {
        const QList<int>& tabs = rows_[r];
        int natural = 0;
        for (int i : tabs)
            natural += tabs_[i]->sizeHint().width();
        // Several rows are stretched to the full width, as one ragged row is not.
        const int spare = rows_.size() > 1 ? std::max(0, width() - natural) : 0;
        int x = 0;
        for (int k = 0; k < tabs.size(); ++k) {
            TabButton* tab = tabs_[tabs[k]];
            const int share = spare / tabs.size() + (k < spare % tabs.size() ? 1 : 0);
            const int w = tab->sizeHint().width() + share;
            tab->setGeometry(x, r * rowHeight_, w, rowHeight_);
            tab->position = tabs.size() == 1       ? QStyleOptionTab::OnlyOneTab
                            : k == 0               ? QStyleOptionTab::Beginning
                            : k == tabs.size() - 1 ? QStyleOptionTab::End
                                                   : QStyleOptionTab::Middle;
            tab->update();
            x += w;
        }
    }
    stack_->setGeometry(frameRect().adjusted(kPageInsetX, kPageInsetY, -kPageInsetX, -kPageInsetY));
    // Hidden pages too: what stands on a page is measured against its size
    // before the page was ever shown.
    for (int i = 0; i < stack_->count(); ++i)
        stack_->widget(i)->setGeometry(stack_->contentsRect());
    update();
}

QRect TabControl::frameRect() const
{
    const int top = rowCount() * rowHeight_;
    return QRect(0, top, width(), height() - top);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = frameRect();
    option.shape = QTabBar::RoundedNorth;
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    if (current_ >= 0)
        option.selectedTabRect = tabs_[current_]->geometry();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

} // namespace orvik
