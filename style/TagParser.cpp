#include "style/TagParser.h"

#include <algorithm>
#include <array>
#include <map>

#include "platform/Color.h"
#include "style/ColorValue.h"

namespace {

constexpr int kRelativeSizeBase = 3;
// Enough digits to clamp any size; more are read but no longer counted.
constexpr int kSizeSaturation = 1000;
// A value named in a message is cut here, so that a hostile paste keeps the box readable.
constexpr std::size_t kShownValueLength = 40;

struct NamedColor {
    std::string_view name;
    TColor color;
};

constexpr std::array<NamedColor, 16> kHtmlColors = {{
    {"black", platform::clBlack},
    {"silver", platform::clSilver},
    {"gray", platform::clGray},
    {"white", platform::clWhite},
    {"maroon", platform::clMaroon},
    {"red", platform::clRed},
    {"purple", platform::clPurple},
    {"fuchsia", platform::clFuchsia},
    {"green", platform::clGreen},
    {"lime", platform::clLime},
    {"olive", platform::clOlive},
    {"yellow", platform::clYellow},
    {"navy", platform::clNavy},
    {"blue", platform::clBlue},
    {"teal", platform::clTeal},
    {"aqua", platform::clAqua},
}};

struct ColorAttribute {
    std::string_view name;
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
constexpr std::array<std::string_view, 2> kPictureAttributes = {"background", "bgpicture"};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerText(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

std::string UpperText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool AllHex(std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; });
}

// An attribute's lower-case name and its value.
using Attribute = std::pair<const std::string, std::string>;

struct Tag {
    std::string name;  // lower case
    bool endTag = false;
    // By lower-case name. As in a browser, the first of two equal attributes counts; a map keeps
    // that check cheap on a hostile paste of thousands of attributes.
    std::map<std::string, std::string, std::less<>> attributes;
    std::size_t begin = 0;  // the "<"
    std::size_t end = 0;    // just past the ">", or the end of the text

    const Attribute* Find(std::string_view name) const {
        const auto found = attributes.find(name);
        return found == attributes.end() ? nullptr : &*found;
    }
};

// Splits text into tags the way an HTML tokenizer does, leaving the text between them. A "<"
// that starts no tag name is text. A tag the text ends inside counts as if it were closed.
class TagScanner {
public:
    explicit TagScanner(std::string_view text) : text_(text) {}

