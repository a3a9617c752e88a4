#include "app/input_gate.h"

namespace {

// A modal dialog runs its own event loop and must get the player's input.
bool opensDialog(Command::Kind kind)
{
    return kind == Command::Kind::New || kind == Command::Kind::Exit || kind == Command::Kind::About;
}

} // namespace

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
    if (m_busyDepth++ == 0)
        emit busyChanged(true);
    action();
    if (--m_busyDepth == 0)
        emit busyChanged(false);
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
