// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssPaste.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"

namespace {

// A list named in a message is cut here; a value, where every paste cuts it.
constexpr std::size_t kShownListLength = 120;

// The class Copy as CSS writes the font's rule for.
constexpr std::string_view kFontSelector = ".velloran";

std::string List(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    return CutForMessage(list, kShownListLength);
}

// Declarations in the order they count: the later wins, and "!important" wins over the rest.
std::vector<const CssDeclaration*> InOrder(const std::vector<CssDeclaration>& declarations) {
    std::vector<const CssDeclaration*> ordered;
    for (const bool important : {false, true}) {
        for (const CssDeclaration& declaration : declarations) {
            if (declaration.important == important) ordered.push_back(&declaration);
        }
    }
    return ordered;
}

std::string Written(const CssDeclaration& declaration) {
    return CutForMessage(platform::LowerAscii(declaration.name)) + ": " +
           CutForMessage(CssTokensText(declaration.value));
}

// A declaration whose value does not read is dropped, as browsers drop it, and an earlier
// one stands; it is named only when no other gave the property a value. Returns whether
// this one read.
template <typename T, typename Read>
bool Take(CssRead<T>& read, const CssDeclaration& declaration, Read reader, std::string_view unread) {
    const std::string written = Written(declaration);
    if (std::optional<T> value = reader(declaration.value)) {
        read = {std::move(value), written, {}};
        return true;
    }
    if (!read.value) read = {std::nullopt, written, written + std::string(unread)};
    return false;
}

std::string WithoutAlpha(const std::string& written) {
    return written + " is loaded without its transparency: a style's colors are opaque.";
}

void TakeColor(CssRead<CssColorValue>& read, const CssDeclaration& declaration) {
    if (Take(read, declaration, ReadCssColor, " is not a color.") && !read.value->opaque) {
        read.problem = WithoutAlpha(read.written);
    }
}

void AddName(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

void AddProblem(std::vector<std::string>& problems, const std::string& problem) {
    if (!problem.empty()) problems.push_back(problem);
}

// The declarations of every rule given, in the sheet's order, as one block.
std::vector<CssDeclaration> Merged(const std::vector<const CssRule*>& rules) {
    std::vector<CssDeclaration> declarations;
    for (const CssRule* rule : rules) {
        declarations.insert(declarations.end(), rule->declarations.begin(), rule->declarations.end());
    }
    return declarations;
}

constexpr std::array<TColorTarget, 3> kLinkTargets = {ctLink, ctVisited, ctActive};
constexpr std::array<std::string_view, 3> kLinkNames = {"a:link", "a:visited", "a:active"};

// Reads a sheet's rules into the pasted style, each kind of rule on its own.
class SheetReader {
public:
    explicit SheetReader(const CssSheet& sheet) : sheet_(sheet) {
        for (const CssRule& rule : sheet.rules) {
            for (const std::string& selector : rule.selectors) {
                // A rule with an empty selector selects nothing.
                if (!selector.empty()) Sort(selector, rule);
            }
        }
    }

    TPastedTag Read() {
        ReadBody();
        for (std::size_t i = 0; i < kLinkTargets.size(); ++i) ReadLink(i);
        ReadFont();
        if (pasted_.read.empty()) return {};
        pasted_.kind = TPastedKind::Sheet;
        std::vector<std::string>& problems = pasted_.problems;
        if (!others_.empty())
            problems.push_back("The rules for " + List(others_) + ": only one rule sets the font.");
        if (!hover_.empty()) problems.push_back(List(hover_) + ": a style has no such link color.");
        std::vector<std::string> atRules;
        for (const std::string& name : sheet_.atRules) AddName(atRules, "@" + CutForMessage(name));
        if (!atRules.empty()) problems.push_back(List(atRules) + ": not part of a style.");
        return pasted_;
    }

private:
    void Sort(const std::string& selector, const CssRule& rule) {
        const std::string lower = platform::LowerAscii(selector);
        if (lower == "body" || lower == "html body") {
            body_.push_back(&rule);
        } else if (lower == "a:link" || lower == ":link" || lower == "a:any-link") {
            links_[0].push_back(&rule);
        } else if (lower == "a:visited" || lower == ":visited") {
            links_[1].push_back(&rule);
        } else if (lower == "a:active" || lower == ":active") {
            links_[2].push_back(&rule);
        } else if (lower == "a") {
            allLinks_.push_back(&rule);
        } else if (lower.starts_with("a:") || lower.starts_with(":")) {
            // a:hover, a:focus and the like: states a style has no colour for.
            AddName(hover_, CutForMessage(selector));
        } else {
            candidates_.emplace_back(selector, &rule);
        }
    }

    void NameLeftOut(const std::vector<std::string>& ignored, std::string_view where) {
        if (ignored.empty()) return;
        pasted_.problems.push_back(List(ignored) + " in " + CutForMessage(where) + ": not part of a style.");
    }

    void ReadBody() {
        if (body_.empty()) return;
        std::vector<std::string> ignored;
        const CssBodyValues body = ReadBodyDeclarations(Merged(body_), ignored);
        if (body.background.value) pasted_.colors.emplace_back(ctBackground, body.background.value->color);
        if (body.text.value) pasted_.colors.emplace_back(ctText, body.text.value->color);
        for (const std::string* problem :
             {&body.background.problem, &body.text.problem, &body.picture.problem}) {
            AddProblem(pasted_.problems, *problem);
        }
        // A body rule that gives the background no picture shows none.
        if (body.picture.value) {
            pasted_.picture = FileNamePart(*body.picture.value);
        } else if (body.background.Declared()) {
            pasted_.picture = std::string();
        }
        pasted_.read.push_back("body");
        NameLeftOut(ignored, "body");
    }

    // The colour of link kind i: "a" sets every kind, and a rule for the kind wins over it.
    void ReadLink(std::size_t i) {
        std::vector<const CssRule*> rules = allLinks_;
        rules.insert(rules.end(), links_[i].begin(), links_[i].end());
        if (rules.empty()) return;
        std::vector<std::string> ignored;
        std::vector<CssDeclaration> colors;
        for (const CssDeclaration& declaration : Merged(rules)) {
            const std::string name = platform::LowerAscii(declaration.name);
            if (name == "color") {
                colors.push_back(declaration);
            } else {
                AddName(ignored, CutForMessage(name));
            }
        }
        CssRead<CssColorValue> color;
        for (const CssDeclaration* declaration : InOrder(colors)) TakeColor(color, *declaration);
        if (color.value) pasted_.colors.emplace_back(kLinkTargets[i], color.value->color);
        AddProblem(pasted_.problems, color.problem);
        AddName(pasted_.read, std::string(links_[i].empty() ? "a" : kLinkNames[i]));
        NameLeftOut(ignored, kLinkNames[i]);
    }

    // The font's rule: the class Copy as CSS writes, else the first that sets the font. Every
    // rule for its selector counts; the others are named.
    void ReadFont() {
        std::vector<std::string> unused;
        auto chosen = std::find_if(candidates_.begin(), candidates_.end(),
                                   [](const auto& candidate) { return candidate.first == kFontSelector; });
        if (chosen == candidates_.end()) {
            chosen = std::find_if(candidates_.begin(), candidates_.end(), [&unused](const auto& candidate) {
                return ReadFontDeclarations(candidate.second->declarations, unused).Any();
            });
        }
        const std::string selector = chosen == candidates_.end() ? std::string() : chosen->first;
        std::vector<const CssRule*> rules;
        for (const auto& [written, rule] : candidates_) {
            if (written == selector) {
                rules.push_back(rule);
            } else {
                AddName(others_, CutForMessage(written));
            }
        }
        if (rules.empty()) return;

        std::vector<std::string> ignored;
        const CssFontValues values = ReadFontDeclarations(Merged(rules), ignored);
        pasted_.setsFont = true;
        if (values.color.value) pasted_.colors.emplace_back(ctFont, values.color.value->color);
        pasted_.sizeStep = values.sizeStep.value;
        pasted_.faces = values.faces.value.value_or(std::vector<std::string>());
        // What the font's rule leaves out is off, as with a FONT tag.
        pasted_.bold = values.bold.value.value_or(false);
        pasted_.italic = values.italic.value.value_or(false);
        pasted_.centered = values.centered.value.value_or(false);
        for (const std::string* problem :
             {&values.color.problem, &values.sizeStep.problem, &values.faces.problem, &values.bold.problem,
              &values.italic.problem, &values.centered.problem}) {
            AddProblem(pasted_.problems, *problem);
        }
        pasted_.read.push_back(CutForMessage(selector));
        NameLeftOut(ignored, selector);
    }

    const CssSheet& sheet_;
    std::vector<const CssRule*> body_;
    std::array<std::vector<const CssRule*>, 3> links_;  // link, visited, active
    std::vector<const CssRule*> allLinks_;
    std::vector<std::pair<std::string, const CssRule*>> candidates_;
    std::vector<std::string> hover_;
    std::vector<std::string> others_;
    TPastedTag pasted_;
};

}  // namespace

bool CssFontValues::Any() const {
    return color.Declared() || sizeStep.Declared() || faces.Declared() || bold.Declared() ||
           italic.Declared() || centered.Declared();
}

CssFontValues ReadFontDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored) {
    CssFontValues font;
    for (const CssDeclaration* declaration : InOrder(declarations)) {
        const std::string name = platform::LowerAscii(declaration->name);
        if (name == "color") {
            TakeColor(font.color, *declaration);
        } else if (name == "font-size") {
            Take(font.sizeStep, *declaration, ReadCssFontSize, " is not a size.");
        } else if (name == "font-family") {
            Take(font.faces, *declaration, ReadCssFontFamily, " names no face.");
        } else if (name == "font-weight") {
            Take(font.bold, *declaration, ReadCssBold, " is not a weight.");
        } else if (name == "font-style") {
            Take(font.italic, *declaration, ReadCssItalic, " is not a font style.");
        } else if (name == "text-align") {
            Take(font.centered, *declaration, ReadCssCentered, " is not an alignment.");
        } else {
            AddName(ignored, CutForMessage(name));
        }
    }
    return font;
}

