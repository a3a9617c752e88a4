#include "ui/coach_placement.h"

#include <QtGlobal>
#include <array>

namespace {

constexpr int kGap = 8;

QRect clampedInto(QRect frame, const QRect &available)
{
    frame.moveLeft(qBound(available.left(), frame.left(), available.right() - frame.width() + 1));
    frame.moveTop(qBound(available.top(), frame.top(), available.bottom() - frame.height() + 1));
    return frame;
}

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect placeCoach(const QRect &mainFrame, const QSize &coachFrame, const QRect &available)
{
    const QSize size = coachFrame.boundedTo(available.size());
    const std::array<QPoint, 4> tries{
        QPoint(mainFrame.right() + 1 + kGap, mainFrame.top()),           // right
        QPoint(mainFrame.left() - kGap - size.width(), mainFrame.top()), // left
        QPoint(mainFrame.left(), mainFrame.bottom() + 1 + kGap),         // below
        QPoint(mainFrame.left(), mainFrame.top() - kGap - size.height()) // above
    };
    // A side where the whole coach fits beside the main window, sliding along it if need be.
    for (const QPoint &corner : tries) {
        const QRect frame = clampedInto(QRect(corner, size), available);
        if (!frame.intersects(mainFrame))
            return frame;
    }
    QRect best;
    qint64 leastCovered = -1;
    for (const QPoint &corner : tries) {
        const QRect frame = clampedInto(QRect(corner, size), available);
        const qint64 covered = overlap(frame, mainFrame);
        if (leastCovered < 0 || covered < leastCovered) {
            best = frame;
            leastCovered = covered;
        }
    }
    return best;
}
