#include "ui/event_loop_clock.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

double EventLoopClock::seconds() const
{
    return m_elapsed.nsecsElapsed() / 1e9;
}

void EventLoopClock::waitUntil(double until)
{
    for (double left = until - seconds(); left > 0; left = until - seconds()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::ceil(left * 1000)), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        // A loop that returns at once means the program is ending: stop waiting. Input made
        // meanwhile (clicks, keys, so access keys and shortcuts) waits for the operation's end.
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) != 0)
            return;
    }
}
