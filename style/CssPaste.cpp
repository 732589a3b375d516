// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssPaste.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"
#include "platform/Translate.h"
#include "style/CssSelector.h"

namespace {

// A list named in a message is cut here; a value, where every paste cuts it.
constexpr std::size_t kShownListLength = 120;

// The class Copy as CSS writes the font's rule for.
constexpr std::string_view kFontClass = "velloran";

bool SelectsFontClass(const std::string& selector) { return SelectsClass(selector, kFontClass); }

std::string List(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : platform::Translate("Paste", ", ")) + name;
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
// this one read. `unread` is the problem's sentence, with %1 for the declaration.
template <typename T, typename Read>
bool Take(CssRead<T>& read, const std::string& written, CssValue value, Read reader, const char* unread) {
    if (std::optional<T> read_value = reader(value)) {
        read = {std::move(read_value), written, {}};
        return true;
    }
    if (!read.value)
        read = {std::nullopt, written, platform::Arg(platform::Translate("Paste", unread), {written})};
    return false;
}

std::string WithoutAlpha(const std::string& written) {
    return platform::Arg(
        platform::Translate("Paste", "%1 is loaded without its transparency: a style's colors are opaque."),
        {written});
}

void TakeColor(CssRead<CssColorValue>& read, const std::string& written, CssValue value,
               const CssContext& context) {
    const auto reader = [&context](CssValue tokens) { return ReadCssColor(tokens, context); };
    if (Take(read, written, value, reader, QT_TRANSLATE_NOOP("Paste", "%1 is not a color.")) &&
        !read.value->opaque) {
        read.problem = WithoutAlpha(read.written);
    }
}

// A declaration's value with its var() replaced; empty when that fails, which no reader takes.
std::vector<CssToken> Resolved(const CssDeclaration& declaration, const CssVariables& variables) {
    return SubstituteVariables(declaration.value, variables).value_or(std::vector<CssToken>());
}

bool IsCustomProperty(const std::string& name) { return name.starts_with("--"); }

// The properties the font takes, which the element inherits from the body and the root.
constexpr std::array<std::string_view, 7> kFontProperties = {
    "color", "font", "font-size", "font-family", "font-weight", "font-style", "text-align"};
bool IsFontProperty(const std::string& name) {
    return std::find(kFontProperties.begin(), kFontProperties.end(), name) != kFontProperties.end();
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
        ReadSurroundings();
        ReadBody();
        for (std::size_t i = 0; i < kLinkTargets.size(); ++i) ReadLink(i);
        ReadFont();
        // The body's font properties are read when the font inherits them.
        if (pasted_.setsFont) std::erase_if(bodyIgnored_, IsFontProperty);
        NameLeftOut(bodyIgnored_, "body");
        if (pasted_.read.empty()) return {};
        pasted_.kind = TPastedKind::Sheet;
        std::vector<std::string>& problems = pasted_.problems;
        if (!others_.empty())
            problems.push_back(
                platform::Arg(platform::Translate("Paste", "The rules for %1: only one rule sets the font."),
                              {List(others_)}));
        if (!hover_.empty()) {
            problems.push_back(platform::Arg(
                platform::Translate("Paste", "%1: a style has no such link color."), {List(hover_)}));
        }
        std::vector<std::string> atRules;
        for (const std::string& name : sheet_.atRules) AddName(atRules, "@" + CutForMessage(name));
        if (!atRules.empty()) {
            problems.push_back(
                platform::Arg(platform::Translate("Paste", "%1: not part of a style."), {List(atRules)}));
        }
        return pasted_;
    }

private:
    void Sort(const std::string& selector, const CssRule& rule) {
        const std::string lower = platform::LowerAscii(selector);
        if (lower == "body" || lower == "html body" || lower == ":root body") {
            body_.push_back(&rule);
        } else if (lower == "html" || lower == ":root") {
            root_.push_back(&rule);
        } else if (IsGeneratedContent(lower)) {
            // ::before and ::after style text the page adds, not the element's own.
            return;
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
        pasted_.problems.push_back(
            platform::Arg(platform::Translate("Paste", "%1 in %2: not part of a style."),
                          {List(ignored), CutForMessage(where)}));
    }

    // The root's and the body's font, which the font's element inherits, with the sizes and
    // custom properties counted through them.
    void ReadSurroundings() {
        std::vector<std::string> unused;
        CssScope scope;
        scope.variables = WithCustomProperties(Merged(root_), {});
        rootFont_ = ReadFontDeclarations(Merged(root_), unused, scope);
        scope.context.parentPx = scope.context.rootPx = rootFont_.sizePx.value_or(scope.context.parentPx);
        bodyScope_.context = scope.context;
        bodyScope_.variables = WithCustomProperties(Merged(body_), scope.variables);
        scope.context.currentColor = rootFont_.color.value;
        bodyFont_ = ReadFontDeclarations(Merged(body_), unused, scope);
        bodyScope_.context.parentPx = bodyFont_.sizePx.value_or(scope.context.parentPx);
        bodyScope_.context.currentColor =
            bodyFont_.color.value ? bodyFont_.color.value : rootFont_.color.value;
    }

    void ReadBody() {
        if (body_.empty()) return;
        std::vector<std::string> ignored;
        CssScope scope = bodyScope_;
        scope.context.currentColor = rootFont_.color.value;
        const CssBodyValues body = ReadBodyDeclarations(Merged(body_), ignored, scope);
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
        bodyIgnored_ = ignored;
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
            } else if (!IsCustomProperty(name)) {
                AddName(ignored, CutForMessage(name));
            }
        }
        CssRead<CssColorValue> color;
        const CssVariables variables = WithCustomProperties(Merged(rules), bodyScope_.variables);
        for (const CssDeclaration* declaration : InOrder(colors)) {
            TakeColor(color, Written(*declaration), Resolved(*declaration, variables), {});
        }
        if (color.value) pasted_.colors.emplace_back(kLinkTargets[i], color.value->color);
        AddProblem(pasted_.problems, color.problem);
        AddName(pasted_.read, std::string(links_[i].empty() ? "a" : kLinkNames[i]));
        NameLeftOut(ignored, kLinkNames[i]);
    }

    // The font's rules: those for the class Copy as CSS writes, else those of the first selector
    // that sets the font, in the order they count. The others that set the font are named.
    void ReadFont() {
        std::vector<std::string> unused;
        std::vector<std::size_t> chosen;
        for (std::size_t i = 0; i < candidates_.size(); ++i) {
            if (SelectsFontClass(candidates_[i].first)) chosen.push_back(i);
        }
        if (chosen.empty()) {
            const auto first =
                std::find_if(candidates_.begin(), candidates_.end(), [&](const auto& candidate) {
                    return ReadFontDeclarations(candidate.second->declarations, unused).Any();
                });
            for (std::size_t i = 0; first != candidates_.end() && i < candidates_.size(); ++i) {
                if (candidates_[i].first == first->first) chosen.push_back(i);
            }
        }
        // Another selector of a rule that is read ("h1" of "h1, .velloran") is no other rule.
        const auto isChosen = [&](const CssRule* rule) {
            return std::any_of(chosen.begin(), chosen.end(),
                               [&](std::size_t i) { return candidates_[i].second == rule; });
        };
        for (const auto& [selector, rule] : candidates_) {
            if (!isChosen(rule) && ReadFontDeclarations(rule->declarations, unused).Any()) {
                AddName(others_, CutForMessage(selector));
            }
        }
        if (chosen.empty()) return;
        // A more specific selector wins over a less specific one written later.
        std::stable_sort(chosen.begin(), chosen.end(), [this](std::size_t a, std::size_t b) {
            return Specificity(candidates_[a].first) < Specificity(candidates_[b].first);
        });
        std::vector<const CssRule*> rules;
        std::vector<std::string> selectors;
        for (const std::size_t i : chosen) {
            rules.push_back(candidates_[i].second);
            AddName(selectors, CutForMessage(candidates_[i].first));
        }

        std::vector<std::string> ignored;
        CssFontValues values = ReadFontDeclarations(Merged(rules), ignored, bodyScope_);
        Inherit(values);
        pasted_.setsFont = true;
        if (values.color.value) pasted_.colors.emplace_back(ctFont, values.color.value->color);
        pasted_.sizeStep = values.sizeStep.value;
        if (!pasted_.sizeStep && bodyScope_.context.parentPx != CssContext().parentPx) {
            pasted_.sizeStep = NearestSizeStep(bodyScope_.context.parentPx);
        }
        pasted_.faces = values.faces.value.value_or(std::vector<std::string>());
        // What the font's rules leave out and the page does not give is off, as with a FONT tag.
        pasted_.bold = values.bold.value.value_or(false);
        pasted_.italic = values.italic.value.value_or(false);
        pasted_.centered = values.centered.value.value_or(false);
        for (const std::string* problem :
             {&values.color.problem, &values.sizeStep.problem, &values.faces.problem, &values.bold.problem,
              &values.italic.problem, &values.centered.problem, &values.systemFont}) {
            AddProblem(pasted_.problems, *problem);
        }
        std::string read;
        for (const std::string& selector : selectors) read += (read.empty() ? "" : ", ") + selector;
        pasted_.read.push_back(CutForMessage(read, kShownListLength));
        NameLeftOut(ignored, CutForMessage(read, kShownListLength));
    }

    // What the font's rules leave out, the element takes from the body, else from the root.
    void Inherit(CssFontValues& values) const {
        for (const CssFontValues* outer : {&bodyFont_, &rootFont_}) {
            if (!values.color.value && outer->color.value) values.color.value = outer->color.value;
            if (!values.faces.value && outer->faces.value) values.faces.value = outer->faces.value;
            if (!values.bold.value && outer->bold.value) values.bold.value = outer->bold.value;
            if (!values.italic.value && outer->italic.value) values.italic.value = outer->italic.value;
            if (!values.centered.value && outer->centered.value)
                values.centered.value = outer->centered.value;
        }
    }

    const CssSheet& sheet_;
    std::vector<const CssRule*> root_;
    std::vector<const CssRule*> body_;
    CssFontValues rootFont_;
    CssFontValues bodyFont_;
    CssScope bodyScope_;
    std::vector<std::string> bodyIgnored_;
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
           italic.Declared() || centered.Declared() || !systemFont.empty();
}

