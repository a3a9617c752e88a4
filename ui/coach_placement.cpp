#include "ui/coach_placement.h"

#include <QtGlobal>
#include <algorithm>
#include <tuple>

namespace {

constexpr int kGap = 8;

qint64 areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

qint64 covered(const QRect &frame, const QList<QRect> &rects)
{
    qint64 sum = 0;
    for (const QRect &rect : rects)
        sum += areaOf(frame.intersected(rect));
    return sum;
}

QRect keptAway(const QRect &rect)
{
    return rect.adjusted(-kGap, -kGap, kGap, kGap);
}

// The parts of `available` that keep kGap away from every obstacle: for each band of rows
// between obstacles' edges, the runs of columns no obstacle crosses. Not all of them maximal,
// but every maximal empty rectangle is among them.
QList<QRect> roomsBetween(const QRect &available, const QList<QRect> &obstacles)
{
    QList<int> tops{available.top()};
    QList<int> bottoms{available.bottom()};
    for (const QRect &obstacle : obstacles) {
        tops.append(keptAway(obstacle).bottom() + 1);
        bottoms.append(keptAway(obstacle).top() - 1);
    }
    QList<QRect> rooms;
    for (int top : std::as_const(tops)) {
        for (int bottom : std::as_const(bottoms)) {
            if (top < available.top() || bottom > available.bottom() || top > bottom)
                continue;
            QList<QRect> across;
            for (const QRect &obstacle : obstacles) {
                const QRect away = keptAway(obstacle);
                if (away.top() <= bottom && away.bottom() >= top)
                    across.append(away);
            }
            std::sort(across.begin(), across.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
            int left = available.left();
            for (const QRect &away : std::as_const(across)) {
                if (away.left() > left)
                    rooms.append(QRect(QPoint(left, top), QPoint(qMin(away.left() - 1, available.right()), bottom)));
                left = qMax(left, away.right() + 1);
            }
            if (left <= available.right())
                rooms.append(QRect(QPoint(left, top), QPoint(available.right(), bottom)));
        }
    }
    return rooms;
}

// Where a frame of `length` may start inside [first, last] so that it begins or ends at an
// edge of something it should not cover: the least covering places are among these.
QList<int> starts(int first, int last, int length, const QList<QPair<int, int>> &edges, int preferred)
{
    const int latest = last - length + 1;
    QList<int> result{first, latest, qBound(first, preferred, latest)};
    for (const auto &[low, high] : edges) {
        result.append(qBound(first, low - length, latest));
        result.append(qBound(first, high + 1, latest));
    }
    return result;
}

} // namespace

QRect placeCoach(const QRect &mainFrame, const CoachSizes &sizes, const TableInSight &table, const QRect &available)
{
    const QRect mainAway = keptAway(mainFrame);
    const QPoint preferred(mainAway.right() + 1, mainFrame.top());   // beside it on the right
    QList<QRect> edgesOf = table.keepClear + table.ratherClear;
    edgesOf.append(mainAway);
    QList<QPair<int, int>> columns, rows;
    for (const QRect &rect : std::as_const(edgesOf)) {
        columns.append({rect.left(), rect.right()});
        rows.append({rect.top(), rect.bottom()});
    }

    // Lower is better, field by field.
    using Score = std::tuple<qint64, qint64, qint64, int, qint64, int>;
    QRect best;
    Score bestScore;
    // Rooms clear of the table, and of what it should rather not cover, so that the coach may
    // take the whole of one.
    QList<QRect> rooms;
    for (const QList<QRect> &obstacles : {table.keepClear, table.keepClear + table.ratherClear,
                                          table.keepClear + QList<QRect>{mainFrame},
                                          table.keepClear + table.ratherClear + QList<QRect>{mainFrame}})
        rooms += roomsBetween(available, obstacles);
    // The whole screen comes last: over the table only where no room holds the compact layout.
    rooms.append(available);
    for (const QRect &room : std::as_const(rooms)) {
        const QSize wished = sizes.full.boundedTo(room.size());
        const int layout = holdsFullLayout(wished, sizes) ? 0
                           : wished.width() >= sizes.compactLeast.width()
                                   && wished.height() >= sizes.compactLeast.height()
                               ? 1
                               : 2;
        if (layout == 2 && room != available)
            continue;   // a room too small even for the compact layout is no room
        QList<QSize> tries{wished};
        if (layout < 2)
            tries.append(layout == 0 ? sizes.fullLeast : sizes.compactLeast);
        for (const QSize &size : std::as_const(tries)) {
            for (int x : starts(room.left(), room.right(), size.width(), columns, preferred.x())) {
                for (int y : starts(room.top(), room.bottom(), size.height(), rows, preferred.y())) {
                    const QRect frame(QPoint(x, y), size);
                    const Score score{covered(frame, table.keepClear), covered(frame, table.ratherClear),
                                      areaOf(frame.intersected(mainAway)), layout, -areaOf(frame),
                                      (frame.topLeft() - preferred).manhattanLength()};
                    if (best.isNull() || score < bestScore) {
                        best = frame;
                        bestScore = score;
                    }
                }
            }
        }
    }
    return best;
}
