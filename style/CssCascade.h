// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gumbo.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "style/CssMatch.h"
#include "style/CssSyntax.h"

// What a page's style sheets and an element's style attribute declare for an element of
// pasted markup, in the order the cascade counts the declarations.
class CssCascade {
public:
    // `sheets` is the text of the page's STYLE elements.
    explicit CssCascade(std::string_view sheets);

    // The declarations of the rules that match the element, by specificity and then by order,
    // followed by its style attribute's. Read in this order, with "!important" ones after all
    // the others (as ReadFontDeclarations reads), the last one of a property is the one the
    // cascade picks. A property whose picked value is "inherit" or "unset" is left out, so
    // the element inherits it.
    const std::vector<CssDeclaration>& Declarations(const GumboNode* element);

private:
    struct Entry {
        CssComplexSelector selector;
        const CssRule* rule;
    };

    std::vector<std::size_t> Candidates(const GumboNode* element) const;

    CssSheet sheet_;
    // The selectors in the sheet's order, and where they stand by what their subject needs:
    // "#id", ".class", a type's name, or "*" for anything else.
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::vector<std::size_t>> byKey_;
    CssMatcher matcher_;
    std::size_t given_ = 0;
    std::unordered_map<const GumboNode*, std::vector<CssDeclaration>> read_;
};
