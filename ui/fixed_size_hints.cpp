#include "ui/fixed_size_hints.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <array>
#include <memory>

namespace {

// The Motif window-manager hints: flags, functions, decorations, input mode, status.
constexpr quint32 kHasFunctions = 1, kHasDecorations = 2;
constexpr quint32 kFunctionAll = 1, kFunctionResize = 2, kFunctionMove = 4, kFunctionMinimize = 8,
                  kFunctionMaximize = 16, kFunctionClose = 32;
constexpr quint32 kDecorationAll = 1, kDecorationResizeHandle = 4, kDecorationMaximize = 64;
using MotifHints = std::array<quint32, 5>;

xcb_atom_t motifHintsAtom(xcb_connection_t *connection)
{
    static const char name[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

MotifHints readHints(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t atom)
{
    MotifHints hints{};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, false, window, atom, atom, 0, 5), nullptr),
        &free);
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == int(sizeof hints))
        std::copy_n(static_cast<const quint32 *>(xcb_get_property_value(reply.get())), 5, hints.begin());
    return hints;
}

} // namespace

void offerNoResizing(QWidget &window)
{
    // Other platforms may offer the X11 interface too (offscreen), without a window manager.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_atom_t atom = motifHintsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return;
    const auto id = xcb_window_t(window.winId());
    MotifHints hints = readHints(connection, id, atom);
    // Functions not named, or all but the named ones: a fixed window keeps these.
    if (!(hints[0] & kHasFunctions) || (hints[1] & kFunctionAll))
        hints[1] = kFunctionMove | kFunctionMinimize | kFunctionClose;
    hints[0] |= kHasFunctions;
    hints[1] &= ~(kFunctionResize | kFunctionMaximize);
    if ((hints[0] & kHasDecorations) && !(hints[2] & kDecorationAll))
        hints[2] &= ~(kDecorationResizeHandle | kDecorationMaximize);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom, atom, 32, 5, hints.data());
    xcb_flush(connection);
}
