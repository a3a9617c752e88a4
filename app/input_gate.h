#pragma once

#include "app/command.h"

#include <QObject>
#include <deque>
#include <functional>

// When a player's command is carried out. An operation that pauses (a deal, a card rising) runs
// whole: a command given meanwhile (an access key's delayed click, a menu shortcut, a screen
// reader's press) waits behind it and is carried out after it, in the order commands came:
// deferred, never dropped. (The clicks and keys themselves wait in the window system's queue:
// the clock's pauses exclude user input from their event loop.)
class InputGate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isBusy() const { return m_busyDepth > 0; }

    // The one way in for a player's command: `action` carries it out. When idle it runs now,
    // holding input back until it returns, except for the menu commands, which may open a modal
    // dialog that must get its input. A command given while an operation runs waits its turn;
    // the round's state at that moment decides what it does.
    void perform(const Command &command, std::function<void()> action);

signals:
    // An operation began (true) or ended (false).
    void busyChanged(bool busy);

private:
    void drain();

    int m_busyDepth = 0;
    std::deque<std::function<void()>> m_waiting;
};
