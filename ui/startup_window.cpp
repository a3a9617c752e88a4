#include "ui/startup_window.h"

#include "ui/accessible_roles.h"
#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/drawing.h"
#include "ui/picture.h"
#include "ui/spoken_texts.h"
#include "ui/suit_colours.h"

#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

namespace {

// Width of the raised frame drawn around the client area in place of a window border.
constexpr int kFrame = 2;

// Lets the end-to-end tests that do not look at the start-up skip most of its wait.
int handOverMs()
{
    bool set = false;
    const int ms = qEnvironmentVariableIntValue("QUINTDRAW_TEST_STARTUP_MS", &set);
    return set && ms >= 0 && ms < StartupWindow::kHandOverMs ? ms : StartupWindow::kHandOverMs;
}

} // namespace

StartupWindow::StartupWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Quintdraw"));
    const QRect client = twipsRect(0, 0, 6315, 2820).translated(kFrame, kFrame);
    setFixedSize(client.width() + 2 * kFrame, client.height() + 2 * kFrame);

    installAccessibleRoles();
    setAccessibleName(Picture::of(Picture::Kind::StartupScreen).accessibleName());
    setAccessibleDescription(spoken::startupText(drawing::startupTextLines()));

    // Over the place where the main window then appears (where the window system lets a program
    // place its windows).
    move(px(690) - kFrame, px(1710) - kFrame);

    m_timer = named(new QTimer(this), QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &StartupWindow::timerTick);
    m_timer->start(handOverMs());
}

void StartupWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    qDrawWinPanel(&painter, rect(), palette());

    // The picture is one pixel shorter than the client area; the white below it matches its
    // ground. The program may carry it ready-drawn for common pixel ratios, made at build time
    // by the same drawing code in two colours, so that the first thing a player sees costs no
    // font loading.
    const QPoint corner(kFrame, kFrame);
    const qreal ratio = devicePixelRatioF();
    const QPixmap ready(QStringLiteral(":/pictures/startup@%1x.png").arg(ratio));
    const Picture picture = Picture::of(Picture::Kind::StartupScreen);
    if (!ready.isNull() && ready.size() == picture.size() * ratio && suitColoursUsed() == SuitColours::TwoColour) {
        painter.drawPixmap(QRect(corner, picture.size()), ready);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        picture.paint(painter, QRectF(corner, picture.size()));
    }
}

void StartupWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QMetaObject::invokeMethod(this, &StartupWindow::tellShown, Qt::QueuedConnection);
}

// Read out by a screen reader as it appears; the program reaches the accessibility bus a moment
// after its start, and under load only after the first try, so the news waits for it as long
// as the window shows (at most its few seconds).
void StartupWindow::tellShown()
{
    constexpr int kRetryMs = 100;
    if (isVisible() && !sendWindowActivated(this))
        QTimer::singleShot(kRetryMs, this, &StartupWindow::tellShown);
}

void StartupWindow::timerTick()
{
    hide();
    m_timer->stop();
    emit handOver();
}
