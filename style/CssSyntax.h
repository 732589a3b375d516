// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "style/CssTokens.h"

// A style sheet read into its rules and declarations as browsers read it: at-rules are
// skipped whole, a rule or declaration that does not parse is dropped and the reading goes
// on after it, and brackets, parentheses and braces always pair up, so no stray character
// swallows the rest of the sheet.

struct CssDeclaration {
    // The property as written; properties are matched ignoring ASCII case.
    std::string name;
    // The value's tokens without the white space around them and without "!important".
    std::vector<CssToken> value;
    bool important = false;
};

struct CssRule {
    // Each selector of the rule's comma-separated list, its white space made single spaces.
    std::vector<std::string> selectors;
    std::vector<CssDeclaration> declarations;
};

struct CssSheet {
    std::vector<CssRule> rules;
    // The at-rules skipped (@media, @import...), by their names without "@".
    std::vector<std::string> atRules;
};

CssSheet ParseCssSheet(std::string_view text);

// The declarations of a style attribute, or of a rule's block written on its own.
std::vector<CssDeclaration> ParseCssDeclarations(std::string_view text);

// The tokens as written, one space for each run of white space.
std::string CssTokensText(std::span<const CssToken> tokens);
