// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssSelector.h"

#include <algorithm>
#include <span>
#include <string>

#include "style/CssTokens.h"

#include "platform/AsciiCase.h"

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80 || c == '\\';
}

bool IsCombinator(char c) { return c == ' ' || c == '>' || c == '+' || c == '~'; }

// The position just past the name that starts at `at`.
std::size_t SkipName(std::string_view text, std::size_t at) {
    while (at < text.size() && IsNameCharacter(text[at])) at += text[at] == '\\' ? 2 : 1;
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

CssSpecificity Specificity(std::string_view selector) { return ParseCssSelector(selector).specificity; }

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

namespace {

using Tokens = std::span<const CssToken>;

// A selector with more compounds than this is taken as one the matcher does not know, which
// bounds the matching work a hostile sheet can ask for.
constexpr std::size_t kMaxCompounds = 32;

bool IsDelim(const Tokens& tokens, std::size_t i, char c) {
    return i < tokens.size() && tokens[i].type == CssTokenType::Delim && tokens[i].value.size() == 1 &&
           tokens[i].value[0] == c;
}
bool Is(const Tokens& tokens, std::size_t i, CssTokenType type) {
    return i < tokens.size() && tokens[i].type == type;
}
std::size_t SkipSpace(const Tokens& tokens, std::size_t i) {
    while (Is(tokens, i, CssTokenType::Whitespace)) ++i;
    return i;
}

// Past the parenthesis that closes the one open before `i`, or at the end.
std::size_t SkipArguments(const Tokens& tokens, std::size_t i) {
    for (int depth = 1; i < tokens.size(); ++i) {
        const CssTokenType type = tokens[i].type;
        if (type == CssTokenType::Function || type == CssTokenType::LeftParen) ++depth;
        if (type == CssTokenType::RightParen && --depth == 0) return i + 1;
    }
    return i;
}

CssSimpleSelector Simple(CssSimpleSelector::Kind kind, std::string name = {}) {
    CssSimpleSelector simple;
    simple.kind = kind;
    simple.name = std::move(name);
    return simple;
}

// A selector that does not parse, which makes browsers drop its whole rule.
void Invalid(CssComplexSelector& selector) {
    selector.supported = false;
    selector.valid = false;
}

void Add(CssSpecificity& to, const CssSpecificity& what) {
    for (std::size_t i = 0; i < to.size(); ++i) to[i] += what[i];
}

// Reads selectors from tokens; `nested` inside :is(), :where() and :not(), whose arguments
// may hold no functional pseudo-class of their own, so the reading never nests deeper.
class SelectorReader {
public:
    SelectorReader(Tokens tokens, bool nested) : tokens_(tokens), nested_(nested) {}

    // A complex selector up to a top-level comma or the end; `at` is left past the comma.
    CssComplexSelector Complex(std::size_t& at) {
        CssComplexSelector selector;
        at_ = SkipSpace(tokens_, at);
        char combinator = 0;
        bool expectCompound = true;
        while (at_ < tokens_.size() && !Is(tokens_, at_, CssTokenType::Comma)) {
            const std::size_t before = at_;
            at_ = SkipSpace(tokens_, at_);
            char written = 0;
            for (const char c : {'>', '+', '~'}) {
                if (IsDelim(tokens_, at_, c)) written = c;
            }
            if (written != 0) {
                if (expectCompound) Invalid(selector);
                combinator = written;
                at_ = SkipSpace(tokens_, at_ + 1);
                expectCompound = true;
                continue;
            }
            if (at_ == tokens_.size() || Is(tokens_, at_, CssTokenType::Comma)) break;
            // A compound ends only at white space, a combinator or a comma.
            if (!expectCompound && at_ > before) combinator = ' ';
            CssCompound compound;
            compound.combinator = selector.compounds.empty() ? 0 : combinator;
            ReadCompound(compound, selector);
            selector.compounds.push_back(std::move(compound));
            expectCompound = false;
            combinator = 0;
        }
        if (selector.compounds.empty() || expectCompound) Invalid(selector);
        if (selector.compounds.size() > kMaxCompounds) selector.supported = false;
        at = at_ < tokens_.size() ? at_ + 1 : at_;
        return selector;
    }

private:
    void ReadCompound(CssCompound& compound, CssComplexSelector& selector) {
        bool first = true;
        while (at_ < tokens_.size()) {
            const CssToken& token = tokens_[at_];
            if (token.type == CssTokenType::Whitespace || token.type == CssTokenType::Comma) return;
            if (token.type == CssTokenType::Delim &&
                (token.value == ">" || token.value == "+" || token.value == "~"))
                return;
            if (token.type == CssTokenType::Ident && first) {
                compound.simples.push_back(
                    Simple(CssSimpleSelector::Kind::Type, platform::LowerAscii(token.value)));
                ++selector.specificity[2];
                ++at_;
            } else if (IsDelim(tokens_, at_, '*') && first) {
                ++at_;
            } else if (token.type == CssTokenType::Hash && token.id) {
                compound.simples.push_back(Simple(CssSimpleSelector::Kind::Id, token.value));
                ++selector.specificity[0];
                ++at_;
            } else if (IsDelim(tokens_, at_, '.') && Is(tokens_, at_ + 1, CssTokenType::Ident)) {
                compound.simples.push_back(Simple(CssSimpleSelector::Kind::Class, tokens_[at_ + 1].value));
                ++selector.specificity[1];
                at_ += 2;
            } else if (token.type == CssTokenType::LeftBracket) {
                ++selector.specificity[1];
                ReadAttribute(compound, selector);
            } else if (token.type == CssTokenType::Colon) {
                ReadPseudo(compound, selector);
            } else {
                // A namespace, a stray character: nothing the matcher knows.
                Invalid(selector);
                ++at_;
            }
            first = false;
        }
    }

    // [name], [name=value], [name~=value]... with an optional case flag.
    void ReadAttribute(CssCompound& compound, CssComplexSelector& selector) {
        std::size_t end = at_ + 1;
        while (end < tokens_.size() && tokens_[end].type != CssTokenType::RightBracket) ++end;
        const Tokens inside = tokens_.subspan(at_ + 1, end - at_ - 1);
        at_ = end < tokens_.size() ? end + 1 : end;
        CssSimpleSelector simple = Simple(CssSimpleSelector::Kind::Attribute);
        std::size_t i = SkipSpace(inside, 0);
        if (!Is(inside, i, CssTokenType::Ident) || end == tokens_.size()) {
            Invalid(selector);
            return;
        }
        simple.name = platform::LowerAscii(inside[i].value);
        i = SkipSpace(inside, i + 1);
        if (i < inside.size()) {
            if (IsDelim(inside, i, '=')) {
                simple.match = '=';
                ++i;
            } else if (i + 1 < inside.size() && inside[i].type == CssTokenType::Delim &&
                       std::string_view("~|^$*").find(inside[i].value) != std::string_view::npos &&
                       inside[i].value.size() == 1 && IsDelim(inside, i + 1, '=')) {
                simple.match = inside[i].value[0];
                i += 2;
            } else {
                Invalid(selector);
                return;
            }
            i = SkipSpace(inside, i);
            if (!Is(inside, i, CssTokenType::Ident) && !Is(inside, i, CssTokenType::String)) {
                Invalid(selector);
                return;
            }
            simple.value = inside[i].value;
            i = SkipSpace(inside, i + 1);
            if (Is(inside, i, CssTokenType::Ident)) {
                const std::string flag = platform::LowerAscii(inside[i].value);
                if (flag != "i" && flag != "s") Invalid(selector);
                simple.caseFlag = flag[0];
                i = SkipSpace(inside, i + 1);
            }
            if (i != inside.size()) Invalid(selector);
        }
        compound.simples.push_back(std::move(simple));
    }

    void ReadPseudo(CssCompound& compound, CssComplexSelector& selector) {
        const bool element = Is(tokens_, at_ + 1, CssTokenType::Colon);
        at_ += element ? 2 : 1;
        if (at_ == tokens_.size()) {
            Invalid(selector);
            return;
        }
        const CssToken& token = tokens_[at_];
        const std::string name = platform::LowerAscii(token.value);
        if (token.type == CssTokenType::Function) {
            const std::size_t end = SkipArguments(tokens_, at_ + 1);
            const bool closed = end > at_ + 1 && tokens_[end - 1].type == CssTokenType::RightParen;
            const Tokens arguments = tokens_.subspan(at_ + 1, end - at_ - 1 - (closed ? 1 : 0));
            at_ = end;
            if (element || nested_ ||
                (name != "is" && name != "where" && name != "not" && name != "matches")) {
                selector.supported = false;
                ++selector.specificity[element ? 2 : 1];
                return;
            }
            ReadArguments(name, arguments, compound, selector);
            return;
        }
        ++at_;
        if (token.type != CssTokenType::Ident) {
            Invalid(selector);
            return;
        }
        // The one-colon forms of the old pseudo-elements count as elements.
        const bool oldElement =
            name == "before" || name == "after" || name == "first-line" || name == "first-letter";
        ++selector.specificity[element || oldElement ? 2 : 1];
        using Kind = CssSimpleSelector::Kind;
        if (!element && name == "root") {
            compound.simples.push_back(Simple(Kind::Root));
        } else if (!element && name == "first-child") {
            compound.simples.push_back(Simple(Kind::FirstChild));
        } else if (!element && name == "last-child") {
            compound.simples.push_back(Simple(Kind::LastChild));
        } else {
            selector.supported = false;
        }
    }

    // :is(), :where() and :not() of a list of compounds: the most specific of them counts
    // (none for :where()).
    void ReadArguments(const std::string& name, Tokens arguments, CssCompound& compound,
                       CssComplexSelector& selector) {
        CssSimpleSelector simple =
            Simple(name == "not" ? CssSimpleSelector::Kind::Not : CssSimpleSelector::Kind::Is);
        CssSpecificity most = {0, 0, 0};
        SelectorReader reader(arguments, true);
        std::size_t at = 0;
        while (at < arguments.size()) {
            CssComplexSelector argument = reader.Complex(at);
            if (!argument.supported || argument.compounds.size() != 1) selector.supported = false;
            most = std::max(most, argument.specificity);
            if (!argument.compounds.empty())
                simple.arguments.push_back(std::move(argument.compounds[0].simples));
        }
        if (simple.arguments.empty()) selector.supported = false;
        if (name != "where") Add(selector.specificity, most);
        compound.simples.push_back(std::move(simple));
    }

    Tokens tokens_;
    bool nested_;
    std::size_t at_ = 0;
};

}  // namespace

CssComplexSelector ParseCssSelector(std::string_view selector) {
    const std::vector<CssToken> tokens = TokenizeCss(selector);
    SelectorReader reader(tokens, false);
    std::size_t at = 0;
    CssComplexSelector parsed = reader.Complex(at);
    // A selector list is no one selector.
    if (at < tokens.size() || (!tokens.empty() && tokens.back().type == CssTokenType::Comma)) Invalid(parsed);
    return parsed;
}
