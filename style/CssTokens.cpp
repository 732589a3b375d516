// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssTokens.h"

#include <cmath>

#include "platform/TextEncoding.h"

namespace {

using platform::AppendUtf8;

constexpr char32_t kEof = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr int kMaxHexDigits = 6;

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char32_t c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char32_t c) {
    if (IsDigit(c)) return static_cast<int>(c - '0');
    return static_cast<int>((c | 0x20) - 'a' + 10);
}
bool IsNewline(char32_t c) { return c == '\n'; }
bool IsWhitespace(char32_t c) { return c == '\n' || c == '\t' || c == ' '; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsNonPrintable(char32_t c) { return c <= 0x08 || c == 0x0B || (c >= 0x0E && c <= 0x1F) || c == 0x7F; }

// Letters, "_" and the code points beyond ASCII that identifiers may hold.
bool IsIdentStart(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') return true;
    if (c == kEof) return false;
    return c == 0xB7 || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D || c == 0x203F || c == 0x2040 ||
           (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || c >= 0x10000;
}
bool IsIdentChar(char32_t c) { return IsIdentStart(c) || IsDigit(c) || c == '-'; }

// One code point of UTF-8 from `pos`; a byte that starts none is U+FFFD on its own.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto next = platform::NextUtf8(text, pos);
    if (!next) {
        ++pos;
        return kReplacement;
    }
    pos += next->second;
    return next->first;
}

// The code points the tokenizer reads: CR LF, CR and FF are LF; NUL is U+FFFD.
std::u32string Preprocess(std::string_view text) {
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = DecodeUtf8(text, pos);
        if (c == '\r') {
            if (pos < text.size() && text[pos] == '\n') ++pos;
            c = '\n';
        } else if (c == '\f') {
            c = '\n';
        } else if (c == 0) {
            c = kReplacement;
        }
        points += c;
    }
    return points;
}

class Tokenizer {
public:
    explicit Tokenizer(std::u32string points) : in_(std::move(points)) {}

