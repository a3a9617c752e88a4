#pragma once

#include <QRect>
#include <QSize>

// Where the coach's window goes, as frames (title bar and borders included) in the screen's
// logical coordinates: beside the main window on the right or left when the screen has room,
// else below or above it, else wherever it covers the least of the main window. The frame
// returned always lies wholly inside `available`; a coach larger than it is made smaller.
QRect placeCoach(const QRect &mainFrame, const QSize &coachFrame, const QRect &available);
