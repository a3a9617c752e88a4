#pragma once

class PictureBox;
class QAccessibleInterface;

// A picture as a screen reader sees it: named by what it shows, and a picture of text (a help
// topic, the About text) readable as text, line by line, one sentence a line.
QAccessibleInterface *accessiblePicture(PictureBox *picture);
