// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/TagParser.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"
#include "platform/Translate.h"
#include "style/CssCascade.h"
#include "style/CssPaste.h"
#include "style/FileUrl.h"
#include "style/HtmlMarkup.h"
#include "style/LegacyValue.h"

namespace {

// The most bytes a UTF-8 character takes.
constexpr std::size_t kMaxCharacterBytes = 4;

struct ColorAttribute {
    const char* name;
    TColorTarget target;
};

constexpr std::array<ColorAttribute, 5> kBodyColors = {{
    {"bgcolor", ctBackground},
    {"text", ctText},
    {"link", ctLink},
    {"vlink", ctVisited},
    {"alink", ctActive},
}};

// The picture attributes of a body tag: the standard one and the one this program writes.
constexpr std::array<const char*, 2> kPictureAttributes = {"background", "bgpicture"};

// Elements whose content a browser does not show.
constexpr std::array<GumboTag, 6> kHiddenContent = {GUMBO_TAG_SCRIPT, GUMBO_TAG_STYLE,   GUMBO_TAG_NOSCRIPT,
                                                    GUMBO_TAG_IFRAME, GUMBO_TAG_NOEMBED, GUMBO_TAG_NOFRAMES};
// Elements whose text a browser shows as written, references and all.
constexpr std::array<GumboTag, 2> kRawText = {GUMBO_TAG_XMP, GUMBO_TAG_PLAINTEXT};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

template <std::size_t N>
bool IsOneOf(const GumboNode* node, const std::array<GumboTag, N>& tags) {
    return std::any_of(tags.begin(), tags.end(), [node](GumboTag tag) { return IsHtmlElement(node, tag); });
}

// Elements whose style attribute may stand for a FONT tag, as Copy as HTML5 writes them.
constexpr std::array<GumboTag, 3> kStyledBlocks = {GUMBO_TAG_SPAN, GUMBO_TAG_P, GUMBO_TAG_DIV};

bool IsFont(const GumboNode* node) { return IsHtmlElement(node, GUMBO_TAG_FONT); }

// An attribute as the tag holds it: its name, and its value with references decoded.
struct Attribute {
    std::string name;
    std::string value;

    std::string Shown() const {
        return platform::UpperAscii(CutForMessage(name)) + "=\"" + CutForMessage(value) + "\"";
    }
};

std::optional<Attribute> FindAttribute(const GumboNode* element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element->v.element.attributes, name);
    if (attribute == nullptr) return std::nullopt;
    return Attribute{attribute->name, DecodeAttribute(attribute->value)};
}

// FACE reads as CSS reads font-family, as browsers read it: a comma inside quotes is part of
// the face's name, escapes are decoded, and identifiers in a row make one name.
std::optional<std::vector<std::string>> SplitFaces(std::string_view list) {
    const std::vector<CssToken> tokens = TokenizeCss(list);
    std::span<const CssToken> value(tokens);
    while (!value.empty() && value.front().type == CssTokenType::Whitespace) value = value.subspan(1);
    while (!value.empty() && value.back().type == CssTokenType::Whitespace)
        value = value.first(value.size() - 1);
    return ReadCssFontFamily(value);
}

// What an element's style attribute says of the font.
CssFontValues StyleFont(const GumboNode* element) {
    const std::optional<Attribute> style = FindAttribute(element, "style");
    if (!style) return {};
    std::vector<std::string> ignored;
    return ReadFontDeclarations(ParseCssDeclarations(style->value), ignored);
}

// The legacy font sizes in px, size 1 first, as browsers size FONT's SIZE.
constexpr std::array<double, 7> kLegacySizePx = {10, 13, 16, 18, 24, 32, 48};

std::optional<CssColorValue> ReadLegacyColor(std::string_view value) {
    if (const std::optional<TColor> color = ParseLegacyColor(value)) return CssColorValue{*color, true};
    return std::nullopt;
}

// A FONT tag, or a SPAN, P or DIV whose style attribute sets the font.
bool IsCarrier(const GumboNode* node) {
    return IsFont(node) || (IsOneOf(node, kStyledBlocks) && StyleFont(node).Any());
}

struct Carrier {
    const GumboNode* node;
    CssFontValues style;
};

