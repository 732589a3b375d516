// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// CSS text cut into tokens as browsers cut it: line breaks, NUL and bytes that are not UTF-8
// made uniform first, comments dropped, escapes decoded, and every malformed piece (a string
// a line break ends, a url with a quote inside) made into a token of its own rather than an
// error, so that whatever is pasted reads to the end.

enum class CssTokenType {
    Ident,
    Function,   // an ident followed by "(": value is its name
    AtKeyword,  // "@" and an ident: value is the ident
    Hash,       // "#" and a name: value is the name
    String,
    BadString,  // a string a line break ended
    Url,        // url(...) without quotes: value is the address
    BadUrl,
    Delim,  // any other single character: value is it
    Number,
    Percentage,
    Dimension,  // a number and a unit: value is the unit
    Whitespace,
    Cdo,  // <!--
    Cdc,  // -->
    Colon,
    Semicolon,
    Comma,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
};

struct CssToken {
    CssTokenType type = CssTokenType::Delim;
    // The token as written (after line breaks and NUL were made uniform), for messages.
    std::string text;
    // Names, strings and addresses with their escapes decoded, in UTF-8.
    std::string value;
    // Number, Percentage and Dimension: the value, and whether it was written as an integer.
    double number = 0;
    bool integer = false;
    // Hash: whether the name could also be an identifier, as an id selector needs.
    bool id = false;
};

// Tokenizes the first kMaxCssBytes of the text; whitespace runs are one token each.
std::vector<CssToken> TokenizeCss(std::string_view text);

// As much CSS as is read: far more than any sheet for a single style.
inline constexpr std::size_t kMaxCssBytes = 64 * 1024;
