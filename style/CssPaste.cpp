#include "style/CssPaste.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"

namespace {

// A value or list named in a message is cut here, so that a hostile paste keeps the box
// readable.
constexpr std::size_t kShownLength = 40;
constexpr std::size_t kShownListLength = 120;

// The class Copy as CSS writes the font's rule for.
constexpr std::string_view kFontSelector = ".velloran";

constexpr std::array<std::string_view, 6> kFontProperties = {"color",       "font-family", "font-size",
                                                             "font-weight", "font-style",  "text-align"};

std::string Cut(std::string_view text, std::size_t length) {
    if (text.size() <= length) return std::string(text);
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return std::string(text.substr(0, length)) + "...";
}

std::string List(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    return Cut(list, kShownListLength);
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
    return Cut(platform::LowerAscii(declaration.name), kShownLength) + ": " +
           Cut(CssTokensText(declaration.value), kShownLength);
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

void NoteIgnored(std::vector<std::string>& ignored, const std::string& name) {
    if (std::find(ignored.begin(), ignored.end(), name) == ignored.end()) ignored.push_back(name);
}

struct Selector {
    enum Kind { Body, Link, Visited, Active, AllLinks, Hover, Other } kind;
};

Selector Classify(const std::string& selector) {
    const std::string lower = platform::LowerAscii(selector);
    if (lower == "body" || lower == "html body") return {Selector::Body};
    if (lower == "a:link" || lower == ":link" || lower == "a:any-link") return {Selector::Link};
    if (lower == "a:visited" || lower == ":visited") return {Selector::Visited};
    if (lower == "a:active" || lower == ":active") return {Selector::Active};
    if (lower == "a") return {Selector::AllLinks};
    // a:hover, a:focus and the like: states a style has no colour for.
    if (lower.starts_with("a:") || lower.starts_with(":")) return {Selector::Hover};
    return {Selector::Other};
}

bool SetsFont(const std::vector<CssDeclaration>& declarations) {
    return std::any_of(declarations.begin(), declarations.end(), [](const CssDeclaration& declaration) {
        const std::string name = platform::LowerAscii(declaration.name);
        return std::find(kFontProperties.begin(), kFontProperties.end(), name) != kFontProperties.end();
    });
}

void AddProblem(std::vector<std::string>& problems, const std::string& problem) {
    if (!problem.empty()) problems.push_back(problem);
}

template <typename T>
void AddValueProblem(std::vector<std::string>& problems, const CssRead<T>& read) {
    AddProblem(problems, read.problem);
}

// The sheet's rules sorted by what they set, each list in the sheet's order.
struct SortedRules {
    std::vector<const CssRule*> body;
    std::array<std::vector<const CssRule*>, 3> links;  // link, visited, active
    std::vector<const CssRule*> allLinks;
    std::vector<std::string> hover;
    std::vector<std::string> others;
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
            NoteIgnored(ignored, Cut(name, kShownLength));
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
            NoteIgnored(ignored, Cut(name, kShownLength));
        }
    }
    return body;
}