std::optional<std::vector<CssToken>> SubstituteVariables(const std::vector<CssToken>& value,
                                                         const CssVariables& variables) {
    std::vector<CssToken> current = value;
    // Each pass replaces the var() written in the last one; a property that names itself, or
    // a chain longer than any page needs, is refused here.
    constexpr int kMaxPasses = 16;
    constexpr std::size_t kMaxSubstitutedTokens = 4096;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        std::vector<CssToken> next;
        bool replaced = false;
        for (std::size_t i = 0; i < current.size(); ++i) {
            if (current[i].type != CssTokenType::Function ||
                platform::LowerAscii(current[i].value) != "var") {
                next.push_back(current[i]);
                continue;
            }
            // The var()'s arguments up to its closing parenthesis, or to the value's end, which
            // closes what is still open, as the end of a declaration does.
            std::size_t end = i + 1;
            for (int depth = 1; end < current.size(); ++end) {
                const CssTokenType type = current[end].type;
                if (type == CssTokenType::Function || type == CssTokenType::LeftParen) ++depth;
                if (type == CssTokenType::RightParen && --depth == 0) break;
            }
            std::size_t at = i + 1;
            while (at < end && current[at].type == CssTokenType::Whitespace) ++at;
            if (at == end || current[at].type != CssTokenType::Ident ||
                !current[at].value.starts_with("--")) {
                return std::nullopt;
            }
            const auto found = variables.find(current[at].value);
            if (found != variables.end() && !found->second.empty()) {
                next.insert(next.end(), found->second.begin(), found->second.end());
            } else {
                ++at;
                while (at < end && current[at].type == CssTokenType::Whitespace) ++at;
                if (at == end || current[at].type != CssTokenType::Comma) return std::nullopt;
                ++at;
                while (at < end && current[at].type == CssTokenType::Whitespace) ++at;
                next.insert(next.end(), current.begin() + static_cast<std::ptrdiff_t>(at),
                            current.begin() + static_cast<std::ptrdiff_t>(end));
            }
            replaced = true;
            i = end;
            // Values that name each other many times over grow without bound.
            if (next.size() > kMaxSubstitutedTokens) return std::nullopt;
        }
        if (!replaced) {
            while (!next.empty() && next.back().type == CssTokenType::Whitespace) next.pop_back();
            return next;
        }
        current = std::move(next);
    }
    return std::nullopt;
}

