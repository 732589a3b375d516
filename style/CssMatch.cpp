// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssMatch.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>
#include <utility>

#include "platform/AsciiCase.h"
#include "style/HtmlMarkup.h"

namespace {

bool IsElement(const GumboNode* node) {
    return node != nullptr && (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE);
}

const GumboVector* Siblings(const GumboNode* node) {
    const GumboNode* parent = node->parent;
    if (parent == nullptr) return nullptr;
    return parent->type == GUMBO_NODE_DOCUMENT ? &parent->v.document.children : &parent->v.element.children;
}

// The element sibling `step` (-1 or +1) away, or null.
const GumboNode* SiblingElement(const GumboNode* node, int step) {
    const GumboVector* siblings = Siblings(node);
    if (siblings == nullptr) return nullptr;
    for (long i = static_cast<long>(node->index_within_parent) + step;
         i >= 0 && i < static_cast<long>(siblings->length); i += step) {
        const auto* sibling = static_cast<const GumboNode*>(siblings->data[i]);
        if (IsElement(sibling)) return sibling;
    }
    return nullptr;
}

const GumboNode* ParentElement(const GumboNode* node) {
    return IsElement(node->parent) ? node->parent : nullptr;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Whether the white-space separated list holds the word.
bool HoldsWord(std::string_view list, std::string_view word) {
    std::size_t at = 0;
    while (at < list.size()) {
        while (at < list.size() && IsSpace(list[at])) ++at;
        std::size_t end = at;
        while (end < list.size() && !IsSpace(list[end])) ++end;
        if (end > at && list.substr(at, end - at) == word) return true;
        at = end;
    }
    return false;
}

// The attributes whose values HTML matches ignoring ASCII case in attribute selectors.
constexpr std::array<std::string_view, 46> kCaseFreeAttributes = {
    "accept",     "accept-charset", "align",     "alink",    "axis",     "bgcolor", "charset",
    "checked",    "clear",          "codetype",  "color",    "compact",  "declare", "defer",
    "dir",        "direction",      "disabled",  "enctype",  "face",     "frame",   "hreflang",
    "http-equiv", "lang",           "language",  "link",     "media",    "method",  "multiple",
    "nohref",     "noresize",       "noshade",   "nowrap",   "readonly", "rel",     "rev",
    "rules",      "scope",          "scrolling", "selected", "shape",    "target",  "text",
    "type",       "valign",         "valuetype", "vlink"};

bool MatchesValue(const CssSimpleSelector& simple, std::string_view value, bool htmlElement) {
    bool ignoreCase = simple.caseFlag == 'i';
    if (simple.caseFlag == 0 && htmlElement) {
        ignoreCase = std::find(kCaseFreeAttributes.begin(), kCaseFreeAttributes.end(), simple.name) !=
                     kCaseFreeAttributes.end();
    }
    const std::string own = ignoreCase ? platform::LowerAscii(value) : std::string(value);
    const std::string wanted = ignoreCase ? platform::LowerAscii(simple.value) : simple.value;
    switch (simple.match) {
        case '=': return own == wanted;
        case '~': return HoldsWord(own, wanted);
        case '|': return own == wanted || own.starts_with(wanted + "-");
        // An empty value to look for matches nothing.
        case '^': return !wanted.empty() && own.starts_with(wanted);
        case '$': return !wanted.empty() && own.ends_with(wanted);
        case '*': return !wanted.empty() && own.find(wanted) != std::string::npos;
        default: return true;
    }
}

}  // namespace

std::string ElementName(const GumboNode* element) {
    const GumboElement& e = element->v.element;
    if (e.tag != GUMBO_TAG_UNKNOWN) return gumbo_normalized_tagname(e.tag);
    GumboStringPiece name = e.original_tag;
    gumbo_tag_from_original_text(&name);
    return platform::LowerAscii(std::string_view(name.data, name.length));
}

const char* RawAttribute(const GumboNode* element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element->v.element.attributes, name);
    return attribute == nullptr ? nullptr : attribute->value;
}

bool CssMatcher::Pay() {
    if (budget_ == 0) return false;
    --budget_;
    return true;
}

