// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// A build made for a system package (configured with -DVELLORAN_PACKAGED=ON). Its program
// folder belongs to the package system: the program never writes there, whoever runs it, even
// the superuser who could, and keeps every user's settings in the user's configuration folder.
#ifdef VELLORAN_PACKAGED
inline constexpr bool kPackagedBuild = true;
#else
inline constexpr bool kPackagedBuild = false;
#endif

}  // namespace platform
