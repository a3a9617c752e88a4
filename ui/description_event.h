#pragma once

class QWidget;

// Tells a screen reader on the accessibility bus that a control's description changed, with
// the new text as the event's value. Qt sends its own event for a new description, but it
// carries the control instead of the text, and a screen reader speaks only the text the event
// carries; this one is what makes news on the focused control heard. Does nothing while no
// accessibility bus is connected (no screen reader, or the tests' offscreen platform).
void sendDescriptionChanged(QWidget *control);