bool CssMatcher::MatchesSimple(const CssSimpleSelector& simple, const GumboNode* element) {
    using Kind = CssSimpleSelector::Kind;
    switch (simple.kind) {
        case Kind::Type: return ElementName(element) == simple.name;
        case Kind::Id: {
            const char* id = RawAttribute(element, "id");
            return id != nullptr && DecodeAttribute(id) == simple.name;
        }
        case Kind::Class: {
            const char* classes = RawAttribute(element, "class");
            return classes != nullptr && HoldsWord(DecodeAttribute(classes), simple.name);
        }
        case Kind::Attribute: {
            const char* value = RawAttribute(element, simple.name.c_str());
            return value != nullptr && MatchesValue(simple, DecodeAttribute(value),
                                                    element->v.element.tag_namespace == GUMBO_NAMESPACE_HTML);
        }
        case Kind::Root: return element->parent != nullptr && element->parent->type == GUMBO_NODE_DOCUMENT;
        case Kind::FirstChild: return SiblingElement(element, -1) == nullptr;
        case Kind::LastChild: return SiblingElement(element, +1) == nullptr;
        case Kind::Is:
            return std::any_of(simple.arguments.begin(), simple.arguments.end(),
                               [&](const auto& compound) { return MatchesCompound(compound, element); });
        case Kind::Not: {
            const bool none =
                std::none_of(simple.arguments.begin(), simple.arguments.end(),
                             [&](const auto& compound) { return MatchesCompound(compound, element); });
            // A test the budget refused is no test that failed.
            return none && budget_ > 0;
        }
    }
    return false;
}

bool CssMatcher::MatchesCompound(const std::vector<CssSimpleSelector>& simples, const GumboNode* element) {
    if (!Pay()) return false;
    return std::all_of(simples.begin(), simples.end(),
                       [&](const CssSimpleSelector& simple) { return MatchesSimple(simple, element); });
}

bool CssMatcher::Matches(const CssComplexSelector& selector, const GumboNode* element) {
    const std::vector<CssCompound>& compounds = selector.compounds;
    if (!selector.supported || compounds.empty() || !IsElement(element)) return false;
    if (!MatchesCompound(compounds.back().simples, element)) return false;
    // From the subject leftwards, each compound matched at an element; where a descendant or
    // subsequent-sibling combinator leaves a choice, the search goes on from the last element
    // tried. A stack of our own, as a deep tree would exhaust the call stack. A state that
    // failed is never tried again, nor does a search for a compound go through an element
    // that one which failed went through (it would go on to the same ones), so the work stays
    // within compounds times elements.
    struct State {
        std::size_t compound;  // matched at `element`; those left of it are still to match
        const GumboNode* element;
        const GumboNode* first;  // the first candidate for the compound to its left
        const GumboNode* tried;  // the last one tried
    };
    std::set<std::pair<std::size_t, const GumboNode*>> failed;
    std::set<std::pair<std::size_t, const GumboNode*>> searched;
    std::vector<State> stack = {{compounds.size() - 1, element, nullptr, nullptr}};
    while (!stack.empty()) {
        State& state = stack.back();
        if (state.compound == 0) return true;
        const std::size_t left = state.compound - 1;
        const char combinator = compounds[state.compound].combinator;
        const bool ancestors = combinator == ' ' || combinator == '>';
        const bool single = combinator == '>' || combinator == '+';
        const GumboNode* candidate = nullptr;
        if (state.tried == nullptr) {
            candidate = ancestors ? ParentElement(state.element) : SiblingElement(state.element, -1);
            state.first = candidate;
        } else if (!single) {
            candidate = ancestors ? ParentElement(state.tried) : SiblingElement(state.tried, -1);
        }
        if (candidate != nullptr && !single && searched.contains({left, candidate})) candidate = nullptr;
        if (candidate == nullptr || budget_ == 0) {
            failed.insert({state.compound, state.element});
            // A search from any element it went through would go through the same ones.
            const GumboNode* from = single ? nullptr : state.first;
            for (; from != nullptr && searched.insert({left, from}).second;
                 from = ancestors ? ParentElement(from) : SiblingElement(from, -1)) {
            }
            stack.pop_back();
            continue;
        }
        state.tried = candidate;
        if (failed.contains({left, candidate})) continue;
        if (MatchesCompound(compounds[left].simples, candidate))
            stack.push_back({left, candidate, nullptr, nullptr});
    }
    return false;
}
