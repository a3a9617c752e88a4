#include "ui/key_repeats.h"

#include "ui/key_preview.h"

#include <QCoreApplication>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWindow>

namespace {

bool pressesOrMarks(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return true;
    default:
        return cardKeyPosition(event) != 0;
    }
}

} // namespace

bool focusTakesText(const QWindow &window)
{
    QObject *focus = window.focusObject();
    if (!focus)
        return false;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(focus, &query);
    return query.value(Qt::ImEnabled).toBool();
}

bool KeyRepeats::isRepeat(const QKeyEvent &event, const QWindow &window)
{
    if (!pressesOrMarks(event) || focusTakesText(window))
        return false;
    if (event.type() == QEvent::KeyRelease) {
        if (event.timestamp() != 0)
            m_releasedAt.insert(event.key(), event.timestamp());
        return event.isAutoRepeat();
    }
    return event.isAutoRepeat()
        || (event.timestamp() != 0 && m_releasedAt.value(event.key()) == event.timestamp());
}
