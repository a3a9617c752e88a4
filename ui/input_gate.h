#pragma once

#include "ui/command.h"
#include "ui/key_repeats.h"

#include <QObject>
#include <deque>
#include <functional>

// The way in for the player's commands while an operation that pauses (a deal, a card rising)
// runs: a command given meanwhile is carried out only after the whole operation, in the order
// commands came: deferred, never dropped. (The clicks and keys themselves wait in the window
// system's queue: the clock's pauses exclude user input from their event loop.) Only the
// repeats of a held key that presses a button or marks a card are dropped, at any time: one
// physical press, one action.
class InputGate : public QObject {
    Q_OBJECT
public:
    explicit InputGate(QObject *parent = nullptr);
    ~InputGate() override;

    bool isBusy() const { return m_busyDepth > 0; }

    // The one way in for a player's command: `action` carries it out. When idle it runs now,
    // holding input back until it returns, except for the menu commands, which may open a modal
    // dialog that must get its input. A command given while an operation runs (an access key's
    // delayed click, a menu shortcut) waits its turn behind the input that came before it; the
    // round's state at that moment decides what it does.
    void perform(const Command &command, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drain();

    KeyRepeats m_repeats;
    int m_busyDepth = 0;
    std::deque<std::function<void()>> m_waiting;
};
