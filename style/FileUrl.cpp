// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/FileUrl.h"

namespace {

bool KeptAsItIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-._~!$'()*+,;=@").find(c) != std::string_view::npos;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
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

std::string FileNameFromUrl(std::string_view url) {
    std::string name;
    for (std::size_t i = 0; i < url.size(); ++i) {
        const int high = url[i] == '%' && i + 2 < url.size() ? HexDigit(url[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(url[i + 2]) : -1;
        if (low >= 0) {
            name += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            name += url[i];
        }
    }
    return name;
}