// Of the elements from the root down to the text, the value of the innermost one that gives
// it, as the property inherits: what the cascade picks of its rules and style attribute when
// that reads, else its FONT attribute, which counts below every rule. When none reads, the
// problem of the innermost one that gives the property.
template <typename T, typename Read>
std::optional<T> ReadInnermost(const std::vector<Carrier>& carriers, CssRead<T> CssFontValues::*property,
                               const char* name, Read read, const char* problem,
                               std::vector<std::string>& problems) {
    std::string unread;
    for (auto carrier = carriers.rbegin(); carrier != carriers.rend(); ++carrier) {
        const CssRead<T>& style = carrier->style.*property;
        if (style.value) {
            if (!style.problem.empty()) problems.push_back(style.problem);
            return style.value;
        }
        if (unread.empty()) unread = style.problem;
        if (!IsFont(carrier->node)) continue;
        const std::optional<Attribute> attribute = FindAttribute(carrier->node, name);
        if (!attribute) continue;
        if (std::optional<T> value = read(attribute->value)) return value;
        if (unread.empty())
            unread = platform::Arg(platform::Translate("Paste", problem), {attribute->Shown()});
    }
    if (!unread.empty()) problems.push_back(unread);
    return std::nullopt;
}

// Each element of a line of descent, root first, with what the cascade gives it, read within
// what its parent passes down: the font size em and % count from, the root's size rem counts
// from, the colour currentColor stands for, and the custom properties.
std::vector<Carrier> LineOfDescent(const GumboNode* innermost, CssCascade& cascade) {
    std::vector<const GumboNode*> line;
    for (const GumboNode* node = innermost; node != nullptr; node = node->parent) {
        if (node->type == GUMBO_NODE_ELEMENT) line.push_back(node);
    }
    std::reverse(line.begin(), line.end());
    std::vector<Carrier> carriers;
    CssScope scope;
    for (const GumboNode* node : line) {
        const std::vector<CssDeclaration>& declarations = cascade.Declarations(node);
        std::vector<std::string> ignored;
        carriers.push_back({node, ReadFontDeclarations(declarations, ignored, scope)});
        const CssFontValues& own = carriers.back().style;
        scope.variables = WithCustomProperties(declarations, std::move(scope.variables));
        if (own.sizePx) {
            scope.context.parentPx = *own.sizePx;
        } else if (const std::optional<Attribute> size =
                       IsFont(node) ? FindAttribute(node, "size") : std::nullopt) {
            if (const std::optional<int> step = ParseLegacyFontSize(size->value))
                scope.context.parentPx = kLegacySizePx[static_cast<std::size_t>(*step - 1)];
        }
        if (own.color.value) {
            scope.context.currentColor = own.color.value;
        } else if (const std::optional<Attribute> color =
                       IsFont(node) ? FindAttribute(node, "color") : std::nullopt) {
            if (const std::optional<CssColorValue> value = ReadLegacyColor(color->value))
                scope.context.currentColor = value;
        }
        if (IsHtmlElement(node, GUMBO_TAG_HTML)) scope.context.rootPx = scope.context.parentPx;
    }
    return carriers;
}

const GumboVector& Children(const GumboNode* node) {
    return node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
}

// Calls enter for every node in document order, and leave once an element's children are
// done; enter says whether to go into an element. The walk keeps a stack of its own, as
// pasted markup may nest deeper than the call stack reaches.
template <typename Enter, typename Leave>
void Walk(const GumboNode* root, Enter enter, Leave leave) {
    struct Step {
        const GumboNode* node;
        unsigned next;
    };
    std::vector<Step> stack;
    if (enter(root)) stack.push_back({root, 0});
    while (!stack.empty()) {
        Step& step = stack.back();
        const GumboVector& children = Children(step.node);
        if (step.next == children.length) {
            leave(step.node);
            stack.pop_back();
            continue;
        }
        const auto* child = static_cast<const GumboNode*>(children.data[step.next++]);
        if (enter(child) && child->type == GUMBO_NODE_ELEMENT) stack.push_back({child, 0});
    }
}