    std::optional<Tag> Next() {
        while (pos_ < text_.size()) {
            const std::size_t open = text_.find('<', pos_);
            if (open == std::string_view::npos) break;
            Tag tag;
            tag.begin = open;
            pos_ = open + 1;
            if (pos_ < text_.size() && text_[pos_] == '/') {
                tag.endTag = true;
                ++pos_;
            }
            if (pos_ >= text_.size() || !IsLetter(text_[pos_])) {
                pos_ = open + 1;
                continue;
            }
            while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '/' && text_[pos_] != '>') {
                tag.name += Lower(text_[pos_++]);
            }
            ReadAttributes(tag);
            tag.end = pos_;
            return tag;
        }
        pos_ = text_.size();
        return std::nullopt;
    }

private:
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    void ReadAttributes(Tag& tag) {
        while (pos_ < text_.size()) {
            while (pos_ < text_.size() && (IsSpace(text_[pos_]) || text_[pos_] == '/')) ++pos_;
            if (pos_ >= text_.size()) return;
            if (text_[pos_] == '>') {
                ++pos_;
                return;
            }
            std::string name;
            // The first character belongs to the name whatever it is, so every turn moves on.
            do {
                name += Lower(text_[pos_++]);
            } while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '/' &&
                     text_[pos_] != '>' && text_[pos_] != '=');
            SkipSpace();
            std::string value;
            if (pos_ < text_.size() && text_[pos_] == '=') {
                ++pos_;
                SkipSpace();
                value = ReadValue();
            }
            tag.attributes.try_emplace(std::move(name), std::move(value));
        }
    }

    std::string ReadValue() {
        if (pos_ >= text_.size()) return {};
        const char quote = text_[pos_];
        if (quote == '"' || quote == '\'') {
            const std::size_t start = pos_ + 1;
            const std::size_t close = text_.find(quote, start);
            pos_ = close == std::string_view::npos ? text_.size() : close + 1;
            return std::string(text_.substr(start, std::min(close, text_.size()) - start));
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '>') ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string Cut(const std::string& text) {
    if (text.size() <= kShownValueLength) return text;
    // Cut before a UTF-8 continuation byte's character, not through it.
    std::size_t length = kShownValueLength;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return text.substr(0, length) + "...";
}

std::string Shown(const Attribute& attribute) {
    return UpperText(Cut(attribute.first)) + "=\"" + Cut(attribute.second) + "\"";
}

void ReadColor(const Tag& tag, std::string_view name, TColorTarget target, TPastedTag& pasted) {
    const Attribute* attribute = tag.Find(name);
    if (attribute == nullptr) return;
    if (const std::optional<TColor> color = ParseTagColor(attribute->second)) {
        pasted.colors.emplace_back(target, *color);
    } else {
        pasted.problems.push_back(Shown(*attribute) + " is not a color.");
    }
}

std::vector<std::string> SplitFaces(std::string_view list) {
    std::vector<std::string> faces;
    while (true) {
        const std::size_t comma = list.find(',');
        std::string_view face = Trim(list.substr(0, comma));
        if (!face.empty() && (face.front() == '\'' || face.front() == '"')) face.remove_prefix(1);
        if (!face.empty() && (face.back() == '\'' || face.back() == '"')) face.remove_suffix(1);
        face = Trim(face);
        if (!face.empty()) faces.emplace_back(face);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return faces;
}

void ReadBody(const Tag& body, TPastedTag& pasted) {
    for (const ColorAttribute& color : kBodyColors) ReadColor(body, color.name, color.target, pasted);
    for (std::string_view picture : kPictureAttributes) {
        if (const Attribute* attribute = body.Find(picture)) {
            pasted.problems.push_back(Shown(*attribute) +
                                      " is not loaded: a tag does not say which folder holds the picture.");
        }
    }
}

// The FONT tag's attributes, then the wrappers and the text around and inside it.
void ReadFont(const Tag& font, std::string_view text, TPastedTag& pasted) {
    ReadColor(font, "color", ctFont, pasted);
    if (const Attribute* size = font.Find("size")) {
        pasted.sizeStep = ParseTagSize(size->second);
        if (!pasted.sizeStep) pasted.problems.push_back(Shown(*size) + " is not a size.");
    }
    if (const Attribute* face = font.Find("face")) {
        pasted.faces = SplitFaces(face->second);
        if (pasted.faces.empty()) pasted.problems.push_back(Shown(*face) + " names no face.");
    }

    TagScanner scanner(text);
    std::string inside;
    std::size_t textStart = std::string_view::npos;
    bool fontClosed = false;
    while (const std::optional<Tag> tag = scanner.Next()) {
        if (tag->begin == font.begin) {
            textStart = tag->end;
            continue;
        }
        if (textStart != std::string_view::npos && !fontClosed && tag->begin >= textStart) {
            inside += text.substr(textStart, tag->begin - textStart);
            textStart = tag->end;
            if (tag->endTag && tag->name == "font") fontClosed = true;
        }
        if (tag->endTag) continue;
        if (tag->name == "b") pasted.bold = true;
        if (tag->name == "i") pasted.italic = true;
        if (tag->name == "center") pasted.centered = true;
    }
    if (!fontClosed && textStart != std::string_view::npos && textStart < text.size()) {
        inside += text.substr(textStart);
    }
    if (!Trim(inside).empty()) pasted.text = std::move(inside);
}

// The face list entry for a pasted face: the one the list writes exactly (the last of equal
// entries, as a style file's face is found), else one that differs only in letter case; -1
// when the list has none.
int FindFace(const std::vector<std::string>& faces, const std::string& face) {
    const int exact = ChooseFace(faces, face);
    if (exact >= 0 && faces[static_cast<std::size_t>(exact)] == face) return exact;
    const std::string lower = LowerText(face);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (LowerText(faces[i]) == lower) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::optional<TColor> ParseTagColor(std::string_view value) {
    value = Trim(value);
    const std::string lower = LowerText(value);
    for (const NamedColor& named : kHtmlColors) {
        if (lower == named.name) return named.color;
    }
    const bool hash = !value.empty() && value.front() == '#';
    std::string_view digits = hash ? value.substr(1) : value;
    if (!AllHex(digits)) return std::nullopt;
    if (digits.size() == 6) {
        return colorvalue::ColorFromChannels(HexDigit(digits[0]) * 16 + HexDigit(digits[1]),
                                             HexDigit(digits[2]) * 16 + HexDigit(digits[3]),
                                             HexDigit(digits[4]) * 16 + HexDigit(digits[5]));
    }
    // "#RGB" doubles each digit; without "#" three digits are too easily a mistake to guess at.
    if (hash && digits.size() == 3) {
        return colorvalue::ColorFromChannels(HexDigit(digits[0]) * 17, HexDigit(digits[1]) * 17,
                                             HexDigit(digits[2]) * 17);
    }
    return std::nullopt;
}

std::optional<int> ParseTagSize(std::string_view value) {
    value = Trim(value);
    char sign = 0;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        sign = value.front();
        value.remove_prefix(1);
    }
    if (value.empty() || !IsDigit(value.front())) return std::nullopt;
    int number = 0;
    for (std::size_t i = 0; i < value.size() && IsDigit(value[i]); ++i) {
        number = std::min(number * 10 + (value[i] - '0'), kSizeSaturation);
    }
    const int step = sign == '+'   ? kRelativeSizeBase + number
                     : sign == '-' ? kRelativeSizeBase - number
                                   : number;
    return std::clamp(step, kMinSizeStep, kMaxSizeStep);
}

TPastedTag ParsePastedTag(std::string_view text) {
    TPastedTag pasted;
    TagScanner scanner(text);
    while (const std::optional<Tag> tag = scanner.Next()) {
        if (tag->endTag) continue;
        if (tag->name == "body") {
            pasted.kind = TPastedKind::Body;
            ReadBody(*tag, pasted);
            break;
        }
        if (tag->name == "font") {
            pasted.kind = TPastedKind::Font;
            ReadFont(*tag, text, pasted);
            break;
        }
    }
    return pasted;
}

std::vector<std::string> LoadPastedTag(const TPastedTag& tag, StyleTarget& target) {
    std::vector<std::string> problems = tag.problems;
    for (const auto& [colorTarget, color] : tag.colors) target.SetColor(colorTarget, color);
    if (tag.kind != TPastedKind::Font) return problems;

    if (!tag.faces.empty()) {
        const std::vector<std::string> list = target.Faces();
        int index = FindFace(list, tag.faces.front());
        if (index < 0) {
            index = ChooseFace(list, tag.faces.front());
            std::string line = "The face \"" + Cut(tag.faces.front()) + "\" is not installed";
            if (index >= 0) line += "; \"" + list[static_cast<std::size_t>(index)] + "\" is used instead";
            problems.push_back(line + ".");
        }
        target.SelectFace(index);
    }
    target.SetCentered(tag.centered);
    target.SetBold(tag.bold);
    target.SetItalic(tag.italic);
    if (tag.sizeStep) target.SetSizeStep(*tag.sizeStep);
    if (tag.text) target.SetUserText(*tag.text);
    if (!tag.faces.empty())
        target.SetAltFaces(std::vector<std::string>(tag.faces.begin() + 1, tag.faces.end()));
    return problems;
}

std::string PastedTagMessage(const std::vector<std::string>& problems) {
    std::string message = "The tag was loaded except for:";
    for (const std::string& problem : problems) message += "\n" + problem;
    return message;
}