    std::vector<CssToken> Run() {
        std::vector<CssToken> tokens;
        while (true) {
            SkipComments();
            if (pos_ >= in_.size()) break;
            const std::size_t start = pos_;
            CssToken token = Next();
            for (std::size_t i = start; i < pos_; ++i) AppendUtf8(token.text, in_[i]);
            tokens.push_back(std::move(token));
        }
        return tokens;
    }

private:
    char32_t Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < in_.size() ? in_[pos_ + ahead] : kEof;
    }
    char32_t Take() { return pos_ < in_.size() ? in_[pos_++] : kEof; }

    // A backslash at the end of the text escapes it: the escape stands for U+FFFD.
    static bool IsEscape(char32_t first, char32_t second) { return first == '\\' && !IsNewline(second); }
    static bool StartsIdent(char32_t first, char32_t second, char32_t third) {
        if (first == '-') return IsIdentStart(second) || second == '-' || IsEscape(second, third);
        if (IsIdentStart(first)) return true;
        return IsEscape(first, second);
    }
    static bool StartsNumber(char32_t first, char32_t second, char32_t third) {
        if (first == '+' || first == '-') return IsDigit(second) || (second == '.' && IsDigit(third));
        if (first == '.') return IsDigit(second);
        return IsDigit(first);
    }

    void SkipComments() {
        while (Peek() == '/' && Peek(1) == '*') {
            const std::size_t end = in_.find(U"*/", pos_ + 2);
            pos_ = end == std::u32string::npos ? in_.size() : end + 2;
        }
    }

    static CssToken Simple(CssTokenType type) { return CssToken{type, {}, {}, 0, false, false}; }
    static CssToken Delim(char32_t c) {
        CssToken token = Simple(CssTokenType::Delim);
        AppendUtf8(token.value, c);
        return token;
    }

    CssToken Next() {
        const char32_t c = Take();
        switch (c) {
            case '\n':
            case '\t':
            case ' ':
                while (IsWhitespace(Peek())) ++pos_;
                return Simple(CssTokenType::Whitespace);
            case '"':
            case '\'': return String(c);
            case '#':
                if (IsIdentChar(Peek()) || IsEscape(Peek(), Peek(1))) {
                    CssToken token = Simple(CssTokenType::Hash);
                    token.id = StartsIdent(Peek(), Peek(1), Peek(2));
                    token.value = IdentSequence();
                    return token;
                }
                return Delim(c);
            case '(': return Simple(CssTokenType::LeftParen);
            case ')': return Simple(CssTokenType::RightParen);
            case '+':
            case '.':
                if (StartsNumber(c, Peek(), Peek(1))) return Numeric(c);
                return Delim(c);
            case ',': return Simple(CssTokenType::Comma);
            case '-':
                if (StartsNumber(c, Peek(), Peek(1))) return Numeric(c);
                if (Peek() == '-' && Peek(1) == '>') {
                    pos_ += 2;
                    return Simple(CssTokenType::Cdc);
                }
                if (StartsIdent(c, Peek(), Peek(1))) return IdentLike();
                return Delim(c);
            case ':': return Simple(CssTokenType::Colon);
            case ';': return Simple(CssTokenType::Semicolon);
            case '<':
                if (Peek() == '!' && Peek(1) == '-' && Peek(2) == '-') {
                    pos_ += 3;
                    return Simple(CssTokenType::Cdo);
                }
                return Delim(c);
            case '@':
                if (StartsIdent(Peek(), Peek(1), Peek(2))) {
                    CssToken token = Simple(CssTokenType::AtKeyword);
                    token.value = IdentSequence();
                    return token;
                }
                return Delim(c);
            case '[': return Simple(CssTokenType::LeftBracket);
            case ']': return Simple(CssTokenType::RightBracket);
            case '\\':
                if (IsEscape(c, Peek())) return IdentLike();
                return Delim(c);
            case '{': return Simple(CssTokenType::LeftBrace);
            case '}': return Simple(CssTokenType::RightBrace);
            default:
                if (IsDigit(c)) return Numeric(c);
                if (IsIdentStart(c)) return IdentLike();
                return Delim(c);
        }
    }

    // After the "\": the code point an escape stands for.
    char32_t EscapedCodePoint() {
        const char32_t c = Take();
        if (c == kEof) return kReplacement;
        if (!IsHexDigit(c)) return c;
        char32_t value = static_cast<char32_t>(HexValue(c));
        for (int digits = 1; digits < kMaxHexDigits && IsHexDigit(Peek()); ++digits) {
            value = value * 16 + static_cast<char32_t>(HexValue(Take()));
        }
        if (IsWhitespace(Peek())) ++pos_;
        if (value == 0 || IsSurrogate(value) || value > kMaxCodePoint) return kReplacement;
        return value;
    }

    std::string IdentSequence() {
        std::string name;
        while (true) {
            if (IsIdentChar(Peek())) {
                AppendUtf8(name, Take());
            } else if (IsEscape(Peek(), Peek(1))) {
                ++pos_;
                AppendUtf8(name, EscapedCodePoint());
            } else {
                return name;
            }
        }
    }

    CssToken String(char32_t quote) {
        CssToken token = Simple(CssTokenType::String);
        while (true) {
            const char32_t c = Peek();
            if (c == kEof) return token;
            if (IsNewline(c)) {
                // The line break is left for the next token.
                token.type = CssTokenType::BadString;
                token.value.clear();
                return token;
            }
            ++pos_;
            if (c == quote) return token;
            if (c == '\\') {
                if (Peek() == kEof) continue;
                if (IsNewline(Peek())) {
                    ++pos_;
                    continue;
                }
                AppendUtf8(token.value, EscapedCodePoint());
            } else {
                AppendUtf8(token.value, c);
            }
        }
    }

    // The value of the number's text: sign, integer part, fraction and exponent.
    static double NumberValue(const std::string& repr) {
        std::size_t i = 0;
        double sign = 1;
        if (i < repr.size() && (repr[i] == '+' || repr[i] == '-')) sign = repr[i++] == '-' ? -1 : 1;
        double integer = 0;
        while (i < repr.size() && IsDigit(static_cast<unsigned char>(repr[i])))
            integer = integer * 10 + (repr[i++] - '0');
        double fraction = 0;
        int fractionDigits = 0;
        if (i < repr.size() && repr[i] == '.') {
            ++i;
            while (i < repr.size() && IsDigit(static_cast<unsigned char>(repr[i]))) {
                fraction = fraction * 10 + (repr[i++] - '0');
                ++fractionDigits;
            }
        }
        double exponent = 0;
        double exponentSign = 1;
        if (i < repr.size() && (repr[i] == 'e' || repr[i] == 'E')) {
            ++i;
            if (i < repr.size() && (repr[i] == '+' || repr[i] == '-'))
                exponentSign = repr[i++] == '-' ? -1 : 1;
            while (i < repr.size()) exponent = exponent * 10 + (repr[i++] - '0');
        }
        const double mantissa = integer + fraction * std::pow(10.0, -fractionDigits);
        // Zero stays zero however large the exponent, rather than becoming 0 * infinity.
        if (mantissa == 0) return sign * 0.0;
        return sign * mantissa * std::pow(10.0, exponentSign * exponent);
    }

    // The number whose first code point `first` was taken, then its unit or "%".
    CssToken Numeric(char32_t first) {
        std::string repr(1, static_cast<char>(first));
        bool integer = true;
        const auto digits = [this, &repr] {
            while (IsDigit(Peek())) repr += static_cast<char>(Take());
        };
        digits();
        if (first == '.' || (Peek() == '.' && IsDigit(Peek(1)))) {
            if (first != '.') repr += static_cast<char>(Take());
            integer = false;
            digits();
        }
        const char32_t e = Peek();
        if ((e == 'e' || e == 'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
            repr += static_cast<char>(Take());
            if (!IsDigit(Peek())) repr += static_cast<char>(Take());
            integer = false;
            digits();
        }
        CssToken token = Simple(CssTokenType::Number);
        token.number = NumberValue(repr);
        token.integer = integer;
        if (StartsIdent(Peek(), Peek(1), Peek(2))) {
            token.type = CssTokenType::Dimension;
            token.value = IdentSequence();
        } else if (Peek() == '%') {
            ++pos_;
            token.type = CssTokenType::Percentage;
        }
        return token;
    }

    // An identifier, a function or a url, whose first code point was just taken.
    CssToken IdentLike() {
        --pos_;
        CssToken token = Simple(CssTokenType::Ident);
        token.value = IdentSequence();
        if (Peek() != '(') return token;
        ++pos_;
        token.type = CssTokenType::Function;
        const bool url = token.value.size() == 3 && (token.value[0] | 0x20) == 'u' &&
                         (token.value[1] | 0x20) == 'r' && (token.value[2] | 0x20) == 'l';
        if (!url) return token;
        // A quoted address is a function's string argument; white space before it stays.
        std::size_t ahead = 0;
        while (IsWhitespace(Peek(ahead))) ++ahead;
        if (Peek(ahead) == '"' || Peek(ahead) == '\'') return token;
        pos_ += ahead;
        return Url();
    }

    CssToken Url() {
        CssToken token = Simple(CssTokenType::Url);
        while (true) {
            const char32_t c = Take();
            if (c == ')' || c == kEof) return token;
            if (IsWhitespace(c)) {
                while (IsWhitespace(Peek())) ++pos_;
                if (Peek() == ')' || Peek() == kEof) {
                    Take();
                    return token;
                }
                return BadUrlRemnants();
            }
            if (c == '"' || c == '\'' || c == '(' || IsNonPrintable(c)) return BadUrlRemnants();
            if (c == '\\') {
                if (!IsEscape(c, Peek())) return BadUrlRemnants();
                AppendUtf8(token.value, EscapedCodePoint());
            } else {
                AppendUtf8(token.value, c);
            }
        }
    }

    // Up to the ")" that ends a malformed url, an escaped ")" not counting.
    CssToken BadUrlRemnants() {
        while (true) {
            const char32_t c = Take();
            if (c == ')' || c == kEof) return Simple(CssTokenType::BadUrl);
            if (IsEscape(c, Peek())) EscapedCodePoint();
        }
    }

    std::u32string in_;
    std::size_t pos_ = 0;
};

std::string_view LeadingBytes(std::string_view text) {
    if (text.size() <= kMaxCssBytes) return text;
    std::size_t length = kMaxCssBytes;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return text.substr(0, length);
}

}  // namespace

std::vector<CssToken> TokenizeCss(std::string_view text) {
    return Tokenizer(Preprocess(LeadingBytes(text))).Run();
}
