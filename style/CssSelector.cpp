// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssSelector.h"

#include <string>

#include "platform/AsciiCase.h"

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80 || c == '\\';
}

bool IsCombinator(char c) { return c == ' ' || c == '>' || c == '+' || c == '~'; }

// The position just past the name (or the bracketed part) that starts at `at`.
std::size_t SkipName(std::string_view text, std::size_t at) {
    while (at < text.size() && IsNameCharacter(text[at])) at += text[at] == '\\' ? 2 : 1;
    return at;
}
std::size_t SkipBracket(std::string_view text, std::size_t at, char open, char close) {
    int depth = 0;
    for (; at < text.size(); ++at) {
        if (text[at] == open) ++depth;
        if (text[at] == close && --depth == 0) return at + 1;
    }
    return at;
}

// The last compound of the selector, outside brackets and parentheses.
std::string_view Subject(std::string_view selector) {
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i < selector.size(); ++i) {
        const char c = selector[i];
        if (c == '(' || c == '[') ++depth;
        if ((c == ')' || c == ']') && depth > 0) --depth;
        if (depth == 0 && IsCombinator(c)) start = i + 1;
    }
    return selector.substr(start);
}

}  // namespace

CssSpecificity Specificity(std::string_view selector) {
    CssSpecificity specificity = {0, 0, 0};
    std::size_t i = 0;
    while (i < selector.size()) {
        const char c = selector[i];
        if (c == '#') {
            ++specificity[0];
            i = SkipName(selector, i + 1);
        } else if (c == '.') {
            ++specificity[1];
            i = SkipName(selector, i + 1);
        } else if (c == '[') {
            ++specificity[1];
            i = SkipBracket(selector, i, '[', ']');
        } else if (c == ':') {
            const bool element = i + 1 < selector.size() && selector[i + 1] == ':';
            const std::size_t name = i + (element ? 2 : 1);
            const std::size_t end = SkipName(selector, name);
            const std::string lower = platform::LowerAscii(selector.substr(name, end - name));
            // The one-colon forms of the old pseudo-elements count as elements.
            const bool oldElement =
                lower == "before" || lower == "after" || lower == "first-line" || lower == "first-letter";
            // :where() counts nothing; :is() and :not() count their argument, taken as a class.
            if (lower != "where") ++specificity[element || oldElement ? 2 : 1];
            i = end < selector.size() && selector[end] == '(' ? SkipBracket(selector, end, '(', ')') : end;
        } else if (IsNameCharacter(c)) {
            ++specificity[2];
            i = SkipName(selector, i);
        } else {
            ++i;
        }
    }
    return specificity;
}

bool SelectsClass(std::string_view selector, std::string_view className) {
    const std::string_view subject = Subject(selector);
    for (std::size_t at = subject.find('.'); at != std::string_view::npos; at = subject.find('.', at + 1)) {
        const std::size_t end = SkipName(subject, at + 1);
        if (subject.substr(at + 1, end - at - 1) == className) return true;
    }
    return false;
}

bool IsGeneratedContent(std::string_view selector) {
    const std::string lower = platform::LowerAscii(Subject(selector));
    for (const char* pseudo : {":before", ":after"}) {
        const std::size_t at = lower.find(pseudo);
        if (at != std::string::npos && SkipName(lower, at + 1) == at + std::string_view(pseudo).size())
            return true;
    }
    return false;
}