TPastedTag ParsePastedSheet(std::string_view text) {
    const CssSheet sheet = ParseCssSheet(text);
    SortedRules sorted;
    std::vector<std::pair<std::string, const CssRule*>> candidates;
    for (const CssRule& rule : sheet.rules) {
        for (const std::string& written : rule.selectors) {
            // A rule with an empty selector selects nothing.
            if (written.empty()) continue;
            const Selector selector = Classify(written);
            switch (selector.kind) {
                case Selector::Body: sorted.body.push_back(&rule); break;
                case Selector::Link: sorted.links[0].push_back(&rule); break;
                case Selector::Visited: sorted.links[1].push_back(&rule); break;
                case Selector::Active: sorted.links[2].push_back(&rule); break;
                case Selector::AllLinks: sorted.allLinks.push_back(&rule); break;
                case Selector::Hover: NoteIgnored(sorted.hover, Cut(written, kShownLength)); break;
                case Selector::Other: candidates.emplace_back(written, &rule); break;
            }
        }
    }

    TPastedTag pasted;
    std::vector<std::string>& problems = pasted.problems;
    const auto note = [&problems](const std::vector<std::string>& ignored, std::string_view where) {
        if (!ignored.empty())
            problems.push_back(List(ignored) + " in " + Cut(where, kShownLength) + ": not part of a style.");
    };
    // The declarations of every rule for one selector, in the sheet's order, as one block.
    const auto merged = [](const std::vector<const CssRule*>& rules) {
        std::vector<CssDeclaration> declarations;
        for (const CssRule* rule : rules) {
            declarations.insert(declarations.end(), rule->declarations.begin(), rule->declarations.end());
        }
        return declarations;
    };

    if (!sorted.body.empty()) {
        std::vector<std::string> ignored;
        const CssBodyValues body = ReadBodyDeclarations(merged(sorted.body), ignored);
        if (body.background.value) pasted.colors.emplace_back(ctBackground, body.background.value->color);
        if (body.text.value) pasted.colors.emplace_back(ctText, body.text.value->color);
        AddValueProblem(problems, body.background);
        AddValueProblem(problems, body.text);
        AddValueProblem(problems, body.picture);
        // A body rule that gives the background no picture shows none.
        if (body.picture.value) {
            pasted.picture = FileNamePart(*body.picture.value);
        } else if (body.background.Declared()) {
            pasted.picture = std::string();
        }
        pasted.read.push_back("body");
        note(ignored, "body");
    }

    constexpr std::array<TColorTarget, 3> kLinkTargets = {ctLink, ctVisited, ctActive};
    constexpr std::array<std::string_view, 3> kLinkNames = {"a:link", "a:visited", "a:active"};
    for (std::size_t i = 0; i < kLinkTargets.size(); ++i) {
        // "a" sets every kind of link, and a rule for the kind wins over it.
        std::vector<const CssRule*> rules = sorted.allLinks;
        rules.insert(rules.end(), sorted.links[i].begin(), sorted.links[i].end());
        if (rules.empty()) continue;
        std::vector<std::string> ignored;
        std::vector<CssDeclaration> declarations;
        CssRead<CssColorValue> color;
        for (const CssDeclaration& declaration : merged(rules)) {
            if (platform::LowerAscii(declaration.name) != "color") {
                NoteIgnored(ignored, Cut(platform::LowerAscii(declaration.name), kShownLength));
            } else {
                declarations.push_back(declaration);
            }
        }
        for (const CssDeclaration* declaration : InOrder(declarations)) TakeColor(color, *declaration);
        if (color.value) pasted.colors.emplace_back(kLinkTargets[i], color.value->color);
        AddValueProblem(problems, color);
        NoteIgnored(pasted.read, std::string(sorted.links[i].empty() ? "a" : kLinkNames[i]));
        note(ignored, kLinkNames[i]);
    }

    // The font's rule: the class Copy as CSS writes, else the first that sets the font.
    const auto font = std::find_if(candidates.begin(), candidates.end(),
                                   [](const auto& candidate) { return candidate.first == kFontSelector; });
    const auto chosen = font != candidates.end()
                            ? font
                            : std::find_if(candidates.begin(), candidates.end(), [](const auto& candidate) {
                                  return SetsFont(candidate.second->declarations);
                              });
    std::vector<std::string> others;
    if (chosen != candidates.end()) {
        const std::string selector = chosen->first;
        std::vector<const CssRule*> rules;
        for (const auto& [text, rule] : candidates) {
            if (text == selector) {
                rules.push_back(rule);
            } else {
                NoteIgnored(others, Cut(text, kShownLength));
            }
        }
        std::vector<std::string> ignored;
        const CssFontValues values = ReadFontDeclarations(merged(rules), ignored);
        pasted.setsFont = true;
        if (values.color.value) pasted.colors.emplace_back(ctFont, values.color.value->color);
        pasted.sizeStep = values.sizeStep.value;
        pasted.faces = values.faces.value.value_or(std::vector<std::string>());
        pasted.bold = values.bold.value.value_or(false);
        pasted.italic = values.italic.value.value_or(false);
        pasted.centered = values.centered.value.value_or(false);
        for (const std::string* problem :
             {&values.color.problem, &values.sizeStep.problem, &values.faces.problem, &values.bold.problem,
              &values.italic.problem, &values.centered.problem}) {
            AddProblem(problems, *problem);
        }
        pasted.read.push_back(Cut(selector, kShownLength));
        note(ignored, selector);
    } else {
        for (const auto& candidate : candidates) NoteIgnored(others, Cut(candidate.first, kShownLength));
    }

    if (pasted.read.empty()) return {};
    pasted.kind = TPastedKind::Sheet;
    if (!others.empty())
        problems.push_back("The rules for " + List(others) + ": only one rule sets the font.");
    if (!sorted.hover.empty()) problems.push_back(List(sorted.hover) + ": a style has no such link color.");
    if (!sheet.atRules.empty()) {
        std::vector<std::string> atRules;
        for (const std::string& name : sheet.atRules) NoteIgnored(atRules, "@" + Cut(name, kShownLength));
        problems.push_back(List(atRules) + ": not part of a style.");
    }
    return pasted;
}