CssVariables WithCustomProperties(const std::vector<CssDeclaration>& declarations, CssVariables inherited) {
    for (const CssDeclaration* declaration : InOrder(declarations)) {
        if (IsCustomProperty(declaration->name)) inherited[declaration->name] = declaration->value;
    }
    return inherited;
}

CssFontValues ReadFontDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored, const CssScope& scope) {
    // The inherited properties are copied only when the declarations add to them: a deep line of
    // elements would copy them at every one.
    const bool adds = std::any_of(declarations.begin(), declarations.end(),
                                  [](const CssDeclaration& d) { return IsCustomProperty(d.name); });
    const CssVariables own = adds ? WithCustomProperties(declarations, scope.variables) : CssVariables();
    const CssVariables& variables = adds ? own : scope.variables;
    const CssContext& context = scope.context;
    CssFontValues font;
    for (const CssDeclaration* declaration : InOrder(declarations)) {
        const std::string name = platform::LowerAscii(declaration->name);
        if (IsCustomProperty(declaration->name)) continue;
        const std::string written = Written(*declaration);
        const std::vector<CssToken> tokens = Resolved(*declaration, variables);
        const CssValue value(tokens);
        if (name == "color") {
            TakeColor(font.color, written, value, context);
        } else if (name == "font-size") {
            const auto size = [&context](CssValue v) { return ReadCssFontSizePx(v, context); };
            CssRead<double> px;
            if (Take(px, written, value, size, QT_TRANSLATE_NOOP("Paste", "%1 is not a size."))) {
                font.sizeStep = {NearestSizeStep(*px.value), written, {}};
                font.sizePx = px.value;
            } else if (!font.sizeStep.value) {
                font.sizeStep = {std::nullopt, written, px.problem};
            }
        } else if (name == "font-family") {
            Take(font.faces, written, value, ReadCssFontFamily,
                 QT_TRANSLATE_NOOP("Paste", "%1 names no face."));
        } else if (name == "font-weight") {
            Take(font.bold, written, value, ReadCssBold, QT_TRANSLATE_NOOP("Paste", "%1 is not a weight."));
        } else if (name == "font-style") {
            Take(font.italic, written, value, ReadCssItalic,
                 QT_TRANSLATE_NOOP("Paste", "%1 is not a font style."));
        } else if (name == "text-align") {
            Take(font.centered, written, value, ReadCssCentered,
                 QT_TRANSLATE_NOOP("Paste", "%1 is not an alignment."));
        } else if (name == "font") {
            if (IsCssSystemFont(value)) {
                font.systemFont = platform::Arg(
                    platform::Translate("Paste", "%1 is not read: a system font is each visitor's own."),
                    {written});
                continue;
            }
            const std::optional<CssFont> shorthand = ReadCssFont(value, context);
            if (!shorthand) {
                if (!font.faces.value) {
                    font.faces = {
                        std::nullopt, written,
                        platform::Arg(platform::Translate("Paste", "%1 is not a font."), {written})};
                }
                continue;
            }
            font.italic = {shorthand->italic, written, {}};
            font.bold = {shorthand->bold, written, {}};
            font.sizeStep = {NearestSizeStep(shorthand->sizePx), written, {}};
            font.sizePx = shorthand->sizePx;
            font.faces = {shorthand->faces, written, {}};
        } else {
            AddName(ignored, CutForMessage(name));
        }
    }
    return font;
}

