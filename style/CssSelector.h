// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

// One condition of a compound selector on an element.
struct CssSimpleSelector {
    enum class Kind { Type, Id, Class, Attribute, Root, FirstChild, LastChild, Is, Not };
    Kind kind = Kind::Type;
    // Type: the element's name in lower case; Id and Class: the name; Attribute: the
    // attribute's name in lower case.
    std::string name;
    // Attribute: 0 for presence, else the operator's first character ('=', '~', '|', '^',
    // '$' or '*'), the value, and the case flag written after it ('i', 's' or 0).
    char match = 0;
    std::string value;
    char caseFlag = 0;
    // Is (also :where()) and Not: the compounds of the argument list, which hold no
    // functional pseudo-classes themselves.
    std::vector<std::vector<CssSimpleSelector>> arguments;
};

// A compound selector and the combinator that joins it to the compound before it (' ', '>',
// '+' or '~'; 0 for the first).
struct CssCompound {
    char combinator = 0;
    std::vector<CssSimpleSelector> simples;
};

struct CssComplexSelector {
    // From the outermost compound to the subject.
    std::vector<CssCompound> compounds;
    CssSpecificity specificity = {0, 0, 0};
    // False when it names what the matcher does not know (pseudo-elements, user action and
    // other states, namespaces...): such a selector matches nothing.
    bool supported = true;
    // False when it does not parse ("p..x", "div > > p", "[a=]"): browsers then drop the whole
    // rule, its other selectors too.
    bool valid = true;
};

// A selector of a rule's list, as CssSyntax gives it.
CssComplexSelector ParseCssSelector(std::string_view selector);
