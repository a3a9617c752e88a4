#include "ui/bus_events.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

#ifdef QUINTDRAW_ATSPI_DBUS

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// Qt's own connection to the accessibility bus: an event must come from the connection that
// serves the control's object, or the screen reader cannot match it to the control.
constexpr auto kBusConnection = "a11y";
constexpr auto kObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr auto kRootPath = "/org/a11y/atspi/accessible/root";

// Sends one event from `control`'s object: its family ("Object", "Window"), kind
// ("PropertyChange", "StateChanged", "Activate"), detail, a number and a value.
// False when there was nobody to tell: no accessibility bus connected (yet).
bool sendEvent(QWidget *control, const char *family, const QString &kind, const QString &detail, int number,
               const QVariant &value)
{
    if (!QAccessible::isActive())
        return false;
    QDBusConnection bus(QString::fromLatin1(kBusConnection));
    if (!bus.isConnected())
        return false;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return false;
    const QString path = QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));

    // The application's root as the event's last member: a (bus name, object path) pair.
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(kRootPath));
    application.endStructure();

    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.") + QLatin1String(family), kind);
    event << detail << number << 0 << QVariant::fromValue(QDBusVariant(value)) << QVariant::fromValue(application);
    return bus.send(event);
}

} // namespace

#else

namespace {

bool sendEvent(QWidget *, const char *, const QString &, const QString &, int, const QVariant &)
{
    return false;
}

} // namespace

#endif

void sendDescriptionChanged(QWidget *control, const QString &news)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement carries the text on every platform.
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(control, news);
        QAccessible::updateAccessibility(&event);
    }
#else
    sendEvent(control, "Object", QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0, news);
#endif
}

void sendShown(QWidget *root)
{
    if (!QAccessible::isActive() || !root->isVisible())
        return;
    QList<QWidget *> controls = root->findChildren<QWidget *>();
    controls.prepend(root);
    for (QWidget *control : std::as_const(controls)) {
        if (control->isWindow() && control != root)
            continue;
        if (!control->isVisible())
            continue;
        for (const char *state : {"visible", "showing"})
            sendEvent(control, "Object", QStringLiteral("StateChanged"), QString::fromLatin1(state), 1, 0);
    }
}

bool sendWindowActivated(QWidget *window)
{
    // Its state already says active; a state-change event besides would make a screen reader take
    // the window as active before the activation, which it would then skip as nothing new.
    return sendEvent(window, "Window", QStringLiteral("Activate"), QString(), 0, 0);
}
