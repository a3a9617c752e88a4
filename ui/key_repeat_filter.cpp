#include "ui/key_repeat_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

KeyRepeatFilter::KeyRepeatFilter(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

KeyRepeatFilter::~KeyRepeatFilter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyRepeatFilter::eventFilter(QObject *watched, QEvent *event)
{
    // The window system delivers keys to the window.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && m_repeats.isRepeat(*static_cast<QKeyEvent *>(event), *window))
            return true;
    }
    return false;
}
