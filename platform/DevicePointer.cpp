// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DevicePointer.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if QT_CONFIG(xcb)
struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

std::optional<Display> X11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (!screens.rem) return std::nullopt;
    return Display{connection, screens.data->root};
}
#endif

}  // namespace

std::optional<QPoint> DevicePointer() {
#if QT_CONFIG(xcb)
    const std::optional<Display> display = X11Display();
    if (!display) return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(display->connection, xcb_query_pointer(display->connection, display->root),
                                nullptr),
        &std::free);
    if (!reply) return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
#else
    return std::nullopt;
#endif
}

bool MoveDevicePointer(QPoint at) {
#if QT_CONFIG(xcb)
    const std::optional<Display> display = X11Display();
    if (!display) return false;
    xcb_warp_pointer(display->connection, XCB_NONE, display->root, 0, 0, 0, 0, static_cast<int16_t>(at.x()),
                     static_cast<int16_t>(at.y()));
    xcb_flush(display->connection);
    return true;
#else
    (void)at;
    return false;
#endif
}

}  // namespace platform
