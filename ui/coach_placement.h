#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

// What a window beside the game asks for, as frames (title bar and borders included): the size
// its full layout wishes and the least it fits in, and the least size of its compact layout.
// A window with one layout only has all three alike.
struct CoachSizes {
    QSize full;
    QSize fullLeast;
    QSize compactLeast;

    CoachSizes grownBy(const QMargins &frame) const
    {
        return {full.grownBy(frame), fullLeast.grownBy(frame), compactLeast.grownBy(frame)};
    }
};

// What of the game must stay in sight, in the screen's logical coordinates.
struct TableInSight {
    QList<QRect> keepClear;     // covered only where the screen leaves no other room at all
    QList<QRect> ratherClear;   // covered as little as possible
};

// Where the coach's window (or its warning) goes, as a frame in the screen's logical
// coordinates, wholly inside `available`. Never over `table.keepClear` where any room of the
// screen holds the compact layout; within that, covering as little as possible of
// `table.ratherClear`, then of the main window, then in the full layout rather than the compact
// one, then as large as it wishes, then nearest the main window's right side. Over the main
// window it takes only the least size its layout needs.
QRect placeCoach(const QRect &mainFrame, const CoachSizes &sizes, const TableInSight &table, const QRect &available);

// True when a frame of that size holds the full layout.
inline bool holdsFullLayout(const QSize &frame, const CoachSizes &sizes)
{
    return frame.width() >= sizes.fullLeast.width() && frame.height() >= sizes.fullLeast.height();
}
