#include "ui/description_event.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QAccessibleAnnouncementEvent>

void announceDescription(QWidget *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(control, control->accessibleDescription());
    QAccessible::updateAccessibility(&event);
}

#elif defined(QUINTDRAW_ATSPI_DBUS)

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// Qt's own connection to the accessibility bus: the event must come from the connection that
// serves the control's object, or the screen reader cannot match it to the focused control.
constexpr auto kBusConnection = "a11y";
constexpr auto kObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr auto kRootPath = "/org/a11y/atspi/accessible/root";

} // namespace

void announceDescription(QWidget *control)
{
    if (!QAccessible::isActive())
        return;
    QDBusConnection bus(QString::fromLatin1(kBusConnection));
    if (!bus.isConnected())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return;
    const QString path = QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));

    // The application's root as the event's last member: a (bus name, object path) pair.
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(kRootPath));
    application.endStructure();

    QDBusMessage event = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                    QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(accessible->text(QAccessible::Description)))
          << QVariant::fromValue(application);
    bus.send(event);
}

#else

void announceDescription(QWidget *) {}

#endif
