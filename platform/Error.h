// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The one kind of failure the program's own operations raise. It carries the exact text the
// user is shown; the application's event loop catches it and shows it in an error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file that exists but cannot be read at all, told apart from a damaged value in a file that
// was read, since the caller must then not take the file for an empty one.
class ReadError : public Error {
public:
    using Error::Error;
};

}  // namespace platform
