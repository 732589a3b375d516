// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GuardMessage.h"

namespace controls {

namespace {

std::string LengthBytes(std::size_t length) {
    std::string bytes(kGuardLengthBytes, '\0');
    for (std::size_t i = 0; i < kGuardLengthBytes; ++i) {
        bytes[kGuardLengthBytes - 1 - i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return bytes;
}

bool SendablePath(std::string_view path) {
    return !path.empty() && path.size() <= kMaxGuardPathBytes && path.front() == '/' &&
           path.find('\0') == std::string_view::npos;
}

}  // namespace

std::string OpenStyleMessage(std::string_view absolutePath) {
    if (!SendablePath(absolutePath)) return {};
    return std::string(kOpenStyleWord) + LengthBytes(absolutePath.size()) + std::string(absolutePath);
}

TGuardMessageReader::State TGuardMessageReader::Feed(std::string_view bytes) {
    if (bytes.empty() || state_ == State::Bad) return state_;
    if (state_ != State::Incomplete) {
        path_.clear();
        return state_ = State::Bad;
    }
    // Never hold more than the longest message: a flood is refused at its first extra byte.
    if (bytes.size() > kMaxGuardMessageBytes - received_.size()) return state_ = State::Bad;
    received_.append(bytes);
    return state_ = Decide();
}

TGuardMessageReader::State TGuardMessageReader::Decide() {
    const std::string_view got = received_;
    for (std::string_view word : {kComeForwardWord, kOpenStyleWord}) {
        if (got.size() < word.size() && word.starts_with(got)) return State::Incomplete;
    }
    if (got == kComeForwardWord) return State::ComeForward;
    if (!got.starts_with(kOpenStyleWord)) return State::Bad;

    const std::string_view rest = got.substr(kOpenStyleWord.size());
    if (rest.size() < kGuardLengthBytes) return State::Incomplete;
    std::size_t length = 0;
    for (std::size_t i = 0; i < kGuardLengthBytes; ++i) {
        length = (length << 8) | static_cast<unsigned char>(rest[i]);
    }
    if (length == 0 || length > kMaxGuardPathBytes) return State::Bad;
    const std::string_view path = rest.substr(kGuardLengthBytes);
    if (path.size() < length) return State::Incomplete;
    if (path.size() > length || !SendablePath(path)) return State::Bad;
    path_ = std::string(path);
    return State::OpenStyle;
}

}  // namespace controls
