#pragma once

class QWidget;

// A window of fixed size offers neither resizing nor maximising. Qt tells the X11 window manager
// the fixed size, but its Motif hints always offer resizing, which some window managers follow
// with a resize frame or a maximise command that does nothing; this takes that offer back. Call
// it from the window's showEvent, before the window is mapped. Elsewhere (Wayland) the fixed size
// and the window flags are all there is to tell, and this does nothing.
void offerNoResizing(QWidget &window);
