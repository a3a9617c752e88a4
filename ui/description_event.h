#pragma once

class QWidget;

// Has a screen reader speak a control's new accessible description now, as news about that
// control. Qt's own event for a changed description carries the control instead of the text, and
// a screen reader speaks only the text an event carries. From Qt 6.8 on this is Qt's announcement
// event; with an older Qt on Linux, an AT-SPI description change that carries the text, sent on
// Qt's own accessibility-bus connection; elsewhere nothing. Does nothing while no accessibility
// bus is connected (no screen reader, or the tests' offscreen platform).
void announceDescription(QWidget *control);
