// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// What the paste reader needs to know of a selector, read from its text as written.

// A selector's specificity: its ids, its classes, attributes and pseudo-classes, its types
// and pseudo-elements. A later rule wins only over rules of the same or lower one.
using CssSpecificity = std::array<int, 3>;
CssSpecificity Specificity(std::string_view selector);

// Whether the selector's subject (its last compound, the element it styles) carries the class:
// ".velloran", "p.velloran" and "div .velloran" do; ".velloran p" and ".velloranx" do not.
bool SelectsClass(std::string_view selector, std::string_view className);

// Whether the selector styles generated content (::before, ::after and their one-colon forms)
// rather than the element's own text.
bool IsGeneratedContent(std::string_view selector);
