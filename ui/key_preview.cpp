#include "ui/key_preview.h"

#include "ui/key_repeats.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// X11 and Wayland key codes of the digit row 1..5 (evdev scan codes 2..6, plus 8); the tests give
// the offscreen platform the same codes.
constexpr quint32 kXkbKey1 = 10;
constexpr quint32 kXkbKey5 = 14;

int digitKeyPosition(int key)
{
    return key >= Qt::Key_1 && key <= Qt::Key_5 ? key - Qt::Key_1 + 1 : 0;
}

} // namespace

int cardKeyPosition(const QKeyEvent &event)
{
    // The keypad's digits are the same keys on every layout.
    if (event.modifiers() & Qt::KeypadModifier)
        return digitKeyPosition(event.key());
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode != 0) {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))
            || platform == QLatin1String("offscreen")) {
            return scanCode >= kXkbKey1 && scanCode <= kXkbKey5 ? int(scanCode - kXkbKey1) + 1 : 0;
        }
    }
    // Without a scan code, only the unshifted digit keys are known.
    return digitKeyPosition(event.key());
}

KeyPreview::KeyPreview(QWindow *window) : QObject(window)
{
    window->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !focusTakesText(*static_cast<QWindow *>(watched))) {
        if (const int position = cardKeyPosition(*static_cast<QKeyEvent *>(event)))
            emit digitPressed(position);
    }
    return false;   // the key goes on to the focused control
}
