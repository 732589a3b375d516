#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Reads a whole regular file into memory. A file that cannot be opened or read, or that is
// not a regular file (a device or a pipe would never end, or never start), raises
// "Unable to read %s" with the path.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace platform
