// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Replaces the whole file with the bytes, so that a reader sees the old content or the new,
// never a part: the bytes go to a temporary file in the same folder, which is synced and then
// renamed over the file (through a symbolic link to the file it names). An existing file
// keeps its permission bits, owner and group. Where the folder refuses the temporary file, or
// the owner cannot be kept, an existing writable file is rewritten in place instead (room for
// the longer content is reserved first); only an I/O error in the middle of that can leave
// the file partly written. A file that cannot be written (also one with no write permission
// bits at all, which is the user's way of saying it must not change), a missing folder, and
// any write, sync or rename error throw platform::Error "Unable to write to " + the path as
// given, with the system's reason on a line of its own (WriteFailure); the file is left as it
// was and no temporary file remains.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// "Unable to write to <path>", and on the next line what the system said of `error` (an errno
// value, such as "No space left on device"), so that a full disk, a read-only folder and a
// refused permission are told apart. No second line for 0.
std::string WriteFailure(const std::string& path, int error);

}  // namespace platform
