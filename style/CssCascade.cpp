// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssCascade.h"

#include <algorithm>

#include "platform/AsciiCase.h"
#include "style/HtmlMarkup.h"

namespace {

// Far more selectors than a page's sheet for one text holds; those after them are not read.
constexpr std::size_t kMaxSelectors = 4096;
// Tests of a compound against an element for one paste: enough for every element of the
// longest markup read against a large sheet, bounded against hostile ones.
constexpr std::size_t kMatchBudget = 200000;
// The rules' declarations given to the elements of one paste, in all: a sheet's declarations
// apply to many elements, and the reading of each costs. Past it an element has only its own.
constexpr std::size_t kMaxGivenDeclarations = 50000;
// An element's classes looked up; a longer class list is one no page writes.
constexpr std::size_t kMaxClasses = 32;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::vector<std::string> Words(std::string_view list) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < list.size() && words.size() < kMaxClasses) {
        while (at < list.size() && IsSpace(list[at])) ++at;
        std::size_t end = at;
        while (end < list.size() && !IsSpace(list[end])) ++end;
        if (end > at) words.emplace_back(list.substr(at, end - at));
        at = end;
    }
    return words;
}

// Leaves out every property whose picked declaration says to inherit.
void DropInherited(std::vector<CssDeclaration>& declarations) {
    std::vector<std::string> inherited;
    for (const bool important : {false, true}) {
        for (const CssDeclaration& declaration : declarations) {
            if (declaration.important != important) continue;
            const std::string name = platform::LowerAscii(declaration.name);
            std::erase(inherited, name);
            if (declaration.value.size() == 1 && declaration.value[0].type == CssTokenType::Ident) {
                const std::string keyword = platform::LowerAscii(declaration.value[0].value);
                if (keyword == "inherit" || keyword == "unset") inherited.push_back(name);
            }
        }
    }
    std::erase_if(declarations, [&inherited](const CssDeclaration& declaration) {
        return std::find(inherited.begin(), inherited.end(), platform::LowerAscii(declaration.name)) !=
               inherited.end();
    });
}

}  // namespace

CssCascade::CssCascade(std::string_view sheets) : sheet_(ParseCssSheet(sheets)), matcher_(kMatchBudget) {
    for (const CssRule& rule : sheet_.rules) {
        std::vector<CssComplexSelector> selectors;
        for (const std::string& text : rule.selectors) selectors.push_back(ParseCssSelector(text));
        if (!std::all_of(selectors.begin(), selectors.end(), [](const auto& s) { return s.valid; })) continue;
        for (CssComplexSelector& selector : selectors) {
            if (entries_.size() == kMaxSelectors) return;
            // One that never matches needs no place.
            if (!selector.supported) continue;
            std::string key = "*";
            for (const CssSimpleSelector& simple : selector.compounds.back().simples) {
                if (simple.kind == CssSimpleSelector::Kind::Id) {
                    key = "#" + simple.name;
                    break;
                }
                if (simple.kind == CssSimpleSelector::Kind::Class) {
                    key = "." + simple.name;
                } else if (simple.kind == CssSimpleSelector::Kind::Type && key == "*") {
                    key = simple.name;
                }
            }
            byKey_[key].push_back(entries_.size());
            entries_.push_back({std::move(selector), &rule});
        }
    }
}

std::vector<std::size_t> CssCascade::Candidates(const GumboNode* element) const {
    std::vector<std::string> keys = {"*", ElementName(element)};
    if (const char* id = RawAttribute(element, "id")) {
        keys.push_back("#" + DecodeAttribute(id));
    }
    if (const char* classes = RawAttribute(element, "class")) {
        for (const std::string& name : Words(DecodeAttribute(classes))) keys.push_back("." + name);
    }
    std::vector<std::size_t> candidates;
    for (const std::string& key : keys) {
        const auto found = byKey_.find(key);
        if (found != byKey_.end())
            candidates.insert(candidates.end(), found->second.begin(), found->second.end());
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

const std::vector<CssDeclaration>& CssCascade::Declarations(const GumboNode* element) {
    const auto known = read_.find(element);
    if (known != read_.end()) return known->second;
    std::vector<const Entry*> matched;
    if (element->type == GUMBO_NODE_ELEMENT) {
        for (const std::size_t i : Candidates(element)) {
            if (matcher_.Matches(entries_[i].selector, element)) matched.push_back(&entries_[i]);
        }
    }
    // In the sheet's order already; the more specific ones count later.
    std::stable_sort(matched.begin(), matched.end(), [](const Entry* a, const Entry* b) {
        return a->selector.specificity < b->selector.specificity;
    });
    std::vector<CssDeclaration> declarations;
    for (const Entry* entry : matched) {
        given_ += entry->rule->declarations.size();
        if (given_ > kMaxGivenDeclarations) break;
        declarations.insert(declarations.end(), entry->rule->declarations.begin(),
                            entry->rule->declarations.end());
    }
    if (element->type == GUMBO_NODE_ELEMENT) {
        if (const char* style = RawAttribute(element, "style")) {
            const std::vector<CssDeclaration> own = ParseCssDeclarations(DecodeAttribute(style));
            declarations.insert(declarations.end(), own.begin(), own.end());
        }
    }
    DropInherited(declarations);
    return read_.emplace(element, std::move(declarations)).first->second;
}
