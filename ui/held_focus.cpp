#include "ui/held_focus.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> heldControl;
bool focusHeld = false;
QAccessible::UpdateHandler passOn = nullptr;

void filterFocusNews(QAccessibleEvent *event)
{
    if (heldControl && event->type() == QAccessible::Focus && event->object() == heldControl) {
        focusHeld = true;
        return;
    }
    // Without a handler Qt hands the event to the platform's screen-reader bridge.
    QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(passOn);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

} // namespace

void holdFocusNews(QWidget *control)
{
    static const bool installed = [] {
        passOn = QAccessible::installUpdateHandler(filterFocusNews);
        return true;
    }();
    Q_UNUSED(installed);
    heldControl = control;
    focusHeld = false;
}

void releaseFocusNews(QWidget *control)
{
    if (heldControl != control)
        return;
    heldControl = nullptr;
    if (focusHeld && control->hasFocus()) {
        QAccessibleEvent focus(control, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    focusHeld = false;
}