CssBodyValues ReadBodyDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored) {
    CssBodyValues body;
    for (const CssDeclaration* declaration : InOrder(declarations)) {
        const std::string name = platform::LowerAscii(declaration->name);
        if (name == "color") {
            TakeColor(body.text, *declaration);
        } else if (name == "background-color") {
            TakeColor(body.background, *declaration);
        } else if (name == "background-image") {
            Take(body.picture, *declaration, ReadCssImage, " is not a picture.");
        } else if (name == "background") {
            // The shorthand sets what it leaves out to the initial value: no picture, and a
            // transparent colour, which leaves the style's colour as it is.
            CssRead<CssBackground> background;
            if (!Take(background, *declaration, ReadCssBackground, " is not a background.")) {
                if (!body.background.value)
                    body.background = {std::nullopt, background.written, background.problem};
                continue;
            }
            if (const std::optional<CssColorValue> color = background.value->color) {
                body.background = {color, background.written,
                                   color->opaque ? "" : WithoutAlpha(background.written)};
            }
            body.picture = {background.value->image.value_or(std::string()), background.written, {}};
        } else {
            AddName(ignored, CutForMessage(name));
        }
    }
    return body;
}

TPastedTag ParsePastedSheet(std::string_view text) { return SheetReader(ParseCssSheet(text)).Read(); }
