#include "ui/accessible_coach_pages.h"

#include "ui/coach_window.h"

#include <QAccessibleWidget>
#include <QStackedWidget>
#include <QTabWidget>

QAccessibleInterface *accessibleCoachPart(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    // Asked once per class of the object, most derived first: answered for that one only.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (widget->property(kCoachPageProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (qobject_cast<QStackedWidget *>(widget) && qobject_cast<QTabWidget *>(widget->parent())
        && qobject_cast<CoachWindow *>(widget->window()))
        return new QAccessibleWidget(widget, QAccessible::Client);
    return nullptr;
}
