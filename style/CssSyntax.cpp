// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssSyntax.h"

#include "platform/AsciiCase.h"

namespace {

using Tokens = std::span<const CssToken>;

bool Is(const Tokens& tokens, std::size_t i, CssTokenType type) {
    return i < tokens.size() && tokens[i].type == type;
}

// The token that closes a block a token opens; Whitespace (never a closer) for any other.
CssTokenType Closer(CssTokenType type) {
    switch (type) {
        case CssTokenType::LeftBrace: return CssTokenType::RightBrace;
        case CssTokenType::LeftBracket: return CssTokenType::RightBracket;
        case CssTokenType::LeftParen:
        case CssTokenType::Function: return CssTokenType::RightParen;
        default: return CssTokenType::Whitespace;
    }
}

// Past the component value at `i`: one token, or a block or function with everything up to
// its closing token (or the end). The pending closers are a stack of their own, as a hostile
// sheet may open more blocks than the call stack holds.
std::size_t SkipComponent(const Tokens& tokens, std::size_t i) {
    std::vector<CssTokenType> closers;
    do {
        const CssTokenType type = tokens[i++].type;
        if (!closers.empty() && type == closers.back()) {
            closers.pop_back();
        } else if (Closer(type) != CssTokenType::Whitespace) {
            closers.push_back(Closer(type));
        }
    } while (!closers.empty() && i < tokens.size());
    return i;
}

// Past the next top-level token of one of the two types, or at the end.
std::size_t SkipTo(const Tokens& tokens, std::size_t i, CssTokenType stop, CssTokenType alsoStop) {
    while (i < tokens.size() && tokens[i].type != stop && tokens[i].type != alsoStop)
        i = SkipComponent(tokens, i);
    return i;
}

Tokens TrimWhitespace(Tokens tokens) {
    while (!tokens.empty() && tokens.front().type == CssTokenType::Whitespace) tokens = tokens.subspan(1);
    while (!tokens.empty() && tokens.back().type == CssTokenType::Whitespace)
        tokens = tokens.first(tokens.size() - 1);
    return tokens;
}

// The contents of the block whose opening token is at `open`, and where reading goes on after it.
std::pair<Tokens, std::size_t> Block(const Tokens& tokens, std::size_t open) {
    const std::size_t end = SkipComponent(tokens, open);
    const bool closed = end > open + 1 && tokens[end - 1].type == Closer(tokens[open].type);
    return {tokens.subspan(open + 1, end - open - 1 - (closed ? 1 : 0)), end};
}

void ReadDeclaration(Tokens tokens, std::vector<CssDeclaration>& declarations) {
    CssDeclaration declaration;
    declaration.name = tokens[0].value;
    std::size_t i = 1;
    while (Is(tokens, i, CssTokenType::Whitespace)) ++i;
    if (!Is(tokens, i, CssTokenType::Colon)) return;
    Tokens value = TrimWhitespace(tokens.subspan(i + 1));
    // "!important" ends the value: "!", maybe white space, then the keyword.
    if (!value.empty() && value.back().type == CssTokenType::Ident &&
        platform::LowerAscii(value.back().value) == "important") {
        const Tokens before = TrimWhitespace(value.first(value.size() - 1));
        if (!before.empty() && before.back().type == CssTokenType::Delim && before.back().value == "!") {
            value = TrimWhitespace(before.first(before.size() - 1));
            declaration.important = true;
        }
    }
    declaration.value.assign(value.begin(), value.end());
    declarations.push_back(std::move(declaration));
}

std::vector<CssDeclaration> ReadDeclarations(Tokens tokens) {
    std::vector<CssDeclaration> declarations;
    std::size_t i = 0;
    while (i < tokens.size()) {
        const CssTokenType type = tokens[i].type;
        if (type == CssTokenType::Whitespace || type == CssTokenType::Semicolon) {
            ++i;
        } else if (type == CssTokenType::AtKeyword) {
            const std::size_t end = SkipTo(tokens, i + 1, CssTokenType::Semicolon, CssTokenType::LeftBrace);
            i = Is(tokens, end, CssTokenType::LeftBrace) ? SkipComponent(tokens, end) : end + 1;
        } else {
            const std::size_t end = SkipTo(tokens, i, CssTokenType::Semicolon, CssTokenType::Semicolon);
            if (type == CssTokenType::Ident) ReadDeclaration(tokens.subspan(i, end - i), declarations);
            i = end + 1;
        }
    }
    return declarations;
}

std::vector<std::string> Selectors(Tokens prelude) {
    std::vector<std::string> selectors;
    std::size_t i = 0;
    while (i <= prelude.size()) {
        const std::size_t end = SkipTo(prelude, i, CssTokenType::Comma, CssTokenType::Comma);
        selectors.push_back(CssTokensText(TrimWhitespace(prelude.subspan(i, end - i))));
        i = end + 1;
    }
    return selectors;
}

}  // namespace

std::string CssTokensText(std::span<const CssToken> tokens) {
    std::string text;
    for (const CssToken& token : tokens) text += token.type == CssTokenType::Whitespace ? " " : token.text;
    return text;
}

CssSheet ParseCssSheet(std::string_view text) {
    const std::vector<CssToken> all = TokenizeCss(text);
    const Tokens tokens(all);
    CssSheet sheet;
    std::size_t i = 0;
    while (i < tokens.size()) {
        const CssTokenType type = tokens[i].type;
        // A sheet may stand inside an HTML comment, for browsers that knew no STYLE element.
        if (type == CssTokenType::Whitespace || type == CssTokenType::Cdo || type == CssTokenType::Cdc) {
            ++i;
        } else if (type == CssTokenType::AtKeyword) {
            sheet.atRules.push_back(tokens[i].value);
            const std::size_t end = SkipTo(tokens, i + 1, CssTokenType::Semicolon, CssTokenType::LeftBrace);
            i = Is(tokens, end, CssTokenType::LeftBrace) ? SkipComponent(tokens, end) : end + 1;
        } else {
            const std::size_t open = SkipTo(tokens, i, CssTokenType::LeftBrace, CssTokenType::LeftBrace);
            // A prelude the text ends in is no rule.
            if (open == tokens.size()) break;
            const auto [block, next] = Block(tokens, open);
            sheet.rules.push_back(
                {Selectors(TrimWhitespace(tokens.subspan(i, open - i))), ReadDeclarations(block)});
            i = next;
        }
    }
    return sheet;
}

std::vector<CssDeclaration> ParseCssDeclarations(std::string_view text) {
    const std::vector<CssToken> tokens = TokenizeCss(text);
    return ReadDeclarations(tokens);
}
