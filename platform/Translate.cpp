// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translate.h"

#include <utility>

namespace platform {

namespace {

TTranslator& Current() {
    static TTranslator translator;
    return translator;
}

}  // namespace

void SetTranslator(TTranslator translator) { Current() = std::move(translator); }

std::string Translate(const char* context, const char* text) {
    return Current() ? Current()(context, text) : std::string(text);
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace platform
