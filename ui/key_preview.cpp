#include "ui/key_preview.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// X11 and Wayland key codes of the digit row 1..5 (evdev scan codes 2..6, plus 8); the tests give
// the offscreen platform the same codes.
constexpr quint32 kXkbKey1 = 10;
constexpr quint32 kXkbKey5 = 14;

} // namespace

int digitRowPosition(const QKeyEvent &event)
{
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode != 0) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))
            || platform == QLatin1String("offscreen")) {
            return scanCode >= kXkbKey1 && scanCode <= kXkbKey5 ? int(scanCode - kXkbKey1) + 1 : 0;
        }
    }
    // Without a scan code, only the unshifted digit keys of the main keyboard are known.
    if (event.modifiers() & Qt::KeypadModifier)
        return 0;
    if (event.key() >= Qt::Key_1 && event.key() <= Qt::Key_5)
        return event.key() - Qt::Key_1 + 1;
    return 0;
}

KeyPreview::KeyPreview(QWindow *window) : QObject(window)
{
    window->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (const int position = digitRowPosition(*static_cast<QKeyEvent *>(event)))
            emit digitPressed(position);
    }
    return false;   // the key goes on to the focused control
}
