// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "style/CssSyntax.h"
#include "style/CssValues.h"
#include "style/TagParser.h"

// Reading a style back from CSS: a whole style sheet, or the style attribute of an element
// of pasted markup.

// One property's value as the declarations give it.
template <typename T>
struct CssRead {
    std::optional<T> value;
    // The declaration as written ("color: #ff000080"), cut for a message; empty when the
    // property was not declared.
    std::string written;
    // The message line when the value did not read, or when a colour read without its alpha.
    std::string problem;

    bool Declared() const { return !written.empty(); }
};

// What declarations say of the font.
struct CssFontValues {
    CssRead<CssColorValue> color;
    CssRead<int> sizeStep;
    CssRead<std::vector<std::string>> faces;
    CssRead<bool> bold;
    CssRead<bool> italic;
    CssRead<bool> centered;
    // The font size in px when sizeStep read, for what is counted from it.
    std::optional<double> sizePx;
    // The font shorthand naming a system font, which is not read.
    std::string systemFont;

    // Whether any of them is declared.
    bool Any() const;
};

// Custom properties by name ("--brand"), with their values as declared.
using CssVariables = std::map<std::string, std::vector<CssToken>>;

// What declarations are read within: the element's surroundings, and the custom properties it
// inherits (its own declarations add theirs).
struct CssScope {
    CssContext context;
    CssVariables variables;
};

// The value with every var() replaced by its custom property's value, or its fallback;
// nothing when one has neither, or the replacements nest past any sensible depth.
std::optional<std::vector<CssToken>> SubstituteVariables(const std::vector<CssToken>& value,
                                                         const CssVariables& variables);
// The custom properties the declarations add to the inherited ones.
CssVariables WithCustomProperties(const std::vector<CssDeclaration>& declarations, CssVariables inherited);

// What declarations say of the page's body.
struct CssBodyValues {
    CssRead<CssColorValue> background;
    CssRead<CssColorValue> text;
    // The picture's address, or empty for none; declared by background-image or the
    // background shorthand, which sets none when it names no picture.
    CssRead<std::string> picture;
};

// Reads the declarations in order, a later one winning, "!important" ones over the others.
// Properties that are not of the font (or the body) go into `ignored` by name.
CssFontValues ReadFontDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored, const CssScope& scope = {});
CssBodyValues ReadBodyDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored, const CssScope& scope = {});

// Reads a style sheet into the pasted style: the body rule's colours and picture, the link
// colours, and the font's rules (those for the "velloran" class, else those of the first
// selector that sets a font property), later rules winning by specificity, then by order.
// The font inherits what its rules leave out from the body and the root, and counts relative
// sizes from theirs. The kind is Sheet when any of them was found, None otherwise.
TPastedTag ParsePastedSheet(std::string_view text);
