// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <optional>

namespace platform {

// The device pixels of `area` of the X screen, as the display server holds them, in an
// RGB32 image whose memory is mapped for it alone and handed back to the system the moment
// the last copy of the image goes. The toolkit's own grab reads the screen in one answer of
// the full size, which the C library keeps in its heap once freed (on a 4K screen, 33 MB for
// as long as the program runs); this reads it in strips too small for that.
// The part of `area` on the X screen is read. Nothing where there is no X server, the area
// is off the screen, or the screen's pixels are not 24-bit colour in 32-bit words (then the
// toolkit's grab serves).
std::optional<QImage> GrabScreenArea(QRect area);

}  // namespace platform
