// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace controls {

// Makes the custom controls known to screen readers: a slide bar is a slider with its value
// and range, a hotspot a button named by its accessible name or else its hint, a box label
// static text named by its text, a link label a link whose press action activates it. Each
// control calls it when it is made; the first call installs the factory, later ones do
// nothing.
void InstallAccessibleFactory();

}  // namespace controls
