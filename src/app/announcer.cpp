#include "app/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace orvik {

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    auto* announcer = qobject_cast<Announcer*>(object);
    if (announcer && className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    static_cast<void>(installed);
    setObjectName(QStringLiteral("Announcer"));
    // Never shown, and it takes no room among the window's controls.
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace orvik
