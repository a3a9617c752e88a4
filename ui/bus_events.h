#pragma once

class QString;
class QWidget;

// Events sent to a screen reader on the accessibility bus where Qt's own fall short. Both do
// nothing while no accessibility bus is connected (no screen reader, or the tests' offscreen
// platform).

// Tells that a control's description changed, with `news` as the event's value. Qt sends its
// own event for a new description, but it carries the control instead of the text, and a
// screen reader speaks only the text the event carries; this one is what makes news on the
// focused control heard. The news may be shorter than the description, which keeps the whole
// state for the reader's "where am I".
void sendDescriptionChanged(QWidget *control, const QString &news);

// Tells that `root` and every control shown inside it are showing. A screen reader keeps the
// states it read while a window or tab page was hidden, and Qt tells only the shown widget
// itself, so without this the screen reader's review would skip the controls inside it.
void sendShown(QWidget *root);

// Tells whether `control` is showing as its accessible state has it: a control on the screen
// that only repeats another (ui/accessible_picture.h) is not, and a screen reader's review
// skips it. Qt itself tells a shown control as showing.
void sendShowingState(QWidget *control);

// Tells that `window` became the active window, for a window the window system never activates
// (the start-up window): a screen reader then reads it out. False while no accessibility bus is
// connected, which Qt does only a moment after the program starts.
bool sendWindowActivated(QWidget *window);
