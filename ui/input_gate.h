#pragma once

#include "ui/key_repeats.h"

#include <QObject>
#include <deque>
#include <functional>

class QAbstractButton;

// Holds back the player's input while an operation that pauses (a deal, a card rising) runs.
// The window keeps painting during the pauses, but clicks, keys and commands made meanwhile are
// acted upon only after the whole operation, in the order they came: deferred, never dropped.
// Only the repeats of a held key that presses a button or marks a card are dropped, at any time:
// one physical press, one action.
class InputGate : public QObject {
    Q_OBJECT
public:
    explicit InputGate(QObject *parent = nullptr);
    ~InputGate() override;

    bool isBusy() const { return m_busyDepth > 0; }

    // Runs the operation now, holding input back until it returns; while another operation
    // runs, the operation itself waits its turn behind the input that came before it, and then
    // holds input back in the same way.
    void run(std::function<void()> operation);
    // A button's click: runs the operation now when idle. A click that comes while an operation
    // runs (an access key's delayed click) presses the button again afterwards, so the button's
    // state at that moment decides whether anything happens.
    void runClick(QAbstractButton *button, std::function<void()> operation);
    // Runs a command that does not pause (it may open a modal dialog, which must get its
    // input): now when idle, otherwise after the operation and the input that came before it.
    void whenIdle(std::function<void()> command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drain();

    KeyRepeats m_repeats;
    int m_busyDepth = 0;
    std::deque<std::function<void()>> m_waiting;
};
