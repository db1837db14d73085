#include "app/tab_accessibility.h"

#include "app/tab_control.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace orvik {

namespace {

TabControl* controlOf(const QWidget* tab)
{
    return qobject_cast<TabControl*>(tab->parentWidget());
}

// The tabs come first, then the page they show.
class AccessibleTabList : public QAccessibleWidget {
public:
    explicit AccessibleTabList(TabControl* control)
        : QAccessibleWidget(control, QAccessible::PageTabList)
    {}
    // Named after the selected tab, as QTabBar's list is.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return control().tabText(control().currentIndex());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return control().count() + 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index > control().count())
            return nullptr;
        QWidget* w = index < control().count() ? control().tabButton(index) : control().pages();
        return QAccessible::queryAccessibleInterface(w);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object())
            return -1;
        if (child->object() == control().pages())
            return control().count();
        return control().indexOfTab(qobject_cast<const QWidget*>(child->object()));
    }

private:
    const TabControl& control() const { return *static_cast<const TabControl*>(widget()); }
};

class AccessibleTab : public QAccessibleWidget {
public:
    explicit AccessibleTab(QAbstractButton* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QAbstractButton*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const TabControl& control = *controlOf(widget());
        s.selectable = true;
        s.selected = control.currentIndex() == control.indexOfTab(widget());
        // The selected tab stands for the control while it has the focus.
        s.focusable = true;
        s.focused = s.selected && control.hasFocus();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        TabControl* control = controlOf(widget());
        if (name == pressAction())
            control->setCurrentIndex(control->indexOfTab(widget()));
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (auto* control = qobject_cast<TabControl*>(object);
        control && className == QLatin1String(TabControl::staticMetaObject.className()))
        return new AccessibleTabList(control);
    auto* tab = qobject_cast<QAbstractButton*>(object);
    if (tab && className == QLatin1String("QAbstractButton") && controlOf(tab))
        return new AccessibleTab(tab);
    return nullptr;
}

} // namespace

void installTabAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace orvik
