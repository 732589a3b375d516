// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gumbo.h>

#include <cstddef>
#include <string>

#include "style/CssSelector.h"

// Whether a selector matches an element of pasted markup, as browsers match it. Each test of a
// compound against an element is paid from a budget shared by every match of a paste, so that
// no sheet and no markup, however long or deep, makes the matching take long: once the budget
// is spent, nothing matches any more.
class CssMatcher {
public:
    explicit CssMatcher(std::size_t budget) : budget_(budget) {}

    bool Matches(const CssComplexSelector& selector, const GumboNode* element);

    bool Spent() const { return budget_ == 0; }

private:
    bool Pay();
    bool MatchesCompound(const std::vector<CssSimpleSelector>& simples, const GumboNode* element);
    bool MatchesSimple(const CssSimpleSelector& simple, const GumboNode* element);

    std::size_t budget_;
};

// The element's name in lower case ("p", "my-widget").
std::string ElementName(const GumboNode* element);

// The element's attribute value as written, or null when it has none.
const char* RawAttribute(const GumboNode* element, const char* name);