const GumboNode* FirstFont(const GumboNode* document) {
    const GumboNode* font = nullptr;
    Walk(
        document,
        [&font](const GumboNode* node) {
            if (font == nullptr && IsCarrier(node)) font = node;
            return font == nullptr;
        },
        [](const GumboNode*) {});
    return font;
}

// The body element when the text wrote a BODY tag (a browser supplies one anyway, and adds to
// it the attributes of a BODY tag written later), with where that tag stands in the text.
std::optional<std::pair<const GumboNode*, unsigned>> WrittenBody(const GumboNode* document) {
    const GumboNode* body = nullptr;
    Walk(
        document,
        [&body](const GumboNode* node) {
            if (IsHtmlElement(node, GUMBO_TAG_BODY)) body = node;
            return body == nullptr &&
                   (node->type == GUMBO_NODE_DOCUMENT || IsHtmlElement(node, GUMBO_TAG_HTML));
        },
        [](const GumboNode*) {});
    if (body == nullptr) return std::nullopt;
    const GumboElement& element = body->v.element;
    if (element.original_tag.length > 0) return std::pair(body, element.start_pos.offset);
    if (element.attributes.length == 0) return std::nullopt;
    unsigned first = static_cast<const GumboAttribute*>(element.attributes.data[0])->name_start.offset;
    for (unsigned i = 1; i < element.attributes.length; ++i) {
        first = std::min(first,
                         static_cast<const GumboAttribute*>(element.attributes.data[i])->name_start.offset);
    }
    return std::pair(body, first);
}

// The colours and picture of a BODY tag: its style's declarations win over its attributes.
void ReadBody(const GumboNode* body, TPastedTag& pasted) {
    CssBodyValues style;
    if (const std::optional<Attribute> attribute = FindAttribute(body, "style")) {
        std::vector<std::string> ignored;
        style = ReadBodyDeclarations(ParseCssDeclarations(attribute->value), ignored);
    }
    for (const ColorAttribute& color : kBodyColors) {
        const CssRead<CssColorValue>* declared = color.target == ctBackground ? &style.background
                                                 : color.target == ctText     ? &style.text
                                                                              : nullptr;
        if (declared != nullptr && declared->value) {
            pasted.colors.emplace_back(color.target, declared->value->color);
            if (!declared->problem.empty()) pasted.problems.push_back(declared->problem);
            continue;
        }
        // A style that does not read is dropped, and the attribute counts.
        if (declared != nullptr && declared->Declared()) pasted.problems.push_back(declared->problem);
        const std::optional<Attribute> attribute = FindAttribute(body, color.name);
        if (!attribute) continue;
        if (const std::optional<TColor> value = ParseLegacyColor(attribute->value)) {
            pasted.colors.emplace_back(color.target, *value);
        } else {
            pasted.problems.push_back(
                platform::Arg(platform::Translate("Paste", "%1 is not a color."), {attribute->Shown()}));
        }
    }
    if (style.picture.value) {
        pasted.picture = FileNamePart(*style.picture.value);
        return;
    }
    if (!style.picture.problem.empty()) pasted.problems.push_back(style.picture.problem);
    if (style.background.Declared()) pasted.picture = std::string();
    for (const char* picture : kPictureAttributes) {
        if (const std::optional<Attribute> attribute = FindAttribute(body, picture)) {
            pasted.problems.push_back(platform::Arg(
                platform::Translate("Paste",
                                    "%1 is not loaded: a tag does not say which folder holds the picture."),
                {attribute->Shown()}));
        }
    }
}

// The text of a FONT tag as a style holds it: at most kMaxPastedTextLength characters.
class StyleText {
public:
    bool Full() const { return characters_ == kMaxPastedTextLength; }
    bool Cut() const { return cut_; }
    const std::string& Text() const { return text_; }
    // Enough bytes of a text to fill what is left.
    std::size_t Room() const { return (kMaxPastedTextLength - characters_ + 1) * kMaxCharacterBytes; }

    void Append(std::string_view piece) {
        for (const char c : piece) {
            const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (starts && Full()) {
                cut_ = true;
                return;
            }
            text_ += c;
            if (starts) ++characters_;
        }
    }

private:
    std::string text_;
    std::size_t characters_ = 0;
    bool cut_ = false;
};

