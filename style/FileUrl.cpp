// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/FileUrl.h"

namespace {

bool KeptAsItIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~!$'()*+,;=@").find(c) != std::string_view::npos;
}

}  // namespace

std::string RelativeFileUrl(std::string_view fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url;
    for (const char c : fileName) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptAsItIs(c)) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}
