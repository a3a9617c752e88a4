#pragma once

#include <QHash>

class QKeyEvent;
class QWindow;

// Whether the window's control with the focus takes typed text (a line edit that is not
// read-only): there every key is text, repeats included.
bool focusTakesText(const QWindow &window);

// Tells the repeats of a held key from presses of their own, for the keys that press a button or
// mark a card: one physical press, one action. X11 repeats a held key as a release and a press
// at the same moment; Qt marks them as repeated only when it sees the two together, so a press
// that comes at the very moment of the same key's release counts as a repeat as well. A quick
// double press still counts twice.
class KeyRepeats {
public:
    // Call for each key event as the window system delivers it to a window, in order; true for a
    // repeat.
    bool isRepeat(const QKeyEvent &event, const QWindow &window);

private:
    QHash<int, quint64> m_releasedAt;   // key -> time stamp of its last release
};