CssBodyValues ReadBodyDeclarations(const std::vector<CssDeclaration>& declarations,
                                   std::vector<std::string>& ignored, const CssScope& scope) {
    const CssVariables variables = WithCustomProperties(declarations, scope.variables);
    CssBodyValues body;
    for (const CssDeclaration* declaration : InOrder(declarations)) {
        const std::string name = platform::LowerAscii(declaration->name);
        if (IsCustomProperty(declaration->name)) continue;
        const std::string written = Written(*declaration);
        const std::vector<CssToken> tokens = Resolved(*declaration, variables);
        const CssValue value(tokens);
        if (name == "color") {
            TakeColor(body.text, written, value, scope.context);
        } else if (name == "background-color") {
            TakeColor(body.background, written, value, {});
        } else if (name == "background-image") {
            Take(body.picture, written, value, ReadCssImage,
                 QT_TRANSLATE_NOOP("Paste", "%1 is not a picture."));
        } else if (name == "background") {
            // The shorthand sets what it leaves out to the initial value: no picture, and a
            // transparent colour, which leaves the style's colour as it is.
            CssRead<CssBackground> background;
            if (!Take(background, written, value, ReadCssBackground,
                      QT_TRANSLATE_NOOP("Paste", "%1 is not a background."))) {
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