// Reads the FONT tag: what stands around it, and everything inside it. Misnested markup such
// as <B><FONT>x</B>y</FONT> makes the parser continue the FONT in a copy of it, which is read
// as the same tag.
class FontReader {
public:
    FontReader(const GumboNode* font, CssCascade& cascade, TPastedTag& pasted)
        : font_(font), cascade_(cascade), pasted_(pasted) {}

    void Read(const GumboNode* document) {
        Walk(
            document, [this](const GumboNode* node) { return Enter(node); },
            [this](const GumboNode* node) { Leave(node); });
        const std::vector<Carrier> carriers =
            LineOfDescent(textParent_ != nullptr ? textParent_ : font_, cascade_);
        // The page's rules count on the elements the text is in, as a browser computes it.
        for (const Carrier& carrier : carriers) NoteStyle(carrier.style);
        std::vector<std::string>& problems = pasted_.problems;
        if (auto color = ReadInnermost(carriers, &CssFontValues::color, "color", ReadLegacyColor,
                                       QT_TRANSLATE_NOOP("Paste", "%1 is not a color."), problems)) {
            pasted_.colors.emplace_back(ctFont, color->color);
        }
        pasted_.sizeStep = ReadInnermost(carriers, &CssFontValues::sizeStep, "size", ParseLegacyFontSize,
                                         QT_TRANSLATE_NOOP("Paste", "%1 is not a size."), problems);
        pasted_.faces = ReadInnermost(carriers, &CssFontValues::faces, "face", SplitFaces,
                                      QT_TRANSLATE_NOOP("Paste", "%1 names no face."), problems)
                            .value_or(std::vector<std::string>());
        if (!Trim(text_.Text()).empty()) pasted_.text = text_.Text();
        if (text_.Cut()) {
            problems.push_back(platform::Arg(
                platform::Translate("Paste",
                                    "The text after its first %1 characters, as a style holds no more."),
                {std::to_string(kMaxPastedTextLength)}));
        }
    }

private:
    bool IsOurs(const GumboNode* node) const {
        if (node == font_) return true;
        const GumboStringPiece& tag = font_->v.element.original_tag;
        return IsHtmlElement(node, font_->v.element.tag) && tag.length > 0 &&
               node->v.element.original_tag.data == tag.data;
    }

    bool Enter(const GumboNode* node) {
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE ||
            node->type == GUMBO_NODE_CDATA) {
            if (inside_ != nullptr) ReadText(node);
            return false;
        }
        if (node->type != GUMBO_NODE_ELEMENT) return node->type == GUMBO_NODE_DOCUMENT;
        if (IsOneOf(node, kHiddenContent)) return false;
        if (inside_ == nullptr && IsOurs(node)) {
            inside_ = node;
            for (const GumboNode* around = node->parent; around != nullptr; around = around->parent) {
                if (around->type == GUMBO_NODE_ELEMENT) NoteWrapper(around, StyleFont(around));
            }
        }
        if (inside_ != nullptr) {
            NoteWrapper(node, StyleFont(node));
            if (IsHtmlElement(node, GUMBO_TAG_BR)) text_.Append(" ");
        }
        return true;
    }

    void Leave(const GumboNode* node) {
        if (node == inside_) inside_ = nullptr;
    }

    void NoteWrapper(const GumboNode* node, const CssFontValues& style) {
        if (IsHtmlElement(node, GUMBO_TAG_B) || IsHtmlElement(node, GUMBO_TAG_STRONG)) pasted_.bold = true;
        if (IsHtmlElement(node, GUMBO_TAG_I) || IsHtmlElement(node, GUMBO_TAG_EM)) pasted_.italic = true;
        if (IsHtmlElement(node, GUMBO_TAG_CENTER)) pasted_.centered = true;
        if (IsHtmlElement(node, GUMBO_TAG_P) || IsHtmlElement(node, GUMBO_TAG_DIV)) {
            const std::optional<Attribute> align = FindAttribute(node, "align");
            if (align && platform::LowerAscii(Trim(align->value)) == "center") pasted_.centered = true;
        }
        NoteStyle(style);
    }

    // A style only ever adds: what a wrapper's style takes away, an outer B still gives.
    void NoteStyle(const CssFontValues& style) {
        if (style.bold.value.value_or(false)) pasted_.bold = true;
        if (style.italic.value.value_or(false)) pasted_.italic = true;
        if (style.centered.value.value_or(false)) pasted_.centered = true;
    }

    void ReadText(const GumboNode* node) {
        const std::string_view parsed = node->v.text.text;
        if (text_.Full() && textParent_ != nullptr) {
            text_.Append(parsed);
            return;
        }
        const bool raw = node->type == GUMBO_NODE_CDATA || IsOneOf(node->parent, kRawText);
        // The text is HTML source, as a FONT tag has always held it, whichever element carries
        // the font: a SPAN from Copy as HTML5 gives back the text the style had.
        const std::string text =
            raw ? HtmlMarkup::AsWritten(parsed) : DecodeTextKeepingMarkup(parsed, text_.Room());
        if (textParent_ == nullptr && !Trim(text).empty()) textParent_ = node->parent;
        text_.Append(text);
    }

    const GumboNode* font_;
    CssCascade& cascade_;
    TPastedTag& pasted_;
    // The copy of the FONT tag being read, or null outside it.
    const GumboNode* inside_ = nullptr;
    // The element of the first text, or null before it.
    const GumboNode* textParent_ = nullptr;
    StyleText text_;
};

