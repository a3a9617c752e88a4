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

// Sends one event from an accessible object: its family ("Object", "Window"), kind
// ("PropertyChange", "StateChanged", "Activate"), detail, a number and a value.
// False when there was nobody to tell: no accessibility bus connected (yet).
bool sendEventFrom(QAccessibleInterface *accessible, const char *family, const QString &kind, const QString &detail,
                   int number, const QVariant &value)
{
    if (!QAccessible::isActive() || !accessible)
        return false;
    QDBusConnection bus(QString::fromLatin1(kBusConnection));
    if (!bus.isConnected())
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

bool sendEventFrom(QAccessibleInterface *, const char *, const QString &, const QString &, int, const QVariant &)
{
    return false;
}

} // namespace

#endif

namespace {

// The same from `control`'s object.
bool sendEvent(QWidget *control, const char *family, const QString &kind, const QString &detail, int number,
               const QVariant &value)
{
    return QAccessible::isActive()
        && sendEventFrom(QAccessible::queryAccessibleInterface(control), family, kind, detail, number, value);
}

void sendShowing(QAccessibleInterface *accessible, bool showing)
{
    for (const char *state : {"visible", "showing"})
        sendEventFrom(accessible, "Object", QStringLiteral("StateChanged"), QString::fromLatin1(state), showing ? 1 : 0, 0);
}

} // namespace

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
        sendShowingState(control);
    }
}

void sendShowingState(QWidget *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return;
    const bool showing = control->isVisible() && !accessible->state().invisible;
    sendShowing(accessible, showing);
    // Parts that are no controls of their own (the tabs of the tab row) show with it.
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface *part = accessible->child(i);
        if (part && !part->object())
            sendShowing(part, showing && !part->state().invisible);
    }
}

bool sendWindowActivated(QWidget *window)
{
    // Its state already says active; a state-change event besides would make a screen reader take
    // the window as active before the activation, which it would then skip as nothing new.
    return sendEvent(window, "Window", QStringLiteral("Activate"), QString(), 0, 0);
}
