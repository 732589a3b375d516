// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenGrab.h"

#include <sys/mman.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

#if QT_CONFIG(xcb)
// A strip's answer stays below the size from which the C library maps a block apart, and
// so never teaches it to keep blocks of that size in its heap.
constexpr std::size_t kStripBytes = 64 * 1024;

constexpr std::uint32_t kRedMask = 0xFF0000;
constexpr std::uint32_t kGreenMask = 0x00FF00;
constexpr std::uint32_t kBlueMask = 0x0000FF;
constexpr int kDepth = 24;
constexpr int kBitsPerPixel = 32;

// The mapped memory under an image, unmapped when the image lets go of it.
struct Mapping {
    void* start;
    std::size_t length;
};

void Unmap(void* mapping) {
    auto* held = static_cast<Mapping*>(mapping);
    munmap(held->start, held->length);
    delete held;
}

// Whether the root window's pixels are 0x00RRGGBB words in the byte order of this machine,
// which is what QImage::Format_RGB32 holds.
bool HoldsRgb32(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    if (screen->root_depth != kDepth || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
    bool wordPixels = false;
    for (xcb_format_iterator_t format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format)) {
        if (format.data->depth == kDepth)
            wordPixels =
                format.data->bits_per_pixel == kBitsPerPixel && format.data->scanline_pad == kBitsPerPixel;
    }
    if (!wordPixels) return false;
    for (xcb_depth_iterator_t depth = xcb_screen_allowed_depths_iterator(screen); depth.rem;
         xcb_depth_next(&depth)) {
        for (xcb_visualtype_iterator_t visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual)) {
            if (visual.data->visual_id == screen->root_visual)
                return visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                       visual.data->red_mask == kRedMask && visual.data->green_mask == kGreenMask &&
                       visual.data->blue_mask == kBlueMask;
        }
    }
    return false;
}
#endif

}  // namespace

std::optional<QImage> GrabScreenArea(QRect area) {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || area.isEmpty() || Q_BYTE_ORDER != Q_LITTLE_ENDIAN) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    if (!screens.rem || !HoldsRgb32(setup, screens.data)) return std::nullopt;
    const xcb_screen_t* screen = screens.data;
    area &= QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    if (area.isEmpty()) return std::nullopt;

    const std::size_t line = static_cast<std::size_t>(area.width()) * 4;
    const std::size_t length = line * static_cast<std::size_t>(area.height());
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return std::nullopt;
    QImage image(static_cast<uchar*>(start), area.width(), area.height(), static_cast<qsizetype>(line),
                 QImage::Format_RGB32, Unmap, new Mapping{start, length});

    // Every strip is asked for before the first answer is read, so that the strips cost
    // one round trip to the server, not one each.
    const int rows = std::max(1, static_cast<int>(kStripBytes / line));
    std::vector<xcb_get_image_cookie_t> strips;
    for (int top = 0; top < area.height(); top += rows) {
        strips.push_back(xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                       static_cast<int16_t>(area.x()), static_cast<int16_t>(area.y() + top),
                                       static_cast<uint16_t>(area.width()),
                                       static_cast<uint16_t>(std::min(rows, area.height() - top)), ~0U));
    }
    bool whole = true;
    for (std::size_t n = 0; n < strips.size(); ++n) {
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(connection, strips[n], nullptr), &std::free);
        const int top = static_cast<int>(n) * rows;
        const std::size_t bytes = line * static_cast<std::size_t>(std::min(rows, area.height() - top));
        // Every answer is read, also after a failed one, so that none is left in the queue.
        if (!whole || !reply || static_cast<std::size_t>(xcb_get_image_data_length(reply.get())) != bytes) {
            whole = false;
            continue;
        }
        std::memcpy(static_cast<uchar*>(start) + line * static_cast<std::size_t>(top),
                    xcb_get_image_data(reply.get()), bytes);
    }
    if (!whole) return std::nullopt;
    return image;
#else
    (void)area;
    return std::nullopt;
#endif
}

}  // namespace platform
