#include "ui/input_gate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

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
    // The window system delivers keys to the window.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && m_repeats.isRepeat(*static_cast<QKeyEvent *>(event), *window))
            return true;
    }
    return false;
}
