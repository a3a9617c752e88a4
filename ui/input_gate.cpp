#include "ui/input_gate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace {

bool isPlayerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// A modal dialog runs its own event loop and must get the player's input.
bool opensDialog(Command::Kind kind)
{
    return kind == Command::Kind::New || kind == Command::Kind::Exit || kind == Command::Kind::About;
}

} // namespace

InputGate::InputGate(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void InputGate::perform(const Command &command, std::function<void()> action)
{
    if (isBusy()) {
        m_waiting.push_back([this, command, action = std::move(action)] { perform(command, action); });
        return;
    }
    if (opensDialog(command.kind)) {
        action();
        return;
    }
    ++m_busyDepth;
    action();
    --m_busyDepth;
    drain();
}

void InputGate::drain()
{
    while (!isBusy() && !m_waiting.empty()) {
        auto next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    // The window system delivers keys to the window, and held input is replayed to it.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && m_repeats.isRepeat(*static_cast<QKeyEvent *>(event), *window))
            return true;
    }
    if (!isBusy())
        return false;
    // An access key or menu shortcut reaches its receiver (a button, a shortcut, an action) as
    // a shortcut event instead of the key press.
    if (event->type() != QEvent::Shortcut) {
        if (!isPlayerInput(event->type()))
            return false;
        if (!qobject_cast<QWidget *>(watched) && !qobject_cast<QWindow *>(watched))
            return false;
    }
    std::shared_ptr<QEvent> held(event->clone());
    QPointer<QObject> target(watched);
    m_waiting.push_back([target, held] {
        if (target)
            QCoreApplication::sendEvent(target, held.get());
    });
    return true;
}
