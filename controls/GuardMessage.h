// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace controls {

// What a second copy of the program says to the running copy over the guard's socket. Two
// messages exist, each a fixed word; the second carries a style file's path:
//
//   "velloran:come-forward\n"                         restore or raise the window
//   "velloran:open-style\n" LENGTH PATH               the same, then open the style at PATH
//
// LENGTH is the path's size in bytes, four bytes, most significant first; PATH is an absolute
// path of 1..kMaxGuardPathBytes bytes without a NUL. Anything else, more bytes after a whole
// message included, is a stranger's and is dropped.
inline constexpr std::string_view kComeForwardWord = "velloran:come-forward\n";
inline constexpr std::string_view kOpenStyleWord = "velloran:open-style\n";
inline constexpr std::size_t kGuardLengthBytes = 4;
inline constexpr std::size_t kMaxGuardPathBytes = 4096;
// The most a sender can make the running copy hold before its message is whole.
inline constexpr std::size_t kMaxGuardMessageBytes =
    kOpenStyleWord.size() + kGuardLengthBytes + kMaxGuardPathBytes;

// The open-style message for a path; empty when the path cannot be sent (not absolute,
// empty, too long, or holding a NUL).
std::string OpenStyleMessage(std::string_view absolutePath);

// Reads one message as its bytes arrive, in pieces of any size.
class TGuardMessageReader {
public:
    enum class State { Incomplete, ComeForward, OpenStyle, Bad };

    // Takes the next bytes and says where the message stands. Once the message is whole or
    // bad, the state stays; any further byte makes a whole message bad.
    State Feed(std::string_view bytes);
    State Current() const { return state_; }
    // The path of a whole open-style message.
    const std::string& Path() const { return path_; }

private:
    State Decide();

    State state_ = State::Incomplete;
    std::string received_;
    std::string path_;
};

}  // namespace controls