// The face list entry for a pasted face: the one the list writes exactly (the last of equal
// entries, as a style file's face is found), else one that differs only in letter case; -1
// when the list has none.
int FindFace(const std::vector<std::string>& faces, const std::string& face) {
    const int exact = ChooseFace(faces, face);
    if (exact >= 0 && faces[static_cast<std::size_t>(exact)] == face) return exact;
    const std::string lower = platform::LowerAscii(face);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (platform::LowerAscii(faces[i]) == lower) return static_cast<int>(i);
    }
    return -1;
}

struct FaceChoice {
    // The face list entry, or -1.
    int index = -1;
    std::vector<std::string> alternates;
    // No pasted face is installed, and the entry is the list's nearest to the first.
    bool fallback = false;
};

// The face a browser shows for a pasted face list: its first installed face, or for a generic
// family the face the system gives for it. The other pasted faces become the alternates, in
// their order, a generic one kept as it stands.
FaceChoice ChooseShownFace(const std::vector<std::string>& pasted, const StyleTarget& target) {
    const std::vector<std::string> list = target.Faces();
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        const bool generic = IsGenericFamily(pasted[i]);
        const int index = generic ? FindFace(list, target.GenericFace(platform::LowerAscii(pasted[i])))
                                  : FindFace(list, pasted[i]);
        if (index < 0 && !generic) continue;
        FaceChoice choice;
        choice.index = index >= 0 ? index : ChooseFace(list, pasted.front());
        for (std::size_t j = 0; j < pasted.size(); ++j) {
            if (j != i || generic) choice.alternates.push_back(pasted[j]);
        }
        return choice;
    }
    FaceChoice choice;
    choice.index = ChooseFace(list, pasted.front());
    choice.fallback = true;
    choice.alternates.assign(pasted.begin() + 1, pasted.end());
    if (choice.index >= 0) {
        const std::string replacement = platform::LowerAscii(list[static_cast<std::size_t>(choice.index)]);
        std::erase_if(choice.alternates, [&replacement](const std::string& face) {
            return platform::LowerAscii(face) == replacement;
        });
    }
    return choice;
}

// The text of the page's STYLE elements, as written.
std::string StyleSheets(const GumboNode* document) {
    std::string sheets;
    Walk(
        document,
        [&sheets](const GumboNode* node) {
            if (node->type == GUMBO_NODE_TEXT && IsHtmlElement(node->parent, GUMBO_TAG_STYLE)) {
                sheets += HtmlMarkup::AsWritten(node->v.text.text) + "\n";
            }
            return node->type == GUMBO_NODE_DOCUMENT || node->type == GUMBO_NODE_ELEMENT;
        },
        [](const GumboNode*) {});
    return sheets;
}

}  // namespace

TPastedTag ParsePastedTag(std::string_view text) {
    TPastedTag pasted;
    const HtmlMarkup markup(text);
    const GumboNode* font = FirstFont(markup.Document());
    const auto body = WrittenBody(markup.Document());
    const std::string sheets = StyleSheets(markup.Document());
    // A bare BODY tag says nothing: a page's style sheet or its font says more.
    const bool bareBody =
        body && body->first->v.element.attributes.length == 0 && (!sheets.empty() || font != nullptr);
    if (body && !bareBody && (font == nullptr || body->second < font->v.element.start_pos.offset)) {
        pasted.kind = TPastedKind::Body;
        ReadBody(body->first, pasted);
    } else if (font != nullptr) {
        pasted.kind = TPastedKind::Font;
        pasted.setsFont = true;
        CssCascade cascade(sheets);
        FontReader(font, cascade, pasted).Read(markup.Document());
    } else {
        pasted = ParsePastedSheet(sheets.empty() ? text : std::string_view(sheets));
    }
    // What was left unread might have changed what was read; the message says where it stopped.
    if (text.size() > kMaxMarkupBytes && pasted.kind != TPastedKind::None) {
        pasted.problems.push_back(platform::Arg(
            platform::Translate("Paste", "The text after its first %1 KB, as a paste is read no further."),
            {std::to_string(kMaxMarkupBytes / 1024)}));
    }
    return pasted;
}

std::vector<std::string> LoadPastedTag(const TPastedTag& tag, StyleTarget& target,
                                       std::string_view pictureName) {
    std::vector<std::string> problems = tag.problems;
    for (const auto& [colorTarget, color] : tag.colors) target.SetColor(colorTarget, color);
    if (tag.picture) {
        // The page names the file by a URL: "my%20tile.gif" is the file "my tile.gif".
        const std::string named = FileNameFromUrl(*tag.picture);
        if (named.empty()) {
            target.SelectColorMode();
        } else if (named == pictureName) {
            target.SelectPictureMode();
        } else {
            problems.push_back(platform::Arg(
                platform::Translate(
                    "Paste", "The picture \"%1\" is not loaded: CSS does not say which folder holds it."),
                {CutForMessage(named)}));
        }
    }
    if (!tag.setsFont) return problems;

    std::vector<std::string> alternates;
    if (!tag.faces.empty()) {
        const FaceChoice choice = ChooseShownFace(tag.faces, target);
        alternates = choice.alternates;
        if (choice.index < 0 || choice.fallback) {
            const std::string face = CutForMessage(tag.faces.front());
            problems.push_back(
                choice.index < 0
                    ? platform::Arg(platform::Translate("Paste", "The face \"%1\" is not installed."), {face})
                    : platform::Arg(platform::Translate(
                                        "Paste", "The face \"%1\" is not installed; \"%2\" is used instead."),
                                    {face, target.Faces()[static_cast<std::size_t>(choice.index)]}));
        }
        target.SelectFace(choice.index);
    }
    target.SetCentered(tag.centered);
    target.SetBold(tag.bold);
    target.SetItalic(tag.italic);
    if (tag.sizeStep) target.SetSizeStep(*tag.sizeStep);
    if (tag.text) target.SetUserText(*tag.text);
    if (!tag.faces.empty()) target.SetAltFaces(std::move(alternates));
    return problems;
}

std::string PastedTagMessage(const TPastedTag& tag, const std::vector<std::string>& problems) {
    if (tag.kind != TPastedKind::Sheet) return PastedTagMessage(problems);
    std::string read;
    for (const std::string& selector : tag.read)
        read += (read.empty() ? "" : platform::Translate("Paste", ", ")) + selector;
    std::string message =
        platform::Arg(platform::Translate("Paste", "The CSS was loaded from %1 except for:"), {read});
    for (const std::string& problem : problems) message += "\n" + problem;
    return message;
}

std::string CutForMessage(std::string_view text, std::size_t length) {
    if (text.size() <= length) return std::string(text);
    // Cut before a UTF-8 continuation byte's character, not through it.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return std::string(text.substr(0, length)) + "...";
}

std::string PastedTagMessage(const std::vector<std::string>& problems) {
    std::string message = platform::Translate("Paste", "The tag was loaded except for:");
    for (const std::string& problem : problems) message += "\n" + problem;
    return message;
}
